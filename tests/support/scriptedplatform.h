// A platform for tests: answers message boxes from a script, records them, and lives in a temporary folder.
#pragma once

#include "ui/platform.h"

#include <QList>
#include <QPointer>
#include <QQueue>
#include <QTemporaryDir>
#include <QWidget>

struct RecordedBox {
    QString text;
    QString title;
    int style = 0;
    QPointer<QWidget> focus;     // the window's focus widget when the box opened
    QPointer<QWidget> shownPage; // the page visible when the box opened, if any
};

// Starting a program is the real one; everything else is scripted.
class ScriptedPlatform final : public Platform {
public:
    ScriptedPlatform();

    // Queues the answer for the next message box. A box that nobody queued an answer for fails the test.
    void answer(MessageAnswer reply) { m_answers.enqueue(reply); }
    // Lets the platform see the window's focus and pages when a box opens.
    void watch(QWidget* window) { m_window = window; }

    MessageAnswer messageBox(const QString& text, const QString& title, MessageStyle style) override;
    // The executable's folder is a fresh temporary folder unless a test points it elsewhere.
    void setExecutableFolder(const QString& folder) { m_folderOverride = folder; }
    QString executableFolder() const override {
        return m_folderOverride.isEmpty() ? m_folder.path() : m_folderOverride;
    }
    Outcome startProgram(const QString& program, const QString& workingFolder, ShowState show) override;
    void endProgram() override { ++endCalls; }

    QList<RecordedBox> boxes;
    struct Start {
        QString program;
        QString workingFolder;
        int windowStyle = 0;
    };
    QList<Start> starts;
    int endCalls = 0;

private:
    QTemporaryDir m_folder;
    QString m_folderOverride;
    QQueue<MessageAnswer> m_answers;
    QPointer<QWidget> m_window;
    QtPlatform m_real;
};
