// The platform seam on top of Qt: QMessageBox, QCoreApplication and QProcess.
#include "ui/platform.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

QMessageBox::Icon IconOf(int style) {
    switch (style & 0xF0) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int QtPlatform::MsgBox(const QString& text, const QString& title, int style) {
    const bool yesNo = (style & 0x0F) == 4;
    QMessageBox box(IconOf(style), title, text, yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, m_window);
    const int answer = box.exec();
    if (!yesNo)
        return MsgBoxAnswer::Ok;
    return answer == QMessageBox::Yes ? MsgBoxAnswer::Yes : MsgBoxAnswer::No;
}

QString QtPlatform::ExecutableFolder() const {
    return QCoreApplication::applicationDirPath();
}

bool QtPlatform::StartProgram(const QString& program, const QString& workingFolder, int windowStyle, QString& error) {
    QProcess process;
    process.setProgram(program);
    process.setWorkingDirectory(workingFolder);
#ifdef Q_OS_WIN
    process.setCreateProcessArgumentsModifier([windowStyle](QProcess::CreateProcessArguments* args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = static_cast<WORD>(windowStyle);
    });
#else
    Q_UNUSED(windowStyle);
#endif
    if (process.startDetached())
        return true;
    error = process.errorString();
    return false;
}

void QtPlatform::EndProgram() {
    QCoreApplication::exit(0);
}
