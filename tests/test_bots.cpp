// The bot list: appends, replacements, client codes and the CD-key clean-up.
#include "bots/botlist.h"

#include <QTest>

#include <limits>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

class BotsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void clientCodes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored"); // the four characters the record holds
        QTest::newRow("StarCraft") << u"StarCraft"_s << u"STAR"_s;
        QTest::newRow("Brood War") << u"Brood War"_s << u"SEXP"_s;
        QTest::newRow("WarCraft II BNE") << u"WarCraft II BNE"_s << u"WAR2"_s;
        QTest::newRow("other case") << u"starcraft"_s << QString();
        QTest::newRow("trailing blank") << u"Brood War "_s << QString();
    }
    void clientCodes() {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        QCOMPARE(clientCode(text), stored);
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
        QCOMPARE(normalizeCdKey(typed), stored);
    }
};

QTEST_APPLESS_MAIN(BotsTest)
#include "test_bots.moc"
