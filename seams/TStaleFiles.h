#pragma once

#include <QString>

// Files and folders the program makes for a short while (staging files, work copies) carry the
// number of the process that made them, so that whatever a killed process left behind can be
// told from what a running one still holds, and swept at the next start.
class TStaleFiles {
public:
    // An entry not touched for this long may belong to another process even when its maker's
    // number is in use again, or comes from a version that did not name it.
    static constexpr qint64 AbandonedSeconds = 24 * 60 * 60;
    // Younger entries are never swept: their maker may live where its number cannot be seen.
    static constexpr qint64 GraceSeconds = 60;

    // prefix, this process's number and "-": the start of a name this process owns.
    static QString OwnName(const QString& prefix);
    // Removes the entries of directory named prefix..., owned by this user and not links, whose
    // maker no longer runs, or which are abandoned as above. legacyLength > 0: an entry named
    // prefix plus exactly that many letters and digits (no maker's number) is swept when
    // abandoned. Folders are removed whole. Returns the number removed.
    static int Sweep(const QString& directory, const QString& prefix, int legacyLength = 0);
};
