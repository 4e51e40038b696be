// Writes config.txt beside the executable, whole or not at all.
#pragma once

#include "bots/botrecord.h"
#include "core/outcome.h"

#include <QByteArrayView>
#include <QFileDevice>
#include <QList>
#include <QSaveFile>
#include <QString>

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
    Outcome commit();
    // Whether the commit failed only because another program held config.txt or the new file open for a moment.
    bool heldByAnotherProgram() const { return m_heldByAnotherProgram; }

private:
    void fail();

    QSaveFile m_file;
    Outcome m_outcome;
    bool m_failed = false;
    bool m_heldByAnotherProgram = false;
    QFileDevice::Permissions m_kept; // the old file's mode
};

// What differs between systems in replacing config.txt (replace_win.cpp, replace_posix.cpp):
// Whether the replace that has just failed, failed because another program (a virus scanner, an indexer, a sync
// client) holds config.txt or the new file open, which passes in a moment: on Windows, by the system's error code of
// that replace, which must be read before any other call to the system.
bool replaceWasHeldUp();
// Puts the new name of a file in folder on the disk, once the file has taken it: the empty string, or why not.
QString syncNameToDisk(const QString& folder);

// Writes config.txt for these answers and bots into folder, piece by piece. A replace that may pass in a moment is
// tried again, for two seconds at most in all.
Outcome writeConfigFile(const QString& botMaster, const QString& botTrigger, const QList<BotRecord>& bots,
                        const QString& folder);
