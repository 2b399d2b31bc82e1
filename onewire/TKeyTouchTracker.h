#pragma once

#include <QHash>
#include <QStringList>

// Tells newly touched keys from keys that stay on the reader. A key counts as touched when it
// appears; it must then be missing from GonePolls searches in a row before touching it again
// counts again, because a key held against a reader's contacts drops out of a search now and then.
class TKeyTouchTracker {
public:
    static constexpr int GonePolls = 2;

    // The keys found by one search; returns those newly touched, in the order found.
    QStringList Poll(const QStringList& present);
    void Reset() { missed.clear(); }

private:
    QHash<QString, int> missed; // keys seen, with the searches in a row that missed them
};
