// A site on disk: the site file and its faults, creating a site from lists, the status of each
// door, finding a key in every written form, revoking and giving across lists, the journal.
#include "dbf/TDbfEnv.h"
#include "site/ESiteError.h"
#include "site/TOpenListHook.h"
#include "site/TSite.h"
#include "site/TSiteDoorWitness.h"
#include "site/TSiteFile.h"
#include "site/TSiteFinder.h"
#include "site/TSiteGive.h"
#include "site/TSiteJournal.h"
#include "site/TSiteListWriter.h"
#include "site/TSiteQuery.h"
#include "site/TSiteRevoke.h"
#include "site/TSiteSaveJournal.h"
#include "site/TSiteStatus.h"
#include "sync/TKeyListFile.h"
#include "sync/TKeyTables.h"
#include "sync/TSnapshotStore.h"

#include <QtTest>

#include <sys/stat.h>

namespace {
using Table = TKeyTransfer::Table;
using TSlots = QMap<int, TKeySlot>; // slave slots by slot number
using TSnapshotList = QList<TSlots>;

// The key of the parser's own example: engraved "66 000000FBC52B 01".
const QString Lost = QStringLiteral("2BC5FB000000");
const QString Other = QStringLiteral("0A0B0C0D0E0F");
const QDateTime Morning(QDate(2026, 12, 9), QTime(8, 0), Qt::UTC);

TKeySlot key(const QString& code, const QString& memo, bool active = true) {
    TKeySlot k;
    k.active = active;
    k.keyCode = code;
    k.memo = memo;
    return k;
}

TKeyTables tables(const QString& serial, const TSlots& slave = {}) {
    TKeyTables t;
    t.serial = serial;
    t.info = QStringLiteral("Door");
    t.MarkAllEmpty();
    t.master.SetSlot(0, key(QStringLiteral("01A2B3C4D5E6"), QStringLiteral("Installer")));
    for (auto it = slave.cbegin(); it != slave.cend(); ++it)
        t.slave.SetSlot(it.key(), it.value());
    return t;
}

QByteArray bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeText(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QString doorText(const QString& serial, const QString& name, const QString& list) {
    return QStringLiteral("[door]\nserial = %1\nname = %2\nlist = %3\n").arg(serial, name, list);
}
} // namespace

// The main window as a site change sees it: the list it has open, and whether it takes a change.
class TFakeOpenList : public TOpenListHook {
public:
    QString path;
    bool refuse = false;
    QList<TSiteKeyChange::TSlot> taken;

    QString OpenListPath() override { return path; }
    void ApplyToOpenList(const QList<TSiteKeyChange::TSlot>& edits) override {
        if (refuse)
            throw std::runtime_error("Slave #5 was changed in the window");
        taken = edits;
    }
};

Q_DECLARE_METATYPE(TKeySlot)

class tst_TSite : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    TDbfEnv env;

    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    void list(const QString& name, const TKeyTables& t) { TKeyListFile::Write(t, path(name)); }
    void snapshot(const TKeyTables& t, TSnapshotStore::Kind kind, const QDateTime& when) {
        TSnapshotStore(path(QStringLiteral("history"))).Save(t, kind, when);
    }
    // Three doors: A and B hold the lost key active, C does not; B's controller was seen with it.
    TSite threeDoors();

private slots:
    void init() {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
    }

    void shouldRefuseABrokenSiteFileNamingFileAndLine_data();
    void shouldRefuseABrokenSiteFileNamingFileAndLine();
    void shouldCreateASiteFromItsListsWithoutMergingConflicts();
    void shouldReloadASiteFileChangedMeanwhileAndKeepTheFolderPermissions();
    void shouldTellEveryDoorsStatus_data();
    void shouldTellEveryDoorsStatus();
    void shouldTakeTheWriteAfterAReadOfTheSameSecondAsNewest();
    void shouldFindAKeyInEveryWrittenFormInListsAndSnapshots_data();
    void shouldFindAKeyInEveryWrittenFormInListsAndSnapshots();
    void shouldRevokeEverywhereLeavingAListThatCannotBeWrittenWhole();
    void shouldGiveAKeyOnlyToFreeSlots();
    void shouldRefuseAListChangedSinceThePlan();
    void shouldMergeFilterAndExportTheJournals();
    void shouldLeaveTheListOpenInTheWindowToIt_data();
    void shouldLeaveTheListOpenInTheWindowToIt();
    void shouldFileADoorReadOrWrittenOutsideARoundInTheSite();
    void shouldJournalEverySlotAWindowSaveChangedInASiteList_data();
    void shouldJournalEverySlotAWindowSaveChangedInASiteList();
};

TSite tst_TSite::threeDoors() {
    list(QStringLiteral("a.dbf"), tables(QStringLiteral("VT1"), {{2, key(Lost, QStringLiteral("Ann"))}}));
    list(QStringLiteral("b.dbf"), tables(QStringLiteral("VT2"), {{7, key(Lost, QStringLiteral("Ann"))}}));
    list(QStringLiteral("c.dbf"), tables(QStringLiteral("VT3"), {{0, key(Other, QStringLiteral("Bob"))}}));
    snapshot(tables(QStringLiteral("VT2"), {{7, key(Lost, QStringLiteral("Ann"))}}),
             TSnapshotStore::Kind::Read, Morning);
    writeText(path(TSiteFile::FileName),
              "[site]\nname = Office\n\n" +
                  (doorText("VT1", "Main entrance", "a.dbf") + doorText("VT2", "Back door", "b.dbf") +
                   doorText("VT3", "Garage", "c.dbf"))
                      .toUtf8());
    return TSite::Load(dir.path());
}

void tst_TSite::shouldRefuseABrokenSiteFileNamingFileAndLine_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected");
    const QByteArray a = doorText("VT1", "Main", "a.dbf").toUtf8();
    QTest::newRow("not key = value") << QByteArray("[site]\nname = X\nwhatever\n")
                                     << ":3: expected \"key = value\"";
    QTest::newRow("unknown section") << QByteArray("[site]\n[doors]\n") << ":2: unknown section [doors]";
    QTest::newRow("value before a section")
        << QByteArray("name = X\n") << ":1: \"name\" before [site] or [door]";
    QTest::newRow("door without list")
        << QByteArray("[door]\nserial = VT9\n") << ":1: the door names no key list (\"list = ...\")";
    QTest::newRow("missing list") << a + doorText("VT2", "Back", "gone.dbf").toUtf8()
                                  << ":5: key list gone.dbf is missing";
    QTest::newRow("list outside the folder") << a + doorText("VT2", "Back", "../a.dbf").toUtf8()
                                             << ":5: key list ../a.dbf lies outside the site folder";
    QTest::newRow("serial twice") << a + doorText("VT1", "Back", "b.dbf").toUtf8()
                                  << ":5: serial number VT1 is named twice (also at line 1)";
    QTest::newRow("list twice") << a + doorText("VT2", "Back", "a.dbf").toUtf8()
                                << ":5: key list a.dbf is named twice (also at line 1)";
    QTest::newRow("key twice") << QByteArray("[door]\nlist = a.dbf\nlist = b.dbf\n")
                               << ":3: \"list\" given twice for one door";
    QTest::newRow("control character") << QByteArray("[door]\nlist = a.dbf\nname = a\x1b[2Jb\n")
                                       << ":3: the value holds a control character";
}

void tst_TSite::shouldRefuseABrokenSiteFileNamingFileAndLine() {
    QFETCH(QByteArray, text);
    QFETCH(QString, expected);
    list(QStringLiteral("a.dbf"), tables(QStringLiteral("VT1")));
    list(QStringLiteral("b.dbf"), tables(QStringLiteral("VT2")));
    const QString file = path(TSiteFile::FileName);
    writeText(file, text);
    try {
        TSite::Load(dir.path());
        QFAIL("loaded");
    } catch (const ESiteError& e) {
        QCOMPARE(e.Text(), QDir::toNativeSeparators(file) + expected);
    }
    QCOMPARE(bytes(file), text);
}

void tst_TSite::shouldCreateASiteFromItsListsWithoutMergingConflicts() {
    list(QStringLiteral("a.dbf"), tables(QStringLiteral("VT1")));
    list(QStringLiteral("b.dbf"), tables(QStringLiteral("VT2")));
    list(QStringLiteral("b-old.dbf"), tables(QStringLiteral("VT2")));
    list(QStringLiteral("new.dbf"), tables(QStringLiteral("<unknown>")));
    writeText(path(QStringLiteral("notes.dbf")), "not a table");
    const TSite::TCreated created = TSite::Create(dir.path(), QStringLiteral("Office"));
    QCOMPARE(created.added, (QStringList{"new.dbf", "a.dbf"}));
    QCOMPARE(created.noController, QStringList{"new.dbf"});
    QCOMPARE(created.conflicts, QStringList{"VT2: b-old.dbf, b.dbf"});
    QCOMPARE(created.refused.size(), 1);
    QVERIFY2(created.refused.first().contains(QLatin1String("notes.dbf")),
             qPrintable(created.refused.first()));
    const TSite site = TSite::Load(dir.path());
    QCOMPARE(site.Name(), QStringLiteral("Office"));
    QCOMPARE(site.Doors().size(), 2);
    QVERIFY(site.DoorOfSerial(QStringLiteral("VT1")));
    QVERIFY(!site.DoorOfSerial(QStringLiteral("VT2")));
    QCOMPARE(TSiteStatus::Of(site).first().Text(), QStringLiteral("no controller yet"));
    const QByteArray before = bytes(site.FilePath());
    QVERIFY_THROWS_EXCEPTION(ESiteError, TSite::Create(dir.path(), QString()));
    QCOMPARE(bytes(site.FilePath()), before);
}

void tst_TSite::shouldReloadASiteFileChangedMeanwhileAndKeepTheFolderPermissions() {
    list(QStringLiteral("a.dbf"), tables(QStringLiteral("VT1")));
    list(QStringLiteral("b.dbf"), tables(QStringLiteral("VT2")));
    list(QStringLiteral("c.dbf"), tables(QStringLiteral("VT3")));
    QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0770) == 0);
    TSite mine = TSite::Create(dir.path(), QString()).site;
    QCOMPARE(QFileInfo(mine.FilePath()).permissions(), QFile::ReadOwner | QFile::WriteOwner |
                                                           QFile::ReadUser | QFile::WriteUser |
                                                           QFile::ReadGroup | QFile::WriteGroup);
    TSite theirs = TSite::Load(dir.path());
    theirs.Change([](TSiteFile& file) { file.doors[0].location = QStringLiteral("Ground floor"); });
    mine.Change([](TSiteFile& file) { file.doors[1].name = QStringLiteral("Back door"); });
    const TSite after = TSite::Load(dir.path());
    QCOMPARE(after.Doors()[0].location, QStringLiteral("Ground floor"));
    QCOMPARE(after.Doors()[1].name, QStringLiteral("Back door"));
    // A change that would break the file is refused and leaves it as it was.
    const QByteArray before = bytes(after.FilePath());
    QVERIFY_THROWS_EXCEPTION(
        ESiteError, mine.Change([](TSiteFile& file) { file.doors[2].serial = file.doors[0].serial; }));
    QCOMPARE(bytes(after.FilePath()), before);
}

void tst_TSite::shouldTellEveryDoorsStatus_data() {
    QTest::addColumn<TSlots>("wanted");
    QTest::addColumn<TSnapshotList>("snapshots"); // oldest first, an hour apart
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lastRead");
    const TSlots one{{3, key(Lost, QStringLiteral("Ann"))}};
    const TSlots three{{3, key(Lost, QStringLiteral("Ann"))},
                       {4, key(Other, QStringLiteral("Bob"))},
                       {5, key(QStringLiteral("111111111111"), QString())}};
    const TSlots unread{{3, key(QStringLiteral("<UNREAD>"), QString())}};
    QTest::newRow("never read") << one << TSnapshotList{} << "never read"
                                << "";
    QTest::newRow("in step") << one << TSnapshotList{{}, one} << "in step"
                             << "2026-12-09T09:00:00Z";
    QTest::newRow("changes against the newest snapshot")
        << three << TSnapshotList{three, {}} << "3 changes to write"
        << "2026-12-09T09:00:00Z";
    TSlots two = three;
    two.remove(5);
    QTest::newRow("one change") << three << TSnapshotList{one, one, two} << "1 change to write"
                                << "2026-12-09T10:00:00Z";
    QTest::newRow("an unread slot is never in step") << unread << TSnapshotList{unread} << "1 change to write"
                                                     << "2026-12-09T08:00:00Z";
}

void tst_TSite::shouldTellEveryDoorsStatus() {
    QFETCH(TSlots, wanted);
    QFETCH(TSnapshotList, snapshots);
    QFETCH(QString, text);
    QFETCH(QString, lastRead);
    list(QStringLiteral("a.dbf"), tables(QStringLiteral("VT1"), wanted));
    for (int i = 0; i < snapshots.size(); ++i)
        snapshot(tables(QStringLiteral("VT1"), snapshots[i]), TSnapshotStore::Kind::Read,
                 Morning.addSecs(3600 * i));
    // A write the day before: the newest snapshot of each kind is what counts.
    if (!snapshots.isEmpty())
        snapshot(tables(QStringLiteral("VT1"), {}), TSnapshotStore::Kind::AfterWrite, Morning.addDays(-1));
    writeText(path(TSiteFile::FileName), doorText("VT1", "Main", "a.dbf").toUtf8());
    const QList<TSiteStatus> status = TSiteStatus::Of(TSite::Load(dir.path()));
    QCOMPARE(status.size(), 1);
    QCOMPARE(status[0].Text(), text);
    QCOMPARE(status[0].lastRead.toString(Qt::ISODate), lastRead);
    QCOMPARE(status[0].lastWritten.isValid(), !snapshots.isEmpty());
}

void tst_TSite::shouldTakeTheWriteAfterAReadOfTheSameSecondAsNewest() {
    const TSlots wanted{{3, key(Lost, QStringLiteral("Ann"))}};
    list(QStringLiteral("a.dbf"), tables(QStringLiteral("VT1"), wanted));
    // A synchronise: the read before it, then what the controller holds after it, in one second.
    snapshot(tables(QStringLiteral("VT1")), TSnapshotStore::Kind::Read, Morning.addMSecs(900));
    snapshot(tables(QStringLiteral("VT1"), wanted), TSnapshotStore::Kind::AfterWrite, Morning.addMSecs(950));
    writeText(path(TSiteFile::FileName), doorText("VT1", "Main", "a.dbf").toUtf8());
    const TSiteStatus status = TSiteStatus::Of(TSite::Load(dir.path())).first();
    QCOMPARE(status.Text(), QStringLiteral("in step"));
    QCOMPARE(status.lastRead, Morning);
    QCOMPARE(status.lastWritten, Morning);
}

void tst_TSite::shouldFindAKeyInEveryWrittenFormInListsAndSnapshots_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("hits");
    QTest::newRow("plain code") << "2BC5FB000000" << 3;
    QTest::newRow("lower case, grouped") << "2b:c5:fb:00:00:00" << 3;
    QTest::newRow("family and code") << "01.2BC5FB000000" << 3;
    QTest::newRow("kernel name") << "01-000000fbc52b" << 3;
    QTest::newRow("wire order with CRC") << "012BC5FB00000066" << 3;
    QTest::newRow("engraved") << "66 000000FBC52B 01" << 3;
    QTest::newRow("engraved without CRC") << "000000FBC52B 01" << 3;
    QTest::newRow("note text, any case") << "ann" << 3;
    QTest::newRow("other key") << "0A0B0C0D0E0F" << 1;
    QTest::newRow("nobody's key") << "01.FFFFFFFFFFFF" << 0;
    QTest::newRow("nobody's note") << "Zoe" << 0;
}

void tst_TSite::shouldFindAKeyInEveryWrittenFormInListsAndSnapshots() {
    QFETCH(QString, text);
    QFETCH(int, hits);
    const TSite site = threeDoors();
    // A snapshot that is no key list: named as not searched, never taken for one without the key,
    // whether or not it could hold what is looked for. (A sound file that cannot hold it is passed
    // over unparsed.)
    QVERIFY(QDir().mkpath(path(QStringLiteral("history/VT3"))));
    writeText(path(QStringLiteral("history/VT3/20261209T070000Z-read.dbf")),
              "not a key list: 2BC5FB000000 Ann");
    QStringList unreadable;
    const QList<TSiteFinder::THit> found = TSiteFinder::Find(site, TSiteQuery::Parse(text), &unreadable);
    QCOMPARE(found.size(), hits);
    QCOMPARE(unreadable.size(), 1);
    QVERIFY2(unreadable[0].startsWith(QLatin1String("c.dbf: ")), qPrintable(unreadable[0]));
    if (hits != 3)
        return;
    QCOMPARE(found[0].door.name, QStringLiteral("Main entrance"));
    QCOMPARE(found[0].number, 3);
    QVERIFY(!found[0].inSnapshot && found[0].active);
    QCOMPARE(found[2].door.name, QStringLiteral("Back door"));
    QVERIFY(found[2].inSnapshot);
    QCOMPARE(found[2].snapshotTime, Morning);
    QCOMPARE(found[2].number, 8);
    // The list still holds it active: nothing to visit yet.
    QVERIFY(TSiteFinder::DoorsToVisit(found).isEmpty());
}

void tst_TSite::shouldRevokeEverywhereLeavingAListThatCannotBeWrittenWhole() {
    const TSite site = threeDoors();
    const QString guarded = site.ListPath(site.Doors()[0]);
    QVERIFY(::chmod(QFile::encodeName(guarded).constData(), 0444) == 0);
    const QByteArray guardedBefore = bytes(guarded);
    const QByteArray untouched = bytes(site.ListPath(site.Doors()[2]));
    QList<TSiteKeyChange> plan = TSiteRevoke::Plan(site, Lost);
    QCOMPARE(plan.size(), 2);
    QCOMPARE(plan[1].edits.size(), 1);
    QCOMPARE(plan[1].edits[0].Number(), 8);
    TSiteJournal journal(site.Folder(), QStringLiteral("alice"));
    QCOMPARE(TSiteListWriter::Apply(site, plan, journal), 1);
    QCOMPARE(plan[0].outcome, TSiteKeyChange::Outcome::Failed);
    QVERIFY2(plan[0].reason.contains(QLatin1String("a.dbf")), qPrintable(plan[0].reason));
    QCOMPARE(plan[1].outcome, TSiteKeyChange::Outcome::Saved);
    // Each list is either the old one or the new one, whole.
    QCOMPARE(bytes(guarded), guardedBefore);
    QCOMPARE(bytes(site.ListPath(site.Doors()[2])), untouched);
    const TKeyTables back = TKeyListFile::Read(site.ListPath(site.Doors()[1]));
    QVERIFY(!back.slave.Slot(7).active);
    QCOMPARE(back.slave.Slot(7).keyCode, Lost);
    QCOMPARE(back.slave.Slot(7).memo.trimmed(), QStringLiteral("Ann"));
    QCOMPARE(back.master.Slot(0).keyCode, QStringLiteral("01A2B3C4D5E6"));
    QVERIFY(QFileInfo(guarded).exists() &&
            QDir(site.Folder()).entryList({".vtrk-save-*"}, QDir::Hidden | QDir::Files).isEmpty());
    // What still holds the key: A's list, and B's controller until the door is synchronised.
    const QList<TSiteFinder::THit> left = TSiteFinder::Find(site, TSiteQuery::Parse(Lost));
    QCOMPARE(TSiteFinder::DoorsToVisit(left), QStringList{"Back door"});
    QCOMPARE(TSiteRevoke::Plan(site, Lost).size(), 1);
    const QList<TSiteJournal::TEntry> lines = journal.Read();
    QCOMPARE(lines.size(), 1);
    QCOMPARE(
        lines[0].Line().section(QLatin1Char('\t'), 1),
        QStringLiteral("alice\tlist\tb.dbf\tSlave\t8\t2BC5FB000000 \"Ann\"\t2BC5FB000000 inactive \"Ann\""));
}

void tst_TSite::shouldGiveAKeyOnlyToFreeSlots() {
    list(QStringLiteral("a.dbf"), tables(QStringLiteral("VT1"), {{0, key("<UNREAD>", QString())},
                                                                 {1, key(Other, QStringLiteral("Bob"))}}));
    list(QStringLiteral("b.dbf"), tables(QStringLiteral("VT2"), {{4, key(Other, QStringLiteral("Bob"))}}));
    list(QStringLiteral("c.dbf"), tables(QStringLiteral("VT3"), {{9, key(Lost, QStringLiteral("Ann"))}}));
    writeText(path(TSiteFile::FileName),
              (doorText("VT1", "A", "a.dbf") + doorText("VT2", "B", "b.dbf") + doorText("VT3", "C", "c.dbf"))
                  .toUtf8());
    const TSite site = TSite::Load(dir.path());
    QList<TSiteGive::TTarget> targets;
    for (const TSiteDoor& door : site.Doors())
        targets.append({door, Table::Slave, -1});
    targets.append({site.Doors()[1], Table::Slave, 4}); // B's slot 5 holds Bob's key
    targets.append({site.Doors()[0], Table::Slave, 0}); // A's slot 1 was never read
    QList<TSiteKeyChange> plan = TSiteGive::Plan(site, Lost, QStringLiteral("Ann"), targets);
    QCOMPARE(plan.size(), 5);
    QCOMPARE(plan[0].edits.value(0).Number(), 3); // past the unread slot and Bob's
    QCOMPARE(plan[1].edits.value(0).Number(), 1);
    QCOMPARE(plan[2].outcome, TSiteKeyChange::Outcome::Skipped);
    QCOMPARE(plan[2].reason, QStringLiteral("already holds the key at Slave #10"));
    QCOMPARE(plan[3].reason, QStringLiteral("Slave #5 holds another key"));
    QCOMPARE(plan[4].reason, QStringLiteral("Slave #1 was not read from the controller; read it first"));
    plan = plan.mid(0, 2);
    TSiteJournal journal(site.Folder(), QStringLiteral("bob"));
    QCOMPARE(TSiteListWriter::Apply(site, plan, journal), 2);
    const TKeyTables a = TKeyListFile::Read(site.ListPath(site.Doors()[0]));
    QCOMPARE(a.slave.Slot(0).keyCode, QStringLiteral("<UNREAD>"));
    QVERIFY(a.slave.Slot(2).active);
    QCOMPARE(a.slave.Slot(2).keyCode, Lost);
    QCOMPARE(a.slave.Slot(2).memo.trimmed(), QStringLiteral("Ann"));
    QCOMPARE(journal.Read().size(), 2);
    QCOMPARE(journal.Read()[1].after, QStringLiteral("2BC5FB000000 \"Ann\""));
}

void tst_TSite::shouldRefuseAListChangedSinceThePlan() {
    const TSite site = threeDoors();
    QList<TSiteKeyChange> plan = TSiteRevoke::Plan(site, Lost);
    // Someone else gives slot 3 of A to another key before the revoke is carried out.
    list(QStringLiteral("a.dbf"), tables(QStringLiteral("VT1"), {{2, key(Other, QStringLiteral("Bob"))}}));
    const QByteArray changed = bytes(path(QStringLiteral("a.dbf")));
    TSiteJournal journal(site.Folder(), QStringLiteral("alice"));
    QCOMPARE(TSiteListWriter::Apply(site, plan, journal), 1);
    QCOMPARE(plan[0].outcome, TSiteKeyChange::Outcome::Failed);
    QVERIFY2(plan[0].reason.contains(QLatin1String("changed meanwhile")), qPrintable(plan[0].reason));
    QCOMPARE(bytes(path(QStringLiteral("a.dbf"))), changed);
}

void tst_TSite::shouldMergeFilterAndExportTheJournals() {
    TSiteJournal alice(dir.path(), QStringLiteral("alice"));
    TSiteJournal bob(dir.path(), QStringLiteral("bob/../x"));
    TSiteJournal::TEntry entry;
    entry.kind = QStringLiteral("list");
    entry.name = QStringLiteral("a.dbf");
    entry.number = 3;
    entry.before = QStringLiteral("<EMPTY>");
    entry.after = Lost + QStringLiteral(" \"=cmd|' /C calc'!A0\"");
    alice.Append({entry});
    // A writer killed mid-line: its piece is skipped, the next line starts afresh.
    QFile cut(alice.UserFile());
    QVERIFY(cut.open(QIODevice::Append));
    cut.write("2026-12-09T08:00:00Z\tmallory\tli");
    cut.close();
    entry.kind = QStringLiteral("controller");
    entry.name = QStringLiteral("VT2");
    entry.before = entry.after;
    entry.after = QStringLiteral("<EMPTY>\tinjected\nline");
    bob.Append({entry});
    alice.Append({entry});
    QVERIFY(QFileInfo(bob.UserFile()).dir() == QFileInfo(alice.UserFile()).dir());
    QCOMPARE(QFileInfo(bob.UserFile()).fileName(), QStringLiteral("bob%2F%2E%2E%2Fx.journal"));
    const TSiteJournal all(dir.path());
    QCOMPARE(all.Read().size(), 3);
    TSiteJournal::TFilter filter;
    filter.names = QStringList{QStringLiteral("VT2")};
    const QList<TSiteJournal::TEntry> controller = all.Read(filter);
    QCOMPARE(controller.size(), 2);
    QCOMPARE(controller[0].after, QStringLiteral("<EMPTY>\tinjected\nline"));
    filter = {};
    filter.code = Lost;
    QCOMPARE(all.Read(filter).size(), 3);
    filter.until = QDateTime::currentDateTimeUtc().addSecs(-3600);
    QVERIFY(all.Read(filter).isEmpty());
    const QStringList csv = TSiteJournal::Csv(all.Read()).split(QLatin1Char('\n'));
    QCOMPARE(csv[0], QStringLiteral("time,user,kind,name,table,#,old,new"));
    QVERIFY2(csv[1].endsWith(QStringLiteral(",\"<EMPTY>\",\"2BC5FB000000 \"\"=cmd|' /C calc'!A0\"\"\"")),
             qPrintable(csv[1]));
}

void tst_TSite::shouldLeaveTheListOpenInTheWindowToIt_data() {
    QTest::addColumn<bool>("refused");
    QTest::newRow("taken by the window") << false;
    QTest::newRow("refused by the window") << true;
}

void tst_TSite::shouldLeaveTheListOpenInTheWindowToIt() {
    QFETCH(bool, refused);
    const TSite site = threeDoors();
    QList<TSiteKeyChange> plan = TSiteRevoke::Plan(site, Lost);
    QCOMPARE(plan[0].door.list, QStringLiteral("a.dbf"));
    const QByteArray onDisk = bytes(path(QStringLiteral("a.dbf")));
    // The window opened the list through a link to the site folder: still the same file.
    QTemporaryDir elsewhere;
    const QString link = QDir(elsewhere.path()).filePath(QStringLiteral("site"));
    QVERIFY(QFile::link(dir.path(), link));
    TFakeOpenList window;
    window.path = QDir(link).filePath(QStringLiteral("a.dbf"));
    window.refuse = refused;
    TSiteJournal journal(site.Folder(), QStringLiteral("alice"));

    QCOMPARE(TSiteListWriter::Apply(site, plan, journal, &window), 1);
    QCOMPARE(plan[0].outcome,
             refused ? TSiteKeyChange::Outcome::Failed : TSiteKeyChange::Outcome::InOpenList);
    QVERIFY2(plan[0].reason.contains(refused ? QLatin1String("(open in the window): Slave #5 was changed")
                                             : QLatin1String("changed in the open window; save it there")),
             qPrintable(plan[0].reason));
    QCOMPARE(window.taken.size(), refused ? 0 : plan[0].edits.size());
    QCOMPARE(bytes(path(QStringLiteral("a.dbf"))), onDisk);
    // The window's change is journalled by the window's save, not here.
    TSiteJournal::TFilter ofOpenList;
    ofOpenList.names = QStringList{QStringLiteral("a.dbf")};
    QVERIFY(journal.Read(ofOpenList).isEmpty());
    QVERIFY(!journal.Read().isEmpty());
}

void tst_TSite::shouldJournalEverySlotAWindowSaveChangedInASiteList_data() {
    QTest::addColumn<bool>("inSite");
    QTest::addColumn<QString>("before"); // "list", "absent" or "garbage"
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("warned");
    const QString given = QStringLiteral("a.dbf Slave #10: <EMPTY> -> 0A0B0C0D0E0F \"Bob\"");
    QTest::newRow("changed list of a site")
        << true << "list"
        << QStringList{QStringLiteral("a.dbf Slave #5: 2BC5FB000000 \"Ann\" -> <EMPTY>"), given} << false;
    QTest::newRow("new list in a site")
        << true << "absent"
        << QStringList{QStringLiteral("a.dbf Master #1: <EMPTY> -> 01A2B3C4D5E6 \"Installer\""), given}
        << false;
    QTest::newRow("list outside a site") << false << "list" << QStringList() << false;
    QTest::newRow("unreadable list before") << true << "garbage" << QStringList() << true;
}

void tst_TSite::shouldJournalEverySlotAWindowSaveChangedInASiteList() {
    QFETCH(bool, inSite);
    QFETCH(QString, before);
    QFETCH(QStringList, lines);
    QFETCH(bool, warned);
    QTemporaryDir folder;
    const QString target = QDir(folder.path()).filePath(QStringLiteral("a.dbf"));
    if (inSite)
        writeText(QDir(folder.path()).filePath(TSiteFile::FileName), "[site]\nname = Office\n");
    if (before == QLatin1String("list"))
        TKeyListFile::Write(tables(QStringLiteral("VT1"), {{4, key(Lost, QStringLiteral("Ann"))}}), target);
    else if (before == QLatin1String("garbage"))
        writeText(target, "not a key list");

    TSiteSaveJournal hook(QStringLiteral("ann"));
    hook.BeforeSave(target);
    QFile::remove(target);
    TKeyListFile::Write(tables(QStringLiteral("VT1"), {{4, key(Lost, QStringLiteral("Ann"), false)},
                                                       {9, key(Other, QStringLiteral("Bob"))}}),
                        target);
    const QString warning = hook.AfterSave(target);

    QCOMPARE(warning.contains(QLatin1String("the site journal does not record it")), warned);
    QStringList journalled;
    for (const TSiteJournal::TEntry& entry : TSiteJournal(folder.path()).Read()) {
        QCOMPARE(entry.user, QStringLiteral("ann"));
        QCOMPARE(entry.kind, QStringLiteral("list"));
        journalled << QStringLiteral("%1 %2 #%3: %4 -> %5")
                          .arg(entry.name, TKeyTables::TableName(entry.table))
                          .arg(entry.number)
                          .arg(entry.before, entry.after);
    }
    journalled.sort();
    lines.sort();
    QCOMPARE(journalled, lines);
}

// The window and vtrk keep their own history; a snapshot of a site's door goes to the site too,
// and a write into the journal as the controller's old and new slots.
void tst_TSite::shouldFileADoorReadOrWrittenOutsideARoundInTheSite() {
    const TSite site = threeDoors();
    QTemporaryDir own;
    TSnapshotStore store(own.path());
    QString listPath = path(QStringLiteral("a.dbf"));
    store.SetWitness(TSiteDoorWitness::ForList([&] { return listPath; }, QStringLiteral("ann")));
    const TSnapshotStore history = site.History();
    const TSiteJournal journal(dir.path());
    const auto journalled = [&] {
        QStringList lines;
        for (const TSiteJournal::TEntry& e : journal.Read())
            lines << QStringLiteral("%1 %2 %3 #%4: %5 -> %6")
                         .arg(e.user, e.name, TKeyTables::TableName(e.table))
                         .arg(e.number)
                         .arg(e.before, e.after);
        return lines;
    };

    // Another door than the list's own is still a door of the site.
    QCOMPARE(store.TrySave(tables(QStringLiteral("VT2"), {{7, key(Lost, QStringLiteral("Ann"))}}),
                           TSnapshotStore::Kind::Read),
             QString());
    QCOMPARE(history.Snapshots(QStringLiteral("VT2")).size(), 2);
    QVERIFY(journalled().isEmpty()); // a read changes nothing at the door

    QCOMPARE(store.TrySave(tables(QStringLiteral("VT2")), TSnapshotStore::Kind::AfterWrite), QString());
    QCOMPARE(history.Latest(QStringLiteral("VT2")).newest.kind, QStringLiteral("after-write"));
    QCOMPARE(journalled(), QStringList{"ann VT2 Slave #8: 2BC5FB000000 \"Ann\" -> <EMPTY>"});

    // Never seen before: what it holds now, no line for each empty slot.
    QCOMPARE(store.TrySave(tables(QStringLiteral("VT3"), {{0, key(Other, QStringLiteral("Bob"))}}),
                           TSnapshotStore::Kind::AfterWrite),
             QString());
    QCOMPARE(journalled().mid(1), (QStringList{"ann VT3 Master #1: <unknown> -> 01A2B3C4D5E6 \"Installer\"",
                                               "ann VT3 Slave #1: <unknown> -> 0A0B0C0D0E0F \"Bob\""}));

    // Not a door of the site, or a list outside any site: the site is left alone.
    QCOMPARE(store.TrySave(tables(QStringLiteral("VT9")), TSnapshotStore::Kind::AfterWrite), QString());
    listPath = own.filePath(QStringLiteral("elsewhere.dbf"));
    QCOMPARE(store.TrySave(tables(QStringLiteral("VT1")), TSnapshotStore::Kind::AfterWrite), QString());
    QVERIFY(history.Snapshots(QStringLiteral("VT9")).isEmpty());
    QVERIFY(history.Snapshots(QStringLiteral("VT1")).isEmpty());
    QCOMPARE(journalled().size(), 3);

    // A site file that cannot be read: said, and the snapshot of the user's own history is kept.
    listPath = path(QStringLiteral("a.dbf"));
    writeText(path(TSiteFile::FileName), "[site]\nwhatever\n");
    const QString failed = store.TrySave(tables(QStringLiteral("VT1")), TSnapshotStore::Kind::Read);
    QVERIFY2(failed.startsWith(QLatin1String("The site's history of controller VT1 was not updated:")),
             qPrintable(failed));
    QCOMPARE(store.Snapshots(QStringLiteral("VT1")).size(), 2);
}

QTEST_GUILESS_MAIN(tst_TSite)
#include "tst_TSite.moc"
