// The keyboard player of the wizard driver and the fixture of the window tests.
#include "wizarddriver.h"

#include <QDir>
#include <QRegularExpression>

bool WizardDriver::play(const QString& keys) {
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
            if (focusName() != step.mid(1))
                return QTest::qVerify(false, "focus", qPrintable("Tab never reached " + step), __FILE__, __LINE__);
        } else if (step.startsWith(u'@')) {
            find(step.mid(1))->setFocus(Qt::OtherFocusReason);
            if (focusName() != step.mid(1))
                return QTest::qVerify(false, "focus", qPrintable(step + " did not take the focus"), __FILE__, __LINE__);
        } else if (step == u"Paste") {
            QTest::keySequence(QApplication::focusWidget(), QKeySequence::Paste);
        } else {
            const int key = QMetaEnum::fromType<Qt::Key>().keyToValue(qPrintable("Key_" + step), &known);
            if (!known)
                return QTest::qVerify(false, "key", qPrintable("no key named " + step), __FILE__, __LINE__);
            QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
        }
    }
    return true;
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
