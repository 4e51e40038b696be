// Replacing config.txt on Windows, where another program may hold it open for a moment.
#include "config/configwriter.h"

#include <windows.h>

bool replaceWasHeldUp() {
    // A file held open without sharing delete, or the new file, cannot take the other's place: the replace answers
    // "access denied" or a sharing violation. Nothing between the failed replace and this call sets the error:
    // QSaveFile then only deletes its temporary file, which succeeds.
    const DWORD error = GetLastError();
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
}

QString syncNameToDisk(const QString&) {
    // NTFS writes a rename to its journal; there is no folder to sync.
    return {};
}
