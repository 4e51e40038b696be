// The step machine: which page shows, what each step checks and captures, and what the buttons do.
#include "wizard/frmmain.h"

#include "config/configformat.h"
#include "config/configwriter.h"
#include "ui/formbuilder.h"
#include "ui/formlayout.h"
#include "ui/platform.h"
#include "ui/programicon.h"

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

template <typename T> T* Control(const QHash<QString, QWidget*>& controls, const QString& name) {
    auto* control = qobject_cast<T*>(controls.value(name));
    Q_ASSERT_X(control, "frmMain", qPrintable(name));
    return control;
}

template <typename T, std::size_t N>
void BindArray(std::array<T*, N>& members, const QHash<QString, QWidget*>& controls, const char* name) {
    for (std::size_t i = 0; i < N; ++i)
        members[i] = Control<T>(controls, QString::fromLatin1(name) + QLatin1Char('_') + QString::number(i));
}

} // namespace

frmMain::frmMain(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , m_platform(platform) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kTitle);
    setWindowIcon(ProgramIcon());

    const QHash<QString, QWidget*> controls = BuildForm(this);
    Picture1 = Control<QWidget>(controls, QStringLiteral("Picture1"));
    lblStep = Control<QLabel>(controls, QStringLiteral("lblStep"));
    lblWelcome = Control<QLabel>(controls, QStringLiteral("lblWelcome"));
    BindArray(fraBody, controls, "fraBody");
    txtMaster = Control<QLineEdit>(controls, QStringLiteral("txtMaster"));
    txtTrigger = Control<QLineEdit>(controls, QStringLiteral("txtTrigger"));
    BindArray(txtBot, controls, "txtBot");
    cmbServer = Control<QComboBox>(controls, QStringLiteral("cmbServer"));
    cmbClient = Control<QComboBox>(controls, QStringLiteral("cmbClient"));
    chkDisplay = Control<QCheckBox>(controls, QStringLiteral("chkDisplay"));
    BindArray(cmdInfo, controls, "cmdInfo");
    cmdAddBot = Control<QPushButton>(controls, QStringLiteral("cmdAddBot"));
    chkStartBot = Control<QCheckBox>(controls, QStringLiteral("chkStartBot"));
    Frame2 = Control<QFrame>(controls, QStringLiteral("Frame2"));
    cmdCancel = Control<QPushButton>(controls, QStringLiteral("cmdCancel"));
    cmdBack = Control<QPushButton>(controls, QStringLiteral("cmdBack"));
    cmdNext = Control<QPushButton>(controls, QStringLiteral("cmdNext"));

    connect(cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMain::cmdCancel_Click);
    connect(cmdAddBot, &QPushButton::clicked, this, &frmMain::cmdAddBot_Click);
    for (qint16 index = 0; index < static_cast<qint16>(cmdInfo.size()); ++index)
        connect(cmdInfo[index], &QPushButton::clicked, this, [this, index] { cmdInfo_Click(index); });

    // Enter and Esc are handled before any control sees them (see eventFilter).
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    installEventFilter(this);

    Form_Load();
    Picture1->setFocus();
}

void frmMain::Form_Load() {
    StepTitles = {QStringLiteral("Welcome"), QStringLiteral("Step 1: Global Settings"),
                  QStringLiteral("Step 2: Bot Information"), QStringLiteral("Step 3: Generate Config File"),
                  QStringLiteral("Finished!")};
    ConfigText = QString();
    BotCount = 0;
    // US East, US West, Asia and Europe gateways.
    cmbServer->addItems({QStringLiteral("useast.battle.net"), QStringLiteral("uswest.battle.net"),
                         QStringLiteral("asia.battle.net"), QStringLiteral("europe.battle.net")});
    cmbClient->addItems({QStringLiteral("StarCraft"), QStringLiteral("Brood War"), QStringLiteral("WarCraft II BNE")});
    // Filling a combo box selects its first entry; both start with no choice.
    cmbServer->setCurrentIndex(-1);
    cmbServer->setEditText(QString());
    cmbClient->setCurrentIndex(-1);
    ShowStep(0);
    ClearBotFields = false;
}

void frmMain::ShowStep(qint32 step) {
    // Back on the Welcome page asks for step -1: there is no such page, so nothing changes.
    if (step < 0 || step >= static_cast<qint32>(fraBody.size()))
        return;

    const bool focusWasOnPage =
        std::any_of(fraBody.begin(), fraBody.end(), [this](QFrame* page) { return page->isAncestorOf(focusWidget()); });
    for (QFrame* page : fraBody)
        page->hide();
    if (step > 2) {
        SetClientHeight(kShortClientHeight, kShortBarTop);
    } else {
        SetClientHeight(kTallClientHeight, kTallBarTop);
        cmdNext->setText(QStringLiteral("Next >"));
    }

    bool accepted = false;
    switch (step) {
    case 0:
        accepted = ShowWelcome();
        break;
    case 1:
        accepted = ShowGlobalSettings();
        break;
    case 2:
        accepted = ShowBotInformation();
        break;
    case 3:
        accepted = ShowGenerate();
        break;
    case 4:
        accepted = ShowFinished();
        break;
    }

    if (accepted) {
        CurrentStep = step;
        lblStep->setText(StepTitles[step]);
        Picture1->setAccessibleDescription(StepTitles[step]); // read out with the banner, which takes the focus
    }
    if (focusWasOnPage)
        PlaceFocusOnShownPage();
}

// Hiding the page that held the focus leaves it wherever Qt's focus chain lands. A keyboard user continues in the
// first box of the page now shown, or on the banner where the page has no box, so that Enter presses Next.
void frmMain::PlaceFocusOnShownPage() {
    const auto shown =
        std::find_if(fraBody.begin(), fraBody.end(), [this](QFrame* page) { return page->isVisibleTo(this); });
    if (shown == fraBody.end() || (*shown)->isAncestorOf(focusWidget()))
        return;
    for (QWidget* box : {static_cast<QWidget*>(txtMaster), static_cast<QWidget*>(txtBot[0])}) {
        if ((*shown)->isAncestorOf(box)) {
            box->setFocus();
            return;
        }
    }
    Picture1->setFocus();
}

void frmMain::SetClientHeight(int clientHeight, int barTop) {
    setFixedSize(twips::ToPixels(kClientWidth), twips::ToPixels(clientHeight));
    Frame2->move(Frame2->x(), twips::ToPixels(barTop));
}

bool frmMain::ShowWelcome() {
    fraBody[0]->show();
    // Built from the design text each time, so the prompt stands in the label once however often it shows.
    lblWelcome->setText(QString::fromLatin1(kWelcomeText) + QStringLiteral("\r\n\r\nPlease click Next to continue."));
    return true;
}

bool frmMain::ShowGlobalSettings() {
    fraBody[1]->show();
    return true;
}

bool frmMain::ShowBotInformation() {
    if (ClearBotFields) {
        for (QLineEdit* box : txtBot)
            box->clear();
        ClearBotFields = false;
        PageBotIndex = -1;
    }
    for (QLineEdit* box : {txtMaster, txtTrigger}) {
        if (box->text().isEmpty()) {
            fraBody[1]->show();
            box->setFocus();
            Message(box == txtMaster ? QStringLiteral("Please enter a bot master.")
                                     : QStringLiteral("Please enter a bot trigger."),
                    MsgBoxStyle::Warning);
            return false;
        }
    }
    fraBody[2]->show();
    return true;
}

bool frmMain::ShowGenerate() {
    for (std::size_t i = 0; i < txtBot.size(); ++i) {
        if (txtBot[i]->text().isEmpty())
            Message(kBotBoxWarnings[i], MsgBoxStyle::Warning);
    }
    if (cmbServer->currentText().isEmpty()) {
        Message(QStringLiteral("Please enter or choose a server."), MsgBoxStyle::Warning);
        DropPageBot();
    } else if (cmbClient->currentText().isEmpty()) {
        Message(QStringLiteral("Please choose a game client."), MsgBoxStyle::Warning);
        DropPageBot();
    } else {
        CaptureBot();
    }
    fraBody[3]->show();
    cmdNext->setText(QStringLiteral("Generate"));
    return true;
}

void frmMain::CaptureBot() {
    BotRecord bot;
    bot.Username = txtBot[0]->text();
    bot.Password = txtBot[1]->text();
    bot.Server = cmbServer->currentText();
    bot.Display = chkDisplay->checkState() == Qt::Checked ? kTrue : kFalse;
    bot.CommandSet = QStringLiteral("default");
    bot.CDKey = NormalizeCDKey(txtBot[2]->text());
    AssignClient(bot, LookupClientCode(cmbClient->currentText()));
    bot.HomeChannel = txtBot[3]->text();
    bot.Register = txtBot[0]->text();
    bot.Spawn = 0;

    if (PageBotIndex >= 0) {
        ReplaceBot(Bots, PageBotIndex, bot);
    } else {
        AppendBot(Bots, BotCount, bot);
        PageBotIndex = BotCount - 1;
    }
}

void frmMain::DropPageBot() {
    if (PageBotIndex >= 0) {
        RemoveBot(Bots, BotCount, PageBotIndex);
        PageBotIndex = -1;
    }
}

bool frmMain::ShowFinished() {
    if (Bots.isEmpty()) {
        fraBody[3]->show();
        Message(QStringLiteral("No bot has been added yet.  Please go Back and enter at least a server and a game "
                               "client."),
                MsgBoxStyle::Warning);
        return false;
    }

    // A Generate that failed may be retried: the buffer must hold one document, not one per attempt.
    ConfigText.clear();
    GenerateConfig(ConfigText, txtMaster->text(), txtTrigger->text(), Bots);
    const WriteResult written = WriteConfigFile(ConfigText, m_platform.ExecutableFolder());
    if (!written.ok) {
        fraBody[3]->show();
        Message(QStringLiteral("The configuration file could not be written:\n%1\n\n%2\n\nAny earlier config.txt "
                               "there is unchanged. Fix the problem, then press Generate again.")
                    .arg(written.path, written.error),
                MsgBoxStyle::Critical);
        return false;
    }

    fraBody[4]->show();
    cmdNext->setText(QStringLiteral("Done"));
    cmdBack->setEnabled(false);
    cmdCancel->setEnabled(false);
    return true;
}

void frmMain::cmdNext_Click() {
    if (CurrentStep != 4) {
        ShowStep(CurrentStep + 1);
        return;
    }
    if (chkStartBot->checkState() == Qt::Checked) {
        const QString folder = m_platform.ExecutableFolder();
        const QString program = QDir(folder).filePath(QString::fromLatin1(kBotProgram));
        QString error;
        if (!m_platform.StartProgram(program, folder, kShowMinimized, error)) {
            Message(
                QStringLiteral("The bot could not be started:\n%1\n\n%2").arg(QDir::toNativeSeparators(program), error),
                MsgBoxStyle::Critical);
        }
    }
    m_platform.EndProgram();
}

void frmMain::cmdBack_Click() {
    ShowStep(CurrentStep - 1);
}

void frmMain::cmdCancel_Click() {
    const int answer =
        Message(QStringLiteral("Are you sure you want to exit the Wizard?  No configuration files will be created."),
                MsgBoxStyle::YesNoQuestion);
    if (answer == MsgBoxAnswer::Yes)
        m_platform.EndProgram();
}

void frmMain::cmdAddBot_Click() {
    ClearBotFields = true;
    ShowStep(2);
}

void frmMain::cmdInfo_Click(qint16 Index) {
    Message(kHelpTexts.at(Index), MsgBoxStyle::Information);
}

int frmMain::Message(const QString& text, int style) {
    return m_platform.MsgBox(text, kTitle, style);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // Enter presses a focused push button, and the default button from anywhere else, the editable server
        // box included (where it would otherwise add the typed text to the list).
        auto* focused = qobject_cast<QPushButton*>(watched);
        QPushButton* button = focused ? focused : cmdNext;
        if (button->isEnabled())
            button->click();
        return true;
    }
    case Qt::Key_Escape:
        if (cmdCancel->isEnabled())
            cmdCancel->click();
        return true;
    default:
        return false;
    }
}
