#pragma once

#include "site/TSiteKeyChange.h"

#include <QList>
#include <QString>

// The key list open in the main window, as a change of the site reaches it: a list open there is
// changed through its open document, never behind it, or a later save of the window's stale copy
// would undo the change.
class TOpenListHook {
public:
    virtual ~TOpenListHook() = default;

    // The user's file the window has open; empty when none (or a list never saved).
    virtual QString OpenListPath() = 0;
    // Puts the slots into the open list as edits of the window (it is then changed, unsaved).
    // Raises std::runtime_error, with nothing changed, when a slot no longer holds what was planned.
    virtual void ApplyToOpenList(const QList<TSiteKeyChange::TSlot>& edits) = 0;
};
