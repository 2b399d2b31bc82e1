#include "keylist/TKeyListStore.h"
#include "seams/TInstalledMessageBoxes.h"
#include "sync/TKeyListFile.h"
#include "sync/TKeyTables.h"
#include "sync/TSnapshotStore.h"
#include "sync/TSyncCommands.h"
#include "tests/keylist/TFakeKeyListHost.h"
#include "tests/support/TTestMessageBoxes.h"

#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
using Table = TKeyTransfer::Table;

TKeySlot key(const QString& code, const QString& memo) {
    TKeySlot k;
    k.active = true;
    k.keyCode = code;
    k.memo = memo;
    return k;
}

TKeyTables controllerTables(const QString& serial, int variant) {
    TKeyTables tables;
    tables.serial = serial;
    tables.info = QStringLiteral("Main entrance");
    tables.version = QStringLiteral("TARVK001");
    tables.MarkAllEmpty();
    tables.master.SetSlot(0, key(QStringLiteral("01A2B3C4D5E6"), QStringLiteral("Installer")));
    // Windows-1252 survives the file: the note is one byte per character.
    tables.slave.SetSlot(5, key(QStringLiteral("01000000C0DE"), QStringLiteral("Caf\u00e9 \u20ac")));
    for (int i = 0; i < variant; ++i)
        tables.slave.SetSlot(100 + i, key(QStringLiteral("0100000001%1").arg(i, 2, 10, QLatin1Char('0')),
                                          QStringLiteral("Flat %1").arg(i)));
    return tables;
}

QStringList filesIn(const QString& directory) {
    return QDir(directory).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray KeyListFixtureBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QDateTime When = QDateTime(QDate(2026, 12, 9), QTime(12, 24, 12), Qt::UTC);
} // namespace

class tst_TSnapshotStore : public QObject {
    Q_OBJECT

    QTemporaryDir root;

private slots:
    void init() { QVERIFY(root.isValid()); }
    void cleanup() {
        QDir(root.path()).removeRecursively();
        QDir().mkpath(root.path());
    }

    void shouldStoreAKeyListFileThatOpensAsAKeyListAndReadsBackWhole();
    void shouldNeverOverwriteASnapshotTakenInTheSameSecond();
    void shouldLeaveNothingHalfWrittenWhenTheFolderCannotBeWritten();
    void shouldKeepAHostileSerialNumberInsideTheStore_data();
    void shouldKeepAHostileSerialNumberInsideTheStore();
    void shouldRecordWhichTableIsValid();
    void shouldKeepSnapshotsOfSerialNumbersThatDifferOnlyInPunctuationApart();
    void shouldNeverWriteThroughALinkPlantedAtTheNextName();
    void shouldKeepKeyCodesFromOtherUsers();
    void shouldGiveATeamsSnapshotsTheModesOfItsFolder_data();
    void shouldGiveATeamsSnapshotsTheModesOfItsFolder();
    void shouldSweepStagingFilesOfAKilledProcess();
    void shouldNeitherWaitOnNorReadWholeADescriptionThatIsNone_data();
    void shouldNeitherWaitOnNorReadWholeADescriptionThatIsNone();
    void shouldListControllersAndSnapshotsNewestFirstWithTheirChanges();
    void shouldOpenASnapshotAsANewUnsavedList();
};

void tst_TSnapshotStore::shouldStoreAKeyListFileThatOpensAsAKeyListAndReadsBackWhole() {
    TDbfEnv env;
    TSnapshotStore store(root.path());
    const TKeyTables tables = controllerTables(QStringLiteral("VT000417"), 3);
    const QString path = store.Save(tables, TSnapshotStore::Kind::Read, When);
    QCOMPARE(path, QDir(root.path()).filePath(QStringLiteral("VT000417/20261209T122412Z-read.dbf")));
    TKeyListStore::CheckKeyList(path); // raises when it is not a key list
    const TKeyTables back = TSnapshotStore::Load(store.Snapshots(QStringLiteral("VT000417")).first());
    QCOMPARE(back.serial, tables.serial);
    QCOMPARE(back.info, tables.info);
    QCOMPARE(back.version, tables.version);
    for (Table table : TKeyTables::Tables) {
        QVERIFY(back.Valid(table));
        for (int slot = 0; slot < tables.View(table).SlotCount(); ++slot) {
            const TKeySlot& a = tables.View(table).Slot(slot);
            const TKeySlot& b = back.View(table).Slot(slot);
            QVERIFY2(a.active == b.active && a.keyCode == b.keyCode && a.memo == b.memo,
                     qPrintable(QStringLiteral("%1 slot %2: %3 %4 / %5 %6")
                                    .arg(TKeyTables::TableName(table))
                                    .arg(slot)
                                    .arg(a.keyCode, a.memo, b.keyCode, b.memo)));
        }
    }
    QCOMPARE(filesIn(QFileInfo(path).path()),
             (QStringList{"20261209T122412Z-read.dbf", "20261209T122412Z-read.json"}));
}

void tst_TSnapshotStore::shouldNeverOverwriteASnapshotTakenInTheSameSecond() {
    TDbfEnv env;
    TSnapshotStore store(root.path());
    const QString first =
        store.Save(controllerTables(QStringLiteral("VT000417"), 1), TSnapshotStore::Kind::Read, When);
    QFile file(first);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    const QString second =
        store.Save(controllerTables(QStringLiteral("VT000417"), 2), TSnapshotStore::Kind::Read, When);
    const QString third =
        store.Save(controllerTables(QStringLiteral("VT000417"), 3), TSnapshotStore::Kind::Read, When);
    QVERIFY(second.endsWith(QStringLiteral("20261209T122412Z-read-2.dbf")));
    QVERIFY(third.endsWith(QStringLiteral("20261209T122412Z-read-3.dbf")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    QCOMPARE(store.Snapshots(QStringLiteral("VT000417")).size(), 3);
}

void tst_TSnapshotStore::shouldLeaveNothingHalfWrittenWhenTheFolderCannotBeWritten() {
    TDbfEnv env;
    TSnapshotStore store(root.path());
    store.Save(controllerTables(QStringLiteral("VT000417"), 1), TSnapshotStore::Kind::Read, When);
    // A folder name taken by a file: refused, and nothing left behind.
    QFile blocker(QDir(root.path()).filePath(QStringLiteral("VT000001")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, store.Save(controllerTables(QStringLiteral("VT000001"), 1),
                                                            TSnapshotStore::Kind::Read));
    QCOMPARE(filesIn(root.path()), QStringList{"VT000001"});

    const QString folder = QDir(root.path()).filePath(QStringLiteral("VT000417"));
    if (::geteuid() == 0)
        QSKIP("root writes into a read-only folder");
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const QString failed =
        store.TrySave(controllerTables(QStringLiteral("VT000417"), 2), TSnapshotStore::Kind::Read);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(failed.startsWith(QStringLiteral("The snapshot of the controller was not stored")),
             qPrintable(failed));
    QCOMPARE(filesIn(folder), (QStringList{"20261209T122412Z-read.dbf", "20261209T122412Z-read.json"}));
}

void tst_TSnapshotStore::shouldKeepAHostileSerialNumberInsideTheStore_data() {
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("folder");
    QTest::newRow("plain") << "VT000417"
                           << "VT000417";
    QTest::newRow("climbing out") << "../../x"
                                  << "%2E%2E%2F%2E%2E%2Fx";
    QTest::newRow("dot dot") << ".."
                             << "%2E%2E";
    // Each of these is a controller of its own and gets a folder of its own.
    QTest::newRow("slash") << "a/b"
                           << "a%2Fb";
    QTest::newRow("underline") << "a_b"
                               << "a_b";
    QTest::newRow("dot") << "a.b"
                         << "a%2Eb";
    QTest::newRow("percent") << "a%2Fb"
                             << "a%252Fb";
    QTest::newRow("named unknown") << "unknown"
                                   << "%75nknown";
    QTest::newRow("unknown") << "<unknown>"
                             << "unknown";
    QTest::newRow("blank") << "   "
                           << "unknown";
}

void tst_TSnapshotStore::shouldKeepAHostileSerialNumberInsideTheStore() {
    QFETCH(QString, serial);
    QFETCH(QString, folder);
    QCOMPARE(TSnapshotStore::DirectoryName(serial), folder);
}

void tst_TSnapshotStore::shouldRecordWhichTableIsValid() {
    TDbfEnv env;
    TSnapshotStore store(root.path());
    TKeyTables tables = controllerTables(QStringLiteral("VT000417"), 0);
    tables.slave.Forget(40); // one slave slot could not be read
    store.Save(tables, TSnapshotStore::Kind::AfterWrite, When);
    const TSnapshotStore::TSnapshot snapshot = store.Snapshots(QStringLiteral("VT000417")).first();
    QCOMPARE(snapshot.kind, QStringLiteral("after-write"));
    QVERIFY(snapshot.masterValid);
    QVERIFY(!snapshot.slaveValid);
    const TKeyTables back = TSnapshotStore::Load(snapshot);
    QVERIFY(back.Valid(Table::Master));
    QVERIFY(!back.Valid(Table::Slave));

    // Nothing valid: nothing stored.
    tables.master.Forget(0);
    QCOMPARE(store.Save(tables, TSnapshotStore::Kind::Read, When.addSecs(5)), QString());
    QCOMPARE(store.Snapshots(QStringLiteral("VT000417")).size(), 1);
}

void tst_TSnapshotStore::shouldKeepSnapshotsOfSerialNumbersThatDifferOnlyInPunctuationApart() {
    TDbfEnv env;
    TSnapshotStore store(root.path());
    const QStringList serials{"a/b", "a_b", "a.b"};
    for (int i = 0; i < serials.size(); ++i)
        store.Save(controllerTables(serials[i], i), TSnapshotStore::Kind::Read, When);
    // A folder of an earlier version held every one of them; only the matching ones are listed.
    const QString shared = QDir(root.path()).filePath(QStringLiteral("a_b"));
    QVERIFY(QFile::copy(store.Snapshots(QStringLiteral("a/b")).first().path,
                        QDir(shared).filePath(QStringLiteral("20261208T000000Z-read.dbf"))));
    QFile description(QDir(shared).filePath(QStringLiteral("20261208T000000Z-read.json")));
    QVERIFY(description.open(QIODevice::WriteOnly));
    description.write(R"({"serial": "a/b", "time": "2026-12-08T00:00:00.000Z", "kind": "read"})");
    description.close();

    QCOMPARE(store.Controllers().size(), 3);
    for (int i = 0; i < serials.size(); ++i) {
        const QList<TSnapshotStore::TSnapshot> snapshots = store.Snapshots(serials[i]);
        QCOMPARE(snapshots.size(), 1);
        QCOMPARE(snapshots.first().serial, serials[i]);
        QCOMPARE(TSnapshotStore::Load(snapshots.first()).slave.Slot(100 + i - 1).active, i > 0);
    }
}

void tst_TSnapshotStore::shouldNeverWriteThroughALinkPlantedAtTheNextName() {
    TDbfEnv env;
    TSnapshotStore store(root.path());
    store.Save(controllerTables(QStringLiteral("VT000417"), 0), TSnapshotStore::Kind::Read, When);
    const QDir folder(QDir(root.path()).filePath(QStringLiteral("VT000417")));
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("stolen"));
    const QDateTime next = When.addSecs(60);
    for (const QString& suffix : {QStringLiteral(".json"), QStringLiteral(".dbf")})
        QVERIFY(
            QFile::link(target + suffix, folder.filePath(QStringLiteral("20261209T122512Z-read") + suffix)));
    const QString path =
        store.Save(controllerTables(QStringLiteral("VT000417"), 1), TSnapshotStore::Kind::Read, next);
    QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("20261209T122512Z-read-2.dbf"));
    QCOMPARE(filesIn(elsewhere.path()), QStringList());
    QCOMPARE(QFileInfo(folder.filePath(QStringLiteral("20261209T122512Z-read.dbf"))).isSymLink(), true);
    QCOMPARE(TSnapshotStore::Load(store.Snapshots(QStringLiteral("VT000417")).first()).slave.Slot(100).active,
             true);
}

void tst_TSnapshotStore::shouldKeepKeyCodesFromOtherUsers() {
    TDbfEnv env;
    const QString storeRoot = QDir(root.path()).filePath(QStringLiteral("controllers"));
    // An earlier version made the folders for everyone to read.
    QVERIFY(QDir().mkpath(QDir(storeRoot).filePath(QStringLiteral("VT000417"))));
    QVERIFY(::chmod(QFile::encodeName(storeRoot).constData(), 0755) == 0);
    TSnapshotStore store(storeRoot);
    const QString path =
        store.Save(controllerTables(QStringLiteral("VT000417"), 1), TSnapshotStore::Kind::Read, When);
    const auto mode = [](const QString& p) {
        struct stat st {};
        return ::stat(QFile::encodeName(p).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
    };
    QCOMPARE(mode(storeRoot), 0700);
    QCOMPARE(mode(QFileInfo(path).path()), 0700);
    QCOMPARE(mode(path), 0600);
    QCOMPARE(mode(path.chopped(4) + QStringLiteral(".json")), 0600);
}

void tst_TSnapshotStore::shouldGiveATeamsSnapshotsTheModesOfItsFolder_data() {
    QTest::addColumn<int>("siteMode");
    QTest::addColumn<bool>("teammatesFolder"); // the controller's folder was made by another user
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("fileMode");
    QTest::newRow("a group's site") << 0770 << false << 0770 << 0660;
    QTest::newRow("set-group-ID kept") << 02775 << false << 02775 << 0664;
    QTest::newRow("a private site") << 0700 << false << 0700 << 0600;
    if (::geteuid() == 0) // only root can make a folder of another user here
        QTest::newRow("a teammate's folder") << 0770 << true << 0770 << 0660;
}

void tst_TSnapshotStore::shouldGiveATeamsSnapshotsTheModesOfItsFolder() {
    QFETCH(int, siteMode);
    QFETCH(bool, teammatesFolder);
    QFETCH(int, folderMode);
    QFETCH(int, fileMode);
    TDbfEnv env;
    const QString site = QDir(root.path()).filePath(QStringLiteral("site"));
    const QString history = QDir(site).filePath(QStringLiteral("history"));
    QVERIFY(QDir().mkpath(site));
    QVERIFY(::chmod(QFile::encodeName(site).constData(), mode_t(siteMode)) == 0);
    const QString folder = QDir(history).filePath(QStringLiteral("VT000417"));
    if (teammatesFolder) {
        QVERIFY(QDir().mkdir(history) &&
                ::chmod(QFile::encodeName(history).constData(), mode_t(folderMode)) == 0);
        QVERIFY(QDir().mkdir(folder) &&
                ::chmod(QFile::encodeName(folder).constData(), mode_t(folderMode)) == 0);
        QVERIFY(::chown(QFile::encodeName(folder).constData(), 65534, ::getegid()) == 0);
        // A private store never takes a folder it does not own.
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 TSnapshotStore(history).Save(controllerTables(QStringLiteral("VT000417"), 1),
                                                              TSnapshotStore::Kind::Read, When));
    }
    TSnapshotStore store(history, TSnapshotStore::Sharing::Team);
    const QString path =
        store.Save(controllerTables(QStringLiteral("VT000417"), 1), TSnapshotStore::Kind::Read, When);
    const auto mode = [](const QString& p) {
        struct stat st {};
        return ::stat(QFile::encodeName(p).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
    };
    QCOMPARE(mode(history), folderMode);
    QCOMPARE(mode(folder), folderMode);
    QCOMPARE(mode(path), fileMode);
    QCOMPARE(mode(path.chopped(4) + QStringLiteral(".json")), fileMode);
    QCOMPARE(store.Snapshots(QStringLiteral("VT000417")).size(), 1);
}

void tst_TSnapshotStore::shouldSweepStagingFilesOfAKilledProcess() {
    TDbfEnv env;
    TSnapshotStore store(root.path());
    store.Save(controllerTables(QStringLiteral("VT000417"), 0), TSnapshotStore::Kind::Read, When);
    const QDir folder(QDir(root.path()).filePath(QStringLiteral("VT000417")));
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    QVERIFY(child > 0);
    ::waitpid(child, nullptr, 0);
    const QString left = folder.filePath(QStringLiteral("staged-%1-Ab12Cd.dbf").arg(child));
    const QString held = folder.filePath(QStringLiteral("staged-%1-Ab12Cd.dbf").arg(::getpid()));
    // Left in the folder of a controller that is not read again.
    store.Save(controllerTables(QStringLiteral("VT000002"), 0), TSnapshotStore::Kind::Read, When);
    const QString elsewhere =
        QDir(root.path()).filePath(QStringLiteral("VT000002/staged-%1-Ef34Gh.json").arg(child));
    for (const QString& name : {left, held, elsewhere}) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("every key code");
        file.close();
        const QByteArray native = QFile::encodeName(name);
        const struct timeval old[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
        QVERIFY(::utimes(native.constData(), old) == 0);
    }
    store.Save(controllerTables(QStringLiteral("VT000417"), 1), TSnapshotStore::Kind::Read, When.addSecs(1));
    QVERIFY(!QFile::exists(left));
    QVERIFY(!QFile::exists(elsewhere));
    QVERIFY(QFile::exists(held));
}

void tst_TSnapshotStore::shouldNeitherWaitOnNorReadWholeADescriptionThatIsNone_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("named pipe") << "fifo";
    QTest::newRow("link to an endless device") << "/dev/zero";
    QTest::newRow("8 GB of holes") << "holes";
}

// The snapshot is still listed, as its name tells.
void tst_TSnapshotStore::shouldNeitherWaitOnNorReadWholeADescriptionThatIsNone() {
    QFETCH(QString, kind);
    TDbfEnv env;
    TSnapshotStore store(root.path());
    const QString path =
        store.Save(controllerTables(QStringLiteral("VT000417"), 0), TSnapshotStore::Kind::Read, When);
    const QString description = path.chopped(4) + QStringLiteral(".json");
    const QByteArray native = QFile::encodeName(description);
    QVERIFY(QFile::remove(description));
    if (kind == QLatin1String("fifo"))
        QVERIFY(::mkfifo(native.constData(), 0600) == 0);
    else if (kind == QLatin1String("holes"))
        QVERIFY(::close(::open(native.constData(), O_CREAT | O_WRONLY, 0600)) == 0 &&
                ::truncate(native.constData(), 8LL << 30) == 0);
    else
        QVERIFY(QFile::link(kind, description));
    const QList<TSnapshotStore::TSnapshot> snapshots = store.Snapshots(QStringLiteral("VT000417"));
    QCOMPARE(snapshots.size(), 1);
    QCOMPARE(snapshots.first().time, When);
    QCOMPARE(snapshots.first().kind, QStringLiteral("read"));
}

void tst_TSnapshotStore::shouldListControllersAndSnapshotsNewestFirstWithTheirChanges() {
    TDbfEnv env;
    TSnapshotStore store(root.path());
    store.Save(controllerTables(QStringLiteral("VT000417"), 0), TSnapshotStore::Kind::Read, When);
    store.Save(controllerTables(QStringLiteral("VT000417"), 3), TSnapshotStore::Kind::AfterWrite,
               When.addSecs(60));
    store.Save(controllerTables(QStringLiteral("VT000417"), 1), TSnapshotStore::Kind::BeforeRestore,
               When.addSecs(120));
    TKeyTables other = controllerTables(QStringLiteral("VT000002"), 0);
    other.info = QStringLiteral("Back door");
    store.Save(other, TSnapshotStore::Kind::Read, When.addDays(1));

    const QList<TSnapshotStore::TController> controllers = store.Controllers();
    QCOMPARE(controllers.size(), 2);
    QCOMPARE(controllers[0].serial, QStringLiteral("VT000002"));
    QCOMPARE(controllers[0].info, QStringLiteral("Back door"));
    QCOMPARE(controllers[0].lastContact, When.addDays(1));
    QCOMPARE(controllers[1].serial, QStringLiteral("VT000417"));
    QCOMPARE(controllers[1].snapshots, 3);

    const QList<TSnapshotStore::TSnapshot> list = store.Snapshots(QStringLiteral("VT000417"));
    QCOMPARE(list.size(), 3);
    QCOMPARE(list[0].kind, QStringLiteral("before-restore"));
    QCOMPARE(list[0].changedSlots, 2); // 3 extra keys back to 1
    QCOMPARE(list[1].kind, QStringLiteral("after-write"));
    QCOMPARE(list[1].changedSlots, 3);
    QCOMPARE(list[2].changedSlots, -1);
    QCOMPARE(list[2].time, When);
}

void tst_TSnapshotStore::shouldOpenASnapshotAsANewUnsavedList() {
    TKeyListFixture fixture;
    TTestMessageBoxes boxes;
    fixture.newList();
    TSnapshotStore store(root.path());
    store.Save(controllerTables(QStringLiteral("VT000417"), 2), TSnapshotStore::Kind::Read, When);
    const TSnapshotStore::TSnapshot snapshot = store.Snapshots(QStringLiteral("VT000417")).first();
    const QByteArray before = KeyListFixtureBytes(snapshot.path);

    QVERIFY(TSyncCommands::OpenAsNewList(snapshot, fixture.commands, fixture.store, fixture.host,
                                         TInstalledMessageBoxes::Shared()));
    QCOMPARE(fixture.host.serial, QStringLiteral("VT000417"));
    QCOMPARE(fixture.host.info, QStringLiteral("Main entrance"));
    QVERIFY(fixture.host.KeyList().Path().isEmpty());
    QVERIFY(fixture.host.KeyList().Modified());
    QCOMPARE(fixture.host.caption, TKeyListCommands::CaptionPrefix + QStringLiteral("New key list"));
    QVERIFY(fixture.store.IsOpen());
    fixture.slave.SetRecNo(fixture.slave.RowRecNo(101));
    QCOMPARE(TKeyListFixture::text(fixture.slave, "KEYCODE"), QStringLiteral("010000000101"));

    // Editing the new list leaves the snapshot as it was.
    TKeyListFixture::setKey(fixture.slave, QStringLiteral("0A0A0A0A0A0A"), true, QStringLiteral("edited"));
    QCOMPARE(KeyListFixtureBytes(snapshot.path), before);
    QCOMPARE(boxes.shown.size(), 0);
}

QTEST_GUILESS_MAIN(tst_TSnapshotStore)
#include "tst_TSnapshotStore.moc"
