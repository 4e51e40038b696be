// config.txt's code page on Windows: the system's ANSI code page, which the bot reads, where it has one byte a
// character.
#include "config/codepage.h"

#include <windows.h>

namespace {

// A double-byte or UTF-8 system code page cannot give the bot its one byte a character, so such systems get
// Windows-1252 instead.
bool ansiIsSingleByte() {
    CPINFO info{};
    return GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1;
}

// One code point through the ANSI code page; anything that needs a replacement or a best-fit guess is "?".
char ansiByte(char32_t codePoint) {
    wchar_t units[2]{};
    int count = 1;
    if (QChar::requiresSurrogates(codePoint)) {
        units[0] = QChar::highSurrogate(codePoint);
        units[1] = QChar::lowSurrogate(codePoint);
        count = 2;
    } else {
        units[0] = static_cast<wchar_t>(codePoint);
    }
    char bytes[8]{};
    BOOL usedDefault = FALSE;
    const int written =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, units, count, bytes, sizeof bytes, nullptr, &usedDefault);
    return written == 1 && !usedDefault ? bytes[0] : '?';
}

} // namespace

QByteArray configBytes(QStringView text) {
    return singleBytes(text, ansiIsSingleByte() ? ansiByte : windows1252Byte);
}
