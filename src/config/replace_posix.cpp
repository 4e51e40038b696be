// Making config.txt durable on a POSIX system: a rename does not fail because another program has a file open, and the
// folder holds the new name only once it is synced.
#include "config/configwriter.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// fsync or fdatasync, tried again where a signal broke in: 0, or the system's error code.
int syncError(int (*sync)(int), int descriptor) {
    int result = 0;
    do {
        result = sync(descriptor);
    } while (result != 0 && errno == EINTR);
    return result == 0 ? 0 : errno;
}

} // namespace

QString syncBytesToDisk(int handle) {
    if (const int error = syncError(::fdatasync, handle))
        return qt_error_string(error);
    // QSaveFile closes the file only inside commit(), and goes on whatever the close answers; on network file systems
    // the close is where a lost write shows. Closing a copy of the descriptor asks the same question here, before the
    // file has its name. (Once the bytes are synced and this close is answered, the later close has nothing left to
    // report.)
    const int copy = ::fcntl(handle, F_DUPFD_CLOEXEC, 0);
    if (copy < 0 || ::close(copy) != 0)
        return qt_error_string(errno);
    return {};
}

QString syncNameToDisk(const QString& folder) {
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // A folder its user may write but not read (-wx) cannot be opened to be synced, by this program or any other of
    // theirs: the name is in place, and the file system writes it out in its own time. Calling that a failure would
    // fail every Generate there, with nothing the user could do but move the bot.
    if (descriptor < 0)
        return errno == EACCES ? QString() : qt_error_string(errno);
    const int error = syncError(::fsync, descriptor);
    ::close(descriptor);
    // Some network and FUSE file systems cannot sync a folder at all: the name is in place as well as they keep it.
    if (error == 0 || error == EINVAL || error == ENOTSUP)
        return {};
    return qt_error_string(error);
}

bool replaceWasHeldUp() {
    return false;
}
