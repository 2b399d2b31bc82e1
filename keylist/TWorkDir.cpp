#include "TWorkDir.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

QString TWorkDir::baseDirectory() {
    for (const char* name : {"TEMP", "TMPDIR"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value;
    }
    return QStringLiteral("/tmp");
}

QString TWorkDir::create(const QString& base) {
    QByteArray pattern = QFile::encodeName(QDir(base).filePath(QStringLiteral("vtrk-XXXXXX")));
    // mkdtemp makes a new directory of mode 0700 and never reuses one that exists.
    if (!mkdtemp(pattern.data())) {
        const int error = errno;
        throw std::runtime_error("Can not create the working directory in " + base.toStdString() + ": " +
                                 std::strerror(error));
    }
    const QString path = QFile::decodeName(pattern);
    if (!isPrivate(path))
        throw std::runtime_error("The working directory " + path.toStdString() + " is not private");
    return path;
}

bool TWorkDir::isPrivate(const QString& path) {
    struct stat st;
    if (lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 077) == 0;
}

void TWorkDir::remove(const QString& path, const QStringList& fileNames) {
    if (path.isEmpty())
        return;
    QDir dir(path);
    for (const QString& name : fileNames)
        dir.remove(name);
    QDir().rmdir(path);
}
