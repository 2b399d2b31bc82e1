#include "site/TSite.h"

#include "keylist/TKeyListStore.h"
#include "seams/TRegularFile.h"
#include "site/ESiteError.h"
#include "site/TSiteFolder.h"
#include "sync/TKeyComparison.h"
#include "sync/TKeyListFile.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>

namespace {
const QString HistoryName = QStringLiteral("history");
const QString JournalName = QStringLiteral("journal");

// A list named by the site file stays inside the site folder: no absolute path, no "..".
bool insideFolder(const QString& list) {
    return !QDir::isAbsolutePath(list) && !QDir::cleanPath(list).startsWith(QLatin1String("..")) &&
           !list.contains(QLatin1Char('\\'));
}
} // namespace

QString TSite::FilePath() const {
    return QDir(folder).filePath(TSiteFile::FileName);
}

QString TSite::ListPath(const TSiteDoor& door) const {
    return QDir(folder).filePath(door.list);
}

QString TSite::HistoryRoot() const {
    return QDir(folder).filePath(HistoryName);
}

TSnapshotStore TSite::History() const {
    return TSnapshotStore(HistoryRoot(), TSnapshotStore::Sharing::Team);
}

QString TSite::JournalFolder() const {
    return QDir(folder).filePath(JournalName);
}

TSite TSite::Load(const QString& folder) {
    TSite site;
    site.folder = QDir(folder).absolutePath();
    site.Reload();
    return site;
}

void TSite::Reload() {
    const QString path = FilePath();
    const QString shown = QDir::toNativeSeparators(path);
    const TFileIdentity before = TFileIdentity::Of(path);
    if (!before.Exists())
        throw ESiteError(
            QStringLiteral("%1: there is no site here (\"vtrk site create\" makes one)").arg(shown));
    const TRegularFile::TContents contents = TRegularFile::Read(path, TSiteFile::MaxBytes);
    if (!contents.ok)
        throw ESiteError(QStringLiteral("%1: %2").arg(shown, contents.error));
    TSiteFile candidate = TSiteFile::Parse(contents.data, shown);
    check(candidate);
    file = std::move(candidate);
    identity = before;
}

void TSite::check(const TSiteFile& candidate) const {
    const QString shown = QDir::toNativeSeparators(FilePath());
    for (const TSiteDoor& door : candidate.doors) {
        const QString where = QStringLiteral("%1:%2: key list %3").arg(shown).arg(door.line).arg(door.list);
        if (!insideFolder(door.list))
            throw ESiteError(where + QStringLiteral(" lies outside the site folder"));
        const QString refused = TRegularFile::Check(ListPath(door));
        if (!refused.isEmpty())
            throw ESiteError(where + QStringLiteral(" ") +
                             (QFileInfo::exists(ListPath(door)) ? refused : QStringLiteral("is missing")));
    }
}

const TSiteDoor* TSite::DoorOfSerial(const QString& serial) const {
    for (const TSiteDoor& door : file.doors)
        if (door.HasController() && door.serial == serial.trimmed())
            return &door;
    return nullptr;
}

const TSiteDoor* TSite::FindDoor(const QString& text) const {
    for (const TSiteDoor& door : file.doors)
        for (const QString& known : {door.name, door.list, door.serial})
            if (!known.isEmpty() && known.compare(text.trimmed(), Qt::CaseInsensitive) == 0)
                return &door;
    return nullptr;
}

void TSite::Change(const std::function<void(TSiteFile&)>& change) {
    if (TFileIdentity::Of(FilePath()) != identity)
        Reload();
    TSiteFile changed = file;
    change(changed);
    // Parsed back as a reader will see it: a change that breaks the file is refused here.
    const TSiteFile reread = TSiteFile::Parse(changed.Text(), QDir::toNativeSeparators(FilePath()));
    check(reread);
    TSiteFolder::SaveText(folder, FilePath(), reread.Text());
    file = reread;
    identity = TFileIdentity::Of(FilePath());
}

TSite::TCreated TSite::Create(const QString& folder, const QString& name) {
    TCreated created;
    TSite& site = created.site;
    site.folder = QDir(folder).absolutePath();
    if (QFileInfo::exists(site.FilePath()) || QFileInfo(site.FilePath()).isSymLink())
        throw ESiteError(
            QStringLiteral("%1: a site file exists already").arg(QDir::toNativeSeparators(site.FilePath())));
    QMap<QString, QStringList> bySerial;
    const QStringList lists =
        QDir(site.folder)
            .entryList({QStringLiteral("*.dbf"), QStringLiteral("*.DBF")}, QDir::Files, QDir::Name);
    for (const QString& list : lists) {
        try {
            TKeyListStore::CheckKeyList(QDir(site.folder).filePath(list), list);
        } catch (const std::exception& e) {
            created.refused.append(QString::fromStdString(e.what()));
            continue;
        }
        const QString serial = TKeyListFile::HeaderSerial(QDir(site.folder).filePath(list));
        bySerial[TKeyComparison::IsKnownSerial(serial) ? serial : QString()].append(list);
    }
    TSiteFile file;
    file.siteName = name.isEmpty() ? QFileInfo(site.folder).fileName() : name;
    for (auto it = bySerial.cbegin(); it != bySerial.cend(); ++it) {
        if (!it.key().isEmpty() && it.value().size() > 1) {
            created.conflicts.append(
                QStringLiteral("%1: %2").arg(it.key(), it.value().join(QStringLiteral(", "))));
            continue;
        }
        for (const QString& list : it.value()) {
            TSiteDoor door;
            door.serial = it.key();
            door.name = QFileInfo(list).completeBaseName();
            door.list = list;
            file.doors.append(door);
            created.added.append(list);
            if (!door.HasController())
                created.noController.append(list);
        }
    }
    TSiteFolder::SaveText(site.folder, site.FilePath(), file.Text());
    site.Reload();
    return created;
}
