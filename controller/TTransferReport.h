#pragma once

#include "controller/TKeyTransfer.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// What one command's key transfers (one table, or both for "Read all" and "Write all") left
// undone, as the one box shown after them: the slots whose five attempts all failed, by table and
// "#" number, what that means for the controller and the key list, and whether the controller
// stopped answering or its port went away.
class TTransferReport {
    Q_DECLARE_TR_FUNCTIONS(TTransferReport)

public:
    enum class Direction { Read, Write };
    enum class Severity { None, Warning, Error };

    explicit TTransferReport(Direction direction) : direction(direction) {}

    void Add(TKeyTransfer::Table table, const TKeyTransfer::Result& result);
    // The table was not tried because an earlier one stopped the command.
    void Skip(TKeyTransfer::Table table);

    // The controller stopped answering or its port is gone: later steps of the command are pointless.
    bool Stopped() const;
    bool PortLost() const;
    // Some table's transfer ended so.
    bool Any(TKeyTransfer::Result::End end) const;
    // Warning for failed slots, error when the controller is silent or the port is gone.
    Severity Kind() const;
    // Empty when everything was transferred.
    QString Text(int comNumber) const;

private:
    struct Entry {
        TKeyTransfer::Table table;
        TKeyTransfer::Result result;
        bool skipped = false;
    };
    QString Verb() const;

    Direction direction;
    QList<Entry> entries;
};
