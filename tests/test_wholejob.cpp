// The whole job in the real window: the checks and warnings, bot capture, and config.txt on disk.
#include "wizarddriver.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QListView>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

const QString kTitle = QStringLiteral("Qel Configuration Wizard");

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Golden() {
    return ReadAll(QStringLiteral(QEL_TEST_DATA "/one_bot.txt"));
}

QStringList FileLines(const QString& path) {
    return QString::fromLatin1(ReadAll(path)).split(QStringLiteral("\r\n"));
}

// The bot of the golden file, as a person would type it: the CD-key with its dashes and blanks.
WizardDriver::Bot ExampleBot() {
    return {QStringLiteral("examplebot"),
            QStringLiteral("examplepass"),
            QStringLiteral("useast.battle.net"),
            QStringLiteral("1234-5678 90123"),
            QStringLiteral("StarCraft"),
            QStringLiteral("examplechannel"),
            true};
}

QStringList WarningTexts(const ScriptedPlatform& platform) {
    QStringList texts;
    for (const RecordedBox& box : platform.boxes) {
        if (box.style == 48 && box.title == kTitle)
            texts << box.text;
    }
    return texts;
}

// Presses Tab until the named control has the focus, as a keyboard user would.
void TabTo(WizardDriver& wizard, const QString& name) {
    for (int presses = 0; presses < 60; ++presses) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && (focus->objectName() == name || focus->parentWidget()->objectName() == name))
            return;
        QTest::keyClick(focus ? focus : &wizard.window, Qt::Key_Tab);
    }
    QTest::qFail(qPrintable(QStringLiteral("Tab never reached ") + name), __FILE__, __LINE__);
}

void PressKey(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

} // namespace

class WholeJobTest : public QObject {
    Q_OBJECT

private:
    // Walks to the Generate page with one bot and presses Generate.
    static void GenerateOneBot(WizardDriver& wizard, const WizardDriver::Bot& bot = ExampleBot()) {
        wizard.reachBotPage(QStringLiteral("exampleowner"));
        wizard.fillBot(bot);
        wizard.click(QStringLiteral("cmdNext"));
        wizard.click(QStringLiteral("cmdNext"));
    }

private Q_SLOTS:
    void oneBotByKeyboardGivesTheGoldenFile() {
        WizardDriver wizard;
        PressKey(Qt::Key_Return); // from the banner
        TabTo(wizard, QStringLiteral("txtMaster"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("exampleowner"));
        PressKey(Qt::Key_Return);
        QCOMPARE(wizard.window.CurrentStep, 2);

        const WizardDriver::Bot bot = ExampleBot();
        const QList<std::pair<QString, QString>> typed{{QStringLiteral("txtBot_0"), bot.username},
                                                       {QStringLiteral("txtBot_1"), bot.password},
                                                       {QStringLiteral("cmbServer"), bot.server},
                                                       {QStringLiteral("txtBot_2"), bot.cdKey},
                                                       {QStringLiteral("txtBot_3"), bot.homeChannel}};
        for (const auto& [box, text] : typed) {
            TabTo(wizard, box);
            QTest::keyClicks(QApplication::focusWidget(), text);
        }
        TabTo(wizard, QStringLiteral("cmbClient"));
        PressKey(Qt::Key_Down); // the first entry, StarCraft
        PressKey(Qt::Key_Return);
        QCOMPARE(wizard.window.CurrentStep, 3);
        PressKey(Qt::Key_Return); // Generate
        QCOMPARE(wizard.window.CurrentStep, 4);
        QCOMPARE(ReadAll(wizard.configPath()), Golden());

        TabTo(wizard, QStringLiteral("chkStartBot"));
        PressKey(Qt::Key_Space);
        PressKey(Qt::Key_Return); // Done
        QCOMPARE(wizard.platform.endCalls, 1);
        QVERIFY(wizard.platform.starts.isEmpty());
        QVERIFY(wizard.platform.boxes.isEmpty());
    }

    void oneBotByMouseGivesTheGoldenFile() {
        WizardDriver wizard;
        wizard.click(QStringLiteral("cmdNext"));
        QTest::mouseClick(wizard.edit(QStringLiteral("txtMaster")), Qt::LeftButton);
        QTest::keyClicks(wizard.edit(QStringLiteral("txtMaster")), QStringLiteral("exampleowner"));
        wizard.click(QStringLiteral("cmdNext"));

        const WizardDriver::Bot bot = ExampleBot();
        for (const auto& [box, text] :
             QList<std::pair<QLineEdit*, QString>>{{wizard.edit(QStringLiteral("txtBot_0")), bot.username},
                                                   {wizard.edit(QStringLiteral("txtBot_1")), bot.password},
                                                   {wizard.edit(QStringLiteral("txtBot_2")), bot.cdKey},
                                                   {wizard.edit(QStringLiteral("txtBot_3")), bot.homeChannel}}) {
            QTest::mouseClick(box, Qt::LeftButton);
            QTest::keyClicks(box, text);
        }
        // The server picked from its list, the client too, both with the mouse.
        for (const auto& [name, entry] :
             {std::pair{QStringLiteral("cmbServer"), 0}, {QStringLiteral("cmbClient"), 0}}) {
            QComboBox* combo = wizard.combo(name);
            combo->showPopup();
            QAbstractItemView* list = combo->view();
            QTRY_VERIFY(list->isVisible());
            const QRect item = list->visualRect(list->model()->index(entry, 0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
            QTRY_VERIFY(!list->isVisible());
        }
        wizard.click(QStringLiteral("cmdNext"));
        wizard.click(QStringLiteral("cmdNext"));
        QCOMPARE(ReadAll(wizard.configPath()), Golden());
    }

    void threeBotsWithAddBotAreWrittenInOrder() {
        WizardDriver wizard;
        wizard.reachBotPage();
        for (const QString& name : {QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third")}) {
            if (name != QStringLiteral("first"))
                wizard.click(QStringLiteral("cmdAddBot"));
            wizard.fillBot(WizardDriver::SampleBot(name));
            wizard.click(QStringLiteral("cmdNext"));
        }
        QCOMPARE(wizard.window.BotCount, 3);
        wizard.click(QStringLiteral("cmdNext"));
        const QStringList lines = FileLines(wizard.configPath());
        QCOMPARE(lines.size(), 29 + 3 * 12 + 2); // one empty line, then the empty rest after the last CR LF
        QCOMPARE(lines[29], QStringLiteral("bot first {"));
        QCOMPARE(lines[41], QStringLiteral("bot second {"));
        QCOMPARE(lines[53], QStringLiteral("bot third {"));
        QCOMPARE(lines[55], QStringLiteral("  server\t\tuseast.battle.net"));
        QCOMPARE(lines[57], QStringLiteral("  client\t\tSEXP"));
    }

    // Going Back to the bot page and on again edits that bot's record instead of adding another.
    void backAndNextKeepsOneRecordPerBot_data() {
        QTest::addColumn<QString>("correction");
        QTest::addColumn<QString>("server");
        QTest::addColumn<int>("expectedCount");
        QTest::newRow("corrected username") << QStringLiteral("fixedname") << QStringLiteral("useast.battle.net") << 1;
        QTest::newRow("nothing changed") << QString() << QStringLiteral("useast.battle.net") << 1;
        QTest::newRow("server emptied") << QString() << QString() << 0;
    }
    void backAndNextKeepsOneRecordPerBot() {
        QFETCH(QString, correction);
        QFETCH(QString, server);
        QFETCH(int, expectedCount);
        WizardDriver wizard;
        wizard.reachBotPage();
        wizard.fillBot(WizardDriver::SampleBot(QStringLiteral("typoname")));
        wizard.click(QStringLiteral("cmdNext"));
        QCOMPARE(wizard.window.BotCount, 1);

        wizard.click(QStringLiteral("cmdBack"));
        if (!correction.isEmpty())
            wizard.type(wizard.edit(QStringLiteral("txtBot_0")), correction);
        if (server.isEmpty()) {
            wizard.type(wizard.combo(QStringLiteral("cmbServer"))->lineEdit(), QString());
            wizard.platform.answer(MsgBoxAnswer::Ok);
        }
        wizard.click(QStringLiteral("cmdNext"));
        QCOMPARE(wizard.window.BotCount, expectedCount);
        QCOMPARE(wizard.window.Bots.size(), expectedCount);
        if (expectedCount == 1) {
            const QString name = correction.isEmpty() ? QStringLiteral("typoname") : correction;
            QCOMPARE(wizard.window.Bots[0].Username, name);
            QCOMPARE(wizard.window.Bots[0].Register, name);
        }
    }

    void correctingTheSecondBotLeavesTheFirstAlone() {
        WizardDriver wizard;
        wizard.reachBotPage();
        wizard.fillBot(WizardDriver::SampleBot(QStringLiteral("first")));
        wizard.click(QStringLiteral("cmdNext"));
        wizard.click(QStringLiteral("cmdAddBot"));
        wizard.fillBot(WizardDriver::SampleBot(QStringLiteral("secnod")));
        wizard.click(QStringLiteral("cmdNext"));
        wizard.click(QStringLiteral("cmdBack"));
        wizard.type(wizard.edit(QStringLiteral("txtBot_0")), QStringLiteral("second"));
        wizard.click(QStringLiteral("cmdNext"));
        QCOMPARE(wizard.window.BotCount, 2);
        QCOMPARE(wizard.window.Bots[0].Username, QStringLiteral("first"));
        QCOMPARE(wizard.window.Bots[1].Username, QStringLiteral("second"));
    }

    void emptyBotBoxesWarnInOrderAndStillCapture() {
        WizardDriver wizard;
        wizard.reachBotPage();
        wizard.fillBot({QString(), QString(), QStringLiteral("europe.battle.net"), QString(),
                        QStringLiteral("WarCraft II BNE"), QString(), false});
        for (int i = 0; i < 4; ++i)
            wizard.platform.answer(MsgBoxAnswer::Ok);
        wizard.click(QStringLiteral("cmdNext"));
        QCOMPARE(WarningTexts(wizard.platform), (QStringList{QStringLiteral("Please enter a bot username."),
                                                             QStringLiteral("Please enter a bot password."),
                                                             QStringLiteral("Please enter a bot CD-Key."),
                                                             QStringLiteral("Please enter a bot home channel.")}));
        QCOMPARE(wizard.platform.boxes.size(), 4);
        QVERIFY(!wizard.platform.boxes[0].shownPage); // the warnings open before the Generate page shows
        QCOMPARE(wizard.window.CurrentStep, 3);
        QCOMPARE(wizard.button(QStringLiteral("cmdNext"))->text(), QStringLiteral("Generate"));

        wizard.click(QStringLiteral("cmdNext"));
        const QStringList lines = FileLines(wizard.configPath());
        QCOMPARE(lines[29], QStringLiteral("bot  {"));
        QCOMPARE(lines[30], QStringLiteral("  passwd\t\t"));
        QCOMPARE(lines[31], QStringLiteral("  server\t\teurope.battle.net"));
        QCOMPARE(lines[32], QStringLiteral("  display\t\t0"));
        QCOMPARE(lines[33], QStringLiteral("  client\t\tWAR2"));
        QCOMPARE(lines[38], QStringLiteral("  register\t\t"));
    }

    void blanksAreAnswersAndAreWrittenAsTyped() {
        WizardDriver wizard;
        wizard.click(QStringLiteral("cmdNext"));
        wizard.type(wizard.edit(QStringLiteral("txtMaster")), QStringLiteral("   "));
        wizard.type(wizard.edit(QStringLiteral("txtTrigger")), QStringLiteral(" "));
        wizard.click(QStringLiteral("cmdNext"));
        QCOMPARE(wizard.window.CurrentStep, 2);
        wizard.fillBot({QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" - - "),
                        QStringLiteral("StarCraft"), QStringLiteral(" "), true});
        wizard.click(QStringLiteral("cmdNext"));
        QVERIFY(wizard.platform.boxes.isEmpty()); // a CD-key of blanks and dashes is an answer too
        wizard.click(QStringLiteral("cmdNext"));
        const QStringList lines = FileLines(wizard.configPath());
        QCOMPARE(lines[6], QStringLiteral("  set bot_master    "));
        QCOMPARE(lines[7], QStringLiteral("  set bot_trigger  "));
        QCOMPARE(lines[29], QStringLiteral("bot   {"));
        QCOMPARE(lines[31], QStringLiteral("  server\t\t "));
        QCOMPARE(lines[35], QStringLiteral("  cdkey\t\t"));
        QCOMPARE(lines[37], QStringLiteral("  homechannel\t\t "));
    }

    void cdKeyIsWrittenWithoutBlanksAndDashes() {
        WizardDriver wizard;
        WizardDriver::Bot bot = ExampleBot();
        bot.cdKey = QStringLiteral(" ab12 - CD34-ef56 ");
        GenerateOneBot(wizard, bot);
        QCOMPARE(FileLines(wizard.configPath())[35], QStringLiteral("  cdkey\t\tab12CD34ef56"));
    }

    void warningSequences_data() {
        QTest::addColumn<QString>("master");
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("client");
        QTest::addColumn<QStringList>("warnings");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("bots");
        const QString owner = QStringLiteral("owner");
        const QString bang = QStringLiteral("!");
        const QString east = QStringLiteral("useast.battle.net");
        const QString star = QStringLiteral("StarCraft");
        QTest::newRow("no master") << QString() << bang << east << star
                                   << QStringList{QStringLiteral("Please enter a bot master.")} << 1
                                   << QStringLiteral("txtMaster") << 0;
        QTest::newRow("no trigger") << owner << QString() << east << star
                                    << QStringList{QStringLiteral("Please enter a bot trigger.")} << 1
                                    << QStringLiteral("txtTrigger") << 0;
        QTest::newRow("neither, master first")
            << QString() << QString() << east << star << QStringList{QStringLiteral("Please enter a bot master.")} << 1
            << QStringLiteral("txtMaster") << 0;
        QTest::newRow("no server, client unasked")
            << owner << bang << QString() << QString()
            << QStringList{QStringLiteral("Please enter or choose a server.")} << 3 << QString() << 0;
        QTest::newRow("no client") << owner << bang << east << QString()
                                   << QStringList{QStringLiteral("Please choose a game client.")} << 3 << QString()
                                   << 0;
        QTest::newRow("all given") << owner << bang << east << star << QStringList{} << 3 << QString() << 1;
    }
    void warningSequences() {
        QFETCH(QString, master);
        QFETCH(QString, trigger);
        QFETCH(QString, server);
        QFETCH(QString, client);
        QFETCH(QStringList, warnings);
        QFETCH(int, step);
        QFETCH(QString, focus);
        QFETCH(int, bots);
        WizardDriver wizard;
        for (int i = 0; i < warnings.size(); ++i)
            wizard.platform.answer(MsgBoxAnswer::Ok);
        wizard.click(QStringLiteral("cmdNext"));
        wizard.type(wizard.edit(QStringLiteral("txtMaster")), master);
        wizard.type(wizard.edit(QStringLiteral("txtTrigger")), trigger);
        wizard.click(QStringLiteral("cmdNext"));
        if (step == 3) {
            WizardDriver::Bot bot = WizardDriver::SampleBot();
            bot.server = server;
            bot.client = client;
            wizard.fillBot(bot);
            wizard.click(QStringLiteral("cmdNext"));
        }
        QCOMPARE(WarningTexts(wizard.platform), warnings);
        QCOMPARE(wizard.platform.boxes.size(), warnings.size());
        QCOMPARE(wizard.window.CurrentStep, step);
        QCOMPARE(wizard.text(QStringLiteral("lblStep")), wizard.window.StepTitles[step]);
        QCOMPARE(wizard.visiblePages(), QStringList{QStringLiteral("fraBody_%1").arg(step)});
        QCOMPARE(wizard.window.BotCount, bots);
        if (!focus.isEmpty()) {
            // The page and the focus are in place before the warning opens.
            QCOMPARE(wizard.platform.boxes[0].focus.data(), wizard.find(focus));
            QCOMPARE(wizard.platform.boxes[0].shownPage.data(), wizard.find(QStringLiteral("fraBody_1")));
            QCOMPARE(wizard.button(QStringLiteral("cmdNext"))->text(), QStringLiteral("Next >"));
        }
    }

    void generateWithoutABotWarnsAndWritesNothing() {
        WizardDriver wizard;
        const QByteArray before("an earlier config\r\n");
        {
            QFile old(wizard.configPath());
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(before);
        }
        wizard.reachBotPage();
        for (int i = 0; i < 5; ++i) // the four empty bot boxes, then no server
            wizard.platform.answer(MsgBoxAnswer::Ok);
        wizard.click(QStringLiteral("cmdNext"));
        QCOMPARE(wizard.window.BotCount, 0);
        wizard.platform.answer(MsgBoxAnswer::Ok);
        wizard.click(QStringLiteral("cmdNext")); // Generate
        QCOMPARE(wizard.platform.boxes.last().text,
                 QStringLiteral("No bot has been added yet.  Please go Back and enter at least a server and a game "
                                "client."));
        QCOMPARE(wizard.platform.boxes.last().style, 48);
        QCOMPARE(wizard.window.CurrentStep, 3);
        QCOMPARE(wizard.text(QStringLiteral("lblStep")), QStringLiteral("Step 3: Generate Config File"));
        QCOMPARE(wizard.visiblePages(), QStringList{QStringLiteral("fraBody_3")});
        QCOMPARE(wizard.button(QStringLiteral("cmdNext"))->text(), QStringLiteral("Generate"));
        QVERIFY(wizard.button(QStringLiteral("cmdBack"))->isEnabled());
        QCOMPARE(ReadAll(wizard.configPath()), before);
    }

    void fileGoesBesideTheExecutableNotTheWorkingFolder() {
        WizardDriver wizard;
        QTemporaryDir elsewhere;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(elsewhere.path());
        GenerateOneBot(wizard);
        QDir::setCurrent(previous);
        QCOMPARE(ReadAll(wizard.configPath()), Golden());
        QVERIFY(!QFile::exists(elsewhere.filePath(QStringLiteral("config.txt"))));
    }

    void longerExistingFileIsReplacedWhole() {
        WizardDriver wizard;
        {
            QFile old(wizard.configPath());
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(20000, '#'));
        }
        GenerateOneBot(wizard);
        QCOMPARE(ReadAll(wizard.configPath()), Golden());
    }

    // A failed write is reported, keeps the Generate page and the old file, and a retry writes one document.
    void writeFailuresKeepTheOldFileAndAllowARetry_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("folder missing") << QStringLiteral("missing");
        QTest::newRow("config.txt is a folder") << QStringLiteral("directory");
#ifdef Q_OS_UNIX
        QTest::newRow("disk full mid-write") << QStringLiteral("full");
#endif
    }
    void writeFailuresKeepTheOldFileAndAllowARetry() {
        QFETCH(QString, fault);
        WizardDriver wizard;
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("bin"));
        wizard.platform.setExecutableFolder(folder);
        const QString path = folder + QStringLiteral("/config.txt");
        const QByteArray before("old\r\n");
        if (fault != QStringLiteral("missing")) {
            QVERIFY(QDir().mkpath(folder));
            if (fault == QStringLiteral("directory")) {
                QVERIFY(QDir().mkpath(path));
            } else {
                QFile old(path);
                QVERIFY(old.open(QIODevice::WriteOnly));
                old.write(before);
            }
        }

        wizard.reachBotPage(QStringLiteral("exampleowner"));
        wizard.fillBot(ExampleBot());
        wizard.click(QStringLiteral("cmdNext"));
        wizard.platform.answer(MsgBoxAnswer::Ok);
#ifdef Q_OS_UNIX
        rlimit saved{};
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved);
        if (fault == QStringLiteral("full")) {
            rlimit small = saved;
            small.rlim_cur = 200;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        }
#endif
        wizard.click(QStringLiteral("cmdNext")); // Generate
#ifdef Q_OS_UNIX
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
#endif

        QCOMPARE(wizard.platform.boxes.size(), 1);
        const RecordedBox& box = wizard.platform.boxes[0];
        QCOMPARE(box.style, 16);
        QCOMPARE(box.title, kTitle);
        QVERIFY2(box.text.contains(QDir::toNativeSeparators(path)), qPrintable(box.text));
        QCOMPARE(wizard.window.CurrentStep, 3);
        QCOMPARE(wizard.visiblePages(), QStringList{QStringLiteral("fraBody_3")});
        QCOMPARE(wizard.button(QStringLiteral("cmdNext"))->text(), QStringLiteral("Generate"));
        if (fault == QStringLiteral("full")) {
            QCOMPARE(ReadAll(path), before);
            QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                     QStringList{QStringLiteral("config.txt")});
        } else if (fault == QStringLiteral("directory")) {
            QVERIFY(QFileInfo(path).isDir());
            QVERIFY(QDir().rmdir(path));
        } else {
            QVERIFY(!QFileInfo::exists(folder));
            QVERIFY(QDir().mkpath(folder));
        }

        wizard.click(QStringLiteral("cmdNext")); // Generate again, the cause fixed
        QCOMPARE(wizard.window.CurrentStep, 4);
        QCOMPARE(ReadAll(path), Golden());
    }

    // Text with line breaks pasted into every box cannot add a line to config.txt or break one.
    void pastedLineBreaksCannotAddLines_data() {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("LF") << QStringLiteral("x\ny");
        QTest::newRow("CR") << QStringLiteral("x\ry");
        QTest::newRow("CR LF") << QStringLiteral("x\r\ny");
    }
    void pastedLineBreaksCannotAddLines() {
        QFETCH(QString, pasted);
        WizardDriver wizard;
        QGuiApplication::clipboard()->setText(pasted);
        auto paste = [&](QWidget* box) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        };
        wizard.click(QStringLiteral("cmdNext"));
        paste(wizard.edit(QStringLiteral("txtMaster")));
        paste(wizard.edit(QStringLiteral("txtTrigger")));
        wizard.click(QStringLiteral("cmdNext"));
        QCOMPARE(wizard.window.CurrentStep, 2);
        wizard.combo(QStringLiteral("cmbClient"))->setCurrentIndex(0);
        for (int i = 0; i < 4; ++i)
            paste(wizard.edit(QStringLiteral("txtBot_%1").arg(i)));
        paste(wizard.combo(QStringLiteral("cmbServer"))->lineEdit());
        wizard.click(QStringLiteral("cmdNext"));
        wizard.click(QStringLiteral("cmdNext"));
        QCOMPARE(wizard.window.CurrentStep, 4);

        const QByteArray file = ReadAll(wizard.configPath());
        QCOMPARE(file.count('\n'), 29 + 12 + 1);
        QCOMPARE(file.count('\r'), 29 + 12 + 1);
        const QStringList lines = FileLines(wizard.configPath());
        QVERIFY2(lines[6].startsWith(QStringLiteral("  set bot_master x")), qPrintable(lines[6]));
        QVERIFY2(lines[29].startsWith(QStringLiteral("bot x")) && lines[29].endsWith(QStringLiteral(" {")),
                 qPrintable(lines[29]));
        QCOMPARE(lines[40], QStringLiteral("}"));
    }
};

QTEST_MAIN(WholeJobTest)
#include "test_wholejob.moc"
