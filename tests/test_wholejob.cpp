// The whole job in the real window: the checks and warnings, bot capture, and config.txt on disk.
#include "wizarddriver.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QDir>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

QStringList FileLines(const WizardDriver& wizard) {
    return QString::fromLatin1(ReadAll(wizard.configPath())).split(u"\r\n"_s);
}

QStringList Warnings(const ScriptedPlatform& platform) {
    QStringList texts;
    for (const RecordedBox& box : platform.boxes) {
        if (box.style == 48 && box.title == u"Qel Configuration Wizard"_s)
            texts << box.text;
    }
    return texts;
}

// Presses Tab until the named control has the focus, as a keyboard user would.
void TabTo(WizardDriver& wizard, const QString& name) {
    for (int presses = 0; presses < 40; ++presses) {
        QWidget* focus = QApplication::focusWidget();
        if (focus->objectName() == name || focus->parentWidget()->objectName() == name)
            return;
        wizard.key(Qt::Key_Tab);
    }
    QTest::qFail(qPrintable(u"Tab never reached "_s + name), __FILE__, __LINE__);
}

} // namespace

class WholeJobTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void oneBotByKeyboardGivesTheGoldenFile() {
        WizardDriver wizard;
        wizard.key(Qt::Key_Return);
        const WizardDriver::Bot bot = WizardDriver::ExampleBot();
        for (const auto& [box, text] : QList<std::pair<QString, QString>>{{u"txtMaster"_s, u"exampleowner"_s},
                                                                          {u"txtBot_0"_s, bot.username},
                                                                          {u"txtBot_1"_s, bot.password},
                                                                          {u"cmbServer"_s, bot.server},
                                                                          {u"txtBot_2"_s, bot.cdKey},
                                                                          {u"txtBot_3"_s, bot.homeChannel}}) {
            TabTo(wizard, box);
            QTest::keyClicks(QApplication::focusWidget(), text);
            if (box == u"txtMaster"_s)
                wizard.key(Qt::Key_Return);
        }
        TabTo(wizard, u"cmbClient"_s);
        wizard.key(Qt::Key_Down); // the first entry, StarCraft
        wizard.key(Qt::Key_Return);
        wizard.key(Qt::Key_Return); // Generate
        QCOMPARE(wizard.window.currentStep(), 4);
        QCOMPARE(ReadAll(wizard.configPath()), Golden());

        TabTo(wizard, u"chkStartBot"_s);
        wizard.key(Qt::Key_Space);
        wizard.key(Qt::Key_Return); // Done
        QCOMPARE(wizard.platform.endCalls, 1);
        QVERIFY(wizard.platform.starts.isEmpty());
        QVERIFY(wizard.platform.boxes.isEmpty());
    }

    void oneBotByMouseGivesTheGoldenFile() {
        WizardDriver wizard;
        const WizardDriver::Bot bot = WizardDriver::ExampleBot();
        wizard.next();
        for (const auto& [box, text] : QList<std::pair<QString, QString>>{{u"txtMaster"_s, u"exampleowner"_s},
                                                                          {u"txtBot_0"_s, bot.username},
                                                                          {u"txtBot_1"_s, bot.password},
                                                                          {u"txtBot_2"_s, bot.cdKey},
                                                                          {u"txtBot_3"_s, bot.homeChannel}}) {
            QTest::mouseClick(wizard.edit(box), Qt::LeftButton);
            QTest::keyClicks(wizard.edit(box), text);
            if (box == u"txtMaster"_s)
                wizard.next();
        }
        for (const QString& name : {u"cmbServer"_s, u"cmbClient"_s}) { // the first entry of each list
            wizard.combo(name)->showPopup();
            QAbstractItemView* list = wizard.combo(name)->view();
            QTRY_VERIFY(list->isVisible());
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualRect(list->model()->index(0, 0)).center());
            QTRY_VERIFY(!list->isVisible());
        }
        wizard.next();
        wizard.next();
        QCOMPARE(ReadAll(wizard.configPath()), Golden());
    }

    void threeBotsWithAddBotAreWrittenInOrder() {
        WizardDriver wizard;
        wizard.reachBotPage();
        for (const QString& name : {u"first"_s, u"second"_s, u"third"_s}) {
            if (name != u"first"_s)
                wizard.click(u"cmdAddBot"_s);
            wizard.fillBot(WizardDriver::SampleBot(name));
            wizard.next();
        }
        wizard.next();
        const QStringList lines = FileLines(wizard);
        QCOMPARE(lines.size(), 29 + 3 * 12 + 2); // the empty last line, then nothing after its CR LF
        QCOMPARE(lines[29] + lines[41] + lines[53], u"bot first {bot second {bot third {"_s);
        QCOMPARE(lines[57], u"  client\t\tSEXP"_s);
    }

    // Back to the bot page and on again edits that bot's record; Add Bot starts another.
    void eachBotOnThePageKeepsOneRecord_data() {
        QTest::addColumn<bool>("secondBot");
        QTest::addColumn<QString>("username");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("corrected") << false << u"fixed"_s << u"useast.battle.net"_s << QStringList{u"fixed"_s};
        QTest::newRow("nothing changed") << false << QString() << u"useast.battle.net"_s << QStringList{u"typo"_s};
        QTest::newRow("server emptied") << false << QString() << QString() << QStringList{};
        QTest::newRow("second corrected")
            << true << u"fixed"_s << u"useast.battle.net"_s << QStringList{u"first"_s, u"fixed"_s};
    }
    void eachBotOnThePageKeepsOneRecord() {
        QFETCH(bool, secondBot);
        QFETCH(QString, username);
        QFETCH(QString, server);
        QFETCH(QStringList, expected);
        WizardDriver wizard;
        wizard.reachBotPage();
        if (secondBot) {
            wizard.fillBot(WizardDriver::SampleBot(u"first"_s));
            wizard.next();
            wizard.click(u"cmdAddBot"_s);
        }
        wizard.fillBot(WizardDriver::SampleBot(u"typo"_s));
        wizard.next();
        wizard.back();
        if (!username.isEmpty())
            wizard.type(u"txtBot_0"_s, username);
        if (server.isEmpty()) {
            wizard.type(u"cmbServer"_s, server);
            wizard.ok();
        }
        wizard.next();
        QStringList names;
        for (const BotRecord& bot : wizard.window.bots())
            names << bot.registerName;
        QCOMPARE(names, expected);
        QCOMPARE(wizard.window.bots().size(), expected.size());
    }

    void emptyBotBoxesWarnInOrderAndStillCapture() {
        WizardDriver wizard;
        wizard.reachBotPage();
        wizard.fillBot(
            {QString(), QString(), u"europe.battle.net"_s, QString(), u"WarCraft II BNE"_s, QString(), false});
        wizard.ok(4);
        wizard.next();
        QCOMPARE(Warnings(wizard.platform),
                 (QStringList{u"Please enter a bot username."_s, u"Please enter a bot password."_s,
                              u"Please enter a bot CD-Key."_s, u"Please enter a bot home channel."_s}));
        QVERIFY(!wizard.platform.boxes[0].shownPage); // they open before the Generate page shows
        QCOMPARE(wizard.window.currentStep(), 3);
        QCOMPARE(wizard.nextCaption(), u"Generate"_s);
        wizard.next();
        const QStringList lines = FileLines(wizard);
        QCOMPARE(lines[29], u"bot  {"_s);
        QCOMPARE(lines[31] + lines[32] + lines[33], u"  server\t\teurope.battle.net  display\t\t0  client\t\tWAR2"_s);
        QCOMPARE(lines[38], u"  register\t\t"_s);
    }

    void blanksAreAnswersAndAreWrittenAsTyped() {
        WizardDriver wizard;
        wizard.next();
        wizard.type(u"txtMaster"_s, u"   "_s);
        wizard.type(u"txtTrigger"_s, u" "_s);
        wizard.next();
        wizard.fillBot({u" "_s, u" "_s, u" "_s, u" - - "_s, u"StarCraft"_s, u" "_s, true});
        wizard.next();
        wizard.next();
        QVERIFY(wizard.platform.boxes.isEmpty()); // no warning: blanks, and a CD-key of dashes, are answers
        const QStringList lines = FileLines(wizard);
        QCOMPARE(lines[6], u"  set bot_master    "_s);
        QCOMPARE(lines[7], u"  set bot_trigger  "_s);
        QCOMPARE(lines[29], u"bot   {"_s);
        QCOMPARE(lines[35], u"  cdkey\t\t"_s);
    }

    void warningSequences_data() {
        QTest::addColumn<QString>("master");
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("client");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("bots");
        const QString east = u"useast.battle.net"_s, star = u"StarCraft"_s;
        QTest::newRow("no master") << QString() << u"!"_s << east << star << u"Please enter a bot master."_s
                                   << u"txtMaster"_s << 0;
        QTest::newRow("no trigger") << u"o"_s << QString() << east << star << u"Please enter a bot trigger."_s
                                    << u"txtTrigger"_s << 0;
        QTest::newRow("neither: master only")
            << QString() << QString() << east << star << u"Please enter a bot master."_s << u"txtMaster"_s << 0;
        QTest::newRow("no server: client unasked")
            << u"o"_s << u"!"_s << QString() << QString() << u"Please enter or choose a server."_s << QString() << 0;
        QTest::newRow("no client") << u"o"_s << u"!"_s << east << QString() << u"Please choose a game client."_s
                                   << QString() << 0;
        QTest::newRow("all given") << u"o"_s << u"!"_s << east << star << QString() << QString() << 1;
    }
    void warningSequences() {
        QFETCH(QString, master);
        QFETCH(QString, trigger);
        QFETCH(QString, server);
        QFETCH(QString, client);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        QFETCH(int, bots);
        WizardDriver wizard;
        wizard.ok(warning.isEmpty() ? 0 : 1);
        wizard.next();
        wizard.type(u"txtMaster"_s, master);
        wizard.type(u"txtTrigger"_s, trigger);
        wizard.next();
        const int step = focus.isEmpty() ? 3 : 1;
        if (step == 3) {
            WizardDriver::Bot bot = WizardDriver::SampleBot();
            bot.server = server;
            bot.client = client;
            wizard.fillBot(bot);
            wizard.next();
        }
        QCOMPARE(Warnings(wizard.platform), warning.isEmpty() ? QStringList() : QStringList{warning});
        QCOMPARE(wizard.platform.boxes.size(), warning.isEmpty() ? 0 : 1);
        QCOMPARE(wizard.window.currentStep(), step);
        QCOMPARE(wizard.text(u"lblStep"_s),
                 step == 1 ? u"Step 1: Global Settings"_s : u"Step 3: Generate Config File"_s);
        QCOMPARE(wizard.visiblePages(), QStringList{u"fraBody_%1"_s.arg(step)});
        QCOMPARE(wizard.window.bots().size(), bots);
        if (step == 1) { // the page and the focus are in place before the warning opens
            QCOMPARE(wizard.platform.boxes[0].focus.data(), wizard.find(focus));
            QCOMPARE(wizard.platform.boxes[0].shownPage.data(), wizard.find(u"fraBody_1"_s));
        }
    }

    void generateWithoutABotWarnsAndWritesNothing() {
        WizardDriver wizard;
        QFile old(wizard.configPath());
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("earlier\r\n") == 9);
        old.close();
        wizard.reachBotPage();
        wizard.ok(5); // the four empty bot boxes and the server
        wizard.next();
        wizard.ok();
        wizard.next(); // Generate
        QCOMPARE(wizard.platform.boxes.last().text,
                 u"No bot has been added yet.  Please go Back and enter at least a server and a game client."_s);
        QCOMPARE(wizard.platform.boxes.last().style, 48);
        QCOMPARE(wizard.window.currentStep(), 3);
        QCOMPARE(wizard.text(u"lblStep"_s), u"Step 3: Generate Config File"_s);
        QCOMPARE(wizard.visiblePages(), QStringList{u"fraBody_3"_s});
        QCOMPARE(wizard.nextCaption(), u"Generate"_s);
        QCOMPARE(ReadAll(wizard.configPath()), QByteArray("earlier\r\n"));
    }

    void longerFileBesideTheExecutableIsReplacedWhateverTheWorkingFolder() {
        WizardDriver wizard;
        QFile old(wizard.configPath());
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(20000, '#')) == 20000);
        old.close();
        QTemporaryDir elsewhere;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(elsewhere.path());
        wizard.generate();
        QDir::setCurrent(previous);
        QCOMPARE(ReadAll(wizard.configPath()), Golden());
        QVERIFY(!QFile::exists(elsewhere.filePath(u"config.txt"_s)));
    }

    // A failed write is reported, keeps the Generate page and the old file, and a retry writes one document.
    void writeFailuresKeepTheOldFileAndAllowARetry_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("folder missing") << u"missing"_s;
        QTest::newRow("config.txt is a folder") << u"folder"_s;
#ifdef Q_OS_UNIX
        QTest::newRow("disk full mid-write") << u"full"_s;
#endif
    }
    void writeFailuresKeepTheOldFileAndAllowARetry() {
        QFETCH(QString, fault);
        WizardDriver wizard;
        QTemporaryDir root;
        const QString folder = root.filePath(u"bin"_s), path = folder + u"/config.txt"_s;
        wizard.platform.setExecutableFolder(folder);
        QVERIFY(fault == u"missing"_s || QDir().mkpath(fault == u"folder"_s ? path : folder));
        if (fault == u"full"_s) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old\r\n") == 5);
        }
        wizard.reachBotPage(u"exampleowner"_s);
        wizard.fillBot(WizardDriver::ExampleBot());
        wizard.next();
        wizard.ok();
#ifdef Q_OS_UNIX
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = fault == u"full"_s ? 200 : saved.rlim_cur; // files stop growing part way
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
#endif
        wizard.next(); // Generate
#ifdef Q_OS_UNIX
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
#endif
        QCOMPARE(wizard.platform.boxes.size(), 1);
        const RecordedBox& box = wizard.platform.boxes[0];
        QCOMPARE(box.style, 16);
        QCOMPARE(box.title, u"Qel Configuration Wizard"_s);
        QVERIFY2(box.text.contains(QDir::toNativeSeparators(path)), qPrintable(box.text));
        QCOMPARE(wizard.window.currentStep(), 3);
        QCOMPARE(wizard.visiblePages(), QStringList{u"fraBody_3"_s});
        QCOMPARE(wizard.nextCaption(), u"Generate"_s);
        if (fault == u"full"_s) {
            QCOMPARE(ReadAll(path), QByteArray("old\r\n"));
            QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                     QStringList{u"config.txt"_s}); // no temporary file left
        }
        QVERIFY(fault == u"full"_s || QFileInfo(path).isDir() == (fault == u"folder"_s));
        QVERIFY(fault != u"folder"_s || QDir().rmdir(path)); // mend the cause and try again
        QVERIFY(fault != u"missing"_s || QDir().mkpath(folder));
        wizard.next();
        QCOMPARE(wizard.window.currentStep(), 4);
        QCOMPARE(ReadAll(path), Golden());
    }

    // Text with line breaks pasted into every box cannot add a line to config.txt or break one.
    void pastedLineBreaksCannotAddLines_data() {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("LF") << u"x\ny"_s;
        QTest::newRow("CR") << u"x\ry"_s;
        QTest::newRow("CR LF") << u"x\r\ny"_s;
    }
    void pastedLineBreaksCannotAddLines() {
        QFETCH(QString, pasted);
        WizardDriver wizard;
        QGuiApplication::clipboard()->setText(pasted);
        auto paste = [&](const QString& name) {
            QComboBox* combo = wizard.window.findChild<QComboBox*>(name);
            QWidget* box = combo ? static_cast<QWidget*>(combo->lineEdit()) : wizard.find(name);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        };
        wizard.next();
        paste(u"txtMaster"_s);
        paste(u"txtTrigger"_s);
        wizard.next();
        wizard.combo(u"cmbClient"_s)->setCurrentIndex(0);
        for (const QString& box : {u"txtBot_0"_s, u"txtBot_1"_s, u"cmbServer"_s, u"txtBot_2"_s, u"txtBot_3"_s})
            paste(box);
        wizard.next();
        wizard.next();
        QCOMPARE(wizard.window.currentStep(), 4);
        const QByteArray file = ReadAll(wizard.configPath());
        QCOMPARE(file.count('\n'), 29 + 12 + 1);
        QCOMPARE(file.count('\r'), 29 + 12 + 1);
        const QStringList lines = FileLines(wizard);
        QVERIFY2(lines[6].startsWith(u"  set bot_master x"_s), qPrintable(lines[6]));
        QVERIFY2(lines[29].startsWith(u"bot x"_s), qPrintable(lines[29]));
    }
};

QTEST_MAIN(WholeJobTest)
#include "test_wholejob.moc"
