#pragma once

#include <QCoreApplication>
#include <QStringList>

class TDbfTable;

// A key list names each record's slot twice: "#" (RECID), by which the views order the records,
// and the slot number (KEYID). A list edited by hand or by another program may repeat them; the
// program then writes each key by its position in the view, which is not what the numbers say.
class TKeyListNumbering {
    Q_DECLARE_TR_FUNCTIONS(TKeyListNumbering)

public:
    // One line per table and field that repeats a number, naming the numbers; empty when none.
    static QStringList Disagreements(TDbfTable& master, TDbfTable& slave);
    // The warning shown on opening the list at path, or empty when nothing disagrees.
    static QString Warning(const QString& path, const QStringList& disagreements);
};
