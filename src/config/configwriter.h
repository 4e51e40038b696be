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
// config.txt only on commit, once all of them are there; on failure, or without commit, the old file is untouched
// and the temporary file removed. The temporary file is readable by its owner only while it is written; a new
// config.txt stays so, a replaced one takes the old file's mode.
class ConfigFile {
public:
    explicit ConfigFile(const QString& folder);
    // Adds bytes to the file; false once anything has failed, after which nothing more is written.
    bool write(QByteArrayView bytes);
    // Replaces config.txt with what was written, if all of it was. The outcome's path is config.txt's.
    Outcome commit();

private:
    void fail();

    QSaveFile m_file;
    Outcome m_outcome;
    bool m_failed = false;
    QFileDevice::Permissions m_kept; // the old file's mode
};

// Whether a replace that failed for this reason may pass in a moment: on Windows, while another program (a virus
// scanner, an indexer, a sync client) holds config.txt or the new file open. (replace_win.cpp, replace_other.cpp)
bool mayPassInAMoment(const QString& reason);

// Writes config.txt for these answers and bots into folder, piece by piece. A replace that may pass in a moment is
// tried again, for two seconds at most in all.
Outcome writeConfigFile(const QString& botMaster, const QString& botTrigger, const QList<BotRecord>& bots,
                        const QString& folder);
