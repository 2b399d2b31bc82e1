#include "app/TWorkDir.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string fail(const QString& path, const char* what) {
    return QCoreApplication::translate("TWorkDir", "Temporary directory %1 cannot be used: %2")
        .arg(path, QCoreApplication::translate("TWorkDir", what))
        .toStdString();
}

} // namespace

QString TWorkDir::baseDirectory() {
    for (const char* name : {"TEMP", "TMPDIR"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value;
    }
    return QStringLiteral("/tmp");
}

QString TWorkDir::prepare(const QString& base) {
    return prepare(base, QStringLiteral("velm-tarvikon"));
}

bool TWorkDir::isPrivate(const QString& path) {
    struct stat st {};
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == geteuid() && (st.st_mode & 077) == 0;
}

QString TWorkDir::prepare(const QString& base, const QString& name) {
    const uid_t uid = geteuid();
    QString path = QDir::cleanPath(base) + QStringLiteral("/%1-%2").arg(name).arg(uid);
    if (path.size() > MaxLength)
        throw std::runtime_error(
            fail(path, QT_TRANSLATE_NOOP("TWorkDir", "the path is longer than 500 characters")));
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        throw std::runtime_error(fail(path, std::strerror(errno)));

    struct stat st {};
    if (::lstat(native.constData(), &st) != 0)
        throw std::runtime_error(fail(path, std::strerror(errno)));
    if (!S_ISDIR(st.st_mode))
        throw std::runtime_error(fail(path, QT_TRANSLATE_NOOP("TWorkDir", "it is not a directory")));
    if (st.st_uid != uid)
        throw std::runtime_error(fail(path, QT_TRANSLATE_NOOP("TWorkDir", "it belongs to another user")));
    // Ours, so only the mode may be wrong; nobody else may read or replace the working copy.
    if ((st.st_mode & 077) != 0 && ::chmod(native.constData(), 0700) != 0)
        throw std::runtime_error(fail(path, std::strerror(errno)));
    return path;
}
