// The values of a bot, the text of config.txt, its 8-bit bytes and the permissions of the file.
#include "bots/botlist.h"
#include "config/codepage.h"
#include "config/configformat.h"
#include "config/configwriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class ConfigTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The two conversions of a captured bot: the client's code and the CD-key's clean-up.
    void capturedValues() {
        const std::pair<QString, QString> clients[]{
            {"StarCraft", "STAR"}, {"Brood War", "SEXP"}, {"WarCraft II BNE", "WAR2"}, {"starcraft", ""}};
        for (const auto& [name, code] : clients)
            QCOMPARE(clientCode(name), code);
        const std::pair<QString, QString> keys[]{
            {"  ab - CD -ef  ", "abCDef"}, {" - -- ", ""}, {"a\tb\u2013c", "a\tb\u2013c"}}; // tabs, other dashes stay
        for (const auto& [typed, stored] : keys)
            QCOMPARE(normalizeCdKey(typed), stored);
    }

    // Whatever the values hold, the document has the fixed head and twelve lines per bot, in capture order.
    void lineBreaksInValuesCannotAddLines() {
        for (const QString value : {"x", "x\ny", "x\ry", "x\r\ny"}) {
            const QList<BotRecord> bots{{"a" + value, value, value, true, "STAR", value, value, value},
                                        {"b" + value, value, value, false, "WAR2", value, value, value}};
            const QStringList lines = generateConfig(value, value, bots).split(u'\n');
            QCOMPARE(lines.size(), 29 + 2 * 12 + 1); // every line, the last too, ends in a line feed
            QVERIFY(lines[29].startsWith(u"bot a") && lines[41].startsWith(u"bot b") && lines[52] == u"}");
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

#ifdef Q_OS_UNIX
    void newFileIsPrivateAndAReplacedOneKeepsItsPermissions() {
        QTemporaryDir folder;
        const QString path = folder.filePath("config.txt");
        QVERIFY(writeConfigFile("x\n", folder.path()).ok);
        QCOMPARE(QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const auto shared = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                            QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        QVERIFY(QFile::setPermissions(path, shared));
        QVERIFY(writeConfigFile("y\n", folder.path()).ok);
        QCOMPARE(QFile::permissions(path), shared);
    }
#endif
};

QTEST_APPLESS_MAIN(ConfigTest)
#include "test_config.moc"
