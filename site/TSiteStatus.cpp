#include "site/TSiteStatus.h"

#include "keys/TKeyPlaceholder.h"
#include "site/TSite.h"
#include "site/TSiteDoorData.h"
#include "sync/TKeyComparison.h"

QString TSiteStatus::Text() const {
    switch (state) {
    case State::InStep:
        return QStringLiteral("in step");
    case State::ChangesToWrite:
        return changes == 1 ? QStringLiteral("1 change to write")
                            : QStringLiteral("%1 changes to write").arg(changes);
    case State::NeverRead:
        return QStringLiteral("never read");
    case State::NoController:
        return QStringLiteral("no controller yet");
    case State::Unreadable:
        return QStringLiteral("unreadable: %1").arg(error);
    }
    return QString();
}

QString TSiteStatus::StateName(State state) {
    switch (state) {
    case State::InStep:
        return QStringLiteral("in-step");
    case State::ChangesToWrite:
        return QStringLiteral("changes-to-write");
    case State::NeverRead:
        return QStringLiteral("never-read");
    case State::NoController:
        return QStringLiteral("no-controller");
    case State::Unreadable:
        return QStringLiteral("unreadable");
    }
    return QString();
}

int TSiteStatus::Changes(const TSiteDoorData& data) {
    const TKeyComparison comparison(*data.list, *data.snapshot);
    int changes = comparison.DifferenceCount();
    for (const TKeyDifference& row : comparison.AllSlots())
        if (!row.Differs() && row.wanted.active &&
            row.wanted.keyCode == QLatin1String(TKeyPlaceholder::UnreadCode))
            ++changes;
    return changes;
}

TSiteStatus TSiteStatus::Of(const TSiteDoorData& data) {
    TSiteStatus status;
    status.door = data.door;
    status.lastRead = data.latest.lastRead;
    status.lastWritten = data.latest.lastWritten;
    if (!data.list) {
        status.state = State::Unreadable;
        status.error = data.listError;
    } else if (!data.door.HasController()) {
        status.state = State::NoController;
    } else if (!data.latest.found) {
        status.state = State::NeverRead;
    } else if (!data.snapshot) {
        status.state = State::Unreadable;
        status.error = data.snapshotError;
    } else {
        status.changes = Changes(data);
        status.state = status.changes == 0 ? State::InStep : State::ChangesToWrite;
    }
    return status;
}

QList<TSiteStatus> TSiteStatus::Of(const TSite& site) {
    const TSnapshotStore history = site.History();
    QList<TSiteStatus> doors;
    for (const TSiteDoor& door : site.Doors())
        doors.append(Of(TSiteDoorData::Read(site, door, history)));
    return doors;
}
