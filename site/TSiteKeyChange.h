#pragma once

#include "controller/TKeyTransfer.h"
#include "keys/TKeySlot.h"
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
    // InOpenList: changed in the list open in the main window, not yet saved.
    enum class Outcome { Planned, Saved, Failed, Skipped, InOpenList };

    TSiteDoor door;
    QList<TSlot> edits;
    Outcome outcome = Outcome::Planned;
    // Skipped: why nothing changes here; Failed: why the list was not saved; InOpenList: what is left to do
    QString reason;

    bool Changes() const { return !edits.isEmpty(); }
};
