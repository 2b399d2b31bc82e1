#include "sync/TKeyListFile.h"

#include "dbf/TDbfEngine.h"
#include "dbf/TDbfField.h"
#include "dbf/TDbfTable.h"
#include "keylist/TDbfKeyView.h"
#include "keylist/TKeyListSchema.h"
#include "keylist/TKeyListStore.h"
#include "keys/TKeyPlaceholder.h"
#include "seams/TRegularFile.h"
#include "sync/TKeyListBytes.h"
#include "sync/TKeyTables.h"

#include <optional>
#include <stdexcept>
#include <utility>

namespace {
QVariantList recordOf(const TKeySlot& key, int slot, const QString& keyType, bool known) {
    const bool active = known && key.active;
    return {
        slot + 1, slot,   active ? key.keyCode.toUpper() : QString::fromLatin1(TKeyPlaceholder::EmptyCode),
        keyType,  active, active ? key.memo : QString()};
}
// Records of a file that nobody sees yet need no sync each (137 syncs cost most of a second);
// the caller syncs the whole file once before giving it its name.
class TUnsyncedWrites {
public:
    TUnsyncedWrites() : before(DbfEngine().dbe_SysProp(DBE_PROP_DURABLE_WRITES, "0")) {}
    ~TUnsyncedWrites() { DbfEngine().dbe_SysProp(DBE_PROP_DURABLE_WRITES, before ? "1" : "0"); }

private:
    int before;
};
} // namespace

void TKeyListFile::Write(const TKeyTables& tables, const QString& path) {
    TDbfTable table;
    table.SetTableType(ttDBNDX);
    table.SetOEMTranslate(false);
    if (!TKeyListStore::CreateLayout(table, path))
        throw std::runtime_error(
            TKeyListFile::tr("Can not create %1: %2").arg(path, table.LastError()).toStdString());
    const TUnsyncedWrites unsynced;
    table.SetTableName(path);
    table.Open();
    QList<QVariantList> records{{QVariant(), QVariant(), tables.serial, QString(), false, tables.info}};
    for (TKeyTransfer::Table which : TKeyTables::Tables) {
        const TMemoryKeyView& view = tables.View(which);
        for (int slot = 0; slot < view.SlotCount(); ++slot)
            records.append(recordOf(view.Slot(slot), slot, view.KeyType(), view.IsKnown(slot)));
    }
    table.InsertRecords(records);
    table.Close();
}

TKeyTables TKeyListFile::Read(const QString& path) {
    const TRegularFile::TContents contents = TRegularFile::Read(path, PlainBytes);
    return Read(path, contents.data);
}

TKeyTables TKeyListFile::Read(const QString& path, const QByteArray& bytes) {
    if (std::optional<TKeyTables> plain = TKeyListBytes::Parse(bytes))
        return std::move(*plain);
    return readThroughEngine(path);
}

TKeyTables TKeyListFile::readThroughEngine(const QString& path) {
    TKeyListStore::CheckKeyList(path);
    TDbfTable table;
    table.SetTableType(ttDBNDX);
    table.SetOEMTranslate(false);
    table.SetReadOnly(true);
    table.SetTableName(path);
    table.Open();
    TKeyTables tables;
    table.First();
    tables.serial =
        table.FieldByName(QString::fromLatin1(TKeyListSchema::KeyCodeField))->AsString().trimmed();
    tables.info = table.FieldByName(QString::fromLatin1(TKeyListSchema::KeyMemoField))->AsString();
    TDbfKeyView view(table);
    table.SetFilter(QString::fromLatin1(TKeyListSchema::MasterFilter));
    table.SetFiltered(true);
    tables.LoadTable(TKeyTransfer::Table::Master, view);
    table.SetFilter(QString::fromLatin1(TKeyListSchema::SlaveFilter));
    tables.LoadTable(TKeyTransfer::Table::Slave, view);
    table.Close();
    return tables;
}

QString TKeyListFile::HeaderSerial(const QString& path) {
    try {
        TDbfTable table;
        table.SetTableType(ttDBNDX);
        table.SetReadOnly(true);
        table.SetTableName(path);
        table.Open();
        table.First();
        const QString serial =
            table.FieldByName(QString::fromLatin1(TKeyListSchema::KeyCodeField))->AsString();
        table.Close();
        return serial.trimmed();
    } catch (const std::exception&) {
        return QString();
    }
}
