// The step machine: which step comes next, whether its page accepts it, which page shows, and what the buttons do.
#include "wizard/wizardwindow.h"

#include "config/configwriter.h"
#include "ui/formfont.h"
#include "ui/programicon.h"
#include "ui_wizardwindow.h"
#include "wizard/pages/botpage.h"
#include "wizard/pages/finishedpage.h"
#include "wizard/pages/generatepage.h"
#include "wizard/pages/globalsettingspage.h"
#include "wizard/pages/pagename.h"
#include "wizard/pages/welcomepage.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>

namespace {

Step stepAfter(Step step, int by) {
    return static_cast<Step>(static_cast<int>(step) + by);
}

// To a screen reader the page area is a plain pane, which it passes over in silence; as a stacked widget ("layered
// pane") it would be said before the page's name each time the focus enters a page.
QAccessibleInterface* plainPageArea(const QString& className, QObject* object) {
    if (className != QLatin1String("QStackedWidget") || !qobject_cast<WizardWindow*>(object->parent()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Pane);
}

} // namespace

QString failedWriteMessage(const ConfigWrite& written) {
    if (written.newFileInPlace)
        return QCoreApplication::translate("WizardWindow",
                                           "The new config.txt is in place, but the system could not confirm that it "
                                           "is on the disk:\n%1\n\n%2\n\nPress Generate again to write it again.")
            .arg(written.path, written.error);
    return QCoreApplication::translate("WizardWindow",
                                       "The configuration file could not be written:\n%1\n\n%2\n\nAny earlier "
                                       "config.txt there is unchanged. Fix the problem, then press Generate again.")
        .arg(written.path, written.error);
}

// A fixed dialog frame with the title bar's icon and close box, without minimize and maximize boxes.
WizardWindow::WizardWindow(Platform& platform, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_platform(platform)
    , m_ui(std::make_unique<Ui::WizardWindow>()) {
    static const bool pageAreaIsPlain = (QAccessible::installFactory(plainPageArea), true);
    Q_UNUSED(pageAreaIsPlain);
    setFont(formFont());
    m_ui->setupUi(this);
    setWindowIcon(programIcon());
    m_ui->Picture1->setBackgroundRole(QPalette::Base);
    m_ui->Label2_0->setText(m_ui->Label2_0->text().arg(QStringLiteral(QELWIZARD_VERSION)));

    connect(m_ui->cmdNext, &QPushButton::clicked, this, &WizardWindow::goNext);
    connect(m_ui->cmdBack, &QPushButton::clicked, this, &WizardWindow::goBack);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &WizardWindow::reject);
    showPage(Step::Welcome);
    m_ui->Picture1->setFocus();
}

WizardWindow::~WizardWindow() = default;

template <typename Page, typename... Arguments> Page* WizardWindow::makePageOnce(Page*& page, Arguments&... arguments) {
    if (!page) {
        // Made inside the page area, so that its controls are made in the window's font instead of changing to it.
        page = new Page(arguments..., m_ui->pages);
        m_ui->pages->addWidget(page);
        fitWrappedLabels(page);
    }
    return page;
}

QWidget* WizardWindow::page(Step step) {
    switch (step) {
    case Step::Welcome: return makePageOnce(m_welcome);
    case Step::GlobalSettings: return makePageOnce(m_globalSettings, m_platform);
    case Step::BotInformation: return makePageOnce(m_botPage, m_platform);
    case Step::Generate:
        if (!m_generate)
            connect(makePageOnce(m_generate), &GeneratePage::addBotClicked, this, &WizardWindow::addBot);
        return m_generate;
    case Step::Finished: return makePageOnce(m_finished);
    }
    Q_UNREACHABLE();
}

void WizardWindow::goToStep(Step step) {
    if (acceptStep(step))
        showPage(step);
}

// Every step is reached from the one before it, or from a later one, so the page that checks it has been made.
bool WizardWindow::acceptStep(Step step) {
    switch (step) {
    case Step::Welcome:
    case Step::GlobalSettings: return true;
    case Step::BotInformation: return m_globalSettings->checkAnswers();
    case Step::Generate: captureBot(); return true;
    case Step::Finished: return writeConfig();
    }
    Q_UNREACHABLE();
}

void WizardWindow::showPage(Step step) {
    QWidget* shown = page(step);
    const bool focusWasOnPage = m_ui->pages->isAncestorOf(focusWidget());
    // Leaving the page with the focus in it would hand the focus along Qt's chain, past the banner while it still
    // shows the old title, and a screen reader would read that; the window holds the focus until the new page is
    // there.
    if (focusWasOnPage)
        setFocus();

    const StepLayout& layout = kStepLayouts.at(static_cast<std::size_t>(step));
    setFixedSize(kClientWidth, layout.clientHeight);
    m_ui->Frame2->move(m_ui->Frame2->x(), layout.barTop);
    m_ui->cmdNext->setText(tr(layout.nextCaption));
    m_ui->cmdNext->setAccessibleName(tr(layout.nextName));
    if (step == Step::Finished) { // config.txt is written: there is no way back, and nothing to cancel
        m_ui->cmdBack->setEnabled(false);
        m_ui->cmdCancel->setEnabled(false);
    }
    m_ui->pages->setCurrentWidget(shown);

    m_currentStep = step;
    const QString title = titleOf(shown);
    m_ui->lblStep->setText(title);
    m_ui->Picture1->setAccessibleDescription(title); // read out with the banner, which takes the focus
    if (focusWasOnPage)
        firstBox(step)->setFocus();
    // A focus move into the page makes a screen reader say the page's name; with the focus staying on the banner or
    // in the button bar, nothing would. The page is announced as if it had taken the focus, which stays where it is
    // (on the banner, Enter presses Next).
    if (!shown->isAncestorOf(focusWidget()))
        m_platform.announce(shown);
}

// A keyboard user goes on in the page's first box, or on the banner where the page has none, so that Enter presses
// Next.
QWidget* WizardWindow::firstBox(Step step) const {
    switch (step) {
    case Step::GlobalSettings: return m_globalSettings->firstBox();
    case Step::BotInformation: return m_botPage->firstBox();
    case Step::Welcome:
    case Step::Generate:
    case Step::Finished: return m_ui->Picture1;
    }
    Q_UNREACHABLE();
}

// The bot on the page is kept, or left out when it has no server or no client.
void WizardWindow::captureBot() {
    std::optional<BotRecord> bot = m_botPage->warnAndCaptureBot();
    if (bot && m_pageBotIndex >= 0) {
        m_bots[m_pageBotIndex] = std::move(*bot);
    } else if (bot) {
        m_pageBotIndex = m_bots.size();
        m_bots.append(std::move(*bot));
    } else if (m_pageBotIndex >= 0) {
        m_bots.removeAt(m_pageBotIndex);
        m_pageBotIndex = -1;
    }
}

bool WizardWindow::writeConfig() {
    if (m_bots.isEmpty()) {
        message(tr("No bot has been added yet.  Please go Back and enter at least a server and a game client."),
                MessageStyle::Warning);
        return false;
    }
    const Outcome folder = m_platform.executableFolder();
    ConfigWrite written{{false, QDir::toNativeSeparators(folder.path + QStringLiteral("/config.txt")), folder.error}};
    if (folder.ok) {
        // Writing waits out a moment's hold on the file by another program; the pointer says so meanwhile, and is
        // itself again before any box.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        written = writeConfigFile(m_globalSettings->botMaster(), m_globalSettings->botTrigger(), m_bots, folder.path);
        QApplication::restoreOverrideCursor();
    }
    if (!written.ok) // either way the wizard stays on the Generate page, for Generate to be pressed again
        message(failedWriteMessage(written), MessageStyle::Critical);
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
    m_botPage->clearBotBoxes();
    m_pageBotIndex = -1; // a new bot, added beside the others
    goToStep(Step::BotInformation);
}

void WizardWindow::startBotAndEnd() {
    if (m_finished->startBotTicked()) {
        const Outcome folder = m_platform.executableFolder();
        const QString program = QDir(folder.path).filePath(QString::fromLatin1(kBotProgram));
        const Outcome started = folder.ok ? m_platform.startProgramMinimized(program, folder.path)
                                          : Outcome{false, QDir::toNativeSeparators(program), folder.error};
        if (!started.ok)
            message(tr("The bot could not be started:\n%1\n\n%2").arg(started.path, started.error),
                    MessageStyle::Critical);
    }
    m_platform.endProgram();
}

void WizardWindow::reject() {
    if (!m_ui->cmdCancel->isEnabled()) // on the Finished page there is nothing left to cancel
        return;
    const MessageAnswer answer =
        message(tr("Are you sure you want to exit the Wizard?  No configuration files will be created."),
                MessageStyle::Question);
    if (answer == MessageAnswer::Yes)
        m_platform.endProgram();
}

MessageAnswer WizardWindow::message(const QString& text, MessageStyle style) {
    return m_platform.tell(this, text, style);
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
