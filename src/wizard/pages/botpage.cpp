// The bot page: its lists, its help buttons, its warnings and the bot it gives.
#include "wizard/pages/botpage.h"

#include "ui/platform.h"

#include <limits>
#include <utility>

namespace {

const char* const kBotBoxWarnings[]{
    QT_TRANSLATE_NOOP("BotPage", "Please enter a bot username."),
    QT_TRANSLATE_NOOP("BotPage", "Please enter a bot password."),
    QT_TRANSLATE_NOOP("BotPage", "Please enter a bot CD-Key."),
    QT_TRANSLATE_NOOP("BotPage", "Please enter a bot home channel."),
};

} // namespace

BotPage::BotPage(Platform& platform, Answers& answers, QWidget* parent)
    : WizardPage(platform, answers, parent) {
    m_ui.setupUi(this);
    nameAfterTitleAndExplanation(m_ui.Label5);

    // Each "?" shows the description a screen reader gives the input beside it.
    const std::pair<QPushButton*, QWidget*> helpFor[]{
        {m_ui.cmdInfo_0, m_ui.txtBot_0},   {m_ui.cmdInfo_1, m_ui.txtBot_1},  {m_ui.cmdInfo_2, m_ui.cmbServer},
        {m_ui.cmdInfo_3, m_ui.txtBot_2},   {m_ui.cmdInfo_4, m_ui.cmbClient}, {m_ui.cmdInfo_5, m_ui.txtBot_3},
        {m_ui.cmdInfo_6, m_ui.chkDisplay},
    };
    for (const auto& [button, input] : helpFor) {
        connect(button, &QPushButton::clicked, this,
                [this, input] { m_platform.tell(this, input->accessibleDescription(), MessageStyle::Information); });
    }

    // US East, US West, Asia and Europe gateways; any other server may be typed, of any length, without completion
    // adding the rest of a matching entry to what was typed.
    m_ui.cmbServer->addItems({QStringLiteral("useast.battle.net"), QStringLiteral("uswest.battle.net"),
                              QStringLiteral("asia.battle.net"), QStringLiteral("europe.battle.net")});
    m_ui.cmbServer->setCompleter(nullptr);
    QLineEdit* serverText = m_ui.cmbServer->lineEdit();
    serverText->setMaxLength(std::numeric_limits<int>::max());
    nameDropDownText(m_ui.cmbServer, m_ui.lblGlobalCap_4->text());
    // A screen reader names the game list by its caption and, with Qt's interfaces, cannot read what is chosen in it:
    // the caption names the choice too, so that the list closing on a choice, and every later visit, says it. (The
    // server's text box is read as it is.)
    connect(m_ui.cmbClient, &QComboBox::currentTextChanged, this,
            [caption = m_ui.lblGlobalCap_6](const QString& choice) {
                caption->setAccessibleName(choice.isEmpty() ? QString() : caption->text() + QLatin1Char(' ') + choice);
            });
    for (const GameClient& client : kGameClients)
        m_ui.cmbClient->addItem(client.name);
    // Filling a combo box selects its first entry; both start with no choice.
    m_ui.cmbServer->setCurrentIndex(-1);
    m_ui.cmbServer->setEditText(QString());
    m_ui.cmbClient->setCurrentIndex(-1);
}

std::array<QLineEdit*, 4> BotPage::botBoxes() const {
    return {m_ui.txtBot_0, m_ui.txtBot_1, m_ui.txtBot_2, m_ui.txtBot_3};
}

// Each empty answer is reported, but only a bot without a server or a client is left out.
std::optional<BotRecord> BotPage::warnAndCaptureBot() {
    const auto boxes = botBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i]->text().isEmpty())
            m_platform.tell(this, tr(kBotBoxWarnings[i]), MessageStyle::Warning);
    }
    if (m_ui.cmbServer->currentText().isEmpty()) {
        m_platform.tell(this, tr("Please enter or choose a server."), MessageStyle::Warning);
        return std::nullopt;
    }
    if (m_ui.cmbClient->currentText().isEmpty()) {
        m_platform.tell(this, tr("Please choose a game client."), MessageStyle::Warning);
        return std::nullopt;
    }
    BotRecord bot;
    bot.username = m_ui.txtBot_0->text();
    bot.password = m_ui.txtBot_1->text();
    bot.server = m_ui.cmbServer->currentText();
    bot.display = m_ui.chkDisplay->checkState() == Qt::Checked;
    bot.client = clientCode(m_ui.cmbClient->currentText());
    bot.cdKey = normalizeCdKey(m_ui.txtBot_2->text());
    bot.homeChannel = m_ui.txtBot_3->text();
    bot.registerName = m_ui.txtBot_0->text();
    return bot;
}

// The bot on the page is kept, or left out when it has no server or no client.
bool BotPage::leave() {
    std::optional<BotRecord> bot = warnAndCaptureBot();
    QList<BotRecord>& bots = m_answers.bots;
    if (bot && m_pageBotIndex >= 0) {
        bots[m_pageBotIndex] = std::move(*bot);
    } else if (bot) {
        m_pageBotIndex = bots.size();
        bots.append(std::move(*bot));
    } else if (m_pageBotIndex >= 0) {
        bots.removeAt(m_pageBotIndex);
        m_pageBotIndex = -1;
    }
    return true;
}

void BotPage::arrive() {
    if (!m_answers.clearBotFields)
        return;
    m_answers.clearBotFields = false;
    for (QLineEdit* box : botBoxes())
        box->clear();
    m_pageBotIndex = -1;
}
