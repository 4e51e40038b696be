// The platform seam where the wizard is a Linux program: the executable's folder by its bytes, and QelBot3.exe,
// a Windows program, started through Wine.
#include "ui/platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

#include <climits>
#include <unistd.h>

#include <algorithm>

QString qtTranslationsFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath); // Debian's qt6-translations-l10n fills it
}

// The desktop's own dialogs make no sound of their own; a screen reader hears the box as an alert.
void QtPlatform::soundFor(MessageStyle) {}

QWidget* QtPlatform::windowOwner() {
    return nullptr; // a window manager gives dialogs without an owner their own task-bar entry, as users expect
}

void useLaidOutStyle() {}

void nameDropDownText(QComboBox*, const QString&) {}

Outcome QtPlatform::executableFolder() const {
    // The link holds the file system's own bytes; Qt's applicationDirPath() gives up on a name that is not UTF-8.
    // readlink() cuts a link to the buffer's size without a word, so a buffer the answer fills is too small: it
    // grows until the whole path fits. An unreadable link gives an empty path, which names no folder.
    QByteArray bytes(PATH_MAX, Qt::Uninitialized);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", bytes.data(), bytes.size());
        if (length < bytes.size()) {
            bytes.truncate(std::max<ssize_t>(length, 0));
            return folderOfExecutable(bytes);
        }
        bytes.resize(bytes.size() * 2);
    }
}

// There is no window state to hand on to a program started here; a Windows program's is Wine's to choose.
Outcome QtPlatform::startProgramMinimized(const QString& program, const QString& workingFolder) {
    QProcess process;
    process.setProgram(program);
    process.setWorkingDirectory(workingFolder);
    Outcome result;
    result.path = program;
    // QelBot3.exe is a Windows program ("MZ" opens every one): here Wine starts it.
    if (QFile file(program); file.open(QIODevice::ReadOnly) && file.read(2) == "MZ") {
        process.setArguments({program});
        process.setProgram(QStandardPaths::findExecutable(QStringLiteral("wine")));
        if (process.program().isEmpty()) {
            result.error = QCoreApplication::translate(
                "Platform", "QelBot3.exe is a Windows program.  On Linux, Wine starts it, and Wine is "
                            "not installed: install it (on Debian, \"apt install wine\"), then start "
                            "the bot with \"wine QelBot3.exe\" in its folder.");
            return result;
        }
    }
    result.ok = process.startDetached();
    if (!result.ok)
        result.error = process.errorString();
    return result;
}
