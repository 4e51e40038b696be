// Drives a real wizard window the way a person would, through its widgets, with a scripted platform.
#pragma once

#include "wizard/wizardwindow.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

QByteArray readAll(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

// Answers message boxes from a script and records each as its style and text ("48 Please enter a bot master.");
// a box with no answer queued fails the test. Its executable folder is a temporary one unless a test chooses
// another. Starting a program is the real one, recorded.
class ScriptedPlatform final : public Platform {
public:
    MessageAnswer messageBox(const QString& text, const QString& title, MessageStyle style) override;
    QString executableFolder() const override { return folder.isEmpty() ? m_folder.path() : folder; }
    Outcome startProgram(const QString& program, const QString& workingFolder, ShowState show) override {
        starts << program << workingFolder << QString::number(static_cast<int>(show));
        return QtPlatform().startProgram(program, workingFolder, show);
    }
    void endProgram() override { ++endCalls; }

    QList<MessageAnswer> answers;
    QStringList boxes;
    QStringList starts; // program, working folder and show state of each start
    int endCalls = 0;
    QString folder;

private:
    QTemporaryDir m_folder;
};

class WizardDriver {
public:
    WizardDriver();

    // The control of that object name; a name the window does not have ends the test program.
    QWidget* find(const QString& name) const;
    template <typename T> T* find(const QString& name) const { return qobject_cast<T*>(find(name)); }
    QString text(const QString& name) const; // of a label, button, text box or drop-down
    QString focusName() const;               // a drop-down's name when its text box has the focus
    int visiblePage() const;                 // the one page that shows, -1 when it is not exactly one
    QString configPath() const { return platform.executableFolder() + "/config.txt"; }

    void click(const QString& name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    void next() { click("cmdNext"); }
    void back() { click("cmdBack"); }
    // Keys for the focused control, separated by blanks: a key's name ("Return"), 'text' to type, >name to press
    // Tab until that control has the focus.
    void play(const QString& keys);
    void type(const QString& name, const QString& text); // over what the box holds
    // Forward from the Welcome page, with a bot master and a bot on the way.
    void reachStep(int step);

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
    void init();
    void cleanup();

private:
    std::unique_ptr<WizardDriver> m_wizard;
    QString m_workingFolder;
};
