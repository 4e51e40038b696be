// The step machine: the pages in their order, which one shows, and what the bar's buttons do.
#include "wizard/wizardwindow.h"

#include "ui/formfont.h"
#include "ui/programicon.h"
#include "ui_wizardwindow.h"
#include "wizard/pages/botpage.h"
#include "wizard/pages/finishedpage.h"
#include "wizard/pages/generatepage.h"
#include "wizard/pages/globalsettingspage.h"
#include "wizard/pages/welcomepage.h"

#include <QAccessibleWidget>
#include <QCloseEvent>

namespace {

template <typename Page> WizardPage* makePage(Platform& platform, Answers& answers, QWidget* parent) {
    return new Page(platform, answers, parent);
}

// The window around a page, in device-independent pixels (the design's twips / 15); the width never changes.
// Generate and Finished have a short window: their pages hold little, and the button bar moves up with the window's
// bottom.
struct WindowSize {
    int clientHeight;
    int barTop; // top of the button bar, Frame2
};
constexpr int kClientWidth = 481;
constexpr WindowSize kTall{335, 296}, kShort{184, 144};

// cmdNext's caption, and the same as a screen reader says it, without the arrow.
struct NextButton {
    const char* caption;
    const char* name;
};
constexpr NextButton kNext{QT_TRANSLATE_NOOP("WizardWindow", "Next >"), QT_TRANSLATE_NOOP("WizardWindow", "Next")};
constexpr NextButton kGenerate{QT_TRANSLATE_NOOP("WizardWindow", "Generate"),
                               QT_TRANSLATE_NOOP("WizardWindow", "Generate")};
constexpr NextButton kDone{QT_TRANSLATE_NOOP("WizardWindow", "Done"), QT_TRANSLATE_NOOP("WizardWindow", "Done")};

// The pages in the order Next walks them, by step: how each is made, the window around it and what Next says there.
struct StepRow {
    WizardPage* (*makePage)(Platform&, Answers&, QWidget*);
    WindowSize size;
    NextButton next;
};
constexpr StepRow kSteps[]{
    {makePage<WelcomePage>, kTall, kNext},        // 0 Welcome
    {makePage<GlobalSettingsPage>, kTall, kNext}, // 1 Global Settings
    {makePage<BotPage>, kTall, kNext},            // 2 Bot Information
    {makePage<GeneratePage>, kShort, kGenerate},  // 3 Generate Config File
    {makePage<FinishedPage>, kShort, kDone},      // 4 Finished
};
static_assert(std::size(kSteps) == kStepCount, "one row for each step");

const StepRow& rowOf(Step step) {
    return kSteps[static_cast<int>(step)];
}

// To a screen reader the page area is a plain pane, which it passes over in silence; as a stacked widget ("layered
// pane") it would be said before the page's name each time the focus enters a page.
QAccessibleInterface* plainPageArea(const QString& className, QObject* object) {
    if (className != QLatin1String("QStackedWidget") || !qobject_cast<WizardWindow*>(object->parent()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Pane);
}

// Makes a control that now says something else a new element to screen readers, with a new accessible interface. A
// reader takes a second focus event from the element it already has as the focus for a repeat, and drops it (NVDA
// compares UI Automation elements by their runtime id, which Qt takes from the interface); and on Linux a reader keeps
// what an element said before (the AT-SPI client's cache, which Qt's change events do not reliably update).
void renewElement(QWidget* control) {
    if (!QAccessible::isActive()) // no screen reader has met it
        return;
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(control)));
}

// Tells a screen reader about the control that keeps the keyboard focus as if the focus had just come to it. While a
// message box still has the keyboard, nothing is said: the window's focus is announced when it is active again.
void announceAgain(QWidget* focused) {
    if (!QAccessible::isActive() || !focused->hasFocus())
        return;
    QAccessibleEvent arrived(focused, QAccessible::Focus);
    QAccessible::updateAccessibility(&arrived);
}

} // namespace

void installAccessibleRoles() {
    QAccessible::installFactory(plainPageArea);
}

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
    m_ui->Label2_0->setText(m_ui->Label2_0->text().arg(QStringLiteral(QELWIZARD_VERSION)));

    connect(m_ui->cmdNext, &QPushButton::clicked, this, &WizardWindow::goNext);
    connect(m_ui->cmdBack, &QPushButton::clicked, this, &WizardWindow::goBack);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &WizardWindow::reject);
    showPage(Step::Welcome); // the banner takes the focus
}

WizardWindow::~WizardWindow() = default;

WizardPage* WizardWindow::page(Step step) {
    WizardPage*& page = m_pages.at(static_cast<std::size_t>(step));
    if (!page) {
        // Made inside the page area, so that its controls are made in the window's font instead of changing to it.
        page = rowOf(step).makePage(m_platform, m_answers, m_ui->pages);
        m_ui->pages->addWidget(page);
        fitWrappedLabels(page);
        connect(page, &WizardPage::addBotRequested, this, [this] { showPage(Step::BotInformation); });
    }
    return page;
}

void WizardWindow::showPage(Step step) {
    WizardPage* shown = page(step);
    shown->arrive();

    const StepRow& row = rowOf(step);
    setFixedSize(kClientWidth, row.size.clientHeight);
    m_ui->Frame2->move(m_ui->Frame2->x(), row.size.barTop);
    m_ui->cmdNext->setText(tr(row.next.caption));
    m_ui->cmdNext->setAccessibleName(tr(row.next.name));
    if (step == Step::Finished) { // config.txt is written: there is no way back, and nothing to cancel
        m_ui->cmdBack->setEnabled(false);
        m_ui->cmdCancel->setEnabled(false);
    }
    m_currentStep = step;
    m_ui->lblStep->setText(shown->title());
    // The banner reads out the page, as a new element for each: its title, then its explanation. Where the window is
    // not active (opening, or a message box just closed), a screen reader reads the page's explanation with the window
    // as it becomes active, and the banner gives the title alone.
    QWidget* banner = m_ui->Picture1;
    banner->setAccessibleDescription(isActiveWindow() ? shown->accessibleName() : shown->title());
    renewElement(banner);

    // A keyboard user on the banner stays there, where Enter presses Next; from anywhere else the focus goes on in the
    // page's first box, or on the banner where the page has none. It moves before the old page hides: left in a hidden
    // page, Qt would hand it along its chain first, and a screen reader would read out each control on the way.
    QWidget* const focus = focusWidget();
    QWidget* const next = focus == banner || !shown->firstBox() ? banner : shown->firstBox();
    if (next == focus) {
        announceAgain(banner);
    } else {
        shown->show(); // under the old page until the switch below, which nothing paints in between
        next->setFocus();
    }
    m_ui->pages->setCurrentWidget(shown);
}

// Each page checks its answers, and does its step's work, as the user moves on from it; a page that refuses keeps
// the wizard where it is. Done, on the last page, ends the program.
void WizardWindow::goNext() {
    if (page(m_currentStep)->leave() && m_currentStep != Step::Finished)
        showPage(static_cast<Step>(static_cast<int>(m_currentStep) + 1));
}

void WizardWindow::goBack() {
    // Back on the Welcome page has no page to go to, and changes nothing.
    if (m_currentStep != Step::Welcome)
        showPage(static_cast<Step>(static_cast<int>(m_currentStep) - 1));
}

void WizardWindow::reject() {
    if (!m_ui->cmdCancel->isEnabled()) // on the Finished page there is nothing left to cancel
        return;
    const MessageAnswer answer =
        m_platform.tell(this, tr("Are you sure you want to exit the Wizard?  No configuration files will be created."),
                        MessageStyle::Question);
    if (answer == MessageAnswer::Yes)
        m_platform.endProgram();
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
