// What the wizard needs from outside its window: message boxes, its own folder, starting a program, quitting, and
// Qt's own texts in the user's language.
#pragma once

#include "core/outcome.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QComboBox;
class QLocale;
class QTranslator;
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
    // Starts program (an absolute path) detached, without a shell, in workingFolder, and says whether it started. On
    // Windows its first window shows minimized and active (SW_SHOWMINIMIZED). Linux has no such start state to hand
    // on: the program's window opens as it, or Wine for a Windows program, chooses; nothing is minimized.
    virtual Outcome startProgramMinimized(const QString& program, const QString& workingFolder) = 0;
    // Ends the program once the current handler returns.
    virtual void endProgram() = 0;

    // Shows text in a box of the style over the window that from is in, with that window's title as the box's, and
    // returns the button pressed once the box is closed.
    MessageAnswer tell(QWidget* from, const QString& text, MessageStyle style);
};

// The folder, when it is absolute and exists; otherwise why not.
Outcome existingFolder(const QString& folder);
// The folder of the executable whose path the file system spells as nativePath: absolute, existing, and with a name
// that survives the way to QString and back; otherwise the reason.
Outcome folderOfExecutable(const QByteArray& nativePath);

// Qt's own texts, those the wizard shows (the boxes' buttons, the line edits' menu), in the locale's language where
// Qt has a translation for it, installed for the whole program; nullptr, and English, where it has none. The wizard's
// own texts stay English, left to right, as its window is laid out for them.
std::unique_ptr<QTranslator> installQtTranslation(const QLocale& locale);
// The folder of Qt's translations (qtbase_<language>.qm): on Linux the system's, on Windows inside the executable.
QString qtTranslationsFolder();
// Draws the program in the style its window is laid out in: on Windows the "windowsvista" style on every version,
// where Qt would draw Windows 11 in a newer one; elsewhere the desktop's own. Once, before the window is made.
void useLaidOutStyle();
// How a screen reader names an editable drop-down's text box, which has the keyboard focus while the drop-down has it.
// On Windows, UI Automation reports the focus on the text box itself, which takes the drop-down's name and
// description; elsewhere the drop-down around it names it, and naming the box too would have its name read twice.
void nameDropDownText(QComboBox* dropDown, const QString& caption);

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
    // The system's sound for a box of the style, where boxes have one.
    static void soundFor(MessageStyle style);

    std::unique_ptr<QWidget> m_owner;
};
