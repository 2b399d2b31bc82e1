#include "seams/TFileIdentity.h"

#include "seams/TRegularFile.h"

#include <QCryptographicHash>
#include <QFile>

#include <sys/stat.h>

TFileIdentity TFileIdentity::Of(const QString& path) {
    TFileIdentity identity;
    identity.known = true;
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return identity;
    identity.exists = true;
    identity.size = st.st_size;
    identity.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    // A time stamp alone misses a change made within the file system's time resolution.
    if (S_ISREG(st.st_mode) && st.st_size <= MaxHashedBytes) {
        const TRegularFile::TContents contents = TRegularFile::Read(path, MaxHashedBytes);
        if (contents.ok)
            identity.hash = QCryptographicHash::hash(contents.data, QCryptographicHash::Sha256);
    }
    return identity;
}

bool TFileIdentity::operator==(const TFileIdentity& other) const {
    return known == other.known && exists == other.exists && size == other.size &&
           modifiedNs == other.modifiedNs && hash == other.hash;
}
