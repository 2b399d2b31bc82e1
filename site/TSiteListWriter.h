#pragma once

#include "site/TSiteKeyChange.h"

#include <QList>
#include <QString>

class TSite;
class TSiteJournal;

// Puts planned changes into the site's key-list files: each file is copied into a private folder,
// changed there and put in its place atomically (its own mode kept), so a list is always either
// the old one or the whole new one, whatever stops the run. A slot that no longer holds what the
// plan saw (someone changed the list meanwhile) fails that list; the others go on.
class TSiteListWriter {
public:
    // Applies every change that has slots; each ends Saved or Failed, and each saved one is
    // journalled. Returns the number of lists saved.
    static int Apply(const TSite& site, QList<TSiteKeyChange>& changes, TSiteJournal& journal);
    // One list; raises std::runtime_error naming the file.
    static void ApplyOne(const TSite& site, const TSiteKeyChange& change);
};
