// The values of a bot, the text of config.txt, its 8-bit bytes and the permissions of the file.
#include "bots/botrecord.h"
#include "config/configformat.h"
#include "config/configwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>

#include <thread>
#endif
#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

using namespace Qt::Literals::StringLiterals;

class ConfigTest : public QObject {
    Q_OBJECT

    inline static const QList<BotRecord> kOneBot{{"b", "p", "s", true, "STAR", "k", "h", "b"}};

    static Outcome writeBytes(const QByteArray& bytes, const QString& folder) {
        ConfigFile file(folder);
        file.write(bytes);
        return file.commit();
    }

#ifdef Q_OS_UNIX
    // Files stop growing at this many bytes (0: no limit) until the guard goes, as on a full disk: a write past the
    // limit fails instead of ending the test program.
    static auto limitFileSize(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limited{bytes ? bytes : saved.rlim_cur, saved.rlim_max};
        if (setrlimit(RLIMIT_FSIZE, &limited) != 0)
            qFatal("the file size limit could not be set");
        return qScopeGuard([saved] { setrlimit(RLIMIT_FSIZE, &saved); });
    }
#endif

private Q_SLOTS:
    // What a typed text becomes as a client's code (by the client's exact name) and as a CD-key (without blanks, dashes
    // and line breaks; tabs and other dashes stay).
    void capturedValues_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("key");
        QTest::newRow("StarCraft") << u"StarCraft"_s << u"STAR"_s << u"StarCraft"_s;
        QTest::newRow("Brood War") << u"Brood War"_s << u"SEXP"_s << u"BroodWar"_s;
        QTest::newRow("WarCraft II BNE") << u"WarCraft II BNE"_s << u"WAR2"_s << u"WarCraftIIBNE"_s;
        QTest::newRow("other letter case") << u"starcraft"_s << QString() << u"starcraft"_s;
        QTest::newRow("key groups") << u"  ab - CD -ef  "_s << QString() << u"abCDef"_s;
        QTest::newRow("line breaks") << u"ab\r\ncd\ne-f\rg"_s << QString() << u"abcdefg"_s;
        QTest::newRow("separators alone") << u" - -- "_s << QString() << QString();
        QTest::newRow("tab, en dash") << u"a\tb\u2013c"_s << QString() << u"a\tb\u2013c"_s;
    }
    void capturedValues() {
        QFETCH(QString, typed);
        QFETCH(QString, code);
        QFETCH(QString, key);
        QCOMPARE(clientCode(typed), code);
        QCOMPARE(normalizeCdKey(typed), key);
    }

    // Whatever the values hold, the file has the fixed head and twelve lines per bot, and no carriage return but those
    // of its line ends: each line break in a value is one blank. Each character becomes one byte of the code page, "?"
    // where it has none.
    void valuesBecomeOneLineOfOneByteACharacter() {
        const std::pair<QString, QByteArray> values[]{
            {"Bot 1!", "Bot 1!"},
            {"x\ny", "x y"},
            {"x\ry", "x y"},
            {"x\r\ny", "x y"},
            {"\u00a0 caf\u00e9\u00ff", "\xa0 caf\xe9\xff"},
            {"\u20ac\u201cx\u201d\u2013\u2014", "\x80\x93x\x94\x96\x97"},
            {"a\u4e2db", "a?b"},
            {"\U0001F600\U0001F680", "??"}, // one byte for each character, not for each half of a pair
            {QString(QChar(0xD800)), "?"},  // a lone surrogate
            {"\u0085\u0081", "?\x81"}};     // a C1 control without a byte; an undefined byte kept, as Windows does
        for (const auto& [value, bytes] : values) {
            const QByteArray file =
                generateConfig(value, value, {{value, value, value, true, "STAR", value, value, value}});
            QCOMPARE(file.count('\r'), file.count("\r\n")); // a lone CR ends a line for some readers too
            const QList<QByteArray> lines = file.split('\n');
            QCOMPARE(lines.size(), 29 + 12 + 2); // every line ends in CR LF, and an empty line ends the file
            QCOMPARE(lines[30], "  passwd\t\t" + bytes + '\r');
        }
    }

    // Values of any length are kept whole: the head, then every bot in order, each whole, in a file of 500 KB.
    void longValuesAreWrittenWhole() {
        QList<BotRecord> bots;
        for (char c = 'a'; c < 'f'; ++c) // 100,000 characters a bot
            bots.append({QString(c), QString(100000, QChar(c)), "s", true, "STAR", "k", "h", QString(c)});
        QTemporaryDir folder;
        QVERIFY(writeConfigFile("m", "!", bots, folder.path()).ok);
        QFile file(folder.filePath("config.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 29 + 12 * bots.size() + 2);
        QCOMPARE(lines[28], "}\r");
        for (qsizetype i = 0; i < bots.size(); ++i) {
            const char c = char('a' + i);
            QCOMPARE(lines[29 + 12 * i], "bot " + QByteArray(1, c) + " {\r");
            QCOMPARE(lines[30 + 12 * i], "  passwd\t\t" + QByteArray(100000, c) + '\r');
        }
    }

    // A write that fails at any point is reported with the system's reason, which does not name the file again (the
    // box does), and leaves the old file as it was and no temporary file beside it.
    void failedWritesKeepTheOldFile_data() {
        QTest::addColumn<bool>("folderLast"); // a folder named config.txt comes once every byte is written
        QTest::addColumn<int>("sizeLimit");   // files stop growing at this many bytes, as on a full disk
        QTest::newRow("folder in the way at the end") << true << 0;
#ifdef Q_OS_UNIX // a read-only file stops no one here, as CI writes as root; Windows has its row below
        QTest::newRow("disk full") << false << 100;
#endif
    }
    void failedWritesKeepTheOldFile() {
        QFETCH(bool, folderLast);
        QFETCH(int, sizeLimit);
        QTemporaryDir folder;
        const QString path = folder.filePath("config.txt");
        const QByteArray old = folderLast ? "" : "old\n";
        if (!folderLast)
            QVERIFY(writeBytes(old, folder.path()).ok);
        ConfigWrite outcome;
        {
#ifdef Q_OS_UNIX
            const auto lift = limitFileSize(rlim_t(sizeLimit));
#else
            Q_UNUSED(sizeLimit); // no full disk to stand in for here
#endif
            ConfigFile file(folder.path());
            file.write(QByteArray(1000, 'x'));
            if (folderLast)
                QVERIFY(QDir().mkdir(path));
            outcome = file.commit();
            QVERIFY(!file.heldByAnotherProgram()); // reported at once, without waiting
        }
        QVERIFY(!outcome.ok && !outcome.error.isEmpty() && !outcome.newFileInPlace);
        QVERIFY2(!outcome.error.contains("config.txt"), qPrintable(outcome.error));
        if (folderLast) {
            QVERIFY(QFileInfo(path).isDir());
        } else {
            QFile kept(path);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), old);
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"config.txt"});
    }

    // Only a replace held up by another program is tried again: any other failure is reported at once, without a
    // pause.
    void otherFailuresAreReportedAtOnce_data() {
        QTest::addColumn<QString>("cause");
        QTest::newRow("folder in config.txt's place") << "folder";
        QTest::newRow("no such folder") << "missing";
#ifdef Q_OS_UNIX
        QTest::newRow("disk full") << "full";
#endif
    }
    void otherFailuresAreReportedAtOnce() {
        QFETCH(QString, cause);
        QTemporaryDir root;
        const QString folder = root.filePath(cause);
        QVERIFY(QDir().mkpath(cause == "folder" ? folder + "/config.txt" : cause == "full" ? folder : root.path()));
#ifdef Q_OS_UNIX
        const auto lift = limitFileSize(cause == "full" ? 100 : 0);
#endif
        QList<int> pauses;
        const ConfigWrite outcome = writeConfigFile("m", "!", kOneBot, folder, [&pauses](int ms) { pauses << ms; });
        QVERIFY(!outcome.ok && !outcome.newFileInPlace);
        QCOMPARE(pauses, QList<int>());
    }

#ifdef Q_OS_WIN
    // Another program holding config.txt open without sharing delete, as a virus scanner does for a moment after a
    // file changes: the replace is held up, and a short hold is waited out; a longer one fails as any failed write
    // does, and the file can be written once it is let go. A read-only file is refused at once, without waiting.
    void heldConfigIsWaitedOut_data() {
        QTest::addColumn<int>("heldFor"); // milliseconds
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("written");
        QTest::newRow("held briefly") << 600 << false << true;
        QTest::newRow("held past the wait") << 4000 << false << false;
        QTest::newRow("read-only") << 0 << true << false;
    }
    void heldConfigIsWaitedOut() {
        QFETCH(int, heldFor);
        QFETCH(bool, readOnly);
        QFETCH(bool, written);
        QTemporaryDir folder;
        const QString path = folder.filePath("config.txt");
        QVERIFY(writeBytes("old\n", folder.path()).ok);
        if (readOnly)
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        HANDLE held = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        QVERIFY(held != INVALID_HANDLE_VALUE);
        {
            ConfigFile file(folder.path());
            file.write("new\n");
            QVERIFY(!file.commit().ok);
            QCOMPARE(file.heldByAnotherProgram(), !readOnly);
        }
        std::thread holder([held, heldFor] {
            Sleep(DWORD(heldFor));
            CloseHandle(held);
        });
        const QList<BotRecord> bots = kOneBot;
        int waited = 0;
        const ConfigWrite outcome = writeConfigFile("m", "!", bots, folder.path(), [&waited](int ms) {
            waited += ms;
            sleepBeforeRetry(ms);
        });
        QCOMPARE(waited > 0, !readOnly);
        QCOMPARE(waited == 2000, !readOnly && !written); // the whole wait, and no more
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), written ? generateConfig("m", "!", bots) : "old\n");
        file.close();
        QCOMPARE(outcome.ok, written);
        QVERIFY2(!outcome.error.contains("config.txt"), qPrintable(outcome.error)); // the box names it
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"config.txt"});
        holder.join();
        QCOMPARE(writeConfigFile("m", "!", bots, folder.path()).ok, !readOnly);
    }

    // The system's ANSI code page where it has one byte a character, Windows-1252 where it has more (CI runs this
    // under several).
    void ansiCodePage() {
        const uint codePage = GetACP(); // Windows-1252 wherever the code page is not Windows-1251
        if (codePage != 1251 && codePage != 1252 && codePage != 932 && codePage != 65001)
            QSKIP("no bytes known for this code page");
        const QByteArray file = generateConfig(u"\u041f\u0440\u0438 \u00e9 \u20ac"_s, "!", {});
        QCOMPARE(file.split('\n').value(6),
                 codePage == 1251 ? "  set bot_master \xcf\xf0\xe8 ? \x88\r" : "  set bot_master ??? \xe9 \x80\r");
    }
#endif

#ifdef Q_OS_UNIX
    // A new config.txt is its owner's only, a replaced one keeps its mode; while it is written, the new text is its
    // owner's only even where the old file is readable by others, and the old file stays whole.
    void fileIsPrivateUntilItTakesTheOldMode() {
        const auto mode = [](const QString& path) {
            struct stat info = {};
            return stat(qPrintable(path), &info) == 0 ? QString::number(info.st_mode & 0777, 8) : QString();
        };
        QTemporaryDir folder;
        const QString path = folder.filePath("config.txt");
        QVERIFY(writeBytes("old\n", folder.path()).ok);
        QCOMPARE(mode(path), u"600"_s);
        QCOMPARE(chmod(qPrintable(path), 0644), 0);
        {
            ConfigFile file(folder.path());
            QVERIFY(file.write("new\n"));
            QStringList modes; // of the files of the folder held open (the new one may have no name yet)
            for (const QFileInfo& fd :
                 QDir("/proc/self/fd").entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
                if (fd.symLinkTarget().startsWith(folder.path()))
                    modes << mode(fd.filePath());
            QCOMPARE(modes, QStringList{"600"});
            QFile old(path);
            QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == "old\n");
            QVERIFY(file.commit().ok);
        }
        QCOMPARE(mode(path), u"644"_s);
    }
#endif
};

QTEST_APPLESS_MAIN(ConfigTest)
#include "test_config.moc"
