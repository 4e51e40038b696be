// Turns text into the 8-bit bytes of config.txt: one byte per character, "?" for what the code page cannot hold.
#pragma once

#include <QByteArray>
#include <QStringView>

// Windows-1252, the code page the bot reads on a western Windows system.
QByteArray encodeWindows1252(QStringView text);

// Writes text in config.txt's code page into out, which has room for text.size() bytes, and returns the end of what
// it wrote: the system's ANSI code page on Windows where it has one byte a character, Windows-1252 everywhere else
// (the bot is a Windows program).
char* writeConfigBytes(char* out, QStringView text);
