// A site of 500 controllers (500 key lists, 68,000 slots, 20 snapshots per controller) and the
// wall time of its status, a find by code and by note, and a revoke of a key every list holds.
// Usage: sitebench [--doors N] [--snapshots N] [--keep DIR]
// --keep makes the site in DIR once and then measures a copy of it, so that every run starts from
// the same site (the revoke changes every list).
#include "dbf/TDbfEnv.h"
#include "site/TSite.h"
#include "site/TSiteFinder.h"
#include "site/TSiteJournal.h"
#include "site/TSiteListWriter.h"
#include "site/TSiteQuery.h"
#include "site/TSiteRevoke.h"
#include "site/TSiteStatus.h"
#include "sync/TKeyListFile.h"
#include "sync/TKeyTables.h"
#include "sync/TSnapshotStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
const QString Lost = QStringLiteral("2BC5FB000000");

QString randomCode(QRandomGenerator& random) {
    return QStringLiteral("%1%2")
        .arg(random.bounded(0x1000000), 6, 16, QLatin1Char('0'))
        .arg(random.bounded(0x1000000), 6, 16, QLatin1Char('0'))
        .toUpper();
}

TKeyTables doorTables(int door, QRandomGenerator& random) {
    TKeyTables t;
    t.serial = QStringLiteral("VT%1").arg(door, 6, 10, QLatin1Char('0'));
    t.info = QStringLiteral("Door %1").arg(door);
    for (TKeyTransfer::Table table : TKeyTables::Tables) {
        TMemoryKeyView& view = t.View(table);
        for (int slot = 0; slot < view.SlotCount(); ++slot) {
            TKeySlot key = view.EmptySlot(slot);
            if (random.bounded(4) != 0) {
                key.active = true;
                key.keyCode = randomCode(random);
                key.memo = QStringLiteral("Flat %1 key %2").arg(door).arg(slot);
            }
            view.SetSlot(slot, key);
        }
    }
    TKeySlot lost = t.slave.Slot(100);
    lost.active = true;
    lost.keyCode = Lost;
    lost.memo = QStringLiteral("Lost by Ann");
    t.slave.SetSlot(100, lost);
    return t;
}

void makeSite(const QString& folder, int doors, int snapshots) {
    QRandomGenerator random(17);
    TSnapshotStore history(QDir(folder).filePath(QStringLiteral("history")));
    const QDateTime start(QDate(2026, 1, 1), QTime(8, 0), Qt::UTC);
    QByteArray site = "[site]\nname = Benchmark tower\n";
    for (int door = 0; door < doors; ++door) {
        TKeyTables t = doorTables(door, random);
        const QString list = QStringLiteral("door%1.dbf").arg(door, 3, 10, QLatin1Char('0'));
        TKeyListFile::Write(t, QDir(folder).filePath(list));
        for (int n = 0; n < snapshots; ++n) {
            // Each visit finds a few keys changed.
            TKeySlot changed = t.slave.Slot(random.bounded(100));
            changed.keyCode = randomCode(random);
            t.slave.SetSlot(changed.keyId, changed);
            history.Save(t, n % 2 ? TSnapshotStore::Kind::AfterWrite : TSnapshotStore::Kind::Read,
                         start.addDays(n).addSecs(door));
        }
        site += QStringLiteral("\n[door]\nserial = %1\nname = Door %2\nlocation = Floor %3\nlist = %4\n")
                    .arg(t.serial)
                    .arg(door)
                    .arg(door / 20)
                    .arg(list)
                    .toUtf8();
    }
    QFile file(QDir(folder).filePath(TSiteFile::FileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(site) != site.size())
        qFatal("cannot write the site file");
}

void copySite(const QString& from, const QString& to) {
    const QDir source(QDir(from).absolutePath());
    QDirIterator it(source.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = QDir(to).filePath(source.relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).path());
        if (!QFile::copy(file, target))
            qFatal("cannot copy %s", qPrintable(file));
    }
}

// The median of runs: a busy machine makes single runs noisy.
double medianMs(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int doors =
        args.contains(QStringLiteral("--doors")) ? args.value(args.indexOf("--doors") + 1).toInt() : 500;
    const int snapshots = args.contains(QStringLiteral("--snapshots"))
                              ? args.value(args.indexOf("--snapshots") + 1).toInt()
                              : 20;
    QTemporaryDir temporary;
    const QString folder = temporary.path();
    const QString kept =
        args.contains(QStringLiteral("--keep")) ? args.value(args.indexOf("--keep") + 1) : QString();
    TDbfEnv env;

    QElapsedTimer clock;
    clock.start();
    if (kept.isEmpty()) {
        makeSite(folder, doors, snapshots);
    } else {
        QDir().mkpath(kept);
        if (!QFile::exists(QDir(kept).filePath(TSiteFile::FileName)))
            makeSite(kept, doors, snapshots);
        copySite(kept, folder);
    }
    std::printf("site of %d doors, %d slots, %d snapshots each: ready in %.1f s\n", doors, doors * 136,
                snapshots, clock.nsecsElapsed() / 1e9);

    const TSite site = TSite::Load(folder);
    int changes = 0;
    const double status = medianMs(3, [&] {
        changes = 0;
        for (const TSiteStatus& door : TSiteStatus::Of(site))
            changes += door.changes;
    });
    std::printf("status:               %8.1f ms  (%d changes to write in all)\n", status, changes);
    int hits = 0;
    const double findCode =
        medianMs(3, [&] { hits = int(TSiteFinder::Find(site, TSiteQuery::Parse(Lost)).size()); });
    std::printf("find by code (all):   %8.1f ms  (%d hits)\n", findCode, hits);
    const double findNote = medianMs(
        3, [&] { hits = int(TSiteFinder::Find(site, TSiteQuery::Parse(QStringLiteral("lost by"))).size()); });
    std::printf("find by note (all):   %8.1f ms  (%d hits)\n", findNote, hits);
    // The usual search: a key, or a note, that one door holds.
    const QString rare = TKeyListFile::Read(site.ListPath(site.Doors()[7])).slave.Slot(3).keyCode;
    const double findRare =
        medianMs(3, [&] { hits = int(TSiteFinder::Find(site, TSiteQuery::Parse(rare)).size()); });
    std::printf("find one door's key:  %8.1f ms  (%d hits)\n", findRare, hits);
    const double findRareNote = medianMs(3, [&] {
        hits = int(TSiteFinder::Find(site, TSiteQuery::Parse(QStringLiteral("Flat 7 key"))).size());
    });
    std::printf("find one door's note: %8.1f ms  (%d hits)\n", findRareNote, hits);
    int saved = 0;
    const double revoke = medianMs(1, [&] {
        QList<TSiteKeyChange> plan = TSiteRevoke::Plan(site, Lost);
        TSiteJournal journal(site.Folder());
        saved = TSiteListWriter::Apply(site, plan, journal);
    });
    std::printf("revoke (all lists):   %8.1f ms  (%d lists saved)\n", revoke, saved);
    return 0;
}
