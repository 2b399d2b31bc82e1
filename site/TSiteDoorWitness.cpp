#include "site/TSiteDoorWitness.h"

#include "site/ESiteError.h"
#include "site/TSite.h"
#include "site/TSiteFile.h"
#include "site/TSiteJournal.h"
#include "sync/TKeyTables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
// A write's lines: each slot of a table written whole that now holds something else than the
// door's last snapshot showed; a door never seen before was "unknown" in every slot.
QList<TSiteJournal::TEntry> writeEntries(const QString& serial, const TKeyTables* before,
                                         const TKeyTables& after) {
    QList<TSiteJournal::TEntry> entries;
    for (TKeyTransfer::Table table : TKeyTables::Tables) {
        if (!after.Valid(table))
            continue;
        const TMemoryKeyView& now = after.View(table);
        const bool known = before && before->Valid(table);
        for (int slot = 0; slot < now.SlotCount(); ++slot) {
            TSiteJournal::TEntry entry;
            entry.kind = QStringLiteral("controller");
            entry.name = serial;
            entry.table = table;
            entry.number = slot + 1;
            entry.before = known ? TSiteJournal::HeldText(before->View(table).Slot(slot))
                                 : QString::fromLatin1(TKeyPlaceholder::Unknown);
            entry.after = TSiteJournal::HeldText(now.Slot(slot));
            // Of a door never seen, what it holds now says all: 136 lines of "unknown, now empty" would not.
            const bool told = known || entry.after != QLatin1String(TKeyPlaceholder::EmptyCode);
            if (told && entry.before != entry.after)
                entries.append(entry);
        }
    }
    return entries;
}
} // namespace

TSnapshotStore::TWitness TSiteDoorWitness::ForList(const std::function<QString()>& listPath,
                                                   const QString& user) {
    const QString who = user.isEmpty() ? TSiteJournal::CurrentUser() : user;
    return [listPath, who](const TKeyTables& tables, TSnapshotStore::Kind kind, const QDateTime& when) {
        const QString path = listPath();
        const QFileInfo list(path);
        if (path.isEmpty() || !QFileInfo(list.dir().filePath(TSiteFile::FileName)).isFile())
            return QString();
        return Witness(list.absolutePath(), who, tables, kind, when);
    };
}

QString TSiteDoorWitness::Witness(const QString& siteFolder, const QString& user, const TKeyTables& tables,
                                  TSnapshotStore::Kind kind, const QDateTime& when) {
    const QString failed = QCoreApplication::translate(
        "TSiteDoorWitness", "The site's history of controller %1 was not updated: %2");
    try {
        const TSite site = TSite::Load(siteFolder);
        if (!site.DoorOfSerial(tables.serial))
            return QString();
        TSnapshotStore history = site.History();
        const TSnapshotStore::TLatest latest = history.Latest(tables.serial);
        history.Save(tables, kind, when);
        if (kind == TSnapshotStore::Kind::AfterWrite) {
            const std::optional<TKeyTables> before =
                latest.found ? std::optional(TSnapshotStore::Load(latest.newest)) : std::nullopt;
            const QList<TSiteJournal::TEntry> entries =
                writeEntries(tables.serial, before ? &*before : nullptr, tables);
            if (!entries.isEmpty())
                TSiteJournal(siteFolder, user).Append(entries);
        }
    } catch (const ESiteError& e) {
        return failed.arg(tables.serial, e.Text());
    } catch (const std::exception& e) {
        return failed.arg(tables.serial, QString::fromUtf8(e.what()));
    }
    return QString();
}
