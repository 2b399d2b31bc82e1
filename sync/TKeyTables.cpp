#include "sync/TKeyTables.h"

void TKeyTables::LoadFrom(TKeyView& masterView, TKeyView& slaveView) {
    LoadTable(Table::Master, masterView);
    LoadTable(Table::Slave, slaveView);
}

void TKeyTables::LoadTable(Table table, TKeyView& view) {
    TMemoryKeyView& target = View(table);
    if (!view.IsOpen())
        return;
    const QList<int> records = view.SlotRecords();
    for (int slot = 0; slot < target.SlotCount() && slot < records.size(); ++slot)
        target.SetSlot(slot, view.Load(records[slot]));
}

QString TKeyTables::TableShown(Table table) {
    return table == Table::Master ? tr("Master") : tr("Slave");
}

QString TKeyTables::TableName(Table table) {
    return table == Table::Master ? QStringLiteral("Master") : QStringLiteral("Slave");
}

void TKeyTables::MarkAllEmpty() {
    for (Table table : Tables) {
        TMemoryKeyView& view = View(table);
        for (int slot = 0; slot < view.SlotCount(); ++slot)
            view.SetSlot(slot, view.EmptySlot(slot));
    }
}
