// The wizard as its users meet it: the page flow, the warnings, bot capture, config.txt on disk, starting the bot.
#include "wizarddriver.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QScopeGuard>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::Literals::StringLiterals;

class WizardTest : public WizardTestCase {
    Q_OBJECT

    // A failure box that names the path once, in the system's notation, and gives a reason after it; a box that does
    // not is shown.
    static bool explains(const QString& box, const QString& path) {
        const QString named = QDir::toNativeSeparators(path) + "\n\n";
        const bool ok = box.startsWith(u"16 ") && box.count(QDir::toNativeSeparators(path)) == 1 &&
                        box.contains(named) && !box.endsWith(named) && !box.contains(named + '\n') &&
                        (named.startsWith(path) || !box.contains(QDir::fromNativeSeparators(path)));
        if (!ok)
            qWarning("the box does not name %s once with a reason: %s", qPrintable(path), qPrintable(box));
        return ok;
    }
    static QAccessibleInterface* reader(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }

private Q_SLOTS:
    // Two bots by keyboard alone, corrections and a Cancel answered No on the way, started from another working
    // folder over a longer config.txt.
    void keyboardOnlyWholeJobWritesTheGoldenFile() {
        WizardDriver& w = wizard();
        QVERIFY(QFile::copy(QEL_FAKE_BOT, w.configPath())); // an old config.txt, longer than the new one
        const QString folder = w.folder(), bot = folder + "/QelBot3.exe";
        QVERIFY(QFile::copy(QEL_FAKE_BOT, bot));
        QTemporaryDir elsewhere;
        QDir::setCurrent(elsewhere.path());
        QCOMPARE(QtPlatform().executableFolder().path, QCoreApplication::applicationDirPath());
        w.platform.answers = {MessageAnswer::No, MessageAnswer::Ok, MessageAnswer::Ok};
        static QStringList logged; // everything the program says on its own, to look for the secrets in
        const QtMessageHandler testlib =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { logged << text; });
        const auto restoreLog = qScopeGuard([testlib] { qInstallMessageHandler(testlib); });
        // Enter from the banner, in a text box and on a focused button; the trigger takes one character; Down picks a
        // list's next entry; Esc asks to cancel; the focus goes on in the first box of the bot page; Add Bot keeps
        // server, client and display; Back from Generate keeps each bot's answers for correcting.
        w.play("Return >txtMaster 'exampleowner' Tab '!?' Return 'examplebot' Tab 'examplepass' Tab Down Tab "
               "'1234-5678 90123' Tab Down Tab 'examplechannel' Return Escape >cmdBack Return >txtBot_1 Return "
               ">cmdAddBot Return "
               "'caf\u00e9' Tab 'pass word' Tab Tab 'ab-cd' Tab Down Down >chkDisplay Space >cmbServer "
               "'my.server.example' Return >cmdBack Return >txtBot_0 Return");
        QCOMPARE(w.find<QComboBox>("cmbServer")->count(), 4); // Enter in the server box did not add to the list
        w.play("Return");                                     // Generate
        QCOMPARE(readAll(w.configPath()), readAll(":/data/two_bots.txt"));
        QVERIFY(!QFile::exists(elsewhere.filePath("config.txt")));
        w.play("Escape Return"); // Cancel is disabled; Done starts the bot from its folder, minimized, on its own
        const QString noHome = "48 Please enter a bot home channel.";
        QCOMPARE(w.platform.boxes, QStringList({"36 Are you sure you want to exit the Wizard?  No configuration "
                                                "files will be created.",
                                                noHome, noHome}));
        QCOMPARE(w.platform.starts, QStringList({bot, folder}));
        QCOMPARE(w.platform.endCalls, 1);
        QVERIFY(!logged.join(u'\n').contains(u"examplepass") && !logged.join(u'\n').contains(u"1234567890123"));
        QTRY_VERIFY(QFile::exists(folder + "/ran.txt"));
        const QStringList ran = QString::fromLocal8Bit(readAll(folder + "/ran.txt")).remove(u'\r').split(u'\n');
        QCOMPARE(QDir(ran.value(0)).canonicalPath(), QDir(folder).canonicalPath());
        QVERIFY(ran.value(1).toLongLong() != QCoreApplication::applicationPid()); // detached, not our child
#ifdef Q_OS_WIN
        QCOMPARE(ran.value(2), u"2"_s); // SW_SHOWMINIMIZED
#endif
    }

    // The window as it opens, then Next and Back through every page: the title, the page, the window's size, the
    // buttons and the welcome prompt.
    void everyStepShowsItsPage() {
        WizardDriver& w = wizard();
        QCOMPARE(w.window.windowTitle(), u"Qel Configuration Wizard"_s);
        QCOMPARE(w.window.minimumSize(), w.window.maximumSize());
        QVERIFY(!(w.window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(w.window.windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
        QCOMPARE(reader(&w.window)->role(), QAccessible::Dialog);
        QCOMPARE(w.focusName(), u"Picture1"_s); // so Enter presses Next at once
        QVERIFY(!w.find<QComboBox>("cmbClient")->isEditable());
        w.platform.answers = {MessageAnswer::Yes};
        w.click("cmdCancel");
        QCOMPARE(w.platform.endCalls, 1);
        w.reachStep(Step::Generate);
        const QStringList titles{"Welcome", "Step 1: Global Settings", "Step 2: Bot Information",
                                 "Step 3: Generate Config File", "Finished!"};
        const std::pair<const char*, int> walk[]{{"cmdBack", 2}, {"cmdBack", 1}, {"cmdBack", 0}, {"cmdBack", 0},
                                                 {"cmdNext", 1}, {"cmdNext", 2}, {"cmdNext", 3}, {"cmdNext", 4}};
        for (const auto& [button, step] : walk) { // Back on the Welcome page changes nothing
            w.click(button);
            QCOMPARE(static_cast<int>(w.window.currentStep()), step);
            QCOMPARE(w.text("lblStep"), titles[step]);
            QCOMPARE(w.find(QStringLiteral("fraBody_%1").arg(step))->accessibleName(), titles[step]); // entering it
            QCOMPARE(w.visiblePages(), QList<int>{step});
            QCOMPARE(w.window.size(), step < 3 ? QSize(481, 335) : QSize(481, 184));
            QCOMPARE(w.find("Frame2")->y(), step < 3 ? 296 : 144);
            QCOMPARE(w.text("cmdNext"), step < 3 ? u"Next >"_s : step == 3 ? u"Generate"_s : u"Done"_s);
            QCOMPARE(w.find("cmdBack")->isEnabled(), step < 4);
            QCOMPARE(w.find("cmdCancel")->isEnabled(), step < 4);
            QCOMPARE(w.text("lblWelcome").count(u"Please click Next to continue."), 1);
        }
    }

    // Done ends the program, starting QelBot3.exe only when asked to; a bot that cannot start is named with the
    // reason. Elsewhere than on Windows, a Windows QelBot3.exe starts through Wine, from its folder; without Wine, the
    // box says what the bot is and what starts it.
    void doneStartsTheBotWhenAsked_data() {
        QTest::addColumn<QString>("bot"); // what is in the folder as QelBot3.exe
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<bool>("wine"); // Wine on the PATH
        QTest::addColumn<QString>("box");
        QTest::newRow("not asked") << "" << false << false << "";
        QTest::newRow("no bot") << "" << true << false << "16 The bot could not be started";
#ifdef QEL_WINDOWS_BOT
        QTest::newRow("Windows bot, Wine") << QEL_WINDOWS_BOT << true << true << "";
        QTest::newRow("Windows bot, no Wine") << QEL_WINDOWS_BOT << true << false << "a Windows program";
#endif
    }
    void doneStartsTheBotWhenAsked() {
        QFETCH(QString, bot);
        QFETCH(bool, ticked);
        QFETCH(bool, wine);
        QFETCH(QString, box);
        if (wine && QStandardPaths::findExecutable("wine").isEmpty())
            QSKIP("Wine is not installed");
        WizardDriver& w = wizard();
        const QString program = w.folder() + "/QelBot3.exe";
        QVERIFY(bot.isEmpty() || QFile::copy(bot, program));
        w.reachStep(Step::Finished);
        w.play(ticked ? "" : ">chkStartBot Space");
        QTemporaryDir noPrograms;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", wine ? path : QFile::encodeName(noPrograms.path()));
        w.platform.answers = QList<MessageAnswer>(box.isEmpty() ? 0 : 1, MessageAnswer::Ok);
        w.next(); // Done
        qputenv("PATH", path);
        QCOMPARE(w.platform.starts, ticked ? QStringList({program, w.folder()}) : QStringList());
        QCOMPARE(w.platform.endCalls, 1);
        QVERIFY(box.isEmpty() || (explains(w.platform.lastBox(), program) && w.platform.lastBox().contains(box)));
        // A first start makes Wine's prefix, which takes a while.
        QTRY_VERIFY_WITH_TIMEOUT(!wine || QFile::exists(w.folder() + "/ran.txt"), 180000);
        const QString ran = QString::fromLocal8Bit(readAll(w.folder() + "/ran.txt")).section(u'\n', 0, 0).trimmed();
        QCOMPARE(ran.mid(2).replace(u'\\', u'/'), wine ? QDir(w.folder()).canonicalPath() : QString()); // Z:\...
    }

    // A screen reader names each input by its caption and describes it by its explanation, reading the page top down:
    // caption, input, "?" button. The caption that reaches under its input leaves the mouse to the input. Tab visits
    // the inputs, then the "?" buttons, then the banner and the buttons, and around again.
    void botPageReadsAndTabsInOrder() {
        WizardDriver& w = wizard();
        w.reachStep(Step::BotInformation);
        for (const ControlRow& row : formControls()) {
            const char* inputName = row.captionOf ? row.captionOf : row.help ? row.explains : nullptr;
            if (!inputName)
                continue;
            QWidget *input = w.find(inputName), *control = w.find(objectNameOf(row));
            QAccessibleInterface* page = reader(input->parentWidget());
            QCOMPARE(page->indexOfChild(reader(input)) - page->indexOfChild(reader(control)), row.captionOf ? 1 : -1);
            if (row.captionOf) {
                const auto labels = reader(input)->relations(QAccessible::Label);
                QVERIFY2(labels.size() == 1 && labels[0].first == reader(control), inputName);
                QWidget* hit = input->parentWidget()->childAt(input->pos() + QPoint(2, input->height() / 2));
                QVERIFY2(hit == input || input->isAncestorOf(hit), inputName);
            } else {
                w.platform.answers = {MessageAnswer::Ok};
                w.click(control->objectName());
                QCOMPARE(w.platform.lastBox(), "64 " + input->accessibleDescription());
            }
        }
        QVERIFY(w.find("txtMaster")->accessibleDescription().startsWith(u"The bot master is the owner"));
        QVERIFY(w.find("txtTrigger")->accessibleDescription().startsWith(u"The bot trigger is the prefix"));
        const QStringList order{"txtBot_0",   "txtBot_1",  "cmbServer", "txtBot_2",  "cmbClient", "txtBot_3",
                                "chkDisplay", "cmdInfo_0", "cmdInfo_1", "cmdInfo_2", "cmdInfo_3", "cmdInfo_4",
                                "cmdInfo_5",  "cmdInfo_6", "Picture1",  "cmdCancel", "cmdBack",   "cmdNext"};
        QStringList visited;
        for (w.find(order[0])->setFocus(); visited.size() < 2 * order.size(); w.play("Tab"))
            visited << w.focusName();
        QCOMPARE(visited, order + order);
    }

    // Each separator line shows, whatever the screen's scale (CTest runs this at 125%, 150% and 200% too). Every text
    // fits its control in the font the control really gets, Tahoma's stand-in included; a page text that needed a
    // pixel more stays inside its page and clear of the controls beside it.
    void everythingShowsWhole() {
        WizardDriver& w = wizard();
        w.next(); // Global Settings has both lines
        const QImage image = w.window.grab().toImage();
        const qreal scale = image.devicePixelRatio();
        for (const char* name : {"Line2", "Line1"}) {
            const QWidget* line = w.find(name);
            const QRectF pixels(QPointF(line->mapTo(&w.window, QPoint())) * scale, QSizeF(line->size()) * scale);
            int darkRows = 0;
            for (int y = int(pixels.top()); y < int(std::ceil(pixels.bottom())); ++y)
                darkRows += qGray(image.pixel(int(pixels.center().x()), y)) < 100;
            QVERIFY2(darkRows > 0, name);
        }
        if (QFontInfo(w.window.font()).family().isEmpty())
            QSKIP("this platform plugin has no fonts to measure with");
        w.reachStep(Step::Finished); // a page's texts are measured when it first shows
        for (const ControlRow& row : formControls()) {
            QWidget* widget = w.find(objectNameOf(row));
            QCOMPARE(widget->font().bold(),
                     QByteArrayView(row.name) == "lblGlobalCap" || QByteArrayView(row.name) == "Label1");
            const QFontMetrics metrics(widget->font());
            QSize needed = metrics.size(Qt::TextSingleLine, widget->property("text").toString()) + QSize(4, 0);
            if (auto* label = qobject_cast<QLabel*>(widget); label && label->wordWrap()) {
                needed =
                    metrics.boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text()).size();
                QVERIFY(label->parentWidget()->rect().contains(label->geometry()));
                for (QWidget* sibling : label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    QVERIFY(sibling == label || !sibling->geometry().intersects(label->geometry()));
            }
            QVERIFY2(qobject_cast<QCheckBox*>(widget) || widget->property("text").toString().isEmpty() ||
                         widget->rect().size().expandedTo(needed) == widget->size(),
                     qPrintable(widget->objectName() + " needs more in " + QFontInfo(widget->font()).family()));
        }
    }

    // From Global Settings' box the focus goes straight into the bot page, never past the banner while it still shows
    // the old title. There a list opened with Alt+Down starts at its first entry, as a native drop-down does; in an
    // open list, Enter picks the highlighted entry and Esc closes the list, without pressing Next or Cancel.
    void theBotPageTakesTheKeysAtOnce() {
        WizardDriver& w = wizard();
        w.next();
        w.play(">txtMaster 'o'");
        QStringList focused;
        const QObject listening; // the connection ends with the test
        connect(qApp, &QApplication::focusChanged, &listening,
                [&focused](QWidget*, QWidget* now) { focused << (now ? now->objectName() : QString()); });
        w.play("Return"); // to the bot page, nothing chosen
        QCOMPARE(focused, QStringList({"frmMain", "txtBot_0"}));
        for (const char* name : {"cmbServer", "cmbClient"}) {
            auto* list = w.find<QComboBox>(name);
            list->setFocus();
            for (const char* keys : {"Down Return", "Down Escape"}) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::AltModifier);
                QTRY_VERIFY(list->view()->isVisible());
                w.play(keys);
                QTRY_VERIFY(!list->view()->isVisible());
            }
        }
        QCOMPARE(w.text("cmbServer"), u"useast.battle.net"_s);
        QCOMPARE(w.text("cmbClient"), u"StarCraft"_s);
        QCOMPARE(w.window.currentStep(), Step::BotInformation);
        QCOMPARE(w.platform.boxes, QStringList());
    }

    // Which warnings each answer raises, in which order, where the focus goes and whether a bot is captured; without a
    // bot to write, Generate says so and writes nothing.
    void warningsAndCapture_data() {
        QTest::addColumn<QString>("keys"); // from Global Settings, where the trigger holds "!"
        QTest::addColumn<QString>("warnings");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("captured");
        auto row = [](const char* name, QString keys, QString warnings, int step, QString focus, int captured) {
            QTest::newRow(name) << keys << warnings << step << focus << captured;
        };
        const QString master = ">txtMaster 'o' Return ",
                      full = "'b' Tab 'p' Tab 'x' Tab 'k-1 2' Tab Down Tab 'h' Return";
        const QString noBot =
            "|No bot has been added yet.  Please go Back and enter at least a server and a game client.";
        row("no master", "Return", "Please enter a bot master.", 1, "txtMaster", 0);
        row("no trigger", ">txtMaster 'o' Tab Backspace Return", "Please enter a bot trigger.", 1, "txtTrigger", 0);
        row("neither", ">txtTrigger Backspace Return", "Please enter a bot master.", 1, "txtMaster", 0);
        row("blanks are answers",
            ">txtMaster ' ' Tab Backspace ' ' Return ' ' Tab ' ' Tab ' ' Tab ' - ' Tab Down Tab ' ' Return", "", 3,
            "Picture1", 1);
        row("empty bot boxes", master + "Tab Tab 'x' Tab Tab Down Return",
            "Please enter a bot username.|Please enter a bot password.|Please enter a bot CD-Key.|Please enter a bot "
            "home channel.",
            3, "Picture1", 1);
        row("no server, client unasked", master + "'b' Tab 'p' Tab Tab 'k' Tab Tab 'h' Return Return",
            "Please enter or choose a server." + noBot, 3, "Picture1", 0);
        row("no client", master + "'b' Tab 'p' Tab 'x' Tab 'k' Tab Tab 'h' Return Return",
            "Please choose a game client." + noBot, 3, "Picture1", 0);
        row("server gone on going Back", master + full + " >cmdBack Return >cmbServer Backspace Return Return",
            "Please enter or choose a server." + noBot, 3, "Picture1", 0);
        row("all given", master + full, "", 3, "Picture1", 1);
    }
    void warningsAndCapture() {
        QFETCH(QString, keys);
        QFETCH(QString, warnings);
        QFETCH(int, step);
        QFETCH(QString, focus);
        QFETCH(int, captured);
        WizardDriver& w = wizard();
        const QStringList expected = warnings.isEmpty() ? QStringList() : ("48 " + warnings).split(u'|');
        w.platform.answers = QList<MessageAnswer>(expected.size(), MessageAnswer::Ok);
        w.next();
        w.play(keys);
        QCOMPARE(w.platform.boxes.join(u'|'), expected.join(u"|48 "));
        QCOMPARE(static_cast<int>(w.window.currentStep()), step);
        QCOMPARE(w.visiblePages(), QList<int>{step});
        QCOMPARE(w.focusName(), focus);
        QCOMPARE(w.window.bots().size(), captured);
        QVERIFY(!QFile::exists(w.configPath()));
    }

    // Text boxes keep whatever length is typed or pasted, all the way into config.txt.
    void longTextsAreKeptWhole() {
        WizardDriver& w = wizard();
        QGuiApplication::clipboard()->setText(QString(100000, u'x'));
        w.next();
        w.play(">txtMaster Paste");
        w.next();
        w.play(">txtBot_0 Paste Tab Paste Tab Paste Tab Paste Tab Down Tab Paste");
        w.next();
        w.next();
        // The master, the username in the bot's first line, password, server, CD-key, home channel and register.
        QCOMPARE(readAll(w.configPath()).count(QByteArray(100000, 'x')), 7);
    }

    // The window's code reaches its controls through the table: a table that leaves a control out, names one twice
    // or puts one in a container it does not have is refused.
    void brokenControlTablesAreRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("twice"); // the row twice, or not at all
        QTest::newRow("a control left out") << "cmdNext" << false;
        QTest::newRow("one name twice") << "Label3" << true;
        QTest::newRow("no such container") << "Frame2" << false;
    }
    void brokenControlTablesAreRefused() {
        QFETCH(QString, name);
        QFETCH(bool, twice);
        std::vector<ControlRow> rows(formControls().begin(), formControls().end());
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r.name == name; });
        QVERIFY(row != rows.end());
        twice ? rows.insert(row, *row) : rows.erase(row);
        QWidget window;
        QStringList problems;
        buildForm(&window, rows, problems);
        QVERIFY(!problems.isEmpty());
    }

#ifdef Q_OS_UNIX
    // A folder whose name is not text cannot be named: Generate says so and nothing is written or started anywhere
    // else, not in the working folder either. Relative and missing folders are refused the same way; a name beyond
    // ASCII that is text is taken.
    void unnamableFolderIsNeverReplacedByAnother() {
        WizardDriver& w = wizard();
        QTemporaryDir root, working;
        const QByteArray folder = QFile::encodeName(root.path()) + "/caf\xe9";
        QCOMPARE(mkdir(folder.constData(), 0700), 0);
        QVERIFY(QDir(root.path()).mkdir(u"caf\ufffd"_s)); // what Qt would make of the name, as a real folder
        QDir::setCurrent(working.path());
        QVERIFY(QFile::copy(QEL_FAKE_BOT, "QelBot3.exe"));
        w.reachStep(Step::Generate);
        w.platform.executable = folder + "/QelWizard";
        w.platform.answers = {MessageAnswer::Ok, MessageAnswer::Ok};
        w.next(); // Generate
        QVERIFY(explains(w.platform.lastBox(), root.path() + "/caf\ufffd/config.txt"));
        QCOMPARE(w.window.currentStep(), Step::Generate);
        w.platform.executable.clear(); // Generate where it can, then lose the folder before Done
        w.next();
        w.platform.executable = folder + "/QelWizard";
        w.next(); // Done
        QVERIFY(explains(w.platform.lastBox(), root.path() + "/caf\ufffd/QelBot3.exe"));
        QCOMPARE(w.platform.starts, QStringList());
        QCOMPARE(w.platform.endCalls, 1);
        QCOMPARE(QDir().entryList(QDir::Files), QStringList{"QelBot3.exe"});
        QCOMPARE(QDir(root.path() + u"/caf\ufffd"_s).entryList(QDir::Files), QStringList());
        for (const char* path : {"QelWizard", "bin/QelWizard", "/no/such/folder/QelWizard"})
            QVERIFY(!folderOfExecutable(path).ok && !folderOfExecutable(path).error.isEmpty());
        QVERIFY(QDir(root.path()).mkdir(u"jos\u00e9"_s));
        const Outcome jose = folderOfExecutable(QFile::encodeName(root.path() + u"/jos\u00e9/QelWizard"_s));
        QVERIFY(jose.ok && jose.path == root.path() + u"/jos\u00e9"_s);
    }
#endif
};

QTEST_MAIN(WizardTest)
#include "test_wizard.moc"
