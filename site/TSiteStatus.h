#pragma once

#include "site/TSiteDoor.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

class TSite;
struct TSiteDoorData;

// Which doors still need a visit: per door its list, when it was last read and written, and how
// many slots the list and the last snapshot differ by.
struct TSiteStatus {
    Q_DECLARE_TR_FUNCTIONS(TSiteStatus)

public:
    enum class State { InStep, ChangesToWrite, NeverRead, NoController, Unreadable };

    TSiteDoor door;
    State state = State::NeverRead;
    int changes = 0;
    QDateTime lastRead;    // UTC, invalid when never
    QDateTime lastWritten; // UTC, invalid when never
    QString error;         // Unreadable: why

    // "in step", "3 changes to write", "never read", "no controller yet", "list unreadable: ..."
    QString Text() const;
    static QString StateName(State state); // for scripts: "in-step", "changes", ...

    static QList<TSiteStatus> Of(const TSite& site);
    static TSiteStatus Of(const TSiteDoorData& data);
    // Slots a write would change: the differences, and every slot the list marks as unread (it is
    // never in step, whatever the snapshot says).
    static int Changes(const TSiteDoorData& data);
};
