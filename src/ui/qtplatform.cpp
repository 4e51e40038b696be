// The platform seam on top of Qt: QMessageBox, QCoreApplication and QProcess.
#include "ui/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

QMessageBox::Icon iconOf(MessageStyle style) {
    switch (style) {
    case MessageStyle::Critical:
        return QMessageBox::Critical;
    case MessageStyle::Question:
        return QMessageBox::Question;
    case MessageStyle::Warning:
        return QMessageBox::Warning;
    case MessageStyle::Information:
        return QMessageBox::Information;
    }
    Q_UNREACHABLE();
}

} // namespace

MessageAnswer QtPlatform::messageBox(const QString& text, const QString& title, MessageStyle style) {
    const bool yesNo = style == MessageStyle::Question;
    QMessageBox box(iconOf(style), title, text, yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, m_window);
    const int answer = box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString QtPlatform::executableFolder() const {
    return QCoreApplication::applicationDirPath();
}

Outcome QtPlatform::startProgram(const QString& program, const QString& workingFolder, ShowState show) {
    QProcess process;
    process.setProgram(program);
    process.setWorkingDirectory(workingFolder);
#ifdef Q_OS_WIN
    process.setCreateProcessArgumentsModifier([show](QProcess::CreateProcessArguments* args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = static_cast<WORD>(show);
    });
#else
    Q_UNUSED(show);
#endif
    Outcome result;
    result.path = QDir::toNativeSeparators(program);
    result.ok = process.startDetached();
    if (!result.ok)
        result.error = process.errorString();
    return result;
}

void QtPlatform::endProgram() {
    QCoreApplication::exit(0);
}
