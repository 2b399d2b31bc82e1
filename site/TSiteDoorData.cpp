#include "site/TSiteDoorData.h"

#include "seams/TRegularFile.h"
#include "site/TSite.h"
#include "sync/TKeyListFile.h"

namespace {
// A key list is a few kilobytes; a larger file is read in full and refused there.
constexpr qint64 FilterBytes = 1024 * 1024;

bool passedOver(const QString& path, const TSiteDoorData::TFilter& worthReading) {
    if (!worthReading)
        return false;
    const TRegularFile::TContents contents = TRegularFile::Read(path, FilterBytes);
    return contents.ok && !worthReading(contents.data);
}
} // namespace

TSiteDoorData TSiteDoorData::ReadList(const TSite& site, const TSiteDoor& door, const TFilter& worthReading) {
    TSiteDoorData data;
    data.door = door;
    if (passedOver(site.ListPath(door), worthReading))
        return data;
    try {
        data.list = TKeyListFile::Read(site.ListPath(door));
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
    if (!data.latest.found || passedOver(data.latest.newest.path, worthReading))
        return data;
    try {
        data.snapshot = TSnapshotStore::Load(data.latest.newest);
    } catch (const std::exception& e) {
        data.snapshotError = QString::fromStdString(e.what());
    }
    return data;
}
