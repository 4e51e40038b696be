// The page flow: Next, Back, Cancel, the help buttons, Add Bot, Enter and Esc, and Done starting the bot.
#include "wizarddriver.h"

#include <QApplication>
#include <QDir>
#include <QFile>

namespace {

const QString kTitle = QStringLiteral("Qel Configuration Wizard");

// Writes a small shell script as QelBot3.exe: it records its working folder and its parent process.
void PlaceFakeBot(const QString& folder) {
    QFile bot(folder + QStringLiteral("/QelBot3.exe"));
    QVERIFY(bot.open(QIODevice::WriteOnly));
    bot.write("#!/bin/sh\npwd > ran.tmp\necho $PPID >> ran.tmp\nmv ran.tmp ran.txt\n");
    bot.close();
    QVERIFY(bot.setPermissions(bot.permissions() | QFileDevice::ExeOwner));
}

} // namespace

class FlowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nextAndBackWalkEveryPage() {
        WizardDriver wizard;
        struct Expect {
            int step;
            QString title;
            QSize client;
            int barTop;
            QString next;
        };
        const QList<Expect> pages{
            {0, QStringLiteral("Welcome"), {481, 335}, 296, QStringLiteral("Next >")},
            {1, QStringLiteral("Step 1: Global Settings"), {481, 335}, 296, QStringLiteral("Next >")},
            {2, QStringLiteral("Step 2: Bot Information"), {481, 335}, 296, QStringLiteral("Next >")},
            {3, QStringLiteral("Step 3: Generate Config File"), {481, 184}, 144, QStringLiteral("Generate")},
        };
        auto check = [&](const Expect& e) {
            QCOMPARE(wizard.window.CurrentStep, e.step);
            QCOMPARE(wizard.text(QStringLiteral("lblStep")), e.title);
            QCOMPARE(wizard.window.size(), e.client);
            QCOMPARE(wizard.find(QStringLiteral("Frame2"))->y(), e.barTop);
            QCOMPARE(wizard.button(QStringLiteral("cmdNext"))->text(), e.next);
            QCOMPARE(wizard.visiblePages(), QStringList{QStringLiteral("fraBody_%1").arg(e.step)});
            // The buttons are whole inside the client area.
            for (const char* name : {"cmdBack", "cmdNext", "cmdCancel"}) {
                QPushButton* button = wizard.button(QString::fromLatin1(name));
                const QRect inWindow(button->mapTo(&wizard.window, QPoint(0, 0)), button->size());
                QVERIFY(wizard.window.rect().contains(inWindow));
            }
        };
        check(pages[0]);
        wizard.reachBotPage();
        wizard.fillBot(WizardDriver::SampleBot());
        check(pages[2]);
        wizard.click(QStringLiteral("cmdNext"));
        check(pages[3]);
        for (int step = 2; step >= 0; --step) {
            wizard.click(QStringLiteral("cmdBack"));
            check(pages[step]);
        }
        QCOMPARE(wizard.edit(QStringLiteral("txtBot_0"))->text(), QStringLiteral("bot1")); // entries kept
        for (int step = 1; step <= 3; ++step) {
            wizard.click(QStringLiteral("cmdNext"));
            check(pages[step]);
        }

        wizard.click(QStringLiteral("cmdNext")); // Generate
        QCOMPARE(wizard.window.CurrentStep, 4);
        QCOMPARE(wizard.text(QStringLiteral("lblStep")), QStringLiteral("Finished!"));
        QCOMPARE(wizard.window.size(), QSize(481, 184));
        QCOMPARE(wizard.visiblePages(), QStringList{QStringLiteral("fraBody_4")});
        QCOMPARE(wizard.button(QStringLiteral("cmdNext"))->text(), QStringLiteral("Done"));
        QVERIFY(!wizard.button(QStringLiteral("cmdBack"))->isEnabled());
        QVERIFY(!wizard.button(QStringLiteral("cmdCancel"))->isEnabled());
        QVERIFY(wizard.platform.boxes.isEmpty());
    }

    void backOnWelcomeChangesNothing() {
        WizardDriver wizard;
        wizard.click(QStringLiteral("cmdBack"));
        QCOMPARE(wizard.window.CurrentStep, 0);
        QCOMPARE(wizard.visiblePages(), QStringList{QStringLiteral("fraBody_0")});
        QCOMPARE(wizard.text(QStringLiteral("lblStep")), QStringLiteral("Welcome"));
        QVERIFY(wizard.button(QStringLiteral("cmdBack"))->isEnabled());
        wizard.click(QStringLiteral("cmdNext"));
        QCOMPARE(wizard.window.CurrentStep, 1);
    }

    void welcomePromptStandsOnceAfterComingBack() {
        WizardDriver wizard;
        wizard.click(QStringLiteral("cmdNext"));
        wizard.click(QStringLiteral("cmdBack"));
        wizard.click(QStringLiteral("cmdNext"));
        wizard.click(QStringLiteral("cmdBack"));
        QCOMPARE(wizard.text(QStringLiteral("lblWelcome")).count(QStringLiteral("Please click Next to continue.")), 1);
        QVERIFY(wizard.text(QStringLiteral("lblWelcome"))
                    .endsWith(QStringLiteral("QelBot3.\r\n\r\nPlease click Next to continue.")));
    }

    void cancelAsksAndEndsOnlyOnYes_data() {
        QTest::addColumn<int>("step");
        for (int step = 0; step <= 3; ++step)
            QTest::addRow("step %d", step) << step;
    }
    void cancelAsksAndEndsOnlyOnYes() {
        QFETCH(int, step);
        WizardDriver wizard;
        if (step >= 1)
            wizard.click(QStringLiteral("cmdNext"));
        if (step >= 2) {
            wizard.type(wizard.edit(QStringLiteral("txtMaster")), QStringLiteral("owner"));
            wizard.click(QStringLiteral("cmdNext"));
        }
        if (step >= 3) {
            wizard.fillBot(WizardDriver::SampleBot());
            wizard.click(QStringLiteral("cmdNext"));
        }
        QCOMPARE(wizard.window.CurrentStep, step);
        const qint32 bots = wizard.window.BotCount;

        wizard.platform.answer(MsgBoxAnswer::No);
        wizard.click(QStringLiteral("cmdCancel"));
        QCOMPARE(wizard.platform.boxes.size(), 1);
        QCOMPARE(wizard.platform.boxes[0].text,
                 QStringLiteral("Are you sure you want to exit the Wizard?  No configuration files will be created."));
        QCOMPARE(wizard.platform.boxes[0].title, kTitle);
        QCOMPARE(wizard.platform.boxes[0].style, 36);
        QCOMPARE(wizard.platform.endCalls, 0);
        QCOMPARE(wizard.window.CurrentStep, step);
        QCOMPARE(wizard.window.BotCount, bots);
        QCOMPARE(wizard.visiblePages(), QStringList{QStringLiteral("fraBody_%1").arg(step)});

        wizard.platform.answer(MsgBoxAnswer::Yes);
        wizard.click(QStringLiteral("cmdCancel"));
        QCOMPARE(wizard.platform.endCalls, 1);
        QVERIFY(!QFile::exists(wizard.configPath()));
    }

    void helpButtonsShowTheirTexts_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("help");
        QTest::newRow("username") << 0
                                  << QStringLiteral(
                                         "This is the username that the bot will use to connect to Battle.Net.");
        QTest::newRow("password") << 1 << QStringLiteral("This is the password for the Battle.Net username.");
        QTest::newRow("server") << 2
                                << QStringLiteral("This is the Battle.Net server which the bot will connect to.  "
                                                  "Choose your gateway from the list.");
        QTest::newRow("CD-key") << 3
                                << QStringLiteral("This is the CD-Key which the bot will use to connect to "
                                                  "Battle.Net.  It must be a valid key for the game below.");
        QTest::newRow("client") << 4
                                << QStringLiteral("This is the game that the bot will pretend to be when it "
                                                  "connects to Battle.Net.");
        QTest::newRow("home channel") << 5
                                      << QStringLiteral(
                                             "This is the channel the bot will join when it connects to Battle.Net.");
        QTest::newRow("display") << 6
                                 << QStringLiteral("Check this box and Qel will open a window that shows the channel "
                                                   "the bot is in.");
    }
    void helpButtonsShowTheirTexts() {
        QFETCH(int, index);
        QFETCH(QString, help);
        WizardDriver wizard;
        wizard.reachBotPage();
        wizard.type(wizard.edit(QStringLiteral("txtBot_0")), QStringLiteral("typed"));
        wizard.platform.answer(MsgBoxAnswer::Ok);
        wizard.click(QStringLiteral("cmdInfo_%1").arg(index));
        QCOMPARE(wizard.platform.boxes.size(), 1);
        QCOMPARE(wizard.platform.boxes[0].text, help);
        QCOMPARE(wizard.platform.boxes[0].title, kTitle);
        QCOMPARE(wizard.platform.boxes[0].style, 64);
        QCOMPARE(wizard.window.CurrentStep, 2);
        QCOMPARE(wizard.edit(QStringLiteral("txtBot_0"))->text(), QStringLiteral("typed"));
    }

    void addBotReturnsToAnEmptiedBotPage() {
        WizardDriver wizard;
        wizard.reachBotPage();
        wizard.fillBot(WizardDriver::SampleBot());
        wizard.check(QStringLiteral("chkDisplay"))->setChecked(false);
        wizard.click(QStringLiteral("cmdNext"));
        wizard.click(QStringLiteral("cmdAddBot"));
        QCOMPARE(wizard.window.CurrentStep, 2);
        QCOMPARE(wizard.text(QStringLiteral("lblStep")), QStringLiteral("Step 2: Bot Information"));
        QCOMPARE(wizard.window.size(), QSize(481, 335));
        QVERIFY(!wizard.window.ClearBotFields);
        for (int i = 0; i < 4; ++i)
            QVERIFY(wizard.edit(QStringLiteral("txtBot_%1").arg(i))->text().isEmpty());
        QCOMPARE(wizard.combo(QStringLiteral("cmbServer"))->currentText(), QStringLiteral("useast.battle.net"));
        QCOMPARE(wizard.combo(QStringLiteral("cmbClient"))->currentText(), QStringLiteral("Brood War"));
        QVERIFY(!wizard.check(QStringLiteral("chkDisplay"))->isChecked());
        QCOMPARE(wizard.edit(QStringLiteral("txtMaster"))->text(), QStringLiteral("owner"));
        QCOMPARE(wizard.edit(QStringLiteral("txtTrigger"))->text(), QStringLiteral("!"));
        QCOMPARE(wizard.window.BotCount, 1);
    }

    // Enter presses Next from wherever the focus is on each step, including inside the editable server box,
    // where it must not add the typed text to the list.
    void enterPressesNextFromAnyInput_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("focus");
        QTest::newRow("welcome, banner") << 0 << QStringLiteral("Picture1");
        QTest::newRow("globals, master box") << 1 << QStringLiteral("txtMaster");
        QTest::newRow("globals, trigger box") << 1 << QStringLiteral("txtTrigger");
        QTest::newRow("bot page, username box") << 2 << QStringLiteral("txtBot_0");
        QTest::newRow("bot page, server box") << 2 << QStringLiteral("cmbServer");
        QTest::newRow("bot page, client list") << 2 << QStringLiteral("cmbClient");
        QTest::newRow("bot page, display box") << 2 << QStringLiteral("chkDisplay");
        QTest::newRow("generate page, banner") << 3 << QStringLiteral("Picture1");
    }
    void enterPressesNextFromAnyInput() {
        QFETCH(int, step);
        QFETCH(QString, focus);
        WizardDriver wizard;
        if (step >= 1)
            wizard.click(QStringLiteral("cmdNext"));
        if (step >= 1)
            wizard.type(wizard.edit(QStringLiteral("txtMaster")), QStringLiteral("owner"));
        if (step >= 2) {
            wizard.click(QStringLiteral("cmdNext"));
            wizard.fillBot(WizardDriver::SampleBot());
            wizard.type(wizard.combo(QStringLiteral("cmbServer"))->lineEdit(), QStringLiteral("my.own.server"));
        }
        if (step >= 3)
            wizard.click(QStringLiteral("cmdNext"));
        QCOMPARE(wizard.window.CurrentStep, step);

        QWidget* target = wizard.find(focus);
        if (auto* combo = qobject_cast<QComboBox*>(target); combo && combo->isEditable())
            target = combo->lineEdit();
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(wizard.window.CurrentStep, step + 1);
        QCOMPARE(wizard.combo(QStringLiteral("cmbServer"))->count(), 4);
        if (step >= 2)
            QCOMPARE(wizard.window.Bots.value(0).Server, QStringLiteral("my.own.server"));
    }

    // After Enter in a box, typing goes on in the first box of the next page, or Enter goes on pressing Next.
    void keyboardUserContinuesOnTheNextPage() {
        WizardDriver wizard;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        wizard.edit(QStringLiteral("txtMaster"))->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("owner"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), wizard.edit(QStringLiteral("txtBot_0")));
        for (int i = 0; i < 5; ++i)
            wizard.platform.answer(MsgBoxAnswer::Ok);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // warns of the empty boxes and server
        QCOMPARE(wizard.window.CurrentStep, 3);
        QCOMPARE(QApplication::focusWidget(), wizard.find(QStringLiteral("Picture1")));
        wizard.platform.answer(MsgBoxAnswer::No);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(wizard.platform.boxes.size(), 6);
        QCOMPARE(wizard.platform.boxes.last().style, 36);
    }

    void enterOnAFocusedButtonPressesThatButton() {
        WizardDriver wizard;
        wizard.click(QStringLiteral("cmdNext"));
        wizard.button(QStringLiteral("cmdBack"))->setFocus();
        QTest::keyClick(wizard.button(QStringLiteral("cmdBack")), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(wizard.window.CurrentStep, 0);
    }

    void escPressesCancelUntilItIsDisabled() {
        WizardDriver wizard;
        wizard.reachBotPage();
        wizard.fillBot(WizardDriver::SampleBot());
        QWidget* server = wizard.combo(QStringLiteral("cmbServer"))->lineEdit();
        server->setFocus();
        wizard.platform.answer(MsgBoxAnswer::No);
        QTest::keyClick(server, Qt::Key_Escape);
        QCOMPARE(wizard.platform.boxes.size(), 1);
        QCOMPARE(wizard.platform.boxes[0].style, 36);

        QTest::keyClick(server, Qt::Key_Return);                      // to the Generate page
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Generate
        QCOMPARE(wizard.window.CurrentStep, 4);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(wizard.platform.boxes.size(), 1); // Cancel is disabled: nothing asked
        QCOMPARE(wizard.platform.endCalls, 0);
    }

    void doneStartsTheBotInItsFolderAsItsOwnProcess() {
        WizardDriver wizard;
        const QString folder = wizard.platform.ExecutableFolder();
        PlaceFakeBot(folder);
        wizard.reachBotPage();
        wizard.fillBot(WizardDriver::SampleBot());
        wizard.click(QStringLiteral("cmdNext"));
        wizard.click(QStringLiteral("cmdNext"));
        QDir::setCurrent(QDir::tempPath());      // not the bot's folder
        wizard.click(QStringLiteral("cmdNext")); // Done

        QCOMPARE(wizard.platform.starts.size(), 1);
        QCOMPARE(wizard.platform.starts[0].program, folder + QStringLiteral("/QelBot3.exe"));
        QCOMPARE(wizard.platform.starts[0].windowStyle, 2);
        QTRY_VERIFY(QFile::exists(folder + QStringLiteral("/ran.txt")));
        QFile ran(folder + QStringLiteral("/ran.txt"));
        QVERIFY(ran.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromLocal8Bit(ran.readAll()).split(QLatin1Char('\n'));
        QCOMPARE(QDir(lines.value(0)).canonicalPath(), QDir(folder).canonicalPath());
        QVERIFY(lines.value(1).toLongLong() != QCoreApplication::applicationPid()); // detached, not our child
        QCOMPARE(wizard.platform.endCalls, 1);
        QVERIFY(wizard.platform.boxes.isEmpty());
    }

    void doneWithStartBotClearStartsNothing() {
        WizardDriver wizard;
        PlaceFakeBot(wizard.platform.ExecutableFolder());
        wizard.reachBotPage();
        wizard.fillBot(WizardDriver::SampleBot());
        wizard.click(QStringLiteral("cmdNext"));
        wizard.click(QStringLiteral("cmdNext"));
        QTest::mouseClick(wizard.check(QStringLiteral("chkStartBot")), Qt::LeftButton, {}, QPoint(6, 8)); // on the box
        wizard.click(QStringLiteral("cmdNext"));
        QVERIFY(wizard.platform.starts.isEmpty());
        QCOMPARE(wizard.platform.endCalls, 1);
    }

    void missingBotIsReportedThenTheWizardEnds() {
        WizardDriver wizard;
        wizard.reachBotPage();
        wizard.fillBot(WizardDriver::SampleBot());
        wizard.click(QStringLiteral("cmdNext"));
        wizard.click(QStringLiteral("cmdNext"));
        wizard.platform.answer(MsgBoxAnswer::Ok);
        wizard.click(QStringLiteral("cmdNext"));
        QCOMPARE(wizard.platform.boxes.size(), 1);
        const RecordedBox& box = wizard.platform.boxes[0];
        QCOMPARE(box.style, 16);
        QCOMPARE(box.title, kTitle);
        QVERIFY2(box.text.contains(
                     QDir::toNativeSeparators(wizard.platform.ExecutableFolder() + QStringLiteral("/QelBot3.exe"))),
                 qPrintable(box.text));
        QVERIFY2(box.text.contains(QStringLiteral("No such file")), qPrintable(box.text)); // the system's reason
        QCOMPARE(wizard.platform.endCalls, 1);
    }
};

QTEST_MAIN(FlowTest)
#include "test_flow.moc"
