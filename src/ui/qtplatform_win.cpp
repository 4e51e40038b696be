// The platform seam where the wizard is a Windows program: an owner window, its style, the boxes' sounds, Qt's
// translations inside the executable, and the bot started minimized through CreateProcess.
#include "ui/platform.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QWidget>

#include <windows.h>

// Qt's translations of the texts the wizard can show, built into the executable (src/ui/CMakeLists.txt).
QString qtTranslationsFolder() {
    return QStringLiteral(":/qt-translations");
}

void useLaidOutStyle() {
    QApplication::setStyle(QStringLiteral("windowsvista"));
}

void nameDropDownText(QComboBox* dropDown, const QString& caption) {
    dropDown->lineEdit()->setAccessibleName(caption);
    dropDown->lineEdit()->setAccessibleDescription(dropDown->accessibleDescription());
}

// As the system's own boxes sound. Qt 6.4 plays these sounds itself once a UI Automation client (a screen reader)
// has asked for the window, except for a question: then it is left to Qt, so that no box sounds twice.
void QtPlatform::soundFor(MessageStyle style) {
    if (style != MessageStyle::Question && QAccessible::isActive())
        return;
    switch (style) {
    case MessageStyle::Critical: MessageBeep(MB_ICONHAND); return;
    case MessageStyle::Question: MessageBeep(MB_ICONQUESTION); return;
    case MessageStyle::Warning: MessageBeep(MB_ICONEXCLAMATION); return;
    case MessageStyle::Information: MessageBeep(MB_ICONASTERISK); return;
    }
}

QWidget* QtPlatform::windowOwner() {
    // An owned window gets no task-bar button of its own: the wizard's owner is a window that never shows. It is a
    // tool window because Qt checks the graphics adapters (through Direct3D) before it first places a plain
    // top-level window, and tool windows skip that: the check costs start-up time and memory on every start, and
    // under Wine brings up OpenGL.
    if (!m_owner) {
        m_owner = std::make_unique<QWidget>(nullptr, Qt::Tool);
        m_owner->winId();
    }
    return m_owner.get();
}

Outcome QtPlatform::executableFolder() const {
    return existingFolder(QCoreApplication::applicationDirPath());
}

Outcome QtPlatform::startProgramMinimized(const QString& program, const QString& workingFolder) {
    QProcess process;
    process.setProgram(program);
    process.setWorkingDirectory(workingFolder);
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = SW_SHOWMINIMIZED;
    });
    Outcome result;
    result.path = QDir::toNativeSeparators(program);
    result.ok = process.startDetached();
    if (!result.ok)
        result.error = process.errorString();
    return result;
}
