// The scripted platform, the wizard driver and the fixture of the window tests.
#include "wizarddriver.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRegularExpression>

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

MessageAnswer ScriptedPlatform::messageBox(const QString& text, const QString& title, MessageStyle style) {
    boxes << QString::number(static_cast<int>(style)) + u' ' + text;
    if (title == "Qel Configuration Wizard" && !answers.isEmpty())
        return answers.takeFirst();
    QTest::qFail(qPrintable("unexpected message box: " + title + ": " + text), __FILE__, __LINE__);
    return MessageAnswer::No;
}

WizardDriver::WizardDriver() {
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qFatal("the wizard window did not become active");
}

QWidget* WizardDriver::find(const QString& name) const {
    auto* widget = window.findChild<QWidget*>(name);
    if (!widget)
        qFatal("the window has no control named %s", qPrintable(name));
    return widget;
}

QString WizardDriver::text(const QString& name) const {
    return find(name)->property(find<QComboBox>(name) ? "currentText" : "text").toString();
}

QString WizardDriver::focusName() const {
    QWidget* focus = QApplication::focusWidget();
    return focus && qobject_cast<QComboBox*>(focus->parentWidget()) ? focus->parentWidget()->objectName()
           : focus                                                  ? focus->objectName()
                                                                    : QString();
}

int WizardDriver::visiblePage() const {
    QList<int> shown;
    for (int i = 0; i < 5; ++i) {
        if (find(QStringLiteral("fraBody_%1").arg(i))->isVisible())
            shown << i;
    }
    return shown.size() == 1 ? shown[0] : -1;
}

void WizardDriver::play(const QString& keys) {
    static const QRegularExpression token(QStringLiteral("'[^']*'|\\S+"));
    for (const QRegularExpressionMatch& match : token.globalMatch(keys)) {
        const QString step = match.captured();
        bool known = step.startsWith(u'\'');
        if (known) { // one key event a character, letters beyond ASCII included
            for (const QChar c : step.mid(1, step.size() - 2))
                QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, c, Qt::NoModifier);
        } else if (step.startsWith(u'>')) {
            for (int presses = 0; presses < 40 && focusName() != step.mid(1); ++presses)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(focusName() == step.mid(1), qPrintable("Tab never reached " + step));
        } else {
            const int key = QMetaEnum::fromType<Qt::Key>().keyToValue(qPrintable("Key_" + step), &known);
            QVERIFY2(known, qPrintable("no key named " + step));
            QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
        }
    }
}

void WizardDriver::type(const QString& name, const QString& text) {
    auto* combo = find<QComboBox>(name);
    (combo ? static_cast<QWidget*>(combo->lineEdit()) : find(name))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    play("Delete '" + text + "'");
}

void WizardDriver::reachStep(int step) {
    for (int at = 0; at < step; ++at) {
        if (at == 1)
            type("txtMaster", "owner");
        next();
        if (at == 1)
            play(">txtBot_0 'bot1' Tab 'secret' Tab 'useast.battle.net' Tab 'AB-CD' Tab Down Down Tab 'home'");
    }
    QCOMPARE(window.currentStep(), step);
}

void WizardTestCase::init() {
    m_workingFolder = QDir::currentPath();
    m_wizard = std::make_unique<WizardDriver>();
}

void WizardTestCase::cleanup() {
    QDir::setCurrent(m_workingFolder);
    const qsizetype unused = m_wizard->platform.answers.size();
    m_wizard.reset();
    QVERIFY2(unused == 0, "a scripted answer was never used");
}
