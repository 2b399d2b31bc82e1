#pragma once

#include "keys/TKeySlot.h"
#include "controller/TKeyTransfer.h"
#include "site/TSiteDoor.h"

#include <QList>
#include <QString>

// The changes one key-list file of a site takes in one step (a revoke, a give): each slot as it
// was when planned and as it is to become.
struct TSiteKeyChange {
    struct TSlot {
        TKeyTransfer::Table table = TKeyTransfer::Table::Slave;
        int slot = 0;
        TKeySlot before;
        TKeySlot after;
        int Number() const { return slot + 1; }
    };
    enum class Outcome { Planned, Saved, Failed, Skipped };

    TSiteDoor door;
    QList<TSlot> edits;
    Outcome outcome = Outcome::Planned;
    QString reason; // Skipped: why nothing changes here; Failed: why the list was not saved

    bool Changes() const { return !edits.isEmpty(); }
};
