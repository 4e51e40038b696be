// Safe writing of config.txt through QSaveFile.
#include "config/configwriter.h"

#include "config/configformat.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <algorithm>

namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

} // namespace

ConfigFile::ConfigFile(const QString& folder)
    : m_file(QDir(folder).filePath(QStringLiteral("config.txt"))) {
    m_outcome.path = QDir::toNativeSeparators(m_file.fileName());
    m_kept = QFileInfo::exists(m_file.fileName()) ? QFile::permissions(m_file.fileName()) : kOwnerOnly;
    // Unbuffered, so a short write (a disk that fills up part way) is seen here instead of passing for success
    // in the buffered flush inside commit().
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        fail();
        return;
    }
    // QSaveFile gives the temporary file the old file's mode. It holds passwords, so nobody else may read it while it
    // is written, nor after a crash leaves it behind; it takes the old mode only just before it replaces config.txt.
    // (On Windows a mode is only the read-only flag, and the folder's rights apply.)
    if (!m_file.setPermissions(kOwnerOnly))
        fail(); // the QSaveFile destructor discards the temporary file
}

bool ConfigFile::write(QByteArrayView bytes) {
    for (qint64 done = 0; !m_failed && done < bytes.size();) {
        const qint64 written = m_file.write(bytes.data() + done, bytes.size() - done);
        if (written > 0)
            done += written;
        else
            fail();
    }
    return !m_failed;
}

Outcome ConfigFile::commit() {
    if (!m_failed && m_kept != kOwnerOnly && !m_file.setPermissions(m_kept))
        fail();
    if (!m_failed && !m_file.commit()) {
        // Only the replace can be held up, and not by a folder in config.txt's place, which Windows also refuses.
        m_heldByAnotherProgram =
            m_file.error() == QFileDevice::RenameError && replaceWasHeldUp() && !QFileInfo(m_file.fileName()).isDir();
        fail();
    }
    if (!m_failed) {
        // The new bytes are on the disk (QSaveFile syncs them before it renames); their name must be too before the
        // wizard says it is done, or a power cut could bring back the old file, or none.
        m_outcome.error = syncNameToDisk(QFileInfo(m_file.fileName()).path());
        m_failed = !m_outcome.error.isEmpty();
    }
    m_outcome.ok = !m_failed;
    return m_outcome;
}

void ConfigFile::fail() {
    m_failed = true;
    // Some reasons name config.txt in Qt's notation ("Existing file Z:/bots/config.txt is not writable"); the box
    // names it once, in the system's.
    QString reason = m_file.errorString();
    reason.remove(m_file.fileName()).remove(m_outcome.path);
    m_outcome.error = reason.simplified();
}

Outcome writeConfigFile(const QString& botMaster, const QString& botTrigger, const QList<BotRecord>& bots,
                        const QString& folder) {
    // Virus scanners, indexers and sync clients hold a file open for a moment after it changes. Such a moment is
    // waited out, well under the five seconds after which Windows calls a window "Not responding"; the file is
    // written anew each time, as a failed replace removes the new file.
    const QDeadlineTimer deadline(2000);
    for (int pause = 50;; pause *= 2) {
        ConfigFile file(folder);
        generateConfig(botMaster, botTrigger, bots, [&file](QByteArrayView piece) { return file.write(piece); });
        const Outcome outcome = file.commit();
        if (outcome.ok || !file.heldByAnotherProgram() || deadline.hasExpired())
            return outcome;
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(pause, deadline.remainingTime())));
    }
}
