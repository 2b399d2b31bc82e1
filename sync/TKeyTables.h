#pragma once

#include "controller/TKeyTransfer.h"
#include "sync/TMemoryKeyView.h"

#include <QCoreApplication>
#include <QString>

// Both key tables of one controller, or of one key list, held in memory with the identity that
// goes with them. A table is valid when every one of its slots is known.
class TKeyTables {
    Q_DECLARE_TR_FUNCTIONS(TKeyTables)

public:
    using Table = TKeyTransfer::Table;

    QString serial;
    QString info;
    QString version;
    TMemoryKeyView master{QStringLiteral("M"), 8};
    TMemoryKeyView slave{QStringLiteral("S"), 128};

    TMemoryKeyView& View(Table table) { return table == Table::Master ? master : slave; }
    const TMemoryKeyView& View(Table table) const { return table == Table::Master ? master : slave; }
    bool Valid(Table table) const { return View(table).AllKnown(); }

    // Every slot of both views, slot n from the record with the n-th smallest RECID.
    void LoadFrom(TKeyView& masterView, TKeyView& slaveView);
    void LoadTable(Table table, TKeyView& view);
    // Every slot of both tables known and empty: a list without keys.
    void MarkAllEmpty();

    // The table's name for scripts and files ("Master", "Slave"); TableShown is the one people read.
    static QString TableName(Table table);
    static QString TableShown(Table table);
    static constexpr Table Tables[] = {Table::Master, Table::Slave};
};
