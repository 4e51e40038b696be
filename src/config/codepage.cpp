// The single-byte encoder of config.txt and the Windows-1252 table.
#include "config/codepage.h"

#include <algorithm>
#include <array>

namespace {

// Bytes 0x80 to 0x9F of Windows-1252, where it differs from Latin-1. The five bytes the code page leaves undefined
// map to the C1 controls of the same number, as Windows itself converts them.
constexpr std::array<char16_t, 32> kWindows1252From0x80{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char windows1252Byte(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (std::size_t i = 0; i < kWindows1252From0x80.size(); ++i) {
        if (kWindows1252From0x80[i] == codePoint)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

QByteArray singleBytes(QStringView text, char (*byteOf)(char32_t)) {
    // ASCII is itself in every single-byte code page, and most files hold nothing else: Qt's own conversion takes those
    // whole.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.toLatin1();
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t codePoint = text[i].unicode();
        if (QChar::isHighSurrogate(codePoint) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(text[i], text[i + 1]); // a pair is one character, and one byte
            ++i;
        } else if (QChar::isSurrogate(codePoint)) {
            codePoint = QChar::ReplacementCharacter; // half a pair
        }
        bytes.append(byteOf(codePoint));
    }
    return bytes;
}
