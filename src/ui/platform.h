// What the wizard needs from outside its window: message boxes, its own folder, starting a program, quitting.
#pragma once

#include "core/outcome.h"

#include <QPointer>
#include <QString>
#include <QWidget>

// Message-box styles and answers keep the Win32 numbers.
enum class MessageStyle {
    Critical = 16,    // stop icon, OK
    Question = 36,    // question icon, Yes and No
    Warning = 48,     // warning icon, OK
    Information = 64, // information icon, OK
};

enum class MessageAnswer {
    Ok = 1,
    Yes = 6,
    No = 7,
};

// How a started program first shows its window, as Win32's ShowWindow numbers.
enum class ShowState {
    Minimized = 2, // SW_SHOWMINIMIZED: minimized and active
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual MessageAnswer messageBox(const QString& text, const QString& title, MessageStyle style) = 0;
    // The absolute folder that holds the running executable, with "/" between names, or why it cannot be named.
    virtual Outcome executableFolder() const = 0;
    // Starts program (an absolute path) detached, without a shell, in workingFolder; elsewhere than on Windows, a
    // Windows program through Wine.
    virtual Outcome startProgram(const QString& program, const QString& workingFolder, ShowState show) = 0;
    // Ends the program once the current handler returns.
    virtual void endProgram() = 0;
};

// The folder of the executable whose path the file system spells as nativePath: absolute, existing, and with a name
// that survives the way to QString and back; otherwise the reason.
Outcome folderOfExecutable(const QByteArray& nativePath);

// The real platform, through Qt.
class QtPlatform final : public Platform {
public:
    // Message boxes are modal to this window while it lives.
    void setParentWindow(QWidget* window) { m_window = window; }

    MessageAnswer messageBox(const QString& text, const QString& title, MessageStyle style) override;
    Outcome executableFolder() const override;
    Outcome startProgram(const QString& program, const QString& workingFolder, ShowState show) override;
    void endProgram() override;

private:
    QPointer<QWidget> m_window;
};
