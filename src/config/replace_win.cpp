// Making config.txt durable on Windows, where another program may hold it open for a moment.
#include "config/configwriter.h"

#include <io.h>
#include <windows.h>

// FlushFileBuffers also sends what a network share caches to the server, where a lost write shows; closing a handle
// reports nothing of it.
QString syncBytesToDisk(int handle) {
    const auto file = reinterpret_cast<HANDLE>(_get_osfhandle(handle));
    if (file == INVALID_HANDLE_VALUE || !FlushFileBuffers(file))
        return qt_error_string(static_cast<int>(GetLastError()));
    return {};
}

QString syncNameToDisk(const QString&) {
    // NTFS writes a rename to its journal; there is no folder to sync.
    return {};
}

bool replaceWasHeldUp() {
    // A file held open without sharing delete, or the new file, cannot take the other's place: the replace answers
    // "access denied" or a sharing violation. QSaveFile::commit() keeps no error code, so the thread's last error is
    // read here. In Qt 6.4 (qsavefile.cpp, qtemporaryfile.cpp, qfsfileengine_win.cpp) only these calls come between
    // the failed MoveFileExW and this read: FormatMessageW and LocalFree, twice, which make error texts, and
    // DeleteFileW, which removes the new file. Windows documents each of them to set the last error when it fails and
    // not when it succeeds; and DeleteFileW fails with these two codes when another program holds the new file, which
    // is as much a hold.
    const DWORD error = GetLastError();
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
}
