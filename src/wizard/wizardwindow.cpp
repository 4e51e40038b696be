// The step machine: what each step checks and captures, which page shows, and what the buttons do.
#include "wizard/wizardwindow.h"

#include "config/configwriter.h"
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
#include <utility>

namespace {

const QString kTitle = QString::fromLatin1(kWindowTitle);

const std::array<QString, 4> kBotBoxWarnings{
    QStringLiteral("Please enter a bot username."),
    QStringLiteral("Please enter a bot password."),
    QStringLiteral("Please enter a bot CD-Key."),
    QStringLiteral("Please enter a bot home channel."),
};

// Screen readers announce the wizard as the dialog it is, not as a plain filler. One factory serves every window.
QAccessibleInterface* dialogRole(const QString&, QObject* object) {
    auto* window = qobject_cast<WizardWindow*>(object);
    return window ? new QAccessibleWidget(window, QAccessible::Dialog) : nullptr;
}

Step stepAfter(Step step, int by) {
    return static_cast<Step>(static_cast<int>(step) + by);
}

} // namespace

// A fixed dialog frame with the title bar's icon and close box, without minimize and maximize boxes.
WizardWindow::WizardWindow(Platform& platform, QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_platform(platform)
    , m_form(buildForm(this)) {
    static const bool dialogRoleInstalled = (QAccessible::installFactory(dialogRole), true);
    Q_UNUSED(dialogRoleInstalled);
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kTitle);
    setWindowIcon(programIcon());

    connect(m_form.next, &QPushButton::clicked, this, &WizardWindow::goNext);
    connect(m_form.back, &QPushButton::clicked, this, &WizardWindow::goBack);
    connect(m_form.cancel, &QPushButton::clicked, this, &WizardWindow::askToCancel);
    connect(m_form.addBot, &QPushButton::clicked, this, &WizardWindow::addBot);
    for (std::size_t i = 0; i < m_form.helpButtons.size(); ++i) {
        connect(m_form.helpButtons[i], &QPushButton::clicked, this,
                [this, i] { message(m_form.helpTexts[i], MessageStyle::Information); });
    }

    // Enter and Esc are handled before any control sees them (see eventFilter).
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    installEventFilter(this);

    // US East, US West, Asia and Europe gateways.
    m_form.server->addItems({QStringLiteral("useast.battle.net"), QStringLiteral("uswest.battle.net"),
                             QStringLiteral("asia.battle.net"), QStringLiteral("europe.battle.net")});
    m_form.client->addItems(
        {QStringLiteral("StarCraft"), QStringLiteral("Brood War"), QStringLiteral("WarCraft II BNE")});
    // Filling a combo box selects its first entry; both start with no choice.
    m_form.server->setCurrentIndex(-1);
    m_form.server->setEditText(QString());
    m_form.client->setCurrentIndex(-1);
    for (QFrame* page : m_form.pages)
        page->hide();
    showPage(Step::Welcome);
    m_form.banner->setFocus();
}

void WizardWindow::goToStep(Step step) {
    if (acceptStep(step))
        showPage(step);
}

bool WizardWindow::acceptStep(Step step) {
    switch (step) {
    case Step::Welcome:
    case Step::GlobalSettings: return true;
    case Step::BotInformation: return checkGlobalSettings();
    case Step::Generate: warnAndCaptureBot(); return true;
    case Step::Finished: return writeConfig();
    }
    Q_UNREACHABLE();
}

void WizardWindow::showPage(Step step) {
    QFrame* page = m_form.pages[static_cast<std::size_t>(step)];
    const bool focusWasOnPage = std::any_of(m_form.pages.begin(), m_form.pages.end(),
                                            [this](QFrame* shown) { return shown->isAncestorOf(focusWidget()); });
    // Hiding the focused page would hand the focus along Qt's chain, past the banner while it still shows the old
    // title, and a screen reader would read that; the window holds the focus until the new page is there.
    if (focusWasOnPage)
        setFocus();
    m_form.pages[static_cast<std::size_t>(m_currentStep)]->hide();

    const StepLayout& layout = layoutOf(step);
    setFixedSize(twips::toPixels(kClientWidth), twips::toPixels(layout.clientHeight));
    m_form.buttonBar->move(m_form.buttonBar->x(), twips::toPixels(layout.barTop));
    m_form.next->setText(QString::fromLatin1(layout.nextCaption));
    if (step == Step::Welcome) // built from the design text, so the prompt stands in the label once
        m_form.welcome->setText(QString::fromLatin1(kWelcomeText) +
                                QStringLiteral("\r\n\r\nPlease click Next to continue."));
    if (step == Step::Finished) { // config.txt is written: there is no way back, and nothing to cancel
        m_form.back->setEnabled(false);
        m_form.cancel->setEnabled(false);
    }
    page->show();
    if (!std::exchange(m_pageFitted[static_cast<std::size_t>(step)], true))
        fitWrappedLabels(page);

    m_currentStep = step;
    const QString title = QString::fromLatin1(layout.title);
    m_form.stepTitle->setText(title);
    m_form.banner->setAccessibleDescription(title); // read out with the banner, which takes the focus
    if (focusWasOnPage)
        placeFocusOnShownPage();
}

// A keyboard user continues in the first box of the page now shown, or on the banner where the page has no box, so
// that Enter presses Next.
void WizardWindow::placeFocusOnShownPage() {
    QFrame* page = m_form.pages[static_cast<std::size_t>(m_currentStep)];
    for (QWidget* box : {static_cast<QWidget*>(m_form.master), static_cast<QWidget*>(m_form.botBoxes[0])}) {
        if (page->isAncestorOf(box)) {
            box->setFocus();
            return;
        }
    }
    m_form.banner->setFocus();
}

// The bot master and the trigger apply to every bot; the wizard goes on to the bots only with both.
bool WizardWindow::checkGlobalSettings() {
    for (QLineEdit* box : {m_form.master, m_form.trigger}) {
        if (box->text().isEmpty()) {
            box->setFocus();
            message(box == m_form.master ? QStringLiteral("Please enter a bot master.")
                                         : QStringLiteral("Please enter a bot trigger."),
                    MessageStyle::Warning);
            return false;
        }
    }
    return true;
}

// Each empty answer is reported, but only a bot without a server or a client is left out.
void WizardWindow::warnAndCaptureBot() {
    for (std::size_t i = 0; i < m_form.botBoxes.size(); ++i) {
        if (m_form.botBoxes[i]->text().isEmpty())
            message(kBotBoxWarnings[i], MessageStyle::Warning);
    }
    if (m_form.server->currentText().isEmpty()) {
        message(QStringLiteral("Please enter or choose a server."), MessageStyle::Warning);
        forgetPageBot();
    } else if (m_form.client->currentText().isEmpty()) {
        message(QStringLiteral("Please choose a game client."), MessageStyle::Warning);
        forgetPageBot();
    } else {
        captureBot();
    }
}

void WizardWindow::captureBot() {
    const auto& boxes = m_form.botBoxes;
    BotRecord bot;
    bot.username = boxes[0]->text();
    bot.password = boxes[1]->text();
    bot.server = m_form.server->currentText();
    bot.display = m_form.display->checkState() == Qt::Checked;
    bot.client = clientCode(m_form.client->currentText());
    bot.cdKey = normalizeCdKey(boxes[2]->text());
    bot.homeChannel = boxes[3]->text();
    bot.registerName = boxes[0]->text();

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

bool WizardWindow::writeConfig() {
    if (m_bots.isEmpty()) {
        message(QStringLiteral("No bot has been added yet.  Please go Back and enter at least a server and a game "
                               "client."),
                MessageStyle::Warning);
        return false;
    }
    const Outcome folder = m_platform.executableFolder();
    const Outcome written =
        folder.ok ? writeConfigFile(m_form.master->text(), m_form.trigger->text(), m_bots, folder.path)
                  : Outcome{false, QDir::toNativeSeparators(folder.path + QStringLiteral("/config.txt")), folder.error};
    if (!written.ok) {
        message(QStringLiteral("The configuration file could not be written:\n%1\n\n%2\n\nAny earlier config.txt "
                               "there is unchanged. Fix the problem, then press Generate again.")
                    .arg(written.path, written.error),
                MessageStyle::Critical);
    }
    return written.ok;
}

void WizardWindow::goNext() {
    if (m_currentStep == Step::Finished)
        startBotAndEnd();
    else
        goToStep(stepAfter(m_currentStep, 1));
}

void WizardWindow::goBack() {
    // Back on the Welcome page has no page to go to, and changes nothing.
    if (m_currentStep != Step::Welcome)
        goToStep(stepAfter(m_currentStep, -1));
}

void WizardWindow::addBot() {
    for (QLineEdit* box : m_form.botBoxes)
        box->clear();
    m_pageBotIndex = -1; // a new bot, added beside the others
    goToStep(Step::BotInformation);
}

void WizardWindow::startBotAndEnd() {
    if (m_form.startBot->checkState() == Qt::Checked) {
        const Outcome folder = m_platform.executableFolder();
        const QString program = QDir(folder.path).filePath(QString::fromLatin1(kBotProgram));
        const Outcome started = folder.ok ? m_platform.startProgramMinimized(program, folder.path)
                                          : Outcome{false, QDir::toNativeSeparators(program), folder.error};
        if (!started.ok) {
            message(QStringLiteral("The bot could not be started:\n%1\n\n%2").arg(started.path, started.error),
                    MessageStyle::Critical);
        }
    }
    m_platform.endProgram();
}

void WizardWindow::askToCancel() {
    const MessageAnswer answer =
        message(QStringLiteral("Are you sure you want to exit the Wizard?  No configuration files will be created."),
                MessageStyle::Question);
    if (answer == MessageAnswer::Yes)
        m_platform.endProgram();
}

MessageAnswer WizardWindow::message(const QString& text, MessageStyle style) {
    return m_platform.messageBox(this, text, kTitle, style);
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
        QPushButton* button = focused ? focused : m_form.next;
        if (button->isEnabled())
            button->click();
        return true;
    }
    case Qt::Key_Escape:
        if (m_form.cancel->isEnabled())
            m_form.cancel->click();
        return true;
    default: return false;
    }
}
