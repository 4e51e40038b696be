// The step machine: what each step checks and captures, which page shows, and what the buttons do.
#include "wizard/wizardwindow.h"

#include "config/configwriter.h"
#include "ui/programicon.h"
#include "ui_wizardwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QScopeGuard>

#include <limits>
#include <utility>

namespace {

const std::array<QString, 4> kBotBoxWarnings{
    QStringLiteral("Please enter a bot username."),
    QStringLiteral("Please enter a bot password."),
    QStringLiteral("Please enter a bot CD-Key."),
    QStringLiteral("Please enter a bot home channel."),
};

Step stepAfter(Step step, int by) {
    return static_cast<Step>(static_cast<int>(step) + by);
}

} // namespace

// A fixed dialog frame with the title bar's icon and close box, without minimize and maximize boxes.
WizardWindow::WizardWindow(Platform& platform, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_platform(platform)
    , m_ui(std::make_unique<Ui::WizardWindow>()) {
    setFont(formFont());
    m_ui->setupUi(this);
    setWindowIcon(programIcon());
    m_ui->Picture1->setBackgroundRole(QPalette::Base);
    m_ui->Label2_0->setText(m_ui->Label2_0->text() + QStringLiteral(" " QELWIZARD_VERSION));
    // Step 0 asks for Next below the design text, once.
    m_ui->lblWelcome->setText(m_ui->lblWelcome->text() + QStringLiteral("\r\n\r\nPlease click Next to continue."));

    connect(m_ui->cmdNext, &QPushButton::clicked, this, &WizardWindow::goNext);
    connect(m_ui->cmdBack, &QPushButton::clicked, this, &WizardWindow::goBack);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &WizardWindow::reject);
    connect(m_ui->cmdAddBot, &QPushButton::clicked, this, &WizardWindow::addBot);
    // Each "?" shows the description a screen reader gives the input beside it.
    const std::pair<QPushButton*, QWidget*> helpFor[]{
        {m_ui->cmdInfo_0, m_ui->txtBot_0},   {m_ui->cmdInfo_1, m_ui->txtBot_1},  {m_ui->cmdInfo_2, m_ui->cmbServer},
        {m_ui->cmdInfo_3, m_ui->txtBot_2},   {m_ui->cmdInfo_4, m_ui->cmbClient}, {m_ui->cmdInfo_5, m_ui->txtBot_3},
        {m_ui->cmdInfo_6, m_ui->chkDisplay},
    };
    for (const auto& [button, input] : helpFor) {
        connect(button, &QPushButton::clicked, this,
                [this, input] { message(input->accessibleDescription(), MessageStyle::Information); });
    }

    // US East, US West, Asia and Europe gateways; any other server may be typed, of any length, without completion
    // adding the rest of a matching entry to what was typed.
    m_ui->cmbServer->addItems({QStringLiteral("useast.battle.net"), QStringLiteral("uswest.battle.net"),
                               QStringLiteral("asia.battle.net"), QStringLiteral("europe.battle.net")});
    m_ui->cmbServer->setCompleter(nullptr);
    m_ui->cmbServer->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    for (const GameClient& client : kGameClients)
        m_ui->cmbClient->addItem(client.name);
    // Filling a combo box selects its first entry; both start with no choice.
    m_ui->cmbServer->setCurrentIndex(-1);
    m_ui->cmbServer->setEditText(QString());
    m_ui->cmbClient->setCurrentIndex(-1);
    for (int step = 0; step < kStepCount; ++step)
        page(static_cast<Step>(step))->hide();
    showPage(Step::Welcome);
    m_ui->Picture1->setFocus();
}

WizardWindow::~WizardWindow() = default;

QFrame* WizardWindow::page(Step step) const {
    const std::array<QFrame*, kStepCount> pages{m_ui->fraBody_0, m_ui->fraBody_1, m_ui->fraBody_2, m_ui->fraBody_3,
                                                m_ui->fraBody_4};
    return pages.at(static_cast<std::size_t>(step));
}

std::array<QLineEdit*, 4> WizardWindow::botBoxes() const {
    return {m_ui->txtBot_0, m_ui->txtBot_1, m_ui->txtBot_2, m_ui->txtBot_3};
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
    QFrame* shown = page(step);
    const bool focusWasOnPage = page(m_currentStep)->isAncestorOf(focusWidget());
    // Hiding the focused page would hand the focus along Qt's chain, past the banner while it still shows the old
    // title, and a screen reader would read that; the window holds the focus until the new page is there.
    if (focusWasOnPage)
        setFocus();
    page(m_currentStep)->hide();

    const StepLayout& layout = layoutOf(step);
    setFixedSize(kClientWidth, layout.clientHeight);
    m_ui->Frame2->move(m_ui->Frame2->x(), layout.barTop);
    m_ui->cmdNext->setText(QString::fromLatin1(layout.nextCaption));
    if (step == Step::Finished) { // config.txt is written: there is no way back, and nothing to cancel
        m_ui->cmdBack->setEnabled(false);
        m_ui->cmdCancel->setEnabled(false);
    }
    shown->show();
    if (!std::exchange(m_pageFitted[static_cast<std::size_t>(step)], true))
        fitWrappedLabels(shown);

    m_currentStep = step;
    const QString title = shown->accessibleName(); // the page's name is its step's title
    m_ui->lblStep->setText(title);
    m_ui->Picture1->setAccessibleDescription(title); // read out with the banner, which takes the focus
    if (focusWasOnPage)
        placeFocusOnShownPage();
}

// A keyboard user continues in the first box of the page now shown, or on the banner where the page has no box, so
// that Enter presses Next.
void WizardWindow::placeFocusOnShownPage() {
    QFrame* shown = page(m_currentStep);
    for (QWidget* box : {static_cast<QWidget*>(m_ui->txtMaster), static_cast<QWidget*>(m_ui->txtBot_0)}) {
        if (shown->isAncestorOf(box)) {
            box->setFocus();
            return;
        }
    }
    m_ui->Picture1->setFocus();
}

// The bot master and the trigger apply to every bot; the wizard goes on to the bots only with both.
bool WizardWindow::checkGlobalSettings() {
    for (QLineEdit* box : {m_ui->txtMaster, m_ui->txtTrigger}) {
        if (box->text().isEmpty()) {
            box->setFocus();
            message(box == m_ui->txtMaster ? QStringLiteral("Please enter a bot master.")
                                           : QStringLiteral("Please enter a bot trigger."),
                    MessageStyle::Warning);
            return false;
        }
    }
    return true;
}

// Each empty answer is reported, but only a bot without a server or a client is left out.
void WizardWindow::warnAndCaptureBot() {
    const auto boxes = botBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i]->text().isEmpty())
            message(kBotBoxWarnings[i], MessageStyle::Warning);
    }
    if (m_ui->cmbServer->currentText().isEmpty()) {
        message(QStringLiteral("Please enter or choose a server."), MessageStyle::Warning);
        forgetPageBot();
    } else if (m_ui->cmbClient->currentText().isEmpty()) {
        message(QStringLiteral("Please choose a game client."), MessageStyle::Warning);
        forgetPageBot();
    } else {
        captureBot();
    }
}

void WizardWindow::captureBot() {
    BotRecord bot;
    bot.username = m_ui->txtBot_0->text();
    bot.password = m_ui->txtBot_1->text();
    bot.server = m_ui->cmbServer->currentText();
    bot.display = m_ui->chkDisplay->checkState() == Qt::Checked;
    bot.client = clientCode(m_ui->cmbClient->currentText());
    bot.cdKey = normalizeCdKey(m_ui->txtBot_2->text());
    bot.homeChannel = m_ui->txtBot_3->text();
    bot.registerName = m_ui->txtBot_0->text();

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
    // Writing waits out a moment's hold on the file by another program; the pointer says so meanwhile.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    const Outcome written =
        folder.ok ? writeConfigFile(m_ui->txtMaster->text(), m_ui->txtTrigger->text(), m_bots, folder.path)
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
    for (QLineEdit* box : botBoxes())
        box->clear();
    m_pageBotIndex = -1; // a new bot, added beside the others
    goToStep(Step::BotInformation);
}

void WizardWindow::startBotAndEnd() {
    if (m_ui->chkStartBot->checkState() == Qt::Checked) {
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

void WizardWindow::reject() {
    if (!m_ui->cmdCancel->isEnabled()) // on the Finished page there is nothing left to cancel
        return;
    const MessageAnswer answer =
        message(QStringLiteral("Are you sure you want to exit the Wizard?  No configuration files will be created."),
                MessageStyle::Question);
    if (answer == MessageAnswer::Yes)
        m_platform.endProgram();
}

MessageAnswer WizardWindow::message(const QString& text, MessageStyle style) {
    return m_platform.messageBox(this, text, windowTitle(), style);
}

// The window opens where the windowing system puts a new window, not centred as a dialog would be.
void WizardWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
}

// The title bar's close box ends the wizard at once: it asks nothing and writes nothing. (An owned window, as on
// Windows, does not end the program by closing.)
void WizardWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    m_platform.endProgram();
}
