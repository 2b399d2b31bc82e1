#pragma once

#include <QCoreApplication>
#include <QStringList>

class TKeyTables;
class TMessageBoxes;

// What would be dangerous about the key tables a controller is about to hold: no active master
// key left (nobody could change the keys any more), a slave key that is also a master key, a
// key code in two slots.
class TWriteWarnings {
    Q_DECLARE_TR_FUNCTIONS(TWriteWarnings)

public:
    // Only the tables to be written are judged for an active master key; codes are compared
    // across both tables as the controller will then hold them.
    static QStringList Check(const TKeyTables& after, bool writesMaster, bool writesSlave);
    // The question asked before writing, or empty when there is nothing to warn about.
    static QString Question(const QStringList& warnings);
    // Asks it in the boxes given; true when there is nothing to ask or the user goes on.
    static bool Confirm(const TKeyTables& after, bool writesMaster, bool writesSlave, TMessageBoxes& boxes);
};
