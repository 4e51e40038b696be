// What the wizard needs from outside its window: message boxes, its own folder, starting a program, quitting.
#pragma once

#include "core/outcome.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QWidget;

enum class MessageStyle {
    Critical,    // stop icon, OK
    Question,    // question icon, Yes and No
    Warning,     // warning icon, OK
    Information, // information icon, OK
};

enum class MessageAnswer { Ok, Yes, No };

class Platform {
public:
    virtual ~Platform() = default;

    // A box modal to the window over, which is its parent.
    virtual MessageAnswer messageBox(QWidget* over, const QString& text, const QString& title, MessageStyle style) = 0;
    // The absolute folder that holds the running executable, with "/" between names, or why it cannot be named.
    virtual Outcome executableFolder() const = 0;
    // Starts program (an absolute path) detached, without a shell, in workingFolder, its window shown minimized and
    // active (Win32's SW_SHOWMINIMIZED); elsewhere than on Windows, a Windows program through Wine.
    virtual Outcome startProgramMinimized(const QString& program, const QString& workingFolder) = 0;
    // Ends the program once the current handler returns.
    virtual void endProgram() = 0;

    // A box over the window that from is in, titled as that window.
    MessageAnswer tell(QWidget* from, const QString& text, MessageStyle style);
};

// The folder, when it is absolute and exists; otherwise why not.
Outcome existingFolder(const QString& folder);
// The folder of the executable whose path the file system spells as nativePath: absolute, existing, and with a name
// that survives the way to QString and back; otherwise the reason.
Outcome folderOfExecutable(const QByteArray& nativePath);

// The real platform, through Qt. What differs between systems is in qtplatform_<system>.cpp.
class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    // The window that the wizard's window belongs to: on Windows a hidden one, so that the wizard has no task-bar
    // button of its own, as the design wants; nullptr elsewhere.
    QWidget* windowOwner();

    MessageAnswer messageBox(QWidget* over, const QString& text, const QString& title, MessageStyle style) override;
    Outcome executableFolder() const override;
    Outcome startProgramMinimized(const QString& program, const QString& workingFolder) override;
    void endProgram() override;

private:
    std::unique_ptr<QWidget> m_owner;
};
