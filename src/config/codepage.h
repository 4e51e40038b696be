// Turns text into the 8-bit bytes of config.txt: one byte per character, "?" for what the code page cannot hold,
// and CR LF for each line feed.
#pragma once

#include <QByteArray>
#include <QStringView>

// Windows-1252, the code page the bot reads on a western Windows system.
QByteArray encodeWindows1252(QStringView text);

// The system's ANSI code page on Windows where it has one byte a character, Windows-1252 everywhere else (the
// bot is a Windows program).
QByteArray encodeConfigBytes(QStringView text);
