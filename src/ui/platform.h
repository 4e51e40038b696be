// What the wizard needs from outside its window: message boxes, its own folder, starting a program, quitting.
#pragma once

#include <QString>

class QWidget;

// Message-box styles and answers, numbered as the Win32 ones.
namespace MsgBoxStyle {
inline constexpr int Critical = 16;      // stop icon, OK
inline constexpr int YesNoQuestion = 36; // question icon, Yes and No
inline constexpr int Warning = 48;       // warning icon, OK
inline constexpr int Information = 64;   // information icon, OK
} // namespace MsgBoxStyle

namespace MsgBoxAnswer {
inline constexpr int Ok = 1;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace MsgBoxAnswer

// Win32 SW_SHOWMINIMIZED: the started program opens minimized and active.
inline constexpr int kShowMinimized = 2;

class Platform {
public:
    virtual ~Platform() = default;

    // Shows a modal box and returns the answer (MsgBoxAnswer).
    virtual int MsgBox(const QString& text, const QString& title, int style) = 0;
    // The folder that holds the running executable.
    virtual QString ExecutableFolder() const = 0;
    // Starts program (an absolute path) detached, without a shell, in workingFolder. On failure returns false
    // and puts the system's reason in error.
    virtual bool StartProgram(const QString& program, const QString& workingFolder, int windowStyle,
                              QString& error) = 0;
    // Ends the program once the current handler returns.
    virtual void EndProgram() = 0;
};

// The real platform, through Qt.
class QtPlatform final : public Platform {
public:
    // Message boxes are modal to this window.
    void setParentWindow(QWidget* window) { m_window = window; }

    int MsgBox(const QString& text, const QString& title, int style) override;
    QString ExecutableFolder() const override;
    bool StartProgram(const QString& program, const QString& workingFolder, int windowStyle, QString& error) override;
    void EndProgram() override;

private:
    QWidget* m_window = nullptr;
};
