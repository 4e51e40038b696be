// The platform seam where the wizard is a Windows program: an owner window, and the bot started minimized through
// CreateProcess.
#include "ui/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QWidget>

#include <windows.h>

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
