// The values of a bot, the text of config.txt, its 8-bit bytes and the permissions of the file.
#include "bots/botlist.h"
#include "config/codepage.h"
#include "config/configformat.h"
#include "config/configwriter.h"

#include <QDir>
#include <QFile>
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
#include <sys/wait.h>
#include <unistd.h>
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

    // Whatever the values hold, the file has the fixed head and twelve lines per bot, in capture order, and no
    // carriage return but those of its line ends: each line break in a value is one blank. Values beyond ASCII go
    // through the code page.
    void lineBreaksInValuesCannotAddLines() {
        const std::pair<QString, QByteArray> values[]{
            {"x", "x"}, {"x\ny", "x y"}, {"x\ry", "x y"}, {"x\r\ny", "x y"}, {"\u0085\u00e9", "?\xe9"}};
        for (const auto& [value, bytes] : values) {
            const QList<BotRecord> bots{{"a" + value, value, value, true, "STAR", value, value, value},
                                        {"b" + value, value, value, false, "WAR2", value, value, value}};
            const QByteArray file = generateConfig(value, value, bots);
            QCOMPARE(file.count('\r'), file.count("\r\n")); // a lone CR ends a line for some readers too
            const QList<QByteArray> lines = file.split('\n');
            QCOMPARE(lines.size(), 29 + 2 * 12 + 2); // every line ends in CR LF, and an empty line ends the file
            QVERIFY(lines[29].startsWith("bot a") && lines[41].startsWith("bot b") && lines[52] == "}\r");
            QCOMPARE(lines[30], "  passwd\t\t" + bytes + '\r');
        }
    }

    void eachCharacterBecomesOneByte() {
        const std::pair<QString, QByteArray> texts[]{
            {"Bot 1!", "Bot 1!"},
            {"\u00a0 caf\u00e9\u00ff", "\xa0 caf\xe9\xff"},
            {"\u20ac\u201cx\u201d\u2013\u2014", "\x80\x93x\x94\x96\x97"},
            {"a\u4e2db", "a?b"},
            {"\U0001F600\U0001F680", "??"}, // one byte for each character, not for each half of a pair
            {QString(QChar(0xD800)), "?"},  // a lone surrogate
            {"\u0085", "?"},                // a C1 control without a byte
            {"\u0081", "\x81"}};            // an undefined byte kept, as Windows does
        for (const auto& [text, bytes] : texts)
            QCOMPARE(encodeWindows1252(text), bytes);
    }

#ifdef Q_OS_WIN
    // The system's ANSI code page where it has one byte a character, Windows-1252 where it has more (CI runs this
    // under several).
    void ansiCodePage() {
        const QMap<uint, QByteArray> expected{
            {1251, "\xcf\xf0\xe8 ? \x88"}, {1252, "??? \xe9 \x80"}, {932, "??? \xe9 \x80"}, {65001, "??? \xe9 \x80"}};
        if (!expected.contains(GetACP()))
            QSKIP("no bytes known for this code page");
        const QByteArray file = generateConfig(u"\u041f\u0440\u0438 \u00e9 \u20ac"_s, "!", {});
        QCOMPARE(file.split('\n').value(6), "  set bot_master " + expected[GetACP()] + '\r');
    }
#endif

#ifdef Q_OS_UNIX
    void newFileIsPrivateAndAReplacedOneKeepsItsPermissions() {
        QTemporaryDir folder;
        const QString path = folder.filePath("config.txt");
        QVERIFY(writeBytes("x\n", folder.path()).ok);
        QCOMPARE(QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const auto shared = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                            QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        QVERIFY(QFile::setPermissions(path, shared));
        QVERIFY(writeBytes("y\n", folder.path()).ok);
        QCOMPARE(QFile::permissions(path), shared);
    }

    // While config.txt is written, and after a crash part way, the new text is readable by its owner only, even where
    // the old file is readable by others; the old file stays whole.
    void partlyWrittenFileIsPrivate() {
        QTemporaryDir folder;
        const QString path = folder.filePath("config.txt");
        QVERIFY(writeBytes("old\n", folder.path()).ok);
        QVERIFY(
            QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        const pid_t child = fork();
        if (child == 0) { // past 100 bytes the writer stops itself, to be looked at and killed
            std::signal(SIGXFSZ, [](int) { raise(SIGSTOP); });
            const rlimit small{100, RLIM_INFINITY};
            setrlimit(RLIMIT_FSIZE, &small);
            writeBytes(QByteArray(1000, 'x'), folder.path());
            _exit(0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, WUNTRACED), child);
        QVERIFY(WIFSTOPPED(status));
        QStringList modes; // of every file of the folder the writer holds open, config.txt itself aside
        const QString open = u"/proc/%1/fd"_s.arg(child);
        for (const QString& fd : QDir(open).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            const QString target = QFile::symLinkTarget(open + '/' + fd);
            struct stat info {};
            if (target.startsWith(folder.path()) && target != path && stat(qPrintable(open + '/' + fd), &info) == 0)
                modes << QString::number(info.st_mode & 0777, 8);
        }
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        QCOMPARE(modes, QStringList{"600"});
        for (const QFileInfo& left : QDir(folder.path()).entryInfoList(QDir::Files | QDir::Hidden))
            QVERIFY(left.filePath() == path ||
                    !(left.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther)));
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == "old\n");
    }
#endif
};

QTEST_APPLESS_MAIN(ConfigTest)
#include "test_config.moc"
