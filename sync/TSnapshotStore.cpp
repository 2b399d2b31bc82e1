#include "sync/TSnapshotStore.h"

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
#include <fcntl.h>
#include <optional>
#include <stdexcept>
#include <unistd.h>

namespace {
const QString TimeFormat = QStringLiteral("yyyyMMdd'T'HHmmss'Z'");
// Files being written; the table engine names its work area after the file, so no leading dot.
const QString StagedPrefix = QStringLiteral("staged-");

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
        : file(QDir(directory).filePath(StagedPrefix + QStringLiteral("XXXXXX") + suffix)) {
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
        placed = QFile::rename(path, target);
        return placed;
    }

    QTemporaryFile file;
    QString path;
    bool placed = false;
};

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
    QString name;
    for (QChar c : serial.trimmed()) {
        const bool plain = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                           (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c == QLatin1Char('-') ||
                           c == QLatin1Char('_');
        name += plain ? c : QLatin1Char('_');
    }
    return TKeyComparison::IsKnownSerial(serial) && !name.isEmpty() ? name : QStringLiteral("unknown");
}

QString TSnapshotStore::Save(const TKeyTables& tables, Kind kind, const QDateTime& when) {
    if (!tables.Valid(TKeyTransfer::Table::Master) && !tables.Valid(TKeyTransfer::Table::Slave))
        return QString();
    const QString directory = QDir(root).filePath(DirectoryName(tables.serial));
    if (!QDir().mkpath(directory))
        throw failure(
            QStringLiteral("Can not make the snapshot folder %1").arg(QDir::toNativeSeparators(directory)));
    TStaged table(directory, QStringLiteral(".dbf"));
    // The engine creates its file afresh; the unique name stays reserved by this process alone.
    QFile::remove(table.path);
    TKeyListFile::Write(tables, table.path);
    TStaged description(directory, QStringLiteral(".json"));
    {
        QFile out(description.path);
        const QByteArray bytes = QJsonDocument(describe(tables, KindName(kind), when)).toJson();
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size() ||
            !out.flush())
            throw failure(QStringLiteral("Can not write %1: %2")
                              .arg(QDir::toNativeSeparators(description.path), out.errorString()));
    }
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
        QFile::rename(stem + QStringLiteral(".json"), description.path);
        description.placed = false;
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
    QFile file(info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".json"));
    QJsonObject json;
    if (file.open(QIODevice::ReadOnly) && file.size() < 64 * 1024)
        json = QJsonDocument::fromJson(file.readAll()).object();
    snapshot.serial = json.value(QStringLiteral("serial")).toString(info.dir().dirName());
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

QList<TSnapshotStore::TSnapshot> TSnapshotStore::Snapshots(const QString& serial) const {
    QList<TSnapshot> list = Described(QDir(root).filePath(DirectoryName(serial)));
    // Oldest first, each against the readable one before it.
    std::optional<TKeyTables> older;
    for (int i = int(list.size()) - 1; i >= 0; --i) {
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
