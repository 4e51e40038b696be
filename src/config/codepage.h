// Turns text into the 8-bit bytes of config.txt: one byte per character, "?" for what the code page cannot hold.
#pragma once

#include <QByteArray>
#include <QStringView>

// Each Unicode character of text (a surrogate pair is one) as the one byte byteOf gives it; half a pair is U+FFFD.
QByteArray singleBytes(QStringView text, char (*byteOf)(char32_t));

// Windows-1252, the code page the bot reads on a western Windows system.
char windows1252Byte(char32_t codePoint);

// Text in config.txt's code page: on Windows the system's ANSI code page where it has one byte a character,
// Windows-1252 everywhere else, the bot being a Windows program. (codepage_win.cpp, codepage_other.cpp)
QByteArray configBytes(QStringView text);
