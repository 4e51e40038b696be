// Writes config.txt beside the executable, whole or not at all, and tells how far a failed write got.
#pragma once

#include "bots/botrecord.h"
#include "core/outcome.h"

#include <QByteArrayView>
#include <QFileDevice>
#include <QList>
#include <QSaveFile>
#include <QString>

#include <functional>

// How a write of config.txt ended. ok: the new file has the name config.txt and is on the disk. Otherwise error holds
// the system's reason, and newFileInPlace tells which file config.txt now is: false, the old one as it was (or none,
// where there was none); true, the new one, which has its name but which the system could not confirm on the disk.
struct ConfigWrite : Outcome {
    bool newFileInPlace = false;
};

// config.txt in a folder, being written. The bytes go to a temporary file in the same folder that replaces
// config.txt only on commit, once all of them are there and on the disk; on failure, or without commit, the old file
// is untouched and the temporary file removed. A commit succeeds once the new name is on the disk too. The temporary
// file is readable by its owner only while it is written; a new config.txt stays so, a replaced one takes the old
// file's mode.
class ConfigFile {
public:
    explicit ConfigFile(const QString& folder);
    // Adds bytes to the file; false once anything has failed, after which nothing more is written.
    bool write(QByteArrayView bytes);
    // Replaces config.txt with what was written, if all of it was. The outcome's path is config.txt's.
    ConfigWrite commit();
    // Whether the commit failed only because another program held config.txt or the new file open for a moment.
    bool heldByAnotherProgram() const { return m_heldByAnotherProgram; }

private:
    void fail(const QString& reason);

    QSaveFile m_file;
    ConfigWrite m_outcome;
    bool m_failed = false;
    bool m_heldByAnotherProgram = false;
    QFileDevice::Permissions m_finalMode; // the old config.txt's mode, which the new one takes; owner only for a first
};

// What differs between systems in making config.txt durable (replace_win.cpp, replace_posix.cpp). Each returns the
// empty string, or the system's reason for the failure.
// Puts the bytes written through this open file (QFileDevice::handle()) on the disk, before the file takes its name.
QString syncBytesToDisk(int handle);
// Puts the new name of a file in folder on the disk, once the file has taken it.
QString syncNameToDisk(const QString& folder);
// Whether the replace that QSaveFile::commit() has just failed, failed because another program (a virus scanner, an
// indexer, a sync client) holds config.txt or the new file open, which passes in a moment. On Windows this is told by
// the system's error code of that replace: it must be asked before any other call to the system.
bool replaceWasHeldUp();

// Waits that many milliseconds before Generate tries a held-up replace again; tests pass a function that counts.
using PauseBeforeRetry = std::function<void(int milliseconds)>;
void sleepBeforeRetry(int milliseconds);

// Writes config.txt for these answers and bots into folder. A replace held up by another program is tried again after
// pauses of two seconds in all at most; any other failure is reported at once.
ConfigWrite writeConfigFile(const QString& botMaster, const QString& botTrigger, const QList<BotRecord>& bots,
                            const QString& folder, const PauseBeforeRetry& pause = sleepBeforeRetry);
