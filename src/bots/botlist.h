// One bot's settings, the list of bots, the game-client code table and the CD-key clean-up.
#pragma once

#include <QList>
#include <QString>

// The window's Booleans are 16-bit with True = -1, as the bot's original tooling stored them.
inline constexpr qint16 kTrue = -1;
inline constexpr qint16 kFalse = 0;

struct BotRecord {
    QString Username;
    QString Password;
    QString Server;
    qint16 Display = kFalse;
    QString Client = QStringLiteral("    "); // always exactly four characters: see AssignClient
    QString CommandSet;
    QString CDKey;
    QString HomeChannel;
    QString Register;
    qint16 Spawn = 0;

    friend bool operator==(const BotRecord&, const BotRecord&) = default;
};

// Stores a client code as the four-character field holds it: padded with blanks or cut to four.
void AssignClient(BotRecord& record, const QString& code);

// Adds a record at index BotCount and only then raises BotCount. Throws std::overflow_error, leaving
// both unchanged, when BotCount is already at the largest 32-bit value.
void AppendBot(QList<BotRecord>& Bots, qint32& BotCount, const BotRecord& record);

// The record of the bot on the bot page is replaced when that page is captured again, or removed
// when it no longer names a server and a client. Other records keep their order.
void ReplaceBot(QList<BotRecord>& Bots, qint32 index, const BotRecord& record);
void RemoveBot(QList<BotRecord>& Bots, qint32& BotCount, qint32 index);

// "STAR", "SEXP" or "WAR2" for the three client names; an empty string for any other text.
QString LookupClientCode(const QString& clientText);

// Removes every blank, then every dash; letters keep their case and other characters stay.
QString NormalizeCDKey(const QString& typed);
