// config.txt: its exact text, its 8-bit bytes, and safe writing when the disk or the folder fails.
#include "config/codepage.h"
#include "config/configformat.h"
#include "config/configwriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

BotRecord ExampleBot() {
    BotRecord bot;
    bot.Username = QStringLiteral("examplebot");
    bot.Password = QStringLiteral("examplepass");
    bot.Server = QStringLiteral("useast.battle.net");
    bot.Display = kTrue;
    AssignClient(bot, QStringLiteral("STAR"));
    bot.CommandSet = QStringLiteral("default");
    bot.CDKey = QStringLiteral("1234567890123");
    bot.HomeChannel = QStringLiteral("examplechannel");
    bot.Register = bot.Username;
    return bot;
}

QString Document(const QList<BotRecord>& bots, const QString& master = QStringLiteral("exampleowner"),
                 const QString& trigger = QStringLiteral("!")) {
    QString text;
    GenerateConfig(text, master, trigger, bots);
    return text;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Golden() {
    return ReadAll(QStringLiteral(QEL_TEST_DATA "/one_bot.txt"));
}

} // namespace

class ConfigTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void workedExampleIsWrittenByteForByte() {
        QTemporaryDir folder;
        const WriteResult result = WriteConfigFile(Document({ExampleBot()}), folder.path());
        QVERIFY2(result.ok, qPrintable(result.error));
        const QByteArray golden = Golden();
        QVERIFY(golden.endsWith("}\r\n\r\n"));
        QCOMPARE(ReadAll(folder.filePath(QStringLiteral("config.txt"))), golden);
    }

    void documentHasAHeadAndTwelveLinesPerBot_data() {
        QTest::addColumn<int>("bots");
        QTest::newRow("none") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("three") << 3;
    }
    void documentHasAHeadAndTwelveLinesPerBot() {
        QFETCH(int, bots);
        const QString text = Document(QList<BotRecord>(bots, ExampleBot()));
        QVERIFY(text.endsWith(QLatin1Char('\n')));
        const QStringList lines = text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 29 + 12 * bots + 1);
        QCOMPARE(lines[28], QStringLiteral("}"));
        for (int i = 0; i < bots; ++i) {
            QCOMPARE(lines[29 + 12 * i], QStringLiteral("bot examplebot {")); // each block right after the last "}"
            QCOMPARE(lines[40 + 12 * i], QStringLiteral("}"));
        }
    }

    void botsAreWrittenInCaptureOrder() {
        BotRecord second = ExampleBot();
        second.Username = QStringLiteral("second");
        const QStringList lines = Document({ExampleBot(), second}).split(QLatin1Char('\n'));
        QCOMPARE(lines[29], QStringLiteral("bot examplebot {"));
        QCOMPARE(lines[41], QStringLiteral("bot second {"));
    }

    void valuesAreWrittenExactlyAsTheyStand_data() {
        QTest::addColumn<QString>("master");
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("username");
        QTest::addColumn<bool>("display");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("expected");
        const QString owner = QStringLiteral("exampleowner");
        const QString bang = QStringLiteral("!");
        const QString bot = QStringLiteral("examplebot");
        QTest::newRow("master with spaces") << QStringLiteral(" my  owner ") << bang << bot << true << 6
                                            << QStringLiteral("  set bot_master  my  owner ");
        QTest::newRow("blank trigger") << owner << QStringLiteral(" ") << bot << true << 7
                                       << QStringLiteral("  set bot_trigger  ");
        QTest::newRow("empty username header") << owner << bang << QString() << true << 29 << QStringLiteral("bot  {");
        QTest::newRow("display off") << owner << bang << bot << false << 32 << QStringLiteral("  display\t\t0");
        QTest::newRow("display on") << owner << bang << bot << true << 32 << QStringLiteral("  display\t\t1");
    }
    void valuesAreWrittenExactlyAsTheyStand() {
        QFETCH(QString, master);
        QFETCH(QString, trigger);
        QFETCH(QString, username);
        QFETCH(bool, display);
        QFETCH(int, line);
        QFETCH(QString, expected);
        BotRecord bot = ExampleBot();
        bot.Username = username;
        bot.Display = display ? kTrue : kFalse;
        QCOMPARE(Document({bot}, master, trigger).split(QLatin1Char('\n'))[line], expected);
    }

    void emptyValuesEndTheirLineAfterTheTwoTabs() {
        BotRecord bot;
        AssignClient(bot, QStringLiteral("WAR2"));
        const QStringList lines = Document({bot}).split(QLatin1Char('\n'));
        QCOMPARE(lines[30], QStringLiteral("  passwd\t\t"));
        QCOMPARE(lines[31], QStringLiteral("  server\t\t"));
        QCOMPARE(lines[33], QStringLiteral("  client\t\tWAR2"));
        QCOMPARE(lines[34], QStringLiteral("  commandset\t\tdefault"));
        QCOMPARE(lines[35], QStringLiteral("  cdkey\t\t"));
        QCOMPARE(lines[36], QStringLiteral("  spawn\t\t0"));
        QCOMPARE(lines[37], QStringLiteral("  homechannel\t\t"));
        QCOMPARE(lines[38], QStringLiteral("  register\t\t"));
    }

    void lineBreaksInsideValuesCannotAddLines_data() {
        QTest::addColumn<QString>("breakText");
        QTest::newRow("LF") << QStringLiteral("\n");
        QTest::newRow("CR") << QStringLiteral("\r");
        QTest::newRow("CR LF") << QStringLiteral("\r\n");
        QTest::newRow("LF LF") << QStringLiteral("\n\n");
    }
    void lineBreaksInsideValuesCannotAddLines() {
        QFETCH(QString, breakText);
        const QString value = QStringLiteral("a") + breakText + QStringLiteral("b");
        BotRecord bot = ExampleBot();
        for (QString* field : {&bot.Username, &bot.Password, &bot.Server, &bot.CDKey, &bot.HomeChannel, &bot.Register})
            *field = value;
        QTemporaryDir folder;
        QVERIFY(WriteConfigFile(Document({bot}, value, value), folder.path()).ok);
        const QByteArray file = ReadAll(folder.filePath(QStringLiteral("config.txt")));
        QCOMPARE(file.count("\r\n"), 42);
        QCOMPARE(file.count('\r'), 42);
        QCOMPARE(file.count('\n'), 42);
        const QByteArray flattened = breakText == QStringLiteral("\n\n") ? "a  b" : "a b";
        QVERIFY(file.contains("  set bot_master " + flattened + "\r\n"));
        QVERIFY(file.contains("bot " + flattened + " {\r\n"));
        QVERIFY(file.contains("  homechannel\t\t" + flattened + "\r\n"));
    }

    void eachCodePointBecomesOneByte_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ASCII") << QStringLiteral("Bot 1!") << QByteArray("Bot 1!");
        QTest::newRow("e acute") << QStringLiteral("caf\u00e9") << QByteArray("caf\xe9");
        QTest::newRow("euro") << QStringLiteral("\u20ac5")
                              << QByteArray("\x80"
                                            "5");
        QTest::newRow("curly quotes, dashes")
            << QStringLiteral("\u201cx\u201d\u2013\u2014") << QByteArray("\x93x\x94\x96\x97");
        QTest::newRow("y diaeresis") << QStringLiteral("\u00ff\u0178") << QByteArray("\xff\x9f");
        QTest::newRow("CJK") << QStringLiteral("a\u4e2db") << QByteArray("a?b");
        QTest::newRow("emoji is one code point") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
        QTest::newRow("two emoji") << QStringLiteral("\U0001F600\U0001F680") << QByteArray("??");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
        QTest::newRow("C1 control with no glyph") << QStringLiteral("\u0085") << QByteArray("?");
        QTest::newRow("undefined byte kept as Windows does") << QStringLiteral("\u0081") << QByteArray("\x81");
        QTest::newRow("Greek") << QStringLiteral("\u03a9") << QByteArray("?");
    }
    void eachCodePointBecomesOneByte() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(EncodeWindows1252(text), bytes);
    }

    void longerExistingFileIsReplacedWhole() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("config.txt"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(10000, 'x'));
        old.close();
        QVERIFY(WriteConfigFile(Document({ExampleBot()}), folder.path()).ok);
        QCOMPARE(ReadAll(path), Golden());
    }

    void missingFolderIsReported() {
        QTemporaryDir folder;
        const QString missing = folder.filePath(QStringLiteral("gone"));
        const WriteResult result = WriteConfigFile(Document({ExampleBot()}), missing);
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
        QCOMPARE(result.path, QDir::toNativeSeparators(missing + QStringLiteral("/config.txt")));
        QVERIFY(!QFileInfo::exists(missing));
    }

    void folderInPlaceOfTheFileIsReportedAndKept() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("config.txt")));
        const WriteResult result = WriteConfigFile(Document({ExampleBot()}), folder.path());
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("config.txt"))).isDir());
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 1);
    }

#ifdef Q_OS_UNIX
    void fullDiskKeepsTheOldFileAndLeavesNoTemporaryFile() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("config.txt"));
        const QByteArray before("old config\r\n");
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(before);
        }
        // Files may not grow past 100 bytes: the write fails part way, as on a full disk.
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 100;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const WriteResult result = WriteConfigFile(Document({ExampleBot()}), folder.path());
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
        QCOMPARE(ReadAll(path), before);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("config.txt")});
    }

    void newFileIsPrivateAndAReplacedOneKeepsItsPermissions() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("config.txt"));
        QVERIFY(WriteConfigFile(Document({ExampleBot()}), folder.path()).ok);
        const QFileDevice::Permissions groupAndOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                        QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                        QFileDevice::WriteOther | QFileDevice::ExeOther;
        QCOMPARE(QFile::permissions(path) & groupAndOthers, QFileDevice::Permissions());
        QCOMPARE(QFile::permissions(path) & (QFileDevice::ReadOwner | QFileDevice::WriteOwner),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        const QFileDevice::Permissions shared = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ReadUser | QFileDevice::WriteUser |
                                                QFileDevice::ReadGroup | QFileDevice::ReadOther;
        QVERIFY(QFile::setPermissions(path, shared));
        QVERIFY(WriteConfigFile(Document({ExampleBot()}), folder.path()).ok);
        QCOMPARE(QFile::permissions(path), shared);
    }
#endif
};

QTEST_APPLESS_MAIN(ConfigTest)
#include "test_config.moc"
