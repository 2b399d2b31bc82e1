#pragma once

#include "sync/TKeyDifference.h"

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QString>

class TKeyTables;

// What a key list (or a snapshot) wants against what a controller holds, slot by slot. Only the
// wanted tables that are valid are compared: a snapshot of one table never speaks for the other.
class TKeyComparison {
    Q_DECLARE_TR_FUNCTIONS(TKeyComparison)

public:
    TKeyComparison() = default;
    TKeyComparison(const TKeyTables& wanted, const TKeyTables& held);

    // Every compared slot, master slots first, each table in slot order.
    const QList<TKeyDifference>& AllSlots() const { return rows; }
    QList<TKeyDifference> Differences() const;
    // The differences a write can settle.
    QList<TKeyDifference> Writable() const;
    // The slots a write cannot settle, a line each with the reason; empty when there are none.
    QString UnwritableText() const;
    int DifferenceCount() const;
    int Count(TKeyDifference::Kind kind) const { return counts.value(kind); }
    bool Compared(TKeyTransfer::Table table) const;

    QString wantedSerial;
    QString heldSerial;
    // Both serial numbers known and not the same.
    bool SerialMismatch() const;
    // "This key list was saved from controller X", or empty.
    QString SerialMismatchText(const QString& wantedName = QString()) const; // empty: "key list"
    // "3 differences: 1 key added, 2 code changed", or "No differences".
    QString CountsText() const;

    static bool IsKnownSerial(const QString& serial);
    // Both serial numbers known and not the same controller's.
    static bool SerialsDiffer(const QString& first, const QString& second);
    // The question before a list saved from one controller is written to another.
    static QString OtherControllerQuestion(const QString& listSerial, const QString& controllerSerial);

private:
    QList<TKeyDifference> RowsWhere(bool (TKeyDifference::*test)() const) const;

    QList<TKeyDifference> rows;
    QMap<TKeyDifference::Kind, int> counts;
    bool comparedMaster = false;
    bool comparedSlave = false;
};
