// Safe writing of config.txt through QSaveFile, each step checked.
#include "config/configwriter.h"

#include "config/configformat.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <algorithm>

namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Virus scanners, indexers and sync clients hold a file open for a moment after it changes. Such a moment is waited
// out, well under the five seconds after which Windows calls a window "Not responding".
constexpr int kLongestWaitForHeldFile = 2000; // milliseconds, all pauses together
constexpr int kFirstPause = 50;

} // namespace

ConfigFile::ConfigFile(const QString& folder)
    : m_file(QDir(folder).filePath(QStringLiteral("config.txt"))) {
    m_outcome.path = QDir::toNativeSeparators(m_file.fileName());
    m_finalMode = QFileInfo::exists(m_file.fileName()) ? QFile::permissions(m_file.fileName()) : kOwnerOnly;
    // Unbuffered, so a short write (a disk that fills up part way) is seen here instead of passing for success
    // in the buffered flush inside commit().
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        fail(m_file.errorString());
        return;
    }
    // QSaveFile gives the temporary file the old file's mode. It holds passwords, so nobody else may read it while it
    // is written, nor after a crash leaves it behind; it takes the old mode only just before it replaces config.txt.
    // (On Windows a mode is only the read-only flag, and the folder's rights apply.)
    if (!m_file.setPermissions(kOwnerOnly))
        fail(m_file.errorString()); // the QSaveFile destructor discards the temporary file
}

bool ConfigFile::write(QByteArrayView bytes) {
    for (qint64 done = 0; !m_failed && done < bytes.size();) {
        const qint64 written = m_file.write(bytes.data() + done, bytes.size() - done);
        if (written > 0)
            done += written;
        else
            fail(m_file.errorString());
    }
    return !m_failed;
}

ConfigWrite ConfigFile::commit() {
    if (!m_failed && m_finalMode != kOwnerOnly && !m_file.setPermissions(m_finalMode))
        fail(m_file.errorString());
    // QSaveFile::commit() syncs the bytes before the rename too, but goes on whatever the sync answers: they are
    // synced, and the answer checked, here.
    if (!m_failed) {
        if (const QString reason = syncBytesToDisk(m_file.handle()); !reason.isEmpty())
            fail(reason);
    }
    if (!m_failed && !m_file.commit()) {
        const bool heldUp = m_file.error() == QFileDevice::RenameError && replaceWasHeldUp(); // asked first
        // Windows also refuses to replace a folder in config.txt's place, which no wait lets go.
        m_heldByAnotherProgram = heldUp && !QFileInfo(m_file.fileName()).isDir();
        fail(m_file.errorString());
    }
    if (!m_failed) {
        // The new file has the name config.txt. That name must be on the disk too before the wizard says it is done,
        // or a power cut could bring back the old file, or none.
        m_outcome.newFileInPlace = true;
        if (const QString reason = syncNameToDisk(QFileInfo(m_file.fileName()).path()); !reason.isEmpty())
            fail(reason);
    }
    m_outcome.ok = !m_failed;
    return m_outcome;
}

void ConfigFile::fail(const QString& reason) {
    m_failed = true;
    // Some reasons name config.txt in Qt's notation ("Existing file Z:/bots/config.txt is not writable"); the box
    // names it once, in the system's.
    m_outcome.error = QString(reason).remove(m_file.fileName()).remove(m_outcome.path).simplified();
}

void sleepBeforeRetry(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

ConfigWrite writeConfigFile(const QString& botMaster, const QString& botTrigger, const QList<BotRecord>& bots,
                            const QString& folder, const PauseBeforeRetry& pause) {
    const QByteArray bytes = generateConfig(botMaster, botTrigger, bots);
    int waited = 0;
    for (int next = kFirstPause;; next *= 2) {
        // Written anew each time: a failed replace removes the new file.
        ConfigFile file(folder);
        file.write(bytes);
        const ConfigWrite outcome = file.commit();
        if (outcome.ok || !file.heldByAnotherProgram() || waited >= kLongestWaitForHeldFile)
            return outcome;
        const int wait = std::min(next, kLongestWaitForHeldFile - waited);
        pause(wait);
        waited += wait;
    }
}
