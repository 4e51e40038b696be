// The values of a bot, the text of config.txt, its 8-bit bytes and the permissions of the file.
#include "bots/botrecord.h"
#include "config/configformat.h"
#include "config/configwriter.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <QMap>

#include <windows.h>
#endif
#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

using namespace Qt::Literals::StringLiterals;

class ConfigTest : public QObject {
    Q_OBJECT

    static Outcome writeBytes(const QByteArray& bytes, const QString& folder) {
        ConfigFile file(folder);
        file.write(bytes);
        return file.commit();
    }

private Q_SLOTS:
    // The two conversions of a captured bot: the client's code and the CD-key's clean-up.
    void capturedValues() {
        const std::pair<QString, QString> clients[]{
            {"StarCraft", "STAR"}, {"Brood War", "SEXP"}, {"WarCraft II BNE", "WAR2"}, {"starcraft", ""}};
        for (const auto& [name, code] : clients)
            QCOMPARE(clientCode(name), code);
        const std::pair<QString, QString> keys[]{{"  ab - CD -ef  ", "abCDef"},
                                                 {"ab\r\ncd\ne-f\rg", "abcdefg"},
                                                 {" - -- ", ""},
                                                 {"a\tb\u2013c", "a\tb\u2013c"}}; // tabs and other dashes stay
        for (const auto& [typed, stored] : keys)
            QCOMPARE(normalizeCdKey(typed), stored);
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

    // A write that fails at any point is reported with the system's reason, which does not name the file again (the
    // box does), and leaves the old file as it was and no temporary file beside it.
    void failedWritesKeepTheOldFile_data() {
        QTest::addColumn<bool>("folderFirst"); // a folder named config.txt is there from the start
        QTest::addColumn<bool>("folderLast");  // or comes once every byte is written, before the replace
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("sizeLimit"); // files stop growing at this many bytes, as on a full disk
        QTest::newRow("folder in the way") << true << false << false << 0;
        QTest::newRow("folder in the way at the end") << false << true << false << 0;
#ifdef Q_OS_WIN
        QTest::newRow("read-only") << false << false << true << 0;
#else
        QTest::newRow("disk full") << false << false << false << 100; // root writes into read-only files
#endif
    }
    void failedWritesKeepTheOldFile() {
        QFETCH(bool, folderFirst);
        QFETCH(bool, folderLast);
        QFETCH(bool, readOnly);
        QFETCH(int, sizeLimit);
        QTemporaryDir folder;
        const QString path = folder.filePath("config.txt");
        const QByteArray old = folderFirst || folderLast ? "" : "old\n";
        QVERIFY(folderFirst ? QDir().mkdir(path) : folderLast || writeBytes(old, folder.path()).ok);
        QVERIFY(!readOnly || QFile::setPermissions(path, QFileDevice::ReadOwner));
        Outcome outcome;
        {
#ifdef Q_OS_UNIX
            rlimit saved{};
            getrlimit(RLIMIT_FSIZE, &saved);
            const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limited{sizeLimit ? rlim_t(sizeLimit) : saved.rlim_cur, saved.rlim_max};
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
            const auto lift = qScopeGuard([&] {
                setrlimit(RLIMIT_FSIZE, &saved);
                std::signal(SIGXFSZ, previousHandler);
            });
#else
            Q_UNUSED(sizeLimit);                                      // no full disk to stand in for here
#endif
            ConfigFile file(folder.path());
            file.write(QByteArray(1000, 'x'));
            QVERIFY(!folderLast || QDir().mkdir(path));
            outcome = file.commit();
        }
        QVERIFY(!outcome.ok && !outcome.error.isEmpty());
        QVERIFY2(!outcome.error.contains("config.txt"), qPrintable(outcome.error));
        QFile kept(path);
        QCOMPARE(kept.open(QIODevice::ReadOnly) ? kept.readAll() : QByteArray(), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"config.txt"});
    }

#ifdef Q_OS_WIN
    // The system's ANSI code page where it has one byte a character, Windows-1252 where it has more (CI runs this
    // under several).
    void ansiCodePage() {
        const QMap<uint, QByteArray> expected{{1251, "\xcf\xf0\xe8 ? \x88"},
                                              {1252, "??? \xe9 \x80"},
                                              {932, "??? \xe9 \x80"},
                                              { 65001,
                                                "??? \xe9 \x80" }};
        if (!expected.contains(GetACP()))
            QSKIP("no bytes known for this code page");
        const QByteArray file = generateConfig(u"\u041f\u0440\u0438 \u00e9 \u20ac"_s, "!", {});
        QCOMPARE(file.split('\n').value(6), "  set bot_master " + expected[GetACP()] + '\r');
    }
#endif

#ifdef Q_OS_UNIX
    // A new config.txt is its owner's only, a replaced one keeps its mode; while it is written, the new text is its
    // owner's only even where the old file is readable by others, and the old file stays whole.
    void fileIsPrivateUntilItTakesTheOldMode() {
        QTemporaryDir folder;
        const QString path = folder.filePath("config.txt");
        QVERIFY(writeBytes("old\n", folder.path()).ok);
        QCOMPARE(QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const auto shared = QFile::permissions(path) | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        QVERIFY(QFile::setPermissions(path, shared));
        {
            ConfigFile file(folder.path());
            QVERIFY(file.write("new\n"));
            QStringList modes; // of the files of the folder held open (the new one may have no name yet)
            for (const QFileInfo& fd :
                 QDir("/proc/self/fd").entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
                struct stat info {};
                if (fd.symLinkTarget().startsWith(folder.path()) && stat(qPrintable(fd.filePath()), &info) == 0)
                    modes << QString::number(info.st_mode & 0777, 8);
            }
            QCOMPARE(modes, QStringList{"600"});
            QFile old(path);
            QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == "old\n");
            QVERIFY(file.commit().ok);
        }
        QCOMPARE(QFile::permissions(path), shared);
    }
#endif
};

QTEST_APPLESS_MAIN(ConfigTest)
#include "test_config.moc"
