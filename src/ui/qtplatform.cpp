// The platform seam on top of Qt: QMessageBox, QCoreApplication and QProcess.
#include "ui/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif
#ifdef Q_OS_LINUX
#include <climits>
#include <unistd.h>

#include <algorithm>
#include <array>
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

// The folder, when it is an absolute one that exists.
Outcome existingFolder(const QString& folder) {
    Outcome result{QDir::isAbsolutePath(folder) && QFileInfo(folder).isDir(), QDir::fromNativeSeparators(folder), {}};
    if (!result.ok)
        result.error = QStringLiteral("The wizard cannot find the folder it was started from.");
    return result;
}

} // namespace

MessageAnswer QtPlatform::messageBox(const QString& text, const QString& title, MessageStyle style) {
    const bool yesNo = style == MessageStyle::Question;
    QMessageBox box(iconOf(style), title, text, yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, m_window);
    // The program's font is the form's; message boxes speak in the system's own, as native ones do.
    box.setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    const int answer = box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

Outcome folderOfExecutable(const QByteArray& nativePath) {
    const QByteArray folder = nativePath.left(nativePath.lastIndexOf('/'));
    const QString name = QFile::decodeName(folder);
    if (QFile::encodeName(name) == folder)
        return existingFolder(name);
    return {false, name,
            QStringLiteral("The name of this folder is not text on this system, so the wizard cannot name it.  Move "
                           "the wizard and the bot to a folder with a plain name.")};
}

Outcome QtPlatform::executableFolder() const {
#ifdef Q_OS_LINUX
    // The link holds the file system's own bytes; Qt's applicationDirPath() gives up on a name that is not UTF-8.
    std::array<char, PATH_MAX> bytes{};
    const ssize_t length = readlink("/proc/self/exe", bytes.data(), bytes.size());
    return folderOfExecutable(QByteArray(bytes.data(), std::max<ssize_t>(length, 0)));
#else
    return existingFolder(QCoreApplication::applicationDirPath());
#endif
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
#ifndef Q_OS_WIN
    // QelBot3.exe is a Windows program ("MZ" opens every one): here Wine starts it.
    if (QFile file(program); file.open(QIODevice::ReadOnly) && file.read(2) == "MZ") {
        process.setArguments({program});
        process.setProgram(QStandardPaths::findExecutable(QStringLiteral("wine")));
        if (process.program().isEmpty()) {
            result.error = QStringLiteral("QelBot3.exe is a Windows program.  On Linux, Wine starts it, and Wine is "
                                          "not installed: install it (on Debian, \"apt install wine\"), then start "
                                          "the bot with \"wine QelBot3.exe\" in its folder.");
            return result;
        }
    }
#endif
    result.ok = process.startDetached();
    if (!result.ok)
        result.error = process.errorString();
    return result;
}

void QtPlatform::endProgram() {
    QCoreApplication::exit(0);
}
