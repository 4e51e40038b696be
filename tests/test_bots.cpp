// The bot list: appends, replacements, client codes and the CD-key clean-up.
#include "bots/botlist.h"

#include <QTest>

#include <limits>
#include <stdexcept>

class BotsTest : public QObject {
    Q_OBJECT

private:
    static BotRecord Named(const QString& name) {
        BotRecord bot;
        bot.Username = name;
        bot.Register = name;
        return bot;
    }

private Q_SLOTS:
    void appendsKeepEarlierRecordsInOrder() {
        QList<BotRecord> bots;
        qint32 count = 0;
        AppendBot(bots, count, Named(QStringLiteral("first")));
        QCOMPARE(count, 1);
        QCOMPARE(bots.size(), 1);
        AppendBot(bots, count, Named(QStringLiteral("second")));
        AppendBot(bots, count, Named(QStringLiteral("second")));
        QCOMPARE(count, 3);
        QCOMPARE(bots.size(), 3);
        QCOMPARE(bots[0].Username, QStringLiteral("first"));
        QCOMPARE(bots[1], bots[2]); // the same answers twice give two equal records
    }

    void appendPastTheLargestCountFailsAndKeepsTheCount() {
        QList<BotRecord> bots;
        qint32 count = std::numeric_limits<qint32>::max();
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, AppendBot(bots, count, Named(QStringLiteral("x"))));
        QCOMPARE(count, std::numeric_limits<qint32>::max());
        QVERIFY(bots.isEmpty());
    }

    void replaceAndRemoveTouchOnlyTheirRecord() {
        QList<BotRecord> bots;
        qint32 count = 0;
        for (const char* name : {"a", "b", "c"})
            AppendBot(bots, count, Named(QString::fromLatin1(name)));
        ReplaceBot(bots, 1, Named(QStringLiteral("B")));
        QCOMPARE(bots[1].Username, QStringLiteral("B"));
        RemoveBot(bots, count, 0);
        QCOMPARE(count, 2);
        QCOMPARE(bots.size(), 2);
        QCOMPARE(bots[0].Username, QStringLiteral("B"));
        QCOMPARE(bots[1].Username, QStringLiteral("c"));
    }

    void clientCodes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code");
        QTest::newRow("StarCraft") << QStringLiteral("StarCraft") << QStringLiteral("STAR");
        QTest::newRow("Brood War") << QStringLiteral("Brood War") << QStringLiteral("SEXP");
        QTest::newRow("WarCraft II BNE") << QStringLiteral("WarCraft II BNE") << QStringLiteral("WAR2");
        QTest::newRow("other case") << QStringLiteral("starcraft") << QString();
        QTest::newRow("upper case") << QStringLiteral("BROOD WAR") << QString();
        QTest::newRow("trailing blank") << QStringLiteral("StarCraft ") << QString();
        QTest::newRow("empty") << QString() << QString();
    }
    void clientCodes() {
        QFETCH(QString, text);
        QFETCH(QString, code);
        QCOMPARE(LookupClientCode(text), code);
    }

    void clientFieldHoldsExactlyFourCharacters_data() {
        QTest::addColumn<QString>("assigned");
        QTest::addColumn<QString>("stored");
        QTest::newRow("code") << QStringLiteral("SEXP") << QStringLiteral("SEXP");
        QTest::newRow("short") << QStringLiteral("AB") << QStringLiteral("AB  ");
        QTest::newRow("long") << QStringLiteral("WAR2X") << QStringLiteral("WAR2");
        QTest::newRow("none") << QString() << QStringLiteral("    ");
    }
    void clientFieldHoldsExactlyFourCharacters() {
        QFETCH(QString, assigned);
        QFETCH(QString, stored);
        BotRecord bot;
        AssignClient(bot, assigned);
        QCOMPARE(bot.Client, stored);
    }

    void cdKeyCleanUp_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("dash groups") << QStringLiteral("1234-56789-0123") << QStringLiteral("1234567890123");
        QTest::newRow("blank groups") << QStringLiteral("ABCD EFGH IJKL") << QStringLiteral("ABCDEFGHIJKL");
        QTest::newRow("mixed, padded") << QStringLiteral("  ab - cd -ef  ") << QStringLiteral("abcdef");
        QTest::newRow("only blanks and dashes") << QStringLiteral(" - -- ") << QString();
        QTest::newRow("case and tabs kept") << QStringLiteral("aB\tc") << QStringLiteral("aB\tc");
        QTest::newRow("other dashes kept") << QStringLiteral("a\u2013b") << QStringLiteral("a\u2013b");
        QTest::newRow("empty") << QString() << QString();
    }
    void cdKeyCleanUp() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(NormalizeCDKey(typed), stored);
    }
};

QTEST_APPLESS_MAIN(BotsTest)
#include "test_bots.moc"
