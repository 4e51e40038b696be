// Single-byte encoders for config.txt. Each Unicode code point, a surrogate pair included, gives exactly one byte.
#include "config/codepage.h"

#include <array>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

constexpr char kUnmappable = '?';

// Bytes 0x80 to 0x9F of Windows-1252. The five bytes the code page leaves undefined map to the C1 controls
// of the same number, as Windows itself converts them.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char windows1252Byte(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint)
            return static_cast<char>(0x80 + i);
    }
    return kUnmappable;
}

#ifdef Q_OS_WIN
// True when the ANSI code page has one byte per character. A double-byte or UTF-8 system code page cannot give
// the bot its one byte a character, so such systems get Windows-1252 instead.
bool ansiIsSingleByte() {
    CPINFO info{};
    return GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1;
}

// One code point through the ANSI code page; anything that needs a replacement or a best-fit guess is "?".
char ansiByte(char32_t codePoint) {
    wchar_t units[2];
    int count = 1;
    if (QChar::requiresSurrogates(codePoint)) {
        units[0] = QChar::highSurrogate(codePoint);
        units[1] = QChar::lowSurrogate(codePoint);
        count = 2;
    } else {
        units[0] = static_cast<wchar_t>(codePoint);
    }
    char bytes[8];
    BOOL usedDefault = FALSE;
    const int written =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, units, count, bytes, sizeof bytes, nullptr, &usedDefault);
    return written == 1 && !usedDefault ? bytes[0] : kUnmappable;
}
#endif

template <typename ByteOf> char* encodeInto(char* out, QStringView text, ByteOf byteOf) {
    for (const char16_t *unit = text.utf16(), *end = unit + text.size(); unit != end;) {
        const char16_t first = *unit++;
        if (first < 0x80) { // ASCII is itself in every single-byte code page
            *out++ = static_cast<char>(first);
            continue;
        }
        char32_t codePoint = first;
        if (QChar::isHighSurrogate(first) && unit != end && QChar::isLowSurrogate(*unit))
            codePoint = QChar::surrogateToUcs4(first, *unit++); // a pair is one character, and one byte
        else if (QChar::isSurrogate(first))
            codePoint = QChar::ReplacementCharacter; // half a pair
        *out++ = byteOf(codePoint);
    }
    return out;
}

char* writeWindows1252(char* out, QStringView text) {
    return encodeInto(out, text, windows1252Byte);
}

} // namespace

QByteArray encodeWindows1252(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized); // never more bytes than UTF-16 units
    bytes.truncate(writeWindows1252(bytes.data(), text) - bytes.constData());
    return bytes;
}

char* writeConfigBytes(char* out, QStringView text) {
#ifdef Q_OS_WIN
    static const bool singleByte = ansiIsSingleByte();
    return singleByte ? encodeInto(out, text, ansiByte) : writeWindows1252(out, text);
#else
    return writeWindows1252(out, text);
#endif
}
