#pragma once

#include "site/TSiteKeyChange.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class TSite;
class TSiteJournal;
class TOpenListHook;

// Puts planned changes into the site's key-list files: each file is copied into a private folder,
// changed there and put in its place atomically (its own mode kept), so a list is always either
// the old one or the whole new one, whatever stops the run. A slot that no longer holds what the
// plan saw (someone changed the list meanwhile) fails that list; the others go on.
class TSiteListWriter {
    Q_DECLARE_TR_FUNCTIONS(TSiteListWriter)

public:
    // Applies every change that has slots; each ends Saved or Failed, and each saved one is
    // journalled. The list open in the window (openList) takes its change there instead and ends
    // InOpenList. Returns the number of lists saved.
    static int Apply(const TSite& site, QList<TSiteKeyChange>& changes, TSiteJournal& journal,
                     TOpenListHook* openList = nullptr);
    // One list; raises std::runtime_error naming the file.
    static void ApplyOne(const TSite& site, const TSiteKeyChange& change);
    // Whether a slot still holds what a plan saw: same state, code and note as the lists compare them.
    static bool SameSlot(const TKeySlot& held, const TKeySlot& expected);
    // The code a list stores for the slot; a slot without one holds "<EMPTY>".
    static QString StoredCode(const TKeySlot& key);
};
