#pragma once

#include <QCoreApplication>
#include <QString>

class TKeyTables;

// Key tables to and from a key-list file (header record, 8 master and 128 slave records), the
// same file the program opens and saves.
class TKeyListFile {
    Q_DECLARE_TR_FUNCTIONS(TKeyListFile)

public:
    // Creates the file at path; raises on an engine failure. Unknown slots are written empty. The
    // records are not synced one by one: sync the file before it takes the place of another.
    static void Write(const TKeyTables& tables, const QString& path);
    // Every slot of a key-list file; raises std::runtime_error naming the file when it is not one.
    static TKeyTables Read(const QString& path);
    // The serial number in the header record; empty when the file cannot be read.
    static QString HeaderSerial(const QString& path);
};
