#include "site/TSiteDoorData.h"

#include "seams/TRegularFile.h"
#include "site/TSite.h"
#include "sync/TKeyListBytes.h"
#include "sync/TKeyListFile.h"

namespace {
// The file's bytes for the filter and the reading; empty when they cannot be read, and the reading
// then says why.
QByteArray bytesOf(const QString& path) {
    const TRegularFile::TContents contents = TRegularFile::Read(path, TKeyListFile::PlainBytes);
    return contents.data;
}

// Only a sound key list is passed over: reading any other names its fault.
bool passedOver(const QByteArray& bytes, const TSiteDoorData::TFilter& worthReading) {
    return worthReading && TKeyListBytes::IsPlain(bytes) && !worthReading(bytes);
}
} // namespace

TSiteDoorData TSiteDoorData::ReadList(const TSite& site, const TSiteDoor& door, const TFilter& worthReading) {
    TSiteDoorData data;
    data.door = door;
    const QByteArray bytes = bytesOf(site.ListPath(door));
    if (passedOver(bytes, worthReading))
        return data;
    try {
        data.list = TKeyListFile::Read(site.ListPath(door), bytes);
    } catch (const std::exception& e) {
        data.listError = QString::fromStdString(e.what());
    }
    return data;
}

TSiteDoorData TSiteDoorData::Read(const TSite& site, const TSiteDoor& door, const TSnapshotStore& history,
                                  const TFilter& worthReading) {
    TSiteDoorData data = ReadList(site, door, worthReading);
    if (!door.HasController())
        return data;
    data.latest = history.Latest(door.serial);
    if (!data.latest.found)
        return data;
    const QByteArray bytes = bytesOf(data.latest.newest.path);
    if (passedOver(bytes, worthReading))
        return data;
    try {
        data.snapshot = TSnapshotStore::Load(data.latest.newest, bytes);
    } catch (const std::exception& e) {
        data.snapshotError = QString::fromStdString(e.what());
    }
    return data;
}
