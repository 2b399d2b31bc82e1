#include "site/TSiteSaveJournal.h"

#include "site/TSiteFile.h"
#include "sync/TKeyListFile.h"

#include <QDir>
#include <QFileInfo>

TSiteSaveJournal::TSiteSaveJournal(const QString& user) : user(user) {}

void TSiteSaveJournal::BeforeSave(const QString& target) {
    const QFileInfo info(target);
    siteFolder.clear();
    before.reset();
    beforeError.clear();
    if (!QFileInfo(info.dir().filePath(TSiteFile::FileName)).isFile())
        return;
    siteFolder = info.absolutePath();
    if (!info.exists()) {
        before = TKeyTables(); // a new list: every slot was empty
        return;
    }
    try {
        before = TKeyListFile::Read(target);
    } catch (const std::exception& e) {
        beforeError = QString::fromStdString(e.what());
    }
}

QString TSiteSaveJournal::AfterSave(const QString& target) {
    if (siteFolder.isEmpty())
        return QString();
    const QString notJournalled =
        TSiteSaveJournal::tr("The key list was saved, but the site journal does not record it: %1");
    if (!before)
        return notJournalled.arg(beforeError);
    try {
        const QList<TSiteJournal::TEntry> entries =
            Changes(QFileInfo(target).fileName(), *before, TKeyListFile::Read(target));
        if (!entries.isEmpty())
            TSiteJournal(siteFolder, user).Append(entries);
    } catch (const std::exception& e) {
        return notJournalled.arg(QString::fromStdString(e.what()));
    }
    return QString();
}

QList<TSiteJournal::TEntry> TSiteSaveJournal::Changes(const QString& name, const TKeyTables& before,
                                                      const TKeyTables& after) {
    QList<TSiteJournal::TEntry> entries;
    for (TKeyTransfer::Table table : TKeyTables::Tables) {
        const TMemoryKeyView& old = before.View(table);
        const TMemoryKeyView& now = after.View(table);
        for (int slot = 0; slot < now.SlotCount(); ++slot) {
            TSiteJournal::TEntry entry;
            entry.kind = QStringLiteral("list");
            entry.name = name;
            entry.table = table;
            entry.number = slot + 1;
            entry.before = slot < old.SlotCount() ? TSiteJournal::SlotText(old.Slot(slot)) : QString();
            entry.after = TSiteJournal::SlotText(now.Slot(slot));
            if (entry.before != entry.after)
                entries.append(entry);
        }
    }
    return entries;
}
