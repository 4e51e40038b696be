// Replacing config.txt on Windows, where another program may hold it open for a moment.
#include "config/configwriter.h"

#include <windows.h>

bool mayPassInAMoment(const QString& reason) {
    // A file held open without sharing delete, or the new file, cannot take the other's place: the replace answers
    // "Access denied" or a sharing violation, in the system's words, which is what reason holds.
    for (const DWORD code : {ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION}) {
        if (reason == qt_error_string(static_cast<int>(code)).simplified())
            return true;
    }
    return false;
}
