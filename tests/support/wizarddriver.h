// Drives a real wizard window the way a person would, through its widgets, with a scripted platform.
#pragma once

#include "wizard/wizardwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A message box as the wizard showed it.
struct Box {
    MessageStyle style;
    QString text;
    friend bool operator==(const Box&, const Box&) = default;
};
inline char* toString(const Box& box) {
    static const char* const styles[]{"critical", "question", "warning", "information"};
    return QTest::toString(QString::fromLatin1(styles[static_cast<int>(box.style)]) + QStringLiteral(": ") + box.text);
}

// Answers message boxes from a script and records each; a box with no answer queued fails the test. The wizard's
// executable is in a temporary folder unless a test names another path, in the file system's own bytes. Starting a
// program is the real one, recorded.
class ScriptedPlatform final : public Platform {
public:
    MessageAnswer messageBox(QWidget*, const QString& text, const QString& title, MessageStyle style) override {
        boxes << Box{style, text};
        if (QApplication::overrideCursor()) // a busy pointer over a box says the box cannot be answered yet
            QTest::qFail(qPrintable("a box under a busy pointer: " + text), __FILE__, __LINE__);
        if (title == "Qel Configuration Wizard" && !answers.isEmpty())
            return answers.takeFirst();
        QTest::qFail(qPrintable("unexpected message box: " + title + ": " + text), __FILE__, __LINE__);
        return MessageAnswer::No;
    }
    Outcome executableFolder() const override {
        return folderOfExecutable(executable.isEmpty() ? QFile::encodeName(m_folder.filePath("QelWizard"))
                                                       : executable);
    }
    Outcome startProgramMinimized(const QString& program, const QString& workingFolder) override {
        starts << program << workingFolder;
        return QtPlatform().startProgramMinimized(program, workingFolder);
    }
    void endProgram() override { ++endCalls; }
    QList<MessageAnswer> answers;
    QList<Box> boxes;
    QStringList starts; // program and working folder of each start
    int endCalls = 0;
    QByteArray executable;

private:
    QTemporaryDir m_folder;
};

class WizardDriver {
public:
    WizardDriver() {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the wizard window did not become active");
    }

    // The control of that object name; a name the window does not have ends the test program.
    QWidget* find(const QString& name) const {
        auto* widget = window.findChild<QWidget*>(name);
        if (!widget)
            qFatal("the window has no control named %s", qPrintable(name));
        return widget;
    }
    template <typename T> T* find(const QString& name) const { return qobject_cast<T*>(find(name)); }
    // The text of a label, button, text box or drop-down.
    QString text(const QString& name) const {
        return find(name)->property(find<QComboBox>(name) ? "currentText" : "text").toString();
    }
    // The focused control's name; a drop-down's when its text box has the focus.
    QString focusName() const {
        QWidget* focus = QApplication::focusWidget();
        if (focus && qobject_cast<QComboBox*>(focus->parentWidget()))
            focus = focus->parentWidget();
        return focus ? focus->objectName() : QString();
    }
    // The pages that show: one, normally. A page the wizard has not gone to yet is not made.
    QList<Step> visiblePages() const {
        QList<Step> shown;
        for (int i = 0; i < kStepCount; ++i)
            if (auto* page = window.findChild<QWidget*>(QStringLiteral("fraBody_%1").arg(i)); page && page->isVisible())
                shown << static_cast<Step>(i);
        return shown;
    }
    QString folder() const { return platform.executableFolder().path; }
    QString configPath() const { return folder() + "/config.txt"; }

    void click(const QString& name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    void next() { click("cmdNext"); }
    // Keys for the focused control, separated by blanks: a key's name ("Return"), 'text' to type, Paste, >name to
    // press Tab until that control has the focus, @name to put the focus there without the keyboard. False, with the
    // test failed, where a key could not be played.
    [[nodiscard]] bool play(const QString& keys);
    // Forward from the Welcome page, with a bot master and a bot on the way. False, with the test failed, where the
    // wizard did not get there.
    [[nodiscard]] bool reachStep(Step step) {
        for (int moves = 0; moves < kStepCount && window.currentStep() < step; ++moves) {
            if (window.currentStep() == Step::GlobalSettings && !play("@txtMaster 'owner'"))
                return false;
            next();
            if (window.currentStep() == Step::BotInformation &&
                !play("@txtBot_0 'bot1' @txtBot_1 'secret' @cmbServer 'useast.battle.net' @txtBot_2 'AB-CD' @cmbClient "
                      "Down Down @txtBot_3 'home'"))
                return false;
        }
        return QTest::qCompare(window.currentStep(), step, "currentStep", "step", __FILE__, __LINE__);
    }

    ScriptedPlatform platform;
    WizardWindow window{platform};
};

// A fresh wizard for every test. A scripted answer that no box used fails the test, and the working folder that a
// test changed is restored.
class WizardTestCase : public QObject {
    Q_OBJECT

protected:
    WizardDriver& wizard() { return *m_wizard; }

private Q_SLOTS:
    void initTestCase() { // as the program starts
        useLaidOutStyle();
        installAccessibleRoles();
    }
    void init();
    void cleanup();

private:
    std::unique_ptr<WizardDriver> m_wizard;
    QString m_workingFolder;
};
