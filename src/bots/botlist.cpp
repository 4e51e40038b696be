// The bot list operations and the two value conversions applied when a bot is captured.
#include "bots/botlist.h"

#include <array>
#include <limits>
#include <stdexcept>

void AssignClient(BotRecord& record, const QString& code) {
    record.Client = code.left(4).leftJustified(4, QLatin1Char(' '));
}

void AppendBot(QList<BotRecord>& Bots, qint32& BotCount, const BotRecord& record) {
    if (BotCount == std::numeric_limits<qint32>::max())
        throw std::overflow_error("the bot list is full");
    Bots.append(record);
    ++BotCount;
}

void ReplaceBot(QList<BotRecord>& Bots, qint32 index, const BotRecord& record) {
    Bots[index] = record;
}

void RemoveBot(QList<BotRecord>& Bots, qint32& BotCount, qint32 index) {
    Bots.removeAt(index);
    --BotCount;
}

QString LookupClientCode(const QString& clientText) {
    struct Row {
        QLatin1StringView text;
        QLatin1StringView code;
    };
    static constexpr std::array<Row, 3> table{{
        {QLatin1StringView("StarCraft"), QLatin1StringView("STAR")},
        {QLatin1StringView("Brood War"), QLatin1StringView("SEXP")},
        {QLatin1StringView("WarCraft II BNE"), QLatin1StringView("WAR2")},
    }};
    for (const Row& row : table) {
        if (clientText == row.text)
            return row.code;
    }
    return {};
}

QString NormalizeCDKey(const QString& typed) {
    QString key = typed;
    key.remove(QLatin1Char(' '));
    key.remove(QLatin1Char('-'));
    // With every blank gone there are none left at the ends to trim.
    return key;
}
