#include "site/TSiteDoorData.h"

#include "site/TSite.h"
#include "sync/TKeyListFile.h"

TSiteDoorData TSiteDoorData::ReadList(const TSite& site, const TSiteDoor& door) {
    TSiteDoorData data;
    data.door = door;
    try {
        data.list = TKeyListFile::Read(site.ListPath(door));
    } catch (const std::exception& e) {
        data.listError = QString::fromStdString(e.what());
    }
    return data;
}

TSiteDoorData TSiteDoorData::Read(const TSite& site, const TSiteDoor& door, const TSnapshotStore& history) {
    TSiteDoorData data = ReadList(site, door);
    if (!door.HasController())
        return data;
    data.latest = history.Latest(door.serial);
    if (!data.latest.found)
        return data;
    try {
        data.snapshot = TSnapshotStore::Load(data.latest.newest);
    } catch (const std::exception& e) {
        data.snapshotError = QString::fromStdString(e.what());
    }
    return data;
}
