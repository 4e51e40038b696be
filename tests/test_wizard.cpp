// The wizard as its users meet it: the page flow, the warnings, bot capture, config.txt on disk, starting the bot.
#include "ui/formbuilder.h"
#include "wizarddriver.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QStandardPaths>

#include <cmath>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

using namespace Qt::Literals::StringLiterals;

class WizardTest : public WizardTestCase {
    Q_OBJECT

    // A failure box that names the path and gives a reason after it.
    static bool explains(const QString& box, const QString& path) {
        const QString named = QDir::toNativeSeparators(path) + "\n\n";
        return box.startsWith(u"16 ") && box.contains(named) && !box.endsWith(named) && !box.contains(named + '\n');
    }

private Q_SLOTS:
    // Two bots by keyboard alone, a correction and a Cancel answered No on the way, started from another working
    // folder over a longer config.txt.
    void keyboardOnlyWholeJobWritesTheGoldenFile() {
        WizardDriver& w = wizard();
        writeFile(w.configPath(), QByteArray(5000, '#'));
        const QString folder = w.folder(), bot = folder + "/QelBot3.exe";
        QVERIFY(QFile::copy(QEL_FAKE_BOT, bot));
        const QByteArray golden = readAll(QEL_TEST_DATA "/two_bots.txt");
        QTemporaryDir elsewhere;
        QDir::setCurrent(elsewhere.path());
        w.platform.answers = {MessageAnswer::No, MessageAnswer::Ok};
        static QStringList logged; // everything the program says on its own, to look for the secrets in
        const QtMessageHandler testlib =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { logged << text; });
        // Enter from the banner, in a text box and on a focused button; the trigger takes one character; Down picks a
        // list's next entry; Esc asks to cancel; the focus goes on in the first box of the bot page; Add Bot keeps
        // server, client and display.
        w.play("Return >txtMaster 'exampleowner' Tab '!?' Return 'examplebot' Tab 'examplepass' Tab Down Tab "
               "'1234-5678 90123' Tab Down Tab 'examplechannel' Return Escape >cmdBack Return >txtBot_1 Return "
               ">cmdAddBot Return "
               "'caf\u00e9' Tab 'pass word' Tab Tab 'ab-cd' Tab Down Down >chkDisplay Space >cmbServer "
               "'my.server.example' Return");
        QCOMPARE(w.find<QComboBox>("cmbServer")->count(), 4); // Enter in the server box did not add to the list
        w.play("Return");                                     // Generate
        QCOMPARE(readAll(w.configPath()), golden);
        QVERIFY(!QFile::exists(elsewhere.filePath("config.txt")));
        w.play("Escape Return"); // Cancel is disabled; Done starts the bot from its folder, minimized, on its own
        QCOMPARE(w.platform.boxes, QStringList({"36 Are you sure you want to exit the Wizard?  No configuration "
                                                "files will be created.",
                                                "48 Please enter a bot home channel."}));
        QCOMPARE(w.platform.starts, QStringList({bot, folder, "2"}));
        QCOMPARE(w.platform.endCalls, 1);
        qInstallMessageHandler(testlib);
        QVERIFY(!logged.join(u'\n').contains(u"examplepass") && !logged.join(u'\n').contains(u"1234567890123"));
        QTRY_VERIFY(QFile::exists(folder + "/ran.txt"));
        const QStringList ran = QString::fromLocal8Bit(readAll(folder + "/ran.txt")).remove(u'\r').split(u'\n');
        QCOMPARE(QDir(ran.value(0)).canonicalPath(), QDir(folder).canonicalPath());
        QVERIFY(ran.value(1).toLongLong() != QCoreApplication::applicationPid()); // detached, not our child
#ifdef Q_OS_WIN
        QCOMPARE(ran.value(2), u"2"_s); // SW_SHOWMINIMIZED
#endif
    }

    // The window as it opens, then every page by Next and Back: title, size, buttons, the help and the tab order.
    void walkEveryPage() {
        WizardDriver& w = wizard();
        QCOMPARE(w.window.windowTitle(), u"Qel Configuration Wizard"_s);
        QCOMPARE(w.window.minimumSize(), w.window.maximumSize());
        QVERIFY(!(w.window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(w.window.windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
        const auto pixels = [](const QImage& image) {
            const QImage argb = image.convertToFormat(QImage::Format_ARGB32); // a PNG's colour space aside
            return QByteArray(reinterpret_cast<const char*>(argb.constBits()), argb.sizeInBytes());
        };
        for (const int size : {16, 32, 48, 64}) { // the raw pixels show the drawn picture
            const QString png = QStringLiteral(QEL_TEST_DATA "/../../src/resources/icon%1.png").arg(size);
            QCOMPARE(pixels(w.window.windowIcon().pixmap(size).toImage()), pixels(QImage(png)));
        }
        QCOMPARE(w.focusName(), u"Picture1"_s);                          // so Enter presses Next at once
        QCOMPARE(w.find("cmdNext")->geometry(), QRect(304, 12, 81, 23)); // edges rounded from twips
        QVERIFY(w.find<QComboBox>("cmbServer")->isEditable() && !w.find<QComboBox>("cmbClient")->isEditable());
        w.platform.answers = {MessageAnswer::Yes};
        w.click("cmdCancel");
        QCOMPARE(w.platform.endCalls, 1);

        w.reachStep(2);
        const QStringList fields{"username that", "password", "server", "CD-Key", "game", "channel the bot", "window"};
        const QStringList inputs{"txtBot_0",  "txtBot_1", "cmbServer", "txtBot_2",
                                 "cmbClient", "txtBot_3", "chkDisplay"};
        for (int i = 0; i < fields.size(); ++i) { // each help button explains its own field, to screen readers too
            w.platform.answers = {MessageAnswer::Ok};
            w.click(u"cmdInfo_%1"_s.arg(i));
            QVERIFY2(w.platform.lastBox().startsWith(u"64 ") && w.platform.lastBox().contains(fields[i]),
                     qPrintable(w.platform.lastBox()));
            QCOMPARE(u"64 "_s + w.find(inputs[i])->accessibleDescription(), w.platform.lastBox());
        }
        QVERIFY(w.find("txtMaster")->accessibleDescription().startsWith(u"The bot master is the owner"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&w.window)->role(), QAccessible::Dialog);
        QStringList read; // a screen reader reads the page from top to bottom, each caption before its input
        QAccessibleInterface* page = QAccessible::queryAccessibleInterface(w.find("fraBody_2"));
        for (int i = 0; i < page->childCount(); ++i)
            read << page->child(i)->object()->objectName();
        QCOMPARE(read.mid(0, 5).join(u' '), u"Label5 lblGlobalCap_3 txtBot_0 cmdInfo_0 lblGlobalCap_2"_s);
        QCOMPARE(read.mid(19).join(u' '), u"lblGlobalCap_8 chkDisplay cmdInfo_6"_s);
        for (const QString& name : inputs) { // the caption that reaches under an input leaves it the mouse
            QWidget* input = w.find(name);
            QWidget* hit = input->parentWidget()->childAt(input->pos() + QPoint(2, input->height() / 2));
            QVERIFY2(hit == input || input->isAncestorOf(hit), qPrintable(name));
        }
        QVERIFY(w.find("txtTrigger")->accessibleDescription().startsWith(u"The bot trigger is the prefix"));
        QStringList visited{"txtBot_0"};
        for (w.find("txtBot_0")->setFocus(); visited.size() < 20; w.play("Tab"))
            visited << w.focusName();
        QCOMPARE(visited.join(u' '), u"txtBot_0 txtBot_0 txtBot_1 cmbServer txtBot_2 cmbClient txtBot_3 chkDisplay "
                                     "cmdInfo_0 cmdInfo_1 cmdInfo_2 cmdInfo_3 cmdInfo_4 cmdInfo_5 cmdInfo_6 Picture1 "
                                     "cmdCancel cmdBack cmdNext txtBot_0"_s);

        const QStringList titles{"Welcome", "Step 1: Global Settings", "Step 2: Bot Information",
                                 "Step 3: Generate Config File", "Finished!"};
        for (int step : {3, 2, 1, 0, 0, 1, 2, 3, 4}) { // Back on the Welcome page changes nothing
            step < w.window.currentStep() || (step == 0 && w.window.currentStep() == 0) ? w.back() : w.next();
            QCOMPARE(w.window.currentStep(), step);
            QCOMPARE(w.text("lblStep"), titles[step]);
            QCOMPARE(w.visiblePage(), step);
            QCOMPARE(w.window.size(), step < 3 ? QSize(481, 335) : QSize(481, 184));
            QCOMPARE(w.find("Frame2")->y(), step < 3 ? 296 : 144);
            QCOMPARE(w.text("cmdNext"), step < 3 ? u"Next >"_s : step == 3 ? u"Generate"_s : u"Done"_s);
            QCOMPARE(w.find("cmdBack")->isEnabled() + w.find("cmdCancel")->isEnabled(), step < 4 ? 2 : 0);
            QCOMPARE(w.text("lblWelcome").count(u"Please click Next to continue."), 1);
        }
        QCOMPARE(w.text("txtBot_0"), u"bot1"_s); // entries kept
        QCOMPARE(w.window.bots().size(), 1);

        w.play(">chkStartBot Space Return"); // Done without starting the bot
        QCOMPARE(w.platform.starts, QStringList());
        QCOMPARE(w.platform.endCalls, 2);
        w.platform.answers = {MessageAnswer::Ok};
        w.play("Space Return"); // Done, with no bot to start: the box names it and gives a reason, then the end
        QVERIFY2(explains(w.platform.lastBox(), w.platform.starts.value(0)), qPrintable(w.platform.lastBox()));
        QCOMPARE(w.platform.endCalls, 3);
    }

    // Every text fits its control in the font the control really gets, Tahoma's stand-in included; a page text
    // that needed a pixel more stays inside its page and clear of the controls beside it.
    void everyTextFitsItsControl() {
        if (QFontInfo(wizard().window.font()).family().isEmpty())
            QSKIP("this platform plugin has no fonts to measure with");
        wizard().reachStep(4); // a page's texts are measured when it first shows
        for (const ControlRow& row : formControls()) {
            QWidget* widget = wizard().find(objectNameOf(row));
            const bool caption = widget->objectName().startsWith(u"lblGlobalCap") || widget->objectName() == u"Label1";
            const QFont font = widget->font();
            QCOMPARE(std::tuple(font.families().value(0), font.pointSizeF(), font.bold()),
                     std::tuple(u"Tahoma"_s, 8.25, caption));
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

    // Enter and Esc in an opened list act on the list: Enter picks the highlighted entry, Esc closes the list.
    void enterAndEscInAnOpenListActOnTheList() {
        WizardDriver& w = wizard();
        w.reachStep(2);
        for (const char* name : {"cmbServer", "cmbClient"}) {
            auto* list = w.find<QComboBox>(name);
            for (const char* keys : {"Down Return", "Up Escape"}) {
                list->showPopup();
                QTRY_VERIFY(list->view()->isVisible());
                w.play(keys);
                QTRY_VERIFY(!list->view()->isVisible());
            }
        }
        QCOMPARE(w.text("cmbServer") + '|' + w.text("cmbClient"), u"uswest.battle.net|WarCraft II BNE"_s);
        QCOMPARE(w.window.currentStep(), 2);
        QCOMPARE(w.platform.boxes, QStringList());
    }

    // From a page's box the focus goes straight into the next page, never past the banner while it shows the old
    // title; the page itself is named after its step, which a screen reader says on entering it.
    void focusGoesStraightToTheNextPage() {
        WizardDriver& w = wizard();
        w.reachStep(1);
        w.play(">txtMaster 'o'");
        QStringList focused;
        const QObject listening; // the connection ends with the test
        connect(qApp, &QApplication::focusChanged, &listening,
                [&focused](QWidget*, QWidget* now) { focused << (now ? now->objectName() : QString()); });
        w.play("Return");
        QCOMPARE(focused, QStringList({"frmMain", "txtBot_0"}));
        QCOMPARE(w.find("fraBody_2")->accessibleName(), u"Step 2: Bot Information"_s);
    }

    // Each separator line shows, whatever the screen's scale (CTest runs this at 125%, 150% and 200% too).
    void separatorLinesShow() {
        WizardDriver& w = wizard();
        w.next(); // Global Settings has both lines
        const QImage image = w.window.grab().toImage();
        for (const char* name : {"Line2", "Line1"}) {
            const QWidget* line = w.find(name);
            const QRectF pixels(QRectF(line->mapTo(&w.window, QPoint()), line->size()).toRect().topLeft() *
                                    image.devicePixelRatio(),
                                QSizeF(line->size()) * image.devicePixelRatio());
            int darkRows = 0;
            for (int y = int(pixels.top()); y < int(std::ceil(pixels.bottom())); ++y)
                darkRows += qGray(image.pixel(int(pixels.center().x()), y)) < 100;
            QVERIFY2(darkRows > 0, name);
        }
    }

    // Which warnings each answer raises, in which order, where the focus goes and whether a bot is captured.
    void warningsAndCapture_data() {
        QTest::addColumn<QString>("globals"); // keys on Global Settings, where the trigger holds "!"
        QTest::addColumn<QString>("bot");     // keys on the bot page, from the username box on
        QTest::addColumn<QString>("warnings");
        QTest::addColumn<QString>("focus"); // set when the wizard stays on Global Settings
        auto row = [](const char* name, QString globals, QString bot, QString warnings, QString focus) {
            QTest::newRow(name) << globals << bot << warnings << focus;
        };
        const QString master = ">txtMaster 'o'", full = "'b' Tab 'p' Tab 'x' Tab 'k-1 2' Tab Down Tab 'h'", none;
        row("no master", "", full, "Please enter a bot master.", "txtMaster");
        row("no trigger", master + " Tab Backspace", full, "Please enter a bot trigger.", "txtTrigger");
        row("neither", ">txtTrigger Backspace", full, "Please enter a bot master.", "txtMaster");
        row("blanks are answers", ">txtMaster ' ' Tab Backspace ' '", "' ' Tab ' ' Tab ' ' Tab ' - ' Tab Down Tab ' '",
            none, none);
        row("empty bot boxes", master, "Tab Tab 'x' Tab Tab Down",
            "Please enter a bot username.|Please enter a bot password.|Please enter a bot CD-Key.|Please enter a bot "
            "home channel.",
            none);
        row("no server, client unasked", master, "'b' Tab 'p' Tab Tab 'k' Tab Tab 'h'",
            "Please enter or choose a server.", none);
        row("no client", master, "'b' Tab 'p' Tab 'x' Tab 'k' Tab Tab 'h'", "Please choose a game client.", none);
        row("all given", master, full, none, none);
    }
    void warningsAndCapture() {
        QFETCH(QString, globals);
        QFETCH(QString, bot);
        QFETCH(QString, warnings);
        QFETCH(QString, focus);
        WizardDriver& w = wizard();
        const QStringList expected = warnings.isEmpty() ? QStringList() : ("48 " + warnings).split(u'|');
        w.platform.answers = QList<MessageAnswer>(expected.size(), MessageAnswer::Ok);
        w.next();
        w.play(globals);
        w.next();
        if (focus.isEmpty()) {
            w.play(">txtBot_0 " + bot);
            w.next();
        }
        QCOMPARE(w.platform.boxes.join(u'|'), expected.join(u"|48 "));
        QCOMPARE(w.window.currentStep(), focus.isEmpty() ? 3 : 1);
        QCOMPARE(w.visiblePage(), w.window.currentStep());
        QCOMPARE(focus.isEmpty() ? focus : w.focusName(), focus);
        // A bot is captured once the wizard moves on with a server and a client, whatever else is missing.
        QCOMPARE(w.window.bots().size(),
                 focus.isEmpty() && !warnings.contains(u"server") && !warnings.contains(u"client"));
    }

    // A Generate that cannot write says why, keeps the Generate page and the old file, and works once the cause is
    // mended: no bot (the one bot's server emptied on going Back), a folder named config.txt, a full disk.
    void generateFailuresKeepTheOldFileAndAllowARetry_data() {
        QTest::addColumn<QString>("fault");
#ifdef Q_OS_WIN
        const char* faults[] = {"no bot", "folder in the way", "read-only"};
#else
        const char* faults[] = {"no bot", "folder in the way", "disk full"}; // root writes into read-only files
#endif
        for (const char* fault : faults)
            QTest::newRow(fault) << QString::fromLatin1(fault);
    }
    void generateFailuresKeepTheOldFileAndAllowARetry() {
        QFETCH(QString, fault);
        WizardDriver& w = wizard();
        const QString path = w.configPath(), old = fault == "folder in the way" ? "" : "old\r\n";
        if (fault == "folder in the way")
            QVERIFY(QDir().mkdir(path));
        else
            writeFile(path, old.toLatin1());
        QVERIFY(fault != "read-only" || QFile::setPermissions(path, QFileDevice::ReadOwner));
        w.reachStep(3);
        w.platform.answers = QList<MessageAnswer>(fault == "no bot" ? 2 : 1, MessageAnswer::Ok);
        if (fault == "no bot") {
            w.back();
            w.play(">cmbServer Backspace");
            w.next(); // Please enter or choose a server
        }
#ifdef Q_OS_UNIX
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{fault == "disk full" ? 200 : saved.rlim_cur, saved.rlim_max}; // files stop growing part way
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
#endif
        w.next(); // Generate
#ifdef Q_OS_UNIX
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
#endif
        QVERIFY2(fault == "no bot" ? w.platform.lastBox() == "48 No bot has been added yet.  Please go Back and enter "
                                                             "at least a server and a game client."
                                   : explains(w.platform.lastBox(), path),
                 qPrintable(w.platform.lastBox()));
        QCOMPARE(w.window.currentStep() + w.visiblePage(), 3 + 3);
        QCOMPARE(readAll(path), old.toLatin1());
        QCOMPARE(QDir(w.folder()).entryList(QDir::Files | QDir::Hidden),
                 QStringList(old.isEmpty() ? 0 : 1, "config.txt"));  // no temporary file left
        QVERIFY(fault != "folder in the way" || QDir().rmdir(path)); // mend the cause and try again
        QVERIFY(fault != "read-only" || QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        if (fault == "no bot") {
            w.back();
            w.play(">cmbServer 'x'");
            w.next();
        }
        w.next();
        QCOMPARE(readAll(path).count("\r\n"), 29 + 12 + 1);
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

#ifdef Q_OS_UNIX
    // A folder whose name is not text cannot be named: Generate says so and nothing is written or started anywhere
    // else, not in the working folder either. Relative and missing folders are refused the same way.
    void unnamableFolderIsNeverReplacedByAnother() {
        WizardDriver& w = wizard();
        QTemporaryDir root, working;
        const QByteArray folder = QFile::encodeName(root.path()) + "/caf\xe9";
        QCOMPARE(mkdir(folder.constData(), 0700), 0);
        QVERIFY(QDir(root.path()).mkdir(u"caf\ufffd"_s)); // what Qt would make of the name, as a real folder
        QDir::setCurrent(working.path());
        QVERIFY(QFile::copy(QEL_FAKE_BOT, "QelBot3.exe"));
        w.reachStep(3);
        w.platform.executable = folder + "/QelWizard";
        w.platform.answers = {MessageAnswer::Ok, MessageAnswer::Ok};
        w.next(); // Generate
        QVERIFY2(explains(w.platform.lastBox(), root.path() + "/caf\ufffd/config.txt"),
                 qPrintable(w.platform.lastBox()));
        QCOMPARE(w.window.currentStep(), 3);
        w.platform.executable.clear(); // Generate where it can, then lose the folder before Done
        w.next();
        w.platform.executable = folder + "/QelWizard";
        w.next(); // Done
        QVERIFY2(explains(w.platform.lastBox(), root.path() + "/caf\ufffd/QelBot3.exe"),
                 qPrintable(w.platform.lastBox()));
        QCOMPARE(w.platform.starts.size() * 10 + w.platform.endCalls, 1);
        QCOMPARE(QDir().entryList(QDir::Files), QStringList{"QelBot3.exe"});
        QCOMPARE(QDir(root.path() + u"/caf\ufffd"_s).entryList(QDir::Files), QStringList());
        for (const char* path : {"QelWizard", "bin/QelWizard", "/no/such/folder/QelWizard"})
            QVERIFY(!folderOfExecutable(path).ok && !folderOfExecutable(path).error.isEmpty());
    }
#endif

#ifdef QEL_WINDOWS_BOT
    // Elsewhere than on Windows, Done starts a Windows QelBot3.exe through Wine, from its folder; without Wine, the
    // box says what the bot is and what starts it.
    void windowsBotStartsThroughWine_data() {
        QTest::addColumn<bool>("wine");
        QTest::newRow("Wine on the path") << true;
        QTest::newRow("no Wine") << false;
    }
    void windowsBotStartsThroughWine() {
        QFETCH(bool, wine);
        if (wine && QStandardPaths::findExecutable("wine").isEmpty())
            QSKIP("Wine is not installed");
        WizardDriver& w = wizard();
        QVERIFY(QFile::copy(QEL_WINDOWS_BOT, w.folder() + "/QelBot3.exe"));
        w.reachStep(4);
        QTemporaryDir noPrograms;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", wine ? path : QFile::encodeName(noPrograms.path()));
        qputenv("WINEPREFIX", QEL_WINE_PREFIX);
        qputenv("WINEDEBUG", "-all");
        w.platform.answers = QList<MessageAnswer>(wine ? 0 : 1, MessageAnswer::Ok);
        w.next(); // Done
        qputenv("PATH", path);
        QCOMPARE(w.platform.endCalls, 1);
        QVERIFY2(wine || (explains(w.platform.lastBox(), w.folder() + "/QelBot3.exe") &&
                          w.platform.lastBox().contains(u"Windows program") && w.platform.lastBox().contains(u"Wine")),
                 qPrintable(w.platform.lastBox()));
        // A first start makes Wine's prefix, which takes a while.
        QTRY_VERIFY_WITH_TIMEOUT(!wine || QFile::exists(w.folder() + "/ran.txt"), 180000);
        const QString ran = QString::fromLocal8Bit(readAll(w.folder() + "/ran.txt")).section(u'\n', 0, 0).trimmed();
        QCOMPARE(ran.mid(2).replace(u'\\', u'/'), wine ? QDir(w.folder()).canonicalPath() : QString()); // Z:\...
    }
#endif
};

QTEST_MAIN(WizardTest)
#include "test_wizard.moc"
