// The window as designed: what shows after load, where the controls stand, that every text fits, the tab order.
#include "ui/formbuilder.h"
#include "ui/formlayout.h"
#include "wizarddriver.h"

#include <QStyle>

class WindowTest : public QObject {
    Q_OBJECT

    static QString FocusName() {
        QWidget* focus = QApplication::focusWidget();
        if (qobject_cast<QComboBox*>(focus->parentWidget())) // an editable combo box's line edit
            focus = focus->parentWidget();
        return focus->objectName();
    }

private Q_SLOTS:
    void windowRightAfterLoad() {
        WizardDriver wizard;
        const WizardWindow& w = wizard.window;
        QCOMPARE(w.windowTitle(), u"Qel Configuration Wizard"_s);
        QCOMPARE(w.size(), QSize(481, 335));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(wizard.visiblePages(), QStringList{u"fraBody_0"_s});
        QCOMPARE(wizard.text(u"lblStep"_s), u"Welcome"_s);
        QCOMPARE(wizard.text(u"lblWelcome"_s),
                 u"Welcome to the Qel Configuration Wizard.  This wizard will ask you a series of questions, and then "
                 "use the answers to generate a configuration file for a QelBot3.\r\n\r\nPlease click Next to "
                 "continue."_s);
        QCOMPARE(QApplication::focusWidget(), wizard.find(u"Picture1"_s)); // so Enter presses Next at once
        QCOMPARE(w.windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));

        wizard.type(u"txtTrigger"_s, u"ab"_s);
        QCOMPARE(wizard.edit(u"txtTrigger"_s)->text(), u"a"_s);              // one character at most
        QCOMPARE(wizard.edit(u"txtBot_1"_s)->echoMode(), QLineEdit::Normal); // password shown as typed
        QVERIFY(wizard.find<QCheckBox>(u"chkDisplay"_s)->isChecked());
        QVERIFY(wizard.find<QCheckBox>(u"chkStartBot"_s)->isChecked());
        QComboBox* server = wizard.combo(u"cmbServer"_s);
        QComboBox* client = wizard.combo(u"cmbClient"_s);
        QVERIFY(server->isEditable() && !client->isEditable());
        QCOMPARE(server->count(), 4);
        QCOMPARE(server->currentText(), QString());
        QCOMPARE(client->currentIndex(), -1);
        QCOMPARE(client->itemText(0) + client->itemText(1) + client->itemText(2),
                 u"StarCraftBrood WarWarCraft II BNE"_s);
    }

    // Every text fits its control in the font the control really gets, Tahoma's stand-in included; a page text
    // that needed a pixel more stays inside its page and clear of the controls beside it.
    void everyTextFitsItsControl() {
        WizardDriver wizard;
        for (const ControlRow& row : formControls()) {
            QWidget* widget = wizard.find(objectNameOf(row));
            QCOMPARE(widget->font().families().value(0), u"Tahoma"_s);
            QCOMPARE(widget->font().pointSizeF(), 8.25);
            QCOMPARE(widget->font().bold(), (row.flags & ControlFlag::Bold) != 0);
            const QFontMetrics metrics(widget->font());
            QSize needed;
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                const int flags = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
                needed = metrics.boundingRect(QRect(0, 0, label->width(), 1000), flags, label->text()).size();
                QVERIFY(label->parentWidget()->rect().contains(label->geometry()));
                for (QWidget* sibling : label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    QVERIFY(!label->wordWrap() || sibling == label ||
                            !sibling->geometry().intersects(label->geometry()));
            } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
                needed = QSize(metrics.horizontalAdvance(button->text()) + 4, metrics.height());
            } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
                needed = QSize(box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                                   box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box) +
                                   metrics.horizontalAdvance(box->text()),
                               metrics.height());
            } else {
                continue;
            }
            QVERIFY2(needed.width() <= widget->width() && needed.height() <= widget->height(),
                     qPrintable(u"%1 needs %2x%3 in %4"_s.arg(widget->objectName())
                                    .arg(needed.width())
                                    .arg(needed.height())
                                    .arg(QFontInfo(widget->font()).family())));
        }
    }

    void tabOrderFollowsTheDesign() {
        WizardDriver wizard;
        wizard.reachBotPage();
        const QString expected = u"txtBot_0 txtBot_1 cmbServer txtBot_2 cmbClient txtBot_3 chkDisplay cmdInfo_0 "
                                 "cmdInfo_1 cmdInfo_2 cmdInfo_3 cmdInfo_4 cmdInfo_5 cmdInfo_6 Picture1 cmdCancel "
                                 "cmdBack cmdNext txtBot_0"_s;
        wizard.edit(u"txtBot_0"_s)->setFocus();
        QStringList visited{FocusName()};
        while (visited.size() < expected.count(u' ') + 1) {
            wizard.key(Qt::Key_Tab);
            visited << FocusName();
        }
        QCOMPARE(visited.join(u' '), expected);

        wizard.back(); // from the banner to the buttons, then into the Global Settings page
        wizard.find(u"Picture1"_s)->setFocus();
        visited.clear();
        for (int i = 0; i < 5; ++i) {
            wizard.key(Qt::Key_Tab);
            visited << FocusName();
        }
        QCOMPARE(visited.join(u' '), u"cmdCancel cmdBack cmdNext txtMaster txtTrigger"_s);
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
