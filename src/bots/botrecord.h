// One bot's settings, the game-client code table and the CD-key clean-up.
#pragma once

#include <QLatin1StringView>
#include <QString>

#include <array>

struct BotRecord {
    QString username;
    QString password;
    QString server;
    bool display = false;
    QString client; // "STAR", "SEXP" or "WAR2"
    QString cdKey;
    QString homeChannel;
    QString registerName; // the bot's register setting: always the username

    friend bool operator==(const BotRecord&, const BotRecord&) = default;
};

// The games a bot can present itself as: the name the wizard lists, and the code config.txt holds.
struct GameClient {
    QLatin1StringView name;
    QLatin1StringView code;
};
inline constexpr std::array<GameClient, 3> kGameClients{{
    {QLatin1StringView("StarCraft"), QLatin1StringView("STAR")},
    {QLatin1StringView("Brood War"), QLatin1StringView("SEXP")},
    {QLatin1StringView("WarCraft II BNE"), QLatin1StringView("WAR2")},
}};

// The code of the client of that name, compared exactly; an empty string for any other text.
QString clientCode(const QString& clientName);

// Removes every blank, dash and line break; letters keep their case and other characters stay.
QString normalizeCdKey(const QString& typed);
