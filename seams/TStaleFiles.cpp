#include "seams/TStaleFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool makerGone(qint64 pid) {
    if (pid <= 0 || pid == qint64(::getpid()))
        return false;
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

// The maker's number in "<digits>-...", or -1.
qint64 makerOf(const QString& rest) {
    const int dash = rest.indexOf(QLatin1Char('-'));
    bool ok = false;
    const qint64 pid = dash > 0 ? rest.left(dash).toLongLong(&ok) : -1;
    return ok ? pid : -1;
}

bool isLegacy(const QString& rest, int length) {
    if (length <= 0 || rest.size() < length || (rest.size() > length && rest[length] != QLatin1Char('.')))
        return false;
    for (int i = 0; i < length; ++i)
        if (!rest[i].isLetterOrNumber() || rest[i].unicode() > 127)
            return false;
    return true;
}
} // namespace

QString TStaleFiles::OwnName(const QString& prefix) {
    return prefix + QString::number(::getpid()) + QLatin1Char('-');
}

int TStaleFiles::Sweep(const QString& directory, const QString& prefix, int legacyLength) {
    const QDir dir(directory);
    const QStringList names = dir.entryList(
        {prefix + QLatin1Char('*')}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    int removed = 0;
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        struct stat st {};
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || S_ISLNK(st.st_mode) ||
            st.st_uid != ::geteuid())
            continue;
        const qint64 age = now - qint64(st.st_mtime);
        const QString rest = name.mid(prefix.size());
        const qint64 maker = makerOf(rest);
        const bool stale =
            age >= GraceSeconds && ((maker > 0 && makerGone(maker)) ||
                                    ((maker > 0 || isLegacy(rest, legacyLength)) && age >= AbandonedSeconds));
        if (!stale)
            continue;
        const bool gone = S_ISDIR(st.st_mode) ? QDir(path).removeRecursively()
                                              : ::unlink(QFile::encodeName(path).constData()) == 0;
        removed += gone ? 1 : 0;
    }
    return removed;
}
