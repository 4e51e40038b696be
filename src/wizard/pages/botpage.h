// Step 2, Bot Information: one bot's account, server, CD-key, game client, home channel and display.
#pragma once

#include "ui_botpage.h"
#include "wizard/pages/wizardpage.h"

#include <array>
#include <optional>

class BotPage final : public WizardPage {
    Q_OBJECT

public:
    BotPage(Platform& platform, Answers& answers, QWidget* parent);

    QWidget* firstBox() const override { return m_ui.txtBot_0; }
    // After Add Bot, a new bot: the four text boxes empty; the server, the client and the display stay.
    void arrive() override;
    // Warns of each empty answer, in the page's order, and keeps the bot unless it has no server or no game client.
    bool leave() override;

private:
    std::array<QLineEdit*, 4> botBoxes() const; // username, password, CD-key, home channel
    std::optional<BotRecord> warnAndCaptureBot();

    Ui::BotPage m_ui;
    // Index in the bots of the record captured from the bot now on the page, -1 while it has none. Going Back to
    // correct that bot replaces its record instead of adding a second one; Add Bot starts a new bot.
    qsizetype m_pageBotIndex = -1;
};
