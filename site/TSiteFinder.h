#pragma once

#include "controller/TKeyTransfer.h"
#include "site/TSiteDoor.h"

#include <QDateTime>
#include <QList>
#include <QString>

class TSite;
struct TSiteDoorData;
struct TSiteQuery;

// Where a key is across a site: every door, table and "#" that holds it, active or not, in the key
// lists and in the last snapshots of the controllers.
class TSiteFinder {
public:
    struct THit {
        TSiteDoor door;
        bool inSnapshot = false; // else in the key list
        QDateTime snapshotTime;  // UTC, for a snapshot hit
        TKeyTransfer::Table table = TKeyTransfer::Table::Slave;
        int number = 0; // "#": slot + 1
        QString code;
        bool active = false;
        QString note;
        // The controller holds the key active where the list no longer does: the door still
        // needs a visit.
        bool toVisit = false;
    };

    // unreadable: "<list>: why" for each list or snapshot that could not be searched.
    static QList<THit> Find(const TSite& site, const TSiteQuery& query, QStringList* unreadable = nullptr);
    static QList<THit> Find(const TSiteDoorData& data, const TSiteQuery& query);
    // The doors whose controller still holds one of the query's keys active where the list does not.
    static QStringList DoorsToVisit(const QList<THit>& hits);
};
