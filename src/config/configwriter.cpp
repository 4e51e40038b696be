// Safe writing of config.txt through QSaveFile.
#include "config/configwriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

Outcome writeConfigFile(const QByteArray& bytes, const QString& folder) {
    const QString path = QDir(folder).filePath(QStringLiteral("config.txt"));
    Outcome result;
    result.path = QDir::toNativeSeparators(path);

#ifdef Q_OS_UNIX
    constexpr auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const QFileDevice::Permissions kept = QFileInfo::exists(path) ? QFile::permissions(path) : ownerOnly;
#endif
    QSaveFile file(path);
    // Unbuffered, so a short write (a disk that fills up part way) is seen here instead of passing for success
    // in the buffered flush inside commit().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        result.error = file.errorString();
        return result;
    }
#ifdef Q_OS_UNIX
    // QSaveFile gives the temporary file the old file's mode. It holds passwords, so nobody else may read it while it
    // is written, nor after a crash leaves it behind; it takes the old mode only just before it replaces config.txt.
    if (!file.setPermissions(ownerOnly)) {
        result.error = file.errorString();
        return result; // the QSaveFile destructor discards the temporary file
    }
#endif
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            result.error = file.errorString();
            return result;
        }
        done += written;
    }
#ifdef Q_OS_UNIX
    if (kept != ownerOnly && !file.setPermissions(kept)) {
        result.error = file.errorString();
        return result;
    }
#endif
    if (!file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}
