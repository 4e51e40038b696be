// config.txt: its exact text, its 8-bit bytes and the permissions of a new file.
#include "config/codepage.h"
#include "config/configformat.h"
#include "config/configwriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

BotRecord ExampleBot() {
    BotRecord bot{u"examplebot"_s, u"examplepass"_s,   u"useast.battle.net"_s, true,
                  u"STAR"_s,       u"1234567890123"_s, u"examplechannel"_s,    u"examplebot"_s};
    return bot;
}

QStringList Lines(const QList<BotRecord>& bots) {
    return generateConfig(u"exampleowner"_s, u"!"_s, bots).split(u'\n');
}

} // namespace

class ConfigTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void workedExampleIsWrittenByteForByte() {
        QTemporaryDir folder;
        const Outcome result =
            writeConfigFile(generateConfig(u"exampleowner"_s, u"!"_s, {ExampleBot()}), folder.path());
        QVERIFY2(result.ok, qPrintable(result.error));
        QFile written(folder.filePath(u"config.txt"_s)), golden(QStringLiteral(QEL_TEST_DATA "/one_bot.txt"));
        QVERIFY(written.open(QIODevice::ReadOnly) && golden.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), golden.readAll());
    }

    void headThenTwelveLinesPerBotInCaptureOrder_data() {
        QTest::addColumn<int>("bots");
        QTest::newRow("none") << 0;
        QTest::newRow("three") << 3;
    }
    void headThenTwelveLinesPerBotInCaptureOrder() {
        QFETCH(int, bots);
        QList<BotRecord> list;
        for (int i = 0; i < bots; ++i) {
            list << ExampleBot();
            list.last().username = u"bot%1"_s.arg(i);
        }
        const QStringList lines = Lines(list);
        QCOMPARE(lines.size(), 29 + 12 * bots + 1);
        QCOMPARE(lines.last(), QString()); // every line, the last too, ends in a line feed
        QCOMPARE(lines[28], u"}"_s);
        for (int i = 0; i < bots; ++i) {
            QCOMPARE(lines[29 + 12 * i], u"bot bot%1 {"_s.arg(i)); // right after the "}" before it
            QCOMPARE(lines[40 + 12 * i], u"}"_s);
        }
    }

    void eachCodePointBecomesOneByte_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ASCII") << u"Bot 1!"_s << QByteArray("Bot 1!");
        QTest::newRow("e acute") << u"caf\u00e9"_s << QByteArray("caf\xe9");
        QTest::newRow("euro, quotes, dashes")
            << u"\u20ac\u201cx\u201d\u2013\u2014"_s << QByteArray("\x80\x93x\x94\x96\x97");
        QTest::newRow("CJK") << u"a\u4e2db"_s << QByteArray("a?b");
        QTest::newRow("emoji, one code point each") << u"\U0001F600\U0001F680"_s << QByteArray("??");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
        QTest::newRow("C1 control without a byte") << u"\u0085"_s << QByteArray("?");
        QTest::newRow("undefined byte kept as Windows does") << u"\u0081"_s << QByteArray("\x81");
    }
    void eachCodePointBecomesOneByte() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(encodeWindows1252(text), bytes);
    }

#ifdef Q_OS_UNIX
    void newFileIsPrivateAndAReplacedOneKeepsItsPermissions() {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"config.txt"_s);
        QVERIFY(writeConfigFile(u"x\n"_s, folder.path()).ok);
        QCOMPARE(QFile::permissions(path).toInt() & 0x0077, 0); // nothing for group and others
        QVERIFY(QFile::permissions(path).testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner));

        const auto shared = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                            QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        QVERIFY(QFile::setPermissions(path, shared));
        QVERIFY(writeConfigFile(u"y\n"_s, folder.path()).ok);
        QCOMPARE(QFile::permissions(path), shared);
    }
#endif
};

QTEST_APPLESS_MAIN(ConfigTest)
#include "test_config.moc"
