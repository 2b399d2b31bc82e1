#pragma once

#include "site/TSiteKeyChange.h"

#include <QCoreApplication>
#include <QList>

class TKeyListStore;

// Slot changes of a site put into the working copy the main window has open, through its views.
class TSiteOpenList {
    Q_DECLARE_TR_FUNCTIONS(TSiteOpenList)

public:
    // All slots or none: raises std::runtime_error when one of them no longer holds what the plan
    // saw (the window's unsaved edits win). Each view stays on the record it stood on.
    static void Apply(TKeyListStore& store, const QList<TSiteKeyChange::TSlot>& edits);
};
