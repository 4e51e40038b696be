// Replacing config.txt on a POSIX system: a rename does not fail because another program has a file open, and the
// folder holds the new name only once it is synced.
#include "config/configwriter.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool replaceWasHeldUp() {
    return false;
}

QString syncNameToDisk(const QString& folder) {
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) // a folder that may be written but not read: the name is in place, and cannot be synced
        return {};
    int result = 0;
    do {
        result = ::fsync(descriptor);
    } while (result != 0 && errno == EINTR);
    const int error = errno;
    ::close(descriptor);
    // Some network and FUSE file systems do not sync a folder at all: the name is in place as well as they keep it.
    if (result == 0 || error == EINVAL || error == ENOTSUP)
        return {};
    return QCoreApplication::translate("ConfigFile",
                                       "The system could not make sure that the new file is on the disk: %1")
        .arg(qt_error_string(error));
}
