#pragma once

#include "seams/TFileIdentity.h"
#include "site/TSiteDoor.h"
#include "site/TSiteFile.h"
#include "sync/TSnapshotStore.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// A building's controllers: a folder holding their key lists and the site file naming each door.
// The lists stay the record of what each door should hold; the history (snapshots of the site's
// doors) and the journals live in the folder too, so that a team syncing it sees one status.
class TSite {
public:
    struct TCreated;

    // Raises ESiteError naming the file and line: no site file, a line it cannot take, a serial
    // number or list named twice, a list that is missing or not a file.
    static TSite Load(const QString& folder);
    // A new site file for the key lists (*.dbf) in the folder; refused when one exists already.
    static TCreated Create(const QString& folder, const QString& name);

    QString Folder() const { return folder; }
    QString FilePath() const;
    QString Name() const { return file.siteName; }
    const QList<TSiteDoor>& Doors() const { return file.doors; }
    QString ListPath(const TSiteDoor& door) const;
    QString HistoryRoot() const;
    // The site's controller history, shared by the team with the site folder's permissions.
    TSnapshotStore History() const;
    QString JournalFolder() const;

    const TSiteDoor* DoorOfSerial(const QString& serial) const;
    // By name, list file or serial number, each compared without regard to letter case.
    const TSiteDoor* FindDoor(const QString& text) const;

    // Applies change to the site file as it is on disk now: a file someone else changed since it
    // was loaded is read again first, never overwritten with this copy. The result is checked as
    // Load checks it before it is saved (atomically); a refused change leaves the file as it was.
    void Change(const std::function<void(TSiteFile&)>& change);
    void Reload();

private:
    TSite() = default;
    void check(const TSiteFile& candidate) const;

    QString folder;
    TSiteFile file;
    TFileIdentity identity;
};

struct TSite::TCreated {
    TSite site;
    QStringList added;        // list files
    QStringList noController; // lists without a serial number: "no controller yet"
    QStringList conflicts;    // "VT000417: a.dbf, b.dbf", none of them added
    QStringList refused;      // "x.dbf: why it is not a key list"
};
