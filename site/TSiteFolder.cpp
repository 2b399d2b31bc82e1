#include "site/TSiteFolder.h"

#include "seams/TCheckedSave.h"
#include "site/ESiteError.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

mode_t TSiteFolder::FileMode(const QString& folder) {
    struct stat st {};
    if (::stat(QFile::encodeName(folder).constData(), &st) != 0)
        return 0600;
    return (st.st_mode & 0666) | 0600;
}

void TSiteFolder::ApplyMode(const QString& folder, const QString& path) {
    ::chmod(QFile::encodeName(path).constData(), FileMode(folder));
}

void TSiteFolder::SaveText(const QString& folder, const QString& path, const QByteArray& bytes) {
    const bool existed = QFileInfo::exists(path);
    QString error;
    if (!TCheckedSave::Save(path, bytes, &error))
        throw ESiteError(TSiteFolder::tr("Can not save %1: %2").arg(QDir::toNativeSeparators(path), error));
    if (!existed)
        ApplyMode(folder, path);
}

QString TSiteFolder::Subfolder(const QString& folder, const QString& name) {
    const QString path = QDir(folder).filePath(name);
    struct stat st {};
    const QByteArray encoded = QFile::encodeName(path);
    if (::lstat(encoded.constData(), &st) == 0) {
        if (!S_ISDIR(st.st_mode))
            throw ESiteError(
                TSiteFolder::tr("Can not use %1: it is not a folder").arg(QDir::toNativeSeparators(path)));
        return path;
    }
    const mode_t mode = FileMode(folder) | ((FileMode(folder) & 0444) >> 2) | 0700;
    if (::mkdir(encoded.constData(), mode) != 0 && errno != EEXIST)
        throw ESiteError(
            TSiteFolder::tr("Can not make the folder %1: %2")
                .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(errno))));
    ::chmod(encoded.constData(), mode);
    return path;
}
