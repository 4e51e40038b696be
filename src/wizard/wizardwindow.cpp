// The step machine: which page shows, what each step checks and captures, and what the buttons do.
#include "wizard/wizardwindow.h"

#include "config/configwriter.h"
#include "ui/formbuilder.h"
#include "ui/formlayout.h"
#include "ui/programicon.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

const QString kTitle = QString::fromLatin1(kWindowTitle);

const std::array<QString, 5> kStepTitles{
    QStringLiteral("Welcome"),
    QStringLiteral("Step 1: Global Settings"),
    QStringLiteral("Step 2: Bot Information"),
    QStringLiteral("Step 3: Generate Config File"),
    QStringLiteral("Finished!"),
};

const std::array<QString, 4> kBotBoxWarnings{
    QStringLiteral("Please enter a bot username."),
    QStringLiteral("Please enter a bot password."),
    QStringLiteral("Please enter a bot CD-Key."),
    QStringLiteral("Please enter a bot home channel."),
};

const std::array<QString, 7> kHelpTexts{
    QStringLiteral("This is the username that the bot will use to connect to Battle.Net."),
    QStringLiteral("This is the password for the Battle.Net username."),
    QStringLiteral("This is the Battle.Net server which the bot will connect to.  Choose your gateway from the list."),
    QStringLiteral("This is the CD-Key which the bot will use to connect to Battle.Net.  It must be a valid key for "
                   "the game below."),
    QStringLiteral("This is the game that the bot will pretend to be when it connects to Battle.Net."),
    QStringLiteral("This is the channel the bot will join when it connects to Battle.Net."),
    QStringLiteral("Check this box and Qel will open a window that shows the channel the bot is in."),
};

template <typename T> T* control(const QHash<QString, QWidget*>& controls, const QString& name) {
    auto* widget = qobject_cast<T*>(controls.value(name));
    Q_ASSERT_X(widget, "WizardWindow", qPrintable(name));
    return widget;
}

template <typename T, std::size_t N>
void bindArray(std::array<T*, N>& members, const QHash<QString, QWidget*>& controls, const char* name) {
    for (std::size_t i = 0; i < N; ++i)
        members[i] = control<T>(controls, QString::fromLatin1(name) + QLatin1Char('_') + QString::number(i));
}

} // namespace

// A fixed dialog frame with the title bar's icon and close box, without minimize and maximize boxes.
WizardWindow::WizardWindow(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_platform(platform) {
    setObjectName(QStringLiteral("frmMain"));
    // Screen readers announce the wizard as the dialog it is, not as a plain filler.
    QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
        auto* window = qobject_cast<WizardWindow*>(object);
        return window ? new QAccessibleWidget(window, QAccessible::Dialog) : nullptr;
    });
    setWindowTitle(kTitle);
    setWindowIcon(programIcon());

    const QHash<QString, QWidget*> controls = buildForm(this);
    m_banner = control<QWidget>(controls, QStringLiteral("Picture1"));
    m_stepTitle = control<QLabel>(controls, QStringLiteral("lblStep"));
    m_welcome = control<QLabel>(controls, QStringLiteral("lblWelcome"));
    bindArray(m_pages, controls, "fraBody");
    for (std::size_t step = 0; step < m_pages.size(); ++step) // announced when the focus enters the page
        m_pages[step]->setAccessibleName(kStepTitles[step]);
    m_master = control<QLineEdit>(controls, QStringLiteral("txtMaster"));
    m_trigger = control<QLineEdit>(controls, QStringLiteral("txtTrigger"));
    bindArray(m_botBoxes, controls, "txtBot");
    m_server = control<QComboBox>(controls, QStringLiteral("cmbServer"));
    m_client = control<QComboBox>(controls, QStringLiteral("cmbClient"));
    m_display = control<QCheckBox>(controls, QStringLiteral("chkDisplay"));
    bindArray(m_helpButtons, controls, "cmdInfo");
    m_addBot = control<QPushButton>(controls, QStringLiteral("cmdAddBot"));
    m_startBot = control<QCheckBox>(controls, QStringLiteral("chkStartBot"));
    m_buttonBar = control<QFrame>(controls, QStringLiteral("Frame2"));
    m_cancel = control<QPushButton>(controls, QStringLiteral("cmdCancel"));
    m_back = control<QPushButton>(controls, QStringLiteral("cmdBack"));
    m_next = control<QPushButton>(controls, QStringLiteral("cmdNext"));

    connect(m_next, &QPushButton::clicked, this, &WizardWindow::goNext);
    connect(m_back, &QPushButton::clicked, this, &WizardWindow::goBack);
    connect(m_cancel, &QPushButton::clicked, this, &WizardWindow::askToCancel);
    connect(m_addBot, &QPushButton::clicked, this, &WizardWindow::addBot);
    for (int index = 0; index < static_cast<int>(m_helpButtons.size()); ++index)
        connect(m_helpButtons[index], &QPushButton::clicked, this, [this, index] { showHelp(index); });

    // A screen reader gives each input the explanation a sighted user reads beside it or behind its "?" button.
    m_master->setAccessibleDescription(control<QLabel>(controls, QStringLiteral("Label4_0"))->text());
    m_trigger->setAccessibleDescription(control<QLabel>(controls, QStringLiteral("Label4_1"))->text());
    const std::array<QWidget*, 7> explained{m_botBoxes[0], m_botBoxes[1], m_server, m_botBoxes[2],
                                            m_client,      m_botBoxes[3], m_display};
    for (std::size_t index = 0; index < explained.size(); ++index)
        explained[index]->setAccessibleDescription(kHelpTexts[index]);

    // Enter and Esc are handled before any control sees them (see eventFilter).
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    installEventFilter(this);

    // US East, US West, Asia and Europe gateways.
    m_server->addItems({QStringLiteral("useast.battle.net"), QStringLiteral("uswest.battle.net"),
                        QStringLiteral("asia.battle.net"), QStringLiteral("europe.battle.net")});
    m_client->addItems({QStringLiteral("StarCraft"), QStringLiteral("Brood War"), QStringLiteral("WarCraft II BNE")});
    // Filling a combo box selects its first entry; both start with no choice.
    m_server->setCurrentIndex(-1);
    m_server->setEditText(QString());
    m_client->setCurrentIndex(-1);
    showStep(0);
    m_banner->setFocus();
}

void WizardWindow::showStep(int step) {
    // Back on the Welcome page asks for step -1: there is no such page, so nothing changes.
    if (step < 0 || step >= static_cast<int>(m_pages.size()))
        return;

    const bool focusWasOnPage =
        std::any_of(m_pages.begin(), m_pages.end(), [this](QFrame* page) { return page->isAncestorOf(focusWidget()); });
    // Hiding the focused page would hand the focus along Qt's chain, past the banner while it still shows the old
    // title, and a screen reader would read that; the window holds the focus until the new page is there.
    if (focusWasOnPage)
        setFocus();
    for (QFrame* page : m_pages)
        page->hide();
    if (step > 2) {
        setClientHeight(kShortClientHeight, kShortBarTop);
    } else {
        setClientHeight(kTallClientHeight, kTallBarTop);
        m_next->setText(QStringLiteral("Next >"));
    }

    bool accepted = false;
    switch (step) {
    case 0:
        accepted = showWelcome();
        break;
    case 1:
        accepted = showGlobalSettings();
        break;
    case 2:
        accepted = checkGlobalsAndShowBotPage();
        break;
    case 3:
        accepted = captureBotAndShowGenerate();
        break;
    case 4:
        accepted = writeConfigAndShowFinished();
        break;
    }

    for (std::size_t page = 0; page < m_pages.size(); ++page) {
        if (!m_pageFitted[page] && m_pages[page]->isVisibleTo(this)) {
            fitWrappedLabels(m_pages[page]);
            m_pageFitted[page] = true;
        }
    }
    if (accepted) {
        m_currentStep = step;
        m_stepTitle->setText(kStepTitles[step]);
        m_banner->setAccessibleDescription(kStepTitles[step]); // read out with the banner, which takes the focus
    }
    if (focusWasOnPage)
        placeFocusOnShownPage();
}

// Hiding the page that held the focus leaves it wherever Qt's focus chain lands. A keyboard user continues in the
// first box of the page now shown, or on the banner where the page has no box, so that Enter presses Next.
void WizardWindow::placeFocusOnShownPage() {
    const auto shown =
        std::find_if(m_pages.begin(), m_pages.end(), [this](QFrame* page) { return page->isVisibleTo(this); });
    if (shown == m_pages.end() || (*shown)->isAncestorOf(focusWidget()))
        return;
    for (QWidget* box : {static_cast<QWidget*>(m_master), static_cast<QWidget*>(m_botBoxes[0])}) {
        if ((*shown)->isAncestorOf(box)) {
            box->setFocus();
            return;
        }
    }
    m_banner->setFocus();
}

void WizardWindow::setClientHeight(int clientHeight, int barTop) {
    setFixedSize(twips::toPixels(kClientWidth), twips::toPixels(clientHeight));
    m_buttonBar->move(m_buttonBar->x(), twips::toPixels(barTop));
}

bool WizardWindow::showWelcome() {
    m_pages[0]->show();
    // Built from the design text each time, so the prompt stands in the label once however often it shows.
    m_welcome->setText(QString::fromLatin1(kWelcomeText) + QStringLiteral("\r\n\r\nPlease click Next to continue."));
    return true;
}

bool WizardWindow::showGlobalSettings() {
    m_pages[1]->show();
    return true;
}

bool WizardWindow::checkGlobalsAndShowBotPage() {
    if (m_clearBotFields) {
        for (QLineEdit* box : m_botBoxes)
            box->clear();
        m_clearBotFields = false;
        m_pageBotIndex = -1;
    }
    for (QLineEdit* box : {m_master, m_trigger}) {
        if (box->text().isEmpty()) {
            m_pages[1]->show();
            box->setFocus();
            message(box == m_master ? QStringLiteral("Please enter a bot master.")
                                    : QStringLiteral("Please enter a bot trigger."),
                    MessageStyle::Warning);
            return false;
        }
    }
    m_pages[2]->show();
    return true;
}

bool WizardWindow::captureBotAndShowGenerate() {
    for (std::size_t i = 0; i < m_botBoxes.size(); ++i) {
        if (m_botBoxes[i]->text().isEmpty())
            message(kBotBoxWarnings[i], MessageStyle::Warning);
    }
    if (m_server->currentText().isEmpty()) {
        message(QStringLiteral("Please enter or choose a server."), MessageStyle::Warning);
        forgetPageBot();
    } else if (m_client->currentText().isEmpty()) {
        message(QStringLiteral("Please choose a game client."), MessageStyle::Warning);
        forgetPageBot();
    } else {
        captureBot();
    }
    m_pages[3]->show();
    m_next->setText(QStringLiteral("Generate"));
    return true;
}

void WizardWindow::captureBot() {
    BotRecord bot;
    bot.username = m_botBoxes[0]->text();
    bot.password = m_botBoxes[1]->text();
    bot.server = m_server->currentText();
    bot.display = m_display->checkState() == Qt::Checked;
    bot.client = clientCode(m_client->currentText());
    bot.cdKey = normalizeCdKey(m_botBoxes[2]->text());
    bot.homeChannel = m_botBoxes[3]->text();
    bot.registerName = m_botBoxes[0]->text();

    if (m_pageBotIndex >= 0) {
        m_bots[m_pageBotIndex] = bot;
    } else {
        m_pageBotIndex = m_bots.size();
        m_bots.append(bot);
    }
}

// The bot on the page no longer names a server and a client: it is no longer one of the bots to write.
void WizardWindow::forgetPageBot() {
    if (m_pageBotIndex >= 0) {
        m_bots.removeAt(m_pageBotIndex);
        m_pageBotIndex = -1;
    }
}

bool WizardWindow::writeConfigAndShowFinished() {
    if (m_bots.isEmpty()) {
        m_pages[3]->show();
        message(QStringLiteral("No bot has been added yet.  Please go Back and enter at least a server and a game "
                               "client."),
                MessageStyle::Warning);
        return false;
    }

    const Outcome folder = m_platform.executableFolder();
    const Outcome written =
        folder.ok ? writeConfigFile(m_master->text(), m_trigger->text(), m_bots, folder.path)
                  : Outcome{false, QDir::toNativeSeparators(folder.path + QStringLiteral("/config.txt")), folder.error};
    if (!written.ok) {
        m_pages[3]->show();
        message(QStringLiteral("The configuration file could not be written:\n%1\n\n%2\n\nAny earlier config.txt "
                               "there is unchanged. Fix the problem, then press Generate again.")
                    .arg(written.path, written.error),
                MessageStyle::Critical);
        return false;
    }

    m_pages[4]->show();
    m_next->setText(QStringLiteral("Done"));
    m_back->setEnabled(false);
    m_cancel->setEnabled(false);
    return true;
}

void WizardWindow::goNext() {
    if (m_currentStep == 4)
        startBotAndEnd();
    else
        showStep(m_currentStep + 1);
}

void WizardWindow::startBotAndEnd() {
    if (m_startBot->checkState() == Qt::Checked) {
        const Outcome folder = m_platform.executableFolder();
        const QString program = QDir(folder.path).filePath(QString::fromLatin1(kBotProgram));
        const Outcome started = folder.ok ? m_platform.startProgram(program, folder.path, ShowState::Minimized)
                                          : Outcome{false, QDir::toNativeSeparators(program), folder.error};
        if (!started.ok) {
            message(QStringLiteral("The bot could not be started:\n%1\n\n%2").arg(started.path, started.error),
                    MessageStyle::Critical);
        }
    }
    m_platform.endProgram();
}

void WizardWindow::goBack() {
    showStep(m_currentStep - 1);
}

void WizardWindow::askToCancel() {
    const MessageAnswer answer =
        message(QStringLiteral("Are you sure you want to exit the Wizard?  No configuration files will be created."),
                MessageStyle::Question);
    if (answer == MessageAnswer::Yes)
        m_platform.endProgram();
}

void WizardWindow::addBot() {
    m_clearBotFields = true;
    showStep(2);
}

void WizardWindow::showHelp(int index) {
    message(kHelpTexts.at(index), MessageStyle::Information);
}

MessageAnswer WizardWindow::message(const QString& text, MessageStyle style) {
    return m_platform.messageBox(text, kTitle, style);
}

bool WizardWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Keys for an opened drop-down list are its own: Enter picks the entry and Esc closes the list.
    const auto* target = qobject_cast<QWidget*>(watched);
    if ((key->modifiers() & ~Qt::KeypadModifier) || (target && target->window()->windowType() == Qt::Popup))
        return false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // Enter presses a focused push button, and the default button from anywhere else, the editable server
        // box included (where it would otherwise add the typed text to the list).
        auto* focused = qobject_cast<QPushButton*>(watched);
        QPushButton* button = focused ? focused : m_next;
        if (button->isEnabled())
            button->click();
        return true;
    }
    case Qt::Key_Escape:
        if (m_cancel->isEnabled())
            m_cancel->click();
        return true;
    default:
        return false;
    }
}
