#include "seams/TFilePlacement.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

bool TFilePlacement::PlaceNew(const QString& from, const QString& to, QString* error) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    int result = ::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE);
    if (result != 0 && (errno == EINVAL || errno == ENOSYS)) {
        // A file system without the flag: link() refuses an existing name, links included.
        result = ::link(source.constData(), target.constData());
        if (result == 0)
            ::unlink(source.constData());
    }
    if (result != 0 && error)
        *error = QString::fromLocal8Bit(std::strerror(errno));
    return result == 0;
}
