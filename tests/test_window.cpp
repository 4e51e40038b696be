// The window as designed: what shows after load, where the controls stand, that every text fits, the tab order.
#include "ui/formbuilder.h"
#include "ui/formlayout.h"
#include "wizarddriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>

class WindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowRightAfterLoad() {
        WizardDriver wizard;
        const frmMain& w = wizard.window;
        QCOMPARE(w.windowTitle(), QStringLiteral("Qel Configuration Wizard"));
        QCOMPARE(w.size(), QSize(481, 335));
        QCOMPARE(w.minimumSize(), w.maximumSize()); // the user cannot resize it
        QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);

        QCOMPARE(wizard.visiblePages(), QStringList{QStringLiteral("fraBody_0")});
        QCOMPARE(wizard.text(QStringLiteral("Label1")), QStringLiteral("Qel Configuration Wizard"));
        QVERIFY(wizard.find(QStringLiteral("Label1"))->font().bold());
        QCOMPARE(wizard.text(QStringLiteral("lblStep")), QStringLiteral("Welcome"));
        QVERIFY(!wizard.find(QStringLiteral("lblStep"))->font().bold());
        QCOMPARE(wizard.text(QStringLiteral("lblWelcome")),
                 QStringLiteral("Welcome to the Qel Configuration Wizard.  This wizard will ask you a series of "
                                "questions, and then use the answers to generate a configuration file for a "
                                "QelBot3.\r\n\r\nPlease click Next to continue."));
        QCOMPARE(w.CurrentStep, 0);
        QCOMPARE(w.BotCount, 0);
        QVERIFY(w.Bots.isEmpty());
        QVERIFY(!w.ClearBotFields);

        // The banner has the focus, so Enter presses Next straight away.
        QCOMPARE(QApplication::focusWidget(), wizard.find(QStringLiteral("Picture1")));
        QVERIFY(wizard.button(QStringLiteral("cmdBack"))->isEnabled());
        QVERIFY(wizard.button(QStringLiteral("cmdNext"))->isDefault());
    }

    void inputsStartAsDesigned() {
        WizardDriver wizard;
        QLineEdit* trigger = wizard.edit(QStringLiteral("txtTrigger"));
        QCOMPARE(trigger->text(), QStringLiteral("!"));
        wizard.type(trigger, QStringLiteral("ab"));
        QCOMPARE(trigger->text(), QStringLiteral("a")); // one character at most

        QCOMPARE(wizard.edit(QStringLiteral("txtBot_1"))->echoMode(), QLineEdit::Normal); // password shown as typed
        QVERIFY(wizard.check(QStringLiteral("chkDisplay"))->isChecked());
        QVERIFY(wizard.check(QStringLiteral("chkStartBot"))->isChecked());

        QComboBox* server = wizard.combo(QStringLiteral("cmbServer"));
        QVERIFY(server->isEditable());
        QCOMPARE(server->count(), 4);
        QCOMPARE(server->currentText(), QString());
        QComboBox* client = wizard.combo(QStringLiteral("cmbClient"));
        QVERIFY(!client->isEditable());
        QCOMPARE(client->currentIndex(), -1);
        QStringList clients;
        for (int i = 0; i < client->count(); ++i)
            clients << client->itemText(i);
        QCOMPARE(clients, (QStringList{QStringLiteral("StarCraft"), QStringLiteral("Brood War"),
                                       QStringLiteral("WarCraft II BNE")}));
    }

    // Pixel places worked out by hand from the design's twips (15 twips a pixel).
    void controlsStandWhereDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("banner") << QStringLiteral("Picture1") << QRect(0, 0, 585, 55);
        QTest::newRow("step title") << QStringLiteral("lblStep") << QRect(27, 25, 225, 17);
        QTest::newRow("page 2") << QStringLiteral("fraBody_2") << QRect(8, 64, 457, 217);
        QTest::newRow("username box") << QStringLiteral("txtBot_0") << QRect(112, 47, 209, 19);
        QTest::newRow("server box") << QStringLiteral("cmbServer") << QRect(112, 96, 209, 21);
        QTest::newRow("last help button") << QStringLiteral("cmdInfo_6") << QRect(432, 192, 25, 17);
        QTest::newRow("trigger box") << QStringLiteral("txtTrigger") << QRect(96, 112, 17, 19);
        QTest::newRow("button bar") << QStringLiteral("Frame2") << QRect(-2, 296, 532, 50);
        QTest::newRow("back") << QStringLiteral("cmdBack") << QRect(222, 12, 81, 23);
        QTest::newRow("next, one pixel after back") << QStringLiteral("cmdNext") << QRect(304, 12, 81, 23);
        QTest::newRow("cancel") << QStringLiteral("cmdCancel") << QRect(393, 12, 81, 23);
        QTest::newRow("add bot") << QStringLiteral("cmdAddBot") << QRect(384, 56, 81, 23);
        QTest::newRow("line under banner") << QStringLiteral("Line2") << QRect(0, 55, 540, 1);
    }
    void controlsStandWhereDesigned() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        WizardDriver wizard;
        QCOMPARE(wizard.find(name)->geometry(), rect);
    }

    void fontsAreTahomaSizedAndBoldWhereDesigned() {
        WizardDriver wizard;
        for (const ControlSpec& spec : FormControls()) {
            const QFont font = wizard.find(ObjectName(spec))->font();
            QCOMPARE(font.families().value(0), QStringLiteral("Tahoma"));
            QCOMPARE(font.pointSizeF(), 8.25);
            QCOMPARE(font.bold(), (spec.flags & ControlFlag::Bold) != 0);
        }
    }

    // Every caption and page text fits its control in the font the control really gets (the fallback where
    // Tahoma is missing).
    void everyTextFitsItsControl() {
        WizardDriver wizard;
        for (const ControlSpec& spec : FormControls()) {
            QWidget* widget = wizard.find(ObjectName(spec));
            const QFontMetrics metrics(widget->font());
            QSize needed;
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                // A page text that had to grow must still lie inside its page, clear of the controls beside it.
                QVERIFY2(label->parentWidget()->rect().contains(label->geometry()), qPrintable(label->objectName()));
                if (label->wordWrap()) {
                    for (QWidget* sibling : label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                        QVERIFY2(sibling == label || !sibling->geometry().intersects(label->geometry()),
                                 qPrintable(label->objectName() + QStringLiteral(" covers ") + sibling->objectName()));
                    }
                }
                const int flags = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
                needed = metrics.boundingRect(QRect(0, 0, label->width(), 10000), flags, label->text()).size();
            } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
                needed = QSize(metrics.horizontalAdvance(button->text()) + 4, metrics.height());
            } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
                const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                                      box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
                needed = QSize(indicator + metrics.horizontalAdvance(box->text()), metrics.height());
            } else {
                continue;
            }
            QVERIFY2(needed.width() <= widget->width() && needed.height() <= widget->height(),
                     qPrintable(QStringLiteral("%1 needs %2x%3, has %4x%5 (font %6)")
                                    .arg(widget->objectName())
                                    .arg(needed.width())
                                    .arg(needed.height())
                                    .arg(widget->width())
                                    .arg(widget->height())
                                    .arg(QFontInfo(widget->font()).family())));
        }
    }

    void tabOrderOfTheBotPage() {
        WizardDriver wizard;
        wizard.reachBotPage();
        const QStringList expected{
            QStringLiteral("txtBot_0"),   QStringLiteral("txtBot_1"),  QStringLiteral("cmbServer"),
            QStringLiteral("txtBot_2"),   QStringLiteral("cmbClient"), QStringLiteral("txtBot_3"),
            QStringLiteral("chkDisplay"), QStringLiteral("cmdInfo_0"), QStringLiteral("cmdInfo_1"),
            QStringLiteral("cmdInfo_2"),  QStringLiteral("cmdInfo_3"), QStringLiteral("cmdInfo_4"),
            QStringLiteral("cmdInfo_5"),  QStringLiteral("cmdInfo_6"), QStringLiteral("Picture1"),
            QStringLiteral("cmdCancel"),  QStringLiteral("cmdBack"),   QStringLiteral("cmdNext"),
            QStringLiteral("txtBot_0")};
        wizard.edit(QStringLiteral("txtBot_0"))->setFocus();
        QStringList visited{FocusName()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << FocusName();
        }
        QCOMPARE(visited, expected);
    }

    void bannerTabsToTheButtonsThenIntoThePage() {
        WizardDriver wizard;
        wizard.click(QStringLiteral("cmdNext"));
        wizard.find(QStringLiteral("Picture1"))->setFocus();
        QStringList visited;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << FocusName();
        }
        QCOMPARE(visited,
                 (QStringList{QStringLiteral("cmdCancel"), QStringLiteral("cmdBack"), QStringLiteral("cmdNext"),
                              QStringLiteral("txtMaster"), QStringLiteral("txtTrigger")}));
    }

    void captionsNameTheirInputsForScreenReaders() {
        WizardDriver wizard;
        QCOMPARE(wizard.find<QLabel>(QStringLiteral("lblGlobalCap_3"))->buddy(),
                 wizard.find(QStringLiteral("txtBot_0")));
        QCOMPARE(wizard.find<QLabel>(QStringLiteral("lblGlobalCap_1"))->buddy(),
                 wizard.find(QStringLiteral("txtTrigger")));
        QCOMPARE(wizard.find(QStringLiteral("cmdInfo_3"))->accessibleName(), QStringLiteral("Help: CD-Key"));
    }

private:
    static QString FocusName() {
        QWidget* focus = QApplication::focusWidget();
        // An editable combo box gives its focus to its line edit.
        if (focus && qobject_cast<QComboBox*>(focus->parentWidget()))
            focus = focus->parentWidget();
        return focus ? focus->objectName() : QString();
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
