// The single-byte encoder of config.txt and the Windows-1252 table.
#include "config/codepage.h"

#include <algorithm>
#include <array>
#include <iterator>

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

void appendSingleBytes(QByteArray& out, QStringView text, char (*byteOf)(char32_t)) {
    while (!text.isEmpty()) {
        // ASCII, by far the usual text, is itself in every single-byte code page: it goes in by runs of up to 4 KB,
        // which the heap hands out again and again.
        const QStringView run = text.first(std::min<qsizetype>(text.size(), 4096));
        const auto other = std::find_if(run.begin(), run.end(), [](QChar c) { return c.unicode() >= 0x80; });
        const qsizetype ascii = std::distance(run.begin(), other);
        out.append(run.first(ascii).toLatin1());
        text = text.sliced(ascii);
        if (ascii == run.size())
            continue;
        const char16_t unit = text.front().unicode();
        char32_t codePoint = unit;
        qsizetype units = 1;
        if (QChar::isHighSurrogate(unit) && text.size() > 1 && text[1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(unit, text[1].unicode()); // a pair is one character, and one byte
            units = 2;
        } else if (QChar::isSurrogate(unit)) {
            codePoint = QChar::ReplacementCharacter; // half a pair
        }
        out.append(byteOf(codePoint));
        text = text.sliced(units);
    }
}
