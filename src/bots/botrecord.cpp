// The two value conversions applied when a bot is captured.
#include "bots/botrecord.h"

QString clientCode(const QString& clientName) {
    for (const GameClient& client : kGameClients) {
        if (clientName == client.name)
            return client.code;
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
