#include "site/TSiteDoorRound.h"

#include "seams/TMessageBoxes.h"
#include "site/ESiteError.h"
#include "site/TSite.h"
#include "site/TSiteDoorWitness.h"
#include "site/TSiteRoundHost.h"
#include "sync/TKeyTables.h"
#include "sync/TSnapshotStore.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <optional>

QString TSiteDoorRound::NewListName(const QString& serial) {
    return TSnapshotStore::DirectoryName(serial) + QStringLiteral(".dbf");
}

TSiteDoorRound::Outcome TSiteDoorRound::Run(TSite& site, TSiteRoundHost& host, TMessageBoxes& boxes,
                                            const TSiteDoor* chosen) {
    QString serial;
    QString info;
    // The site is read again below: the chosen door must outlive that.
    const std::optional<TSiteDoor> picked = chosen ? std::optional(*chosen) : std::nullopt;
    if (!host.ReadControllerIdentity(serial, info))
        return Outcome::NotRead;
    if (serial.trimmed().isEmpty()) {
        boxes.error(tr("The controller did not tell its serial number, so its door is not known."));
        return Outcome::NotRead;
    }
    // Someone may have added the door meanwhile.
    site.Reload();
    if (const TSiteDoor* door = site.DoorOfSerial(serial))
        return WriteDoor(site, *door, host);
    if (picked && !picked->HasController())
        return Link(site, *picked, serial, host, boxes);
    return Add(site, serial, info, host, boxes);
}

TSiteDoorRound::Outcome TSiteDoorRound::WriteDoor(TSite& site, const TSiteDoor& door, TSiteRoundHost& host) {
    if (!host.OpenKeyList(site.ListPath(door)))
        return Outcome::Kept;
    host.WriteChanges();
    return Outcome::Compared;
}

TSiteDoorRound::Outcome TSiteDoorRound::Link(TSite& site, const TSiteDoor& door, const QString& serial,
                                             TSiteRoundHost& host, TMessageBoxes& boxes) {
    if (!boxes.confirmYesNo(tr("Controller %1 is not in the site yet.\rIs it the controller of door \"%2\"? "
                               "Its key list %3 is then the list of this controller.")
                                .arg(serial, door.Shown(), door.list)))
        return Outcome::Kept;
    const QString list = door.list;
    try {
        site.Change([&](TSiteFile& file) {
            for (TSiteDoor& each : file.doors)
                if (each.list == list && !each.HasController())
                    each.serial = serial;
        });
    } catch (const ESiteError& e) {
        boxes.error(e.Text());
        return Outcome::Kept;
    }
    const TSiteDoor* linked = site.DoorOfSerial(serial);
    if (!linked) {
        // Someone else linked that list to another controller meanwhile.
        boxes.error(tr("Door \"%1\" has a controller already.").arg(door.Shown()));
        return Outcome::Kept;
    }
    WriteDoor(site, *linked, host);
    return Outcome::Linked;
}

TSiteDoorRound::Outcome TSiteDoorRound::Add(TSite& site, const QString& serial, const QString& info,
                                            TSiteRoundHost& host, TMessageBoxes& boxes) {
    const QString name = NewListName(serial);
    const QString target = QDir(site.Folder()).filePath(name);
    const QString shown = QDir::toNativeSeparators(target);
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) {
        boxes.error(tr("Controller %1 is not in the site, and %2 exists already.\rAdd that list to the site "
                       "or move it away, then go round again.")
                        .arg(serial, shown));
        return Outcome::NotAdded;
    }
    if (!boxes.confirmYesNo(tr("Controller %1 is not in the site.\rRead everything it holds into a new key "
                               "list %2 and add it to the site as a door?\r(To give it the list of a door "
                               "that has no controller yet, choose that door first.)")
                                .arg(serial, shown)))
        return Outcome::Kept;
    const QDateTime started = QDateTime::currentDateTimeUtc().addSecs(-1);
    if (!host.ReadIntoNewList() || !host.SaveListAs(target))
        return Outcome::NotAdded;
    TSiteDoor door;
    door.serial = serial;
    door.name = info.trimmed();
    door.list = name;
    try {
        site.Change([&door](TSiteFile& file) { file.doors.append(door); });
    } catch (const ESiteError& e) {
        boxes.error(tr("The key list %1 was saved, but the site was not changed:\r%2").arg(shown, e.Text()));
        return Outcome::NotAdded;
    }
    // The read was filed before the list belonged to the site: the site's history gets it now, so
    // that the new door does not show as never read.
    const TSnapshotStore::TLatest latest = host.History().Latest(serial);
    if (latest.found && latest.newest.time >= started) {
        QString failed;
        try {
            failed = TSiteDoorWitness::Witness(site.Folder(), QString(), TSnapshotStore::Load(latest.newest),
                                               TSnapshotStore::Kind::Read, latest.newest.time);
        } catch (const std::exception& e) {
            failed = QString::fromUtf8(e.what());
        }
        if (!failed.isEmpty())
            boxes.warning(failed);
    }
    boxes.information(tr("Controller %1 is now door \"%2\" of the site.").arg(serial, door.Shown()));
    return Outcome::Added;
}
