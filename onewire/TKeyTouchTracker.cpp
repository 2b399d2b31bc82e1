#include "onewire/TKeyTouchTracker.h"

QStringList TKeyTouchTracker::Poll(const QStringList& present) {
    QStringList touched;
    for (const QString& key : present) {
        if (!missed.contains(key) && !touched.contains(key))
            touched << key;
        missed.insert(key, 0);
    }
    for (auto it = missed.begin(); it != missed.end();) {
        if (!present.contains(it.key()) && ++it.value() >= GonePolls)
            it = missed.erase(it);
        else
            ++it;
    }
    return touched;
}
