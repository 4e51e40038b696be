// The two value conversions applied when a bot is captured.
#include "bots/botrecord.h"

#include <array>

QString clientCode(const QString& clientName) {
    struct Row {
        QLatin1StringView name;
        QLatin1StringView code;
    };
    static constexpr std::array<Row, 3> table{{
        {QLatin1StringView("StarCraft"), QLatin1StringView("STAR")},
        {QLatin1StringView("Brood War"), QLatin1StringView("SEXP")},
        {QLatin1StringView("WarCraft II BNE"), QLatin1StringView("WAR2")},
    }};
    for (const Row& row : table) {
        if (clientName == row.name)
            return row.code;
    }
    return {};
}

QString normalizeCdKey(const QString& typed) {
    QString key = typed;
    // A key pasted from a text with line breaks is cleaned of them like of the blanks between its groups.
    for (const char removed : {' ', '-', '\r', '\n'})
        key.remove(QLatin1Char(removed));
    // With every blank gone there are none left at the ends to trim.
    return key;
}
