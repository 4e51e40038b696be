// The text of config.txt: the fixed head, one block per bot, built line by line in memory.
#pragma once

#include "bots/botlist.h"

#include <QList>
#include <QString>

// Appends text and then separator to buffer.
void appendLine(QString& buffer, const QString& text, const QString& separator);

// The whole document, each line followed by a line feed. Line breaks inside a value become blanks, so no answer
// can add a line to the file or break one.
QString generateConfig(const QString& botMaster, const QString& botTrigger, const QList<BotRecord>& bots);
