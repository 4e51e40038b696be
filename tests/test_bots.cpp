// The bot list: appends, replacements, client codes and the CD-key clean-up.
#include "bots/botlist.h"

#include <QTest>

#include <limits>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

class BotsTest : public QObject {
    Q_OBJECT

    static BotRecord Named(const QString& name) {
        BotRecord bot;
        bot.Username = name;
        return bot;
    }

private Q_SLOTS:
    void appendReplaceAndRemoveKeepTheOtherRecords() {
        QList<BotRecord> bots;
        qint32 count = 0;
        for (const QString& name : {u"a"_s, u"b"_s, u"b"_s, u"c"_s})
            AppendBot(bots, count, Named(name));
        QCOMPARE(count, 4);
        QCOMPARE(bots[1], bots[2]); // the same answers twice give two equal records
        ReplaceBot(bots, 2, Named(u"B"_s));
        RemoveBot(bots, count, 0);
        QCOMPARE(count, 3);
        QCOMPARE(bots.size(), 3);
        QCOMPARE(bots[0].Username + bots[1].Username + bots[2].Username, u"bBc"_s);
    }

    void appendPastTheLargestCountFailsAndKeepsTheCount() {
        QList<BotRecord> bots;
        qint32 count = std::numeric_limits<qint32>::max();
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, AppendBot(bots, count, Named(u"x"_s)));
        QCOMPARE(count, std::numeric_limits<qint32>::max());
        QVERIFY(bots.isEmpty());
    }

    void clientCodes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored"); // the four characters the record holds
        QTest::newRow("StarCraft") << u"StarCraft"_s << u"STAR"_s;
        QTest::newRow("Brood War") << u"Brood War"_s << u"SEXP"_s;
        QTest::newRow("WarCraft II BNE") << u"WarCraft II BNE"_s << u"WAR2"_s;
        QTest::newRow("other case") << u"starcraft"_s << u"    "_s;
        QTest::newRow("trailing blank") << u"Brood War "_s << u"    "_s;
    }
    void clientCodes() {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        BotRecord bot;
        AssignClient(bot, LookupClientCode(text));
        QCOMPARE(bot.Client, stored);
    }

    void cdKeyCleanUp_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("dash groups") << u"1234-56789-0123"_s << u"1234567890123"_s;
        QTest::newRow("mixed, padded") << u"  ab - CD -ef  "_s << u"abCDef"_s;
        QTest::newRow("only blanks and dashes") << u" - -- "_s << QString();
        QTest::newRow("tabs and other dashes kept") << u"a\tb\u2013c"_s << u"a\tb\u2013c"_s;
    }
    void cdKeyCleanUp() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(NormalizeCDKey(typed), stored);
    }
};

QTEST_APPLESS_MAIN(BotsTest)
#include "test_bots.moc"
