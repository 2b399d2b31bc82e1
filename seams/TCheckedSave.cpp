#include "seams/TCheckedSave.h"

#include "seams/TRegularFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

QString TCheckedSave::CheckTarget(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return QString();
    if (!S_ISREG(st.st_mode))
        return TRegularFile::DescribeKind(st.st_mode);
    const QFileInfo info(path);
    if (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner))
        return QString::fromLocal8Bit(std::strerror(EACCES));
    return QString();
}

bool TCheckedSave::Save(const QString& path, const QByteArray& bytes, QString* error) {
    const QString refused = CheckTarget(path);
    if (!refused.isEmpty()) {
        *error = refused;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    const bool whole =
        file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError;
    if (whole && file.commit())
        return true;
    // A short write sets no error of its own; the system's reason is that of the next attempt.
    *error = file.error() != QFileDevice::NoError
                 ? file.errorString()
                 : QString::fromLocal8Bit(std::strerror(errno ? errno : EIO));
    // Discarded, not placed: the old file stays as it was.
    file.cancelWriting();
    return false;
}
