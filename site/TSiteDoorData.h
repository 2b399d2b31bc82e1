#pragma once

#include "site/TSiteDoor.h"
#include "sync/TKeyTables.h"
#include "sync/TSnapshotStore.h"

#include <QString>

#include <functional>
#include <optional>

class TSite;

// What a door's key list wants and what its last snapshot saw, read straight from the files
// (not through a working copy): status, find and the key changes start from here.
struct TSiteDoorData {
    TSiteDoor door;
    std::optional<TKeyTables> list;
    QString listError; // why the list could not be read
    TSnapshotStore::TLatest latest;
    std::optional<TKeyTables> snapshot;
    QString snapshotError;

    // worthReading: given a file's bytes, false when it need not be parsed; such a file is left
    // out (no tables, no error) when it is a sound key list. Any other is read and its fault named.
    using TFilter = std::function<bool(const QByteArray&)>;
    static TSiteDoorData Read(const TSite& site, const TSiteDoor& door, const TSnapshotStore& history,
                              const TFilter& worthReading = {});
    // The list alone, for changes that do not look at the controllers.
    static TSiteDoorData ReadList(const TSite& site, const TSiteDoor& door, const TFilter& worthReading = {});
};
