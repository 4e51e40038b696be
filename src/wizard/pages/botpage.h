// Step 2, Bot Information: one bot's account, server, CD-key, game client, home channel and display.
#pragma once

#include "bots/botrecord.h"
#include "ui_botpage.h"

#include <QFrame>

#include <array>
#include <optional>

class Platform;

class BotPage final : public QFrame {
    Q_OBJECT

public:
    explicit BotPage(Platform& platform, QWidget* parent = nullptr);

    // Warns of each empty answer, in the page's order. The bot, unless it has no server or no game client.
    std::optional<BotRecord> warnAndCaptureBot();
    // Empties the four text boxes for the next bot; the server, the client and the display stay.
    void clearBotBoxes();
    // Where a keyboard user goes on when the page shows.
    QWidget* firstBox() const { return m_ui.txtBot_0; }

private:
    std::array<QLineEdit*, 4> botBoxes() const; // username, password, CD-key, home channel

    Platform& m_platform;
    Ui::BotPage m_ui;
};
