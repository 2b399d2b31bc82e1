#pragma once

#include "sync/TSnapshotStore.h"

#include <QString>

#include <functional>

class TKeyTables;

// A site's doors read or written outside a round (the window, vtrk read, write and sync with a
// list of the site): what their controllers held goes into the site's history too, and a write
// into its journal, slot by slot, so that the team's status and journal see it.
class TSiteDoorWitness {
public:
    // The witness for a session working with the key list listPath() names at that moment: it
    // does nothing while that list is not in a site folder.
    static TSnapshotStore::TWitness ForList(const std::function<QString()>& listPath,
                                            const QString& user = QString());

    // Files the snapshot when its serial number is a door of the site; the reason it could not.
    static QString Witness(const QString& siteFolder, const QString& user, const TKeyTables& tables,
                           TSnapshotStore::Kind kind, const QDateTime& when);
};
