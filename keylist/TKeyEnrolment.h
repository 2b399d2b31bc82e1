#pragma once

#include "keys/TKeySlot.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

class TKeyListStore;
class TDbfTable;

// Puts keys read from a 1-Wire reader into one page of the open key list: each new code fills
// the page's current slot when it is empty, else the next empty slot after it (then from the
// first), as an active key with the given note. A code the list already holds is refused with
// the place that holds it, and so is a note the key list cannot hold or the controller cannot give
// back. Every enrolment can be undone, the last one first.
class TKeyEnrolment {
    Q_DECLARE_TR_FUNCTIONS(TKeyEnrolment)

public:
    struct TResult {
        bool ok = false;
        QString message; // what happened, for the window's list or the refusal
        TKeySlot record; // the slot as it is now
    };

    TKeyEnrolment(TKeyListStore& store, TDbfTable& page);

    TResult Enrol(const QString& code, const QString& note);
    bool CanUndo() const { return !done.isEmpty(); }
    // Gives the last enrolled slot back what it held before; returns that slot.
    TKeySlot Undo();

private:
    TKeyListStore& store;
    TDbfTable& page;
    QVector<TKeySlot> done; // each enrolled slot as it was before
};
