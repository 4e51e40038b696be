// The bytes of config.txt: the fixed head and one block per bot.
#pragma once

#include "bots/botrecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The file in the 8-bit code page, each line ended by CR LF, and one more CR LF at the end. Line breaks inside a value
// become blanks, so no answer can add a line to the file or break one.
QByteArray generateConfig(const QString& botMaster, const QString& botTrigger, const QList<BotRecord>& bots);
