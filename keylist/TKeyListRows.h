#pragma once

#include "keys/TKeySlot.h"

#include <QCoreApplication>
#include <QVector>

class TDbfTable;

// Reads and writes the key records of a view without the grids or dialogs: for the CSV files,
// the enrolment and the command line.
class TKeyListRows {
    Q_DECLARE_TR_FUNCTIONS(TKeyListRows)

public:
    // Every record the view shows whose KEYTYPE is M or S, ordered by type (master first) and slot.
    static QVector<TKeySlot> Read(TDbfTable& view);
    // Stores code, status and note into the record numbered record.recNo and posts it.
    static void Write(TDbfTable& view, const TKeySlot& record);
    // Where a code is held, as the user sees it: "master key #4".
    static QString Place(const TKeySlot& record);
};
