#pragma once

#include <QList>
#include <QPair>
#include <QString>

// One controller of a site, as the site file names it. The key list is the record of what the
// door should hold; its path is relative to the site folder.
struct TSiteDoor {
    QString serial; // empty: the list was never read from a controller ("no controller yet")
    QString name;
    QString location;
    QString list;
    int line = 0; // where the site file names it, for messages
    // Keys this version does not know, kept so that a save by it loses nothing of a newer one's.
    QList<QPair<QString, QString>> extra;

    bool HasController() const { return !serial.isEmpty(); }
    // The name people know the door by, falling back to the list's file name.
    QString Shown() const { return name.isEmpty() ? list : name; }
};
