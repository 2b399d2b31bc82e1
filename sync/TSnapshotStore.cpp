#include "sync/TSnapshotStore.h"

#include "seams/TFilePlacement.h"
#include "seams/TRegularFile.h"
#include "seams/TStaleFiles.h"
#include "sync/TKeyComparison.h"
#include "sync/TKeyListFile.h"
#include "sync/TKeyTables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString TimeFormat = QStringLiteral("yyyyMMdd'T'HHmmss'Z'");
// Files being written; the table engine names its work area after the file, so no leading dot.
const QString StagedPrefix = QStringLiteral("staged-");
// The random part of the staging names of earlier versions, which carried no process number.
constexpr int LegacyStagedLength = 6;
// Every key code of a controller is in these folders: nobody else may look in.
constexpr mode_t PrivateFolderMode = 0700;
constexpr mode_t PrivateFileMode = 0600;
// A description is a few hundred bytes; anything much larger is not one.
constexpr qint64 MaxDescriptionBytes = 64 * 1024;

std::runtime_error failure(const QString& text) {
    return std::runtime_error(text.toStdString());
}

void syncPath(const QString& path, int flags) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// A file of its own beside the final names, removed unless it was renamed into place.
class TStaged {
public:
    TStaged(const QString& directory, const QString& suffix)
        : file(QDir(directory).filePath(TStaleFiles::OwnName(StagedPrefix) + QStringLiteral("XXXXXX") +
                                        suffix)) {
        if (!file.open())
            throw failure(QStringLiteral("Can not write a snapshot in %1: %2")
                              .arg(QDir::toNativeSeparators(directory), file.errorString()));
        file.setAutoRemove(false);
        path = file.fileName();
        file.close();
    }
    ~TStaged() {
        if (!placed)
            QFile::remove(path);
    }
    // Renamed to target only when nothing has that name; the system refuses to replace it.
    bool PlaceAs(const QString& target) {
        syncPath(path, O_RDONLY);
        placed = TFilePlacement::PlaceNew(path, target);
        return placed;
    }

    QTemporaryFile file;
    QString path;
    bool placed = false;
};

std::string systemText() {
    return std::strerror(errno);
}

struct TModes {
    mode_t folder = PrivateFolderMode;
    mode_t file = PrivateFileMode;
};

// A team's store follows the folder that holds it: a group-writable site gives folders and files
// the team can use, a private one private ones; the umask of whoever wrote first does not decide.
TModes modesFor(const QString& root, TSnapshotStore::Sharing sharing) {
    TModes modes;
    struct stat st {};
    if (sharing == TSnapshotStore::Sharing::Team &&
        ::stat(QFile::encodeName(QFileInfo(root).absolutePath()).constData(), &st) == 0) {
        modes.folder = (st.st_mode & 0777) | 0700;
        modes.file = (st.st_mode & 0666) | 0600;
    }
    return modes;
}

// A folder made when missing, never followed when it is a link. A private one must be this
// user's and is tightened; a team's may be a teammate's and is left as they made it.
void makeFolder(const QString& path, TSnapshotStore::Sharing sharing, mode_t mode) {
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), mode) != 0 && errno != EEXIST)
        throw failure(QStringLiteral("Can not make the snapshot folder %1: %2")
                          .arg(QDir::toNativeSeparators(path), QString::fromStdString(systemText())));
    const bool team = sharing == TSnapshotStore::Sharing::Team;
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || (!team && st.st_uid != ::geteuid()))
        throw failure(QStringLiteral("Can not use the snapshot folder %1: it is not a folder of this user")
                          .arg(QDir::toNativeSeparators(path)));
    // The set-group-ID bit of a team's folder keeps its files in the team's group.
    if (st.st_uid == ::geteuid() && (st.st_mode & 0777) != mode &&
        ::chmod(name.constData(), mode | (st.st_mode & S_ISGID)) != 0)
        throw failure(QStringLiteral("Can not make the snapshot folder %1 private: %2")
                          .arg(QDir::toNativeSeparators(path), QString::fromStdString(systemText())));
}

void setFileMode(const QString& path, mode_t mode) {
    if (::chmod(QFile::encodeName(path).constData(), mode) != 0)
        throw failure(QStringLiteral("Can not write %1: %2")
                          .arg(QDir::toNativeSeparators(path), QString::fromStdString(systemText())));
}

QJsonObject describe(const TKeyTables& tables, const QString& kind, const QDateTime& when) {
    QJsonObject json;
    json[QStringLiteral("serial")] = tables.serial;
    json[QStringLiteral("info")] = tables.info;
    json[QStringLiteral("version")] = tables.version;
    json[QStringLiteral("time")] = when.toUTC().toString(Qt::ISODateWithMs);
    json[QStringLiteral("kind")] = kind;
    json[QStringLiteral("masterValid")] = tables.Valid(TKeyTransfer::Table::Master);
    json[QStringLiteral("slaveValid")] = tables.Valid(TKeyTransfer::Table::Slave);
    return json;
}
} // namespace

TSnapshotStore::TSnapshotStore() : root(DefaultRoot()) {}

QString TSnapshotStore::DefaultRoot() {
    // Named here rather than taken from the application name, so that the program and the
    // command-line tool keep one history.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("velm-tarvikon/controllers"));
}

const QString TSnapshotStore::UnknownDirectory = QStringLiteral("unknown");

QString TSnapshotStore::KindName(Kind kind) {
    switch (kind) {
    case Kind::Read:
        return QStringLiteral("read");
    case Kind::AfterWrite:
        return QStringLiteral("after-write");
    case Kind::BeforeRestore:
        return QStringLiteral("before-restore");
    }
    return QString();
}

QString TSnapshotStore::DirectoryName(const QString& serial) {
    if (!TKeyComparison::IsKnownSerial(serial))
        return UnknownDirectory;
    // Percent-encoding keeps distinct serial numbers apart ("a/b", "a_b" and "a.b" each get a
    // folder of their own); the letters and digits of ordinary ones stay readable.
    QString name = QString::fromLatin1(serial.trimmed().toUtf8().toPercentEncoding(QByteArray(), "."));
    if (name == UnknownDirectory)
        name.replace(0, 1, QStringLiteral("%75"));
    return name;
}

QString TSnapshotStore::Save(const TKeyTables& tables, Kind kind, const QDateTime& when) {
    if (!tables.Valid(TKeyTransfer::Table::Master) && !tables.Valid(TKeyTransfer::Table::Slave))
        return QString();
    const QString directory = QDir(root).filePath(DirectoryName(tables.serial));
    if (!QDir().mkpath(QFileInfo(root).absolutePath()))
        throw failure(
            QStringLiteral("Can not make the snapshot folder %1").arg(QDir::toNativeSeparators(root)));
    const TModes modes = modesFor(root, sharing);
    makeFolder(root, sharing, modes.folder);
    makeFolder(directory, sharing, modes.folder);
    sweepStagedFiles();
    TStaged table(directory, QStringLiteral(".dbf"));
    // The engine creates its file afresh; the unique name stays reserved by this process alone.
    QFile::remove(table.path);
    TKeyListFile::Write(tables, table.path);
    setFileMode(table.path, modes.file);
    TStaged description(directory, QStringLiteral(".json"));
    {
        QFile out(description.path);
        const QByteArray bytes = QJsonDocument(describe(tables, KindName(kind), when)).toJson();
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size() ||
            !out.flush())
            throw failure(QStringLiteral("Can not write %1: %2")
                              .arg(QDir::toNativeSeparators(description.path), out.errorString()));
    }
    setFileMode(description.path, modes.file);
    const QString base = when.toUTC().toString(TimeFormat) + QLatin1Char('-') + KindName(kind);
    for (int n = 1; n < 1000; ++n) {
        const QString stem =
            QDir(directory).filePath(n == 1 ? base : QStringLiteral("%1-%2").arg(base).arg(n));
        // The description first: a table file without one is never listed as something it is not.
        if (!description.PlaceAs(stem + QStringLiteral(".json")))
            continue;
        if (table.PlaceAs(stem + QStringLiteral(".dbf"))) {
            syncPath(directory, O_RDONLY | O_DIRECTORY);
            return stem + QStringLiteral(".dbf");
        }
        description.placed = !TFilePlacement::PlaceNew(stem + QStringLiteral(".json"), description.path);
    }
    throw failure(QStringLiteral("Can not name a snapshot in %1").arg(QDir::toNativeSeparators(directory)));
}

QString TSnapshotStore::TrySave(const TKeyTables& tables, Kind kind, QString* path) {
    try {
        const QString saved = Save(tables, kind);
        if (path)
            *path = saved;
        return QString();
    } catch (const std::exception& e) {
        return QStringLiteral("The snapshot of the controller was not stored: %1")
            .arg(QString::fromUtf8(e.what()));
    }
}

TSnapshotStore::TSnapshot TSnapshotStore::Describe(const QString& dbfPath) {
    TSnapshot snapshot;
    snapshot.path = dbfPath;
    const QFileInfo info(dbfPath);
    // A description that is a named pipe or a device is no description: never waited on.
    const TRegularFile::TContents description =
        TRegularFile::Read(info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".json"),
                           MaxDescriptionBytes);
    QJsonObject json;
    if (description.ok)
        json = QJsonDocument::fromJson(description.data).object();
    snapshot.serial =
        json.value(QStringLiteral("serial"))
            .toString(QString::fromUtf8(QByteArray::fromPercentEncoding(info.dir().dirName().toUtf8())));
    snapshot.info = json.value(QStringLiteral("info")).toString();
    snapshot.version = json.value(QStringLiteral("version")).toString();
    snapshot.time = QDateTime::fromString(json.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    if (!snapshot.time.isValid())
        snapshot.time =
            QDateTime::fromString(info.completeBaseName().section(QLatin1Char('-'), 0, 0), TimeFormat);
    snapshot.time.setTimeSpec(Qt::UTC);
    snapshot.kind =
        json.value(QStringLiteral("kind")).toString(info.completeBaseName().section(QLatin1Char('-'), 1));
    snapshot.masterValid = json.value(QStringLiteral("masterValid")).toBool(true);
    snapshot.slaveValid = json.value(QStringLiteral("slaveValid")).toBool(true);
    return snapshot;
}

void TSnapshotStore::sweepStagedFiles() const {
    // Every controller's folder: a process killed while saving another controller's snapshot
    // left its key codes there.
    const QStringList names = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QString& name : names)
        TStaleFiles::Sweep(QDir(root).filePath(name), StagedPrefix, LegacyStagedLength);
}

QList<TSnapshotStore::TSnapshot> TSnapshotStore::Described(const QString& directory) const {
    QList<TSnapshot> list;
    const QStringList names = QDir(directory).entryList({QStringLiteral("*.dbf")}, QDir::Files, QDir::Name);
    for (const QString& name : names)
        if (!name.startsWith(StagedPrefix))
            list.append(Describe(QDir(directory).filePath(name)));
    std::stable_sort(list.begin(), list.end(), [](const TSnapshot& a, const TSnapshot& b) {
        return a.time != b.time ? a.time > b.time : a.path > b.path;
    });
    return list;
}

TSnapshotStore::TLatest TSnapshotStore::Latest(const QString& serial) const {
    TLatest latest;
    QString newestSecond;
    const QDir directory(QDir(root).filePath(DirectoryName(serial)));
    // Names start with the UTC time, so the name order is the time order.
    const QStringList names =
        directory.entryList({QStringLiteral("*.dbf")}, QDir::Files, QDir::Name | QDir::Reversed);
    for (const QString& name : names) {
        if (name.startsWith(StagedPrefix))
            continue;
        const QString stem = QFileInfo(name).completeBaseName();
        const QString second = stem.section(QLatin1Char('-'), 0, 0);
        QDateTime time = QDateTime::fromString(second, TimeFormat);
        time.setTimeSpec(Qt::UTC);
        const QString kind = stem.section(QLatin1Char('-'), 1);
        // Snapshots of one second (a read, then the write after it) are told apart by their
        // descriptions' milliseconds.
        if (!latest.found || second == newestSecond) {
            const TSnapshot candidate = Describe(directory.filePath(name));
            if (!latest.found || candidate.time > latest.newest.time ||
                (candidate.time == latest.newest.time && candidate.kind == KindName(Kind::AfterWrite)))
                latest.newest = candidate;
            latest.found = true;
            newestSecond = second;
        }
        QDateTime& slot = kind.startsWith(KindName(Kind::AfterWrite)) ? latest.lastWritten : latest.lastRead;
        if (!slot.isValid())
            slot = time;
        if (latest.lastRead.isValid() && latest.lastWritten.isValid() && second != newestSecond)
            break;
    }
    return latest;
}

QList<TSnapshotStore::TController> TSnapshotStore::Controllers() const {
    QList<TController> controllers;
    const QStringList names = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        const QList<TSnapshot> snapshots = Described(QDir(root).filePath(name));
        if (snapshots.isEmpty())
            continue;
        controllers.append({snapshots.first().serial, snapshots.first().info, snapshots.first().time,
                            int(snapshots.size())});
    }
    return controllers;
}

QList<TSnapshotStore::TSnapshot> TSnapshotStore::Snapshots(const QString& serial,
                                                           const std::function<bool()>& stopped) const {
    QList<TSnapshot> list = Described(QDir(root).filePath(DirectoryName(serial)));
    // Folders of earlier versions were shared by serial numbers that differ only in punctuation.
    const bool known = TKeyComparison::IsKnownSerial(serial);
    list.erase(std::remove_if(list.begin(), list.end(),
                              [&](const TSnapshot& s) {
                                  return known ? s.serial.trimmed() != serial.trimmed()
                                               : TKeyComparison::IsKnownSerial(s.serial);
                              }),
               list.end());
    // Oldest first, each against the readable one before it.
    std::optional<TKeyTables> older;
    for (int i = int(list.size()) - 1; i >= 0 && !(stopped && stopped()); --i) {
        std::optional<TKeyTables> tables;
        try {
            tables = Load(list[i]);
        } catch (const std::exception&) {
            continue;
        }
        if (older)
            list[i].changedSlots = ChangedSlots(*older, *tables);
        older = std::move(tables);
    }
    return list;
}

TKeyTables TSnapshotStore::Load(const TSnapshot& snapshot) {
    TKeyTables tables = TKeyListFile::Read(snapshot.path);
    tables.version = snapshot.version;
    for (TKeyTransfer::Table table : TKeyTables::Tables) {
        if ((table == TKeyTransfer::Table::Master ? snapshot.masterValid : snapshot.slaveValid))
            continue;
        TMemoryKeyView& view = tables.View(table);
        for (int slot = 0; slot < view.SlotCount(); ++slot)
            view.Forget(slot);
    }
    return tables;
}

int TSnapshotStore::ChangedSlots(const TKeyTables& before, const TKeyTables& after) {
    int changed = 0;
    for (TKeyTransfer::Table table : TKeyTables::Tables) {
        if (!before.Valid(table) || !after.Valid(table))
            continue;
        for (int slot = 0; slot < after.View(table).SlotCount(); ++slot)
            if (TKeyDifference::Classify(after.View(table).Slot(slot), before.View(table).Slot(slot)) !=
                TKeyDifference::Kind::Same)
                ++changed;
    }
    return changed;
}
