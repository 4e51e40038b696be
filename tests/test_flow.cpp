// The page flow: Next, Back, Cancel, the help buttons, Add Bot, Enter and Esc, and Done starting the bot.
#include "wizarddriver.h"

#include <QDir>

namespace {

const QString kTitle = u"Qel Configuration Wizard"_s;

// A small shell script placed as QelBot3.exe: it records its working folder and its parent process.
void PlaceFakeBot(const QString& folder) {
    QFile bot(folder + u"/QelBot3.exe"_s);
    QVERIFY(bot.open(QIODevice::WriteOnly));
    bot.write("#!/bin/sh\npwd > ran.tmp\necho $PPID >> ran.tmp\nmv ran.tmp ran.txt\n");
    bot.close();
    QVERIFY(bot.setPermissions(bot.permissions() | QFileDevice::ExeOwner));
}

} // namespace

class FlowTest : public QObject {
    Q_OBJECT

    // Goes forward from the Welcome page to step, filling what each page needs.
    static void walkTo(WizardDriver& wizard, int step) {
        if (step >= 1)
            wizard.next();
        if (step >= 2) {
            wizard.type(u"txtMaster"_s, u"owner"_s);
            wizard.next();
            wizard.fillBot(WizardDriver::SampleBot());
        }
        for (int at = 2; at < step; ++at)
            wizard.next();
        QCOMPARE(wizard.window.currentStep(), step);
    }

private Q_SLOTS:
    void nextAndBackWalkEveryPage() {
        WizardDriver wizard;
        const QStringList titles{u"Welcome"_s, u"Step 1: Global Settings"_s, u"Step 2: Bot Information"_s,
                                 u"Step 3: Generate Config File"_s, u"Finished!"_s};
        auto check = [&](int step) {
            QCOMPARE(wizard.window.currentStep(), step);
            QCOMPARE(wizard.text(u"lblStep"_s), titles[step]);
            QCOMPARE(wizard.visiblePages(), QStringList{u"fraBody_%1"_s.arg(step)});
            QCOMPARE(wizard.window.size(), step < 3 ? QSize(481, 335) : QSize(481, 184));
            QCOMPARE(wizard.find(u"Frame2"_s)->y(), step < 3 ? 296 : 144);
            const QStringList captions{u"Next >"_s, u"Next >"_s, u"Next >"_s, u"Generate"_s, u"Done"_s};
            QCOMPARE(wizard.nextCaption(), captions[step]);
            for (const QString& name : {u"cmdBack"_s, u"cmdNext"_s, u"cmdCancel"_s}) { // whole in the window
                QWidget* button = wizard.find(name);
                QVERIFY(wizard.window.rect().contains(QRect(button->mapTo(&wizard.window, QPoint()), button->size())));
                QCOMPARE(button->isEnabled(), step < 4 || name == u"cmdNext"_s);
            }
        };
        walkTo(wizard, 3);
        check(3);
        for (int step = 2; step >= 0; --step) {
            wizard.back();
            check(step);
        }
        wizard.back(); // Back on the Welcome page changes nothing
        check(0);
        QCOMPARE(wizard.text(u"lblWelcome"_s).count(u"Please click Next to continue."_s), 1);
        QCOMPARE(wizard.edit(u"txtBot_0"_s)->text(), u"bot1"_s); // entries kept
        for (int step = 1; step <= 4; ++step) {
            wizard.next();
            check(step);
        }
        QVERIFY(wizard.platform.boxes.isEmpty());
    }

    void cancelAsksAndEndsOnlyOnYes_data() {
        QTest::addColumn<int>("step");
        for (int step = 0; step <= 3; ++step)
            QTest::addRow("step %d", step) << step;
    }
    void cancelAsksAndEndsOnlyOnYes() {
        QFETCH(int, step);
        WizardDriver wizard;
        walkTo(wizard, step);
        const qint32 bots = wizard.window.bots().size();
        wizard.platform.answer(MessageAnswer::No);
        wizard.click(u"cmdCancel"_s);
        QCOMPARE(wizard.platform.boxes.size(), 1);
        QCOMPARE(wizard.platform.boxes[0].text,
                 u"Are you sure you want to exit the Wizard?  No configuration files will be created."_s);
        QCOMPARE(wizard.platform.boxes[0].title, kTitle);
        QCOMPARE(wizard.platform.boxes[0].style, 36);
        QCOMPARE(wizard.platform.endCalls, 0);
        QCOMPARE(wizard.window.currentStep(), step);
        QCOMPARE(wizard.window.bots().size(), bots);
        QCOMPARE(wizard.visiblePages(), QStringList{u"fraBody_%1"_s.arg(step)});

        wizard.platform.answer(MessageAnswer::Yes);
        wizard.click(u"cmdCancel"_s);
        QCOMPARE(wizard.platform.endCalls, 1);
        QVERIFY(!QFile::exists(wizard.configPath()));
    }

    void helpButtonsShowTheirTexts_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("help");
        const QString net = u" connect to Battle.Net."_s;
        QTest::newRow("username") << 0 << u"This is the username that the bot will use to"_s + net;
        QTest::newRow("password") << 1 << u"This is the password for the Battle.Net username."_s;
        QTest::newRow("server") << 2
                                << u"This is the Battle.Net server which the bot will connect to.  Choose your "
                                   "gateway from the list."_s;
        QTest::newRow("CD-key") << 3
                                << u"This is the CD-Key which the bot will use to"_s + net +
                                       u"  It must be a valid key for the game below."_s;
        QTest::newRow("client") << 4
                                << u"This is the game that the bot will pretend to be when it connects to "
                                   "Battle.Net."_s;
        QTest::newRow("channel") << 5 << u"This is the channel the bot will join when it connects to Battle.Net."_s;
        QTest::newRow("display") << 6
                                 << u"Check this box and Qel will open a window that shows the channel the "
                                    "bot is in."_s;
    }
    void helpButtonsShowTheirTexts() {
        QFETCH(int, index);
        QFETCH(QString, help);
        WizardDriver wizard;
        wizard.reachBotPage();
        wizard.type(u"txtBot_0"_s, u"typed"_s);
        wizard.ok();
        wizard.click(u"cmdInfo_%1"_s.arg(index));
        QCOMPARE(wizard.platform.boxes.size(), 1);
        QCOMPARE(wizard.platform.boxes[0].text, help);
        QCOMPARE(wizard.platform.boxes[0].title, kTitle);
        QCOMPARE(wizard.platform.boxes[0].style, 64);
        QCOMPARE(wizard.window.currentStep(), 2);
        QCOMPARE(wizard.edit(u"txtBot_0"_s)->text(), u"typed"_s);
    }

    void addBotEmptiesOnlyTheFourBotBoxes() {
        WizardDriver wizard;
        walkTo(wizard, 2);
        wizard.find<QCheckBox>(u"chkDisplay"_s)->setChecked(false);
        wizard.next();
        wizard.click(u"cmdAddBot"_s);
        QCOMPARE(wizard.window.currentStep(), 2);
        QCOMPARE(wizard.text(u"lblStep"_s), u"Step 2: Bot Information"_s);
        QCOMPARE(wizard.window.size(), QSize(481, 335));
        for (int i = 0; i < 4; ++i)
            QVERIFY(wizard.edit(u"txtBot_%1"_s.arg(i))->text().isEmpty());
        QCOMPARE(wizard.combo(u"cmbServer"_s)->currentText(), u"useast.battle.net"_s);
        QCOMPARE(wizard.combo(u"cmbClient"_s)->currentText(), u"Brood War"_s);
        QVERIFY(!wizard.find<QCheckBox>(u"chkDisplay"_s)->isChecked());
        QCOMPARE(wizard.edit(u"txtMaster"_s)->text() + wizard.edit(u"txtTrigger"_s)->text(), u"owner!"_s);
        QCOMPARE(wizard.window.bots().size(), 1);
    }

    // Enter presses Next from anywhere but a button, inside the editable server box too, where it must not add
    // the typed text to the list.
    void enterPressesNextFromAnyInput_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("focus");
        QTest::newRow("welcome, banner") << 0 << u"Picture1"_s;
        QTest::newRow("globals, trigger box") << 1 << u"txtTrigger"_s;
        QTest::newRow("bot page, username box") << 2 << u"txtBot_0"_s;
        QTest::newRow("bot page, server box") << 2 << u"cmbServer"_s;
        QTest::newRow("bot page, client list") << 2 << u"cmbClient"_s;
        QTest::newRow("bot page, display box") << 2 << u"chkDisplay"_s;
        QTest::newRow("generate page, banner") << 3 << u"Picture1"_s;
    }
    void enterPressesNextFromAnyInput() {
        QFETCH(int, step);
        QFETCH(QString, focus);
        WizardDriver wizard;
        walkTo(wizard, step);
        if (step == 1)
            wizard.type(u"txtMaster"_s, u"owner"_s);
        if (step == 2)
            wizard.type(u"cmbServer"_s, u"my.own.server"_s);
        QComboBox* combo = wizard.window.findChild<QComboBox*>(focus);
        (combo && combo->isEditable() ? combo->lineEdit() : wizard.find(focus))->setFocus();
        wizard.key(Qt::Key_Return);
        QCOMPARE(wizard.window.currentStep(), step + 1);
        QCOMPARE(wizard.combo(u"cmbServer"_s)->count(), 4);
        if (step == 2)
            QCOMPARE(wizard.window.bots().value(0).server, u"my.own.server"_s);
    }

    // A keyboard user goes on typing in the first box of the next page, or presses Enter again for Next; Enter on
    // a focused button presses that button; Esc presses Cancel until it is disabled.
    void keyboardUserWalksThePages() {
        WizardDriver wizard;
        wizard.key(Qt::Key_Return);
        wizard.edit(u"txtMaster"_s)->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), u"owner"_s);
        wizard.key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), wizard.edit(u"txtBot_0"_s));
        wizard.find(u"cmdBack"_s)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(wizard.window.currentStep(), 1);

        wizard.next();
        wizard.fillBot(WizardDriver::SampleBot());
        wizard.platform.answer(MessageAnswer::No);
        wizard.key(Qt::Key_Escape);
        QCOMPARE(wizard.platform.boxes.value(0).style, 36);
        wizard.key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), wizard.find(u"Picture1"_s));
        wizard.key(Qt::Key_Return); // Generate
        QCOMPARE(wizard.window.currentStep(), 4);
        wizard.key(Qt::Key_Escape);
        QCOMPARE(wizard.platform.boxes.size(), 1); // Cancel is disabled: nothing asked
        QCOMPARE(wizard.platform.endCalls, 0);
    }

    void doneStartsTheBotInItsFolderAsItsOwnProcess() {
        WizardDriver wizard;
        const QString folder = wizard.platform.executableFolder();
        PlaceFakeBot(folder);
        wizard.generate();
        QDir::setCurrent(QDir::tempPath()); // not the bot's folder
        wizard.next();                      // Done
        QCOMPARE(wizard.platform.starts.size(), 1);
        QCOMPARE(wizard.platform.starts[0].program, folder + u"/QelBot3.exe"_s);
        QCOMPARE(wizard.platform.starts[0].windowStyle, 2);
        QTRY_VERIFY(QFile::exists(folder + u"/ran.txt"_s));
        const QStringList ran = QString::fromLocal8Bit(ReadAll(folder + u"/ran.txt"_s)).split(u'\n');
        QCOMPARE(QDir(ran.value(0)).canonicalPath(), QDir(folder).canonicalPath());
        QVERIFY(ran.value(1).toLongLong() != QCoreApplication::applicationPid()); // detached, not our child
        QCOMPARE(wizard.platform.endCalls, 1);
        QVERIFY(wizard.platform.boxes.isEmpty());
    }

    void missingBotIsReportedThenTheWizardEnds() {
        WizardDriver wizard;
        wizard.generate();
        wizard.ok();
        wizard.next();
        QCOMPARE(wizard.platform.boxes.size(), 1);
        const RecordedBox& box = wizard.platform.boxes[0];
        QCOMPARE(box.style, 16);
        QCOMPARE(box.title, kTitle);
        QVERIFY2(box.text.contains(QDir::toNativeSeparators(wizard.platform.executableFolder() + u"/QelBot3.exe"_s)),
                 qPrintable(box.text));
        QVERIFY2(box.text.contains(u"No such file"_s), qPrintable(box.text)); // the system's reason
        QCOMPARE(wizard.platform.endCalls, 1);
    }
};

QTEST_MAIN(FlowTest)
#include "test_flow.moc"
