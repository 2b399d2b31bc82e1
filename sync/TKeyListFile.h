#pragma once

#include <QByteArray>
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
    // The same for a file whose bytes the caller read already (empty when they could not be):
    // a file in the plain form is taken from them, any other is read again through the engine.
    static TKeyTables Read(const QString& path, const QByteArray& bytes);
    // A key list in the plain form is a few kilobytes: beyond this the engine reads it.
    static constexpr qint64 PlainBytes = 1024 * 1024;
    // The serial number in the header record; empty when the file cannot be read.
    static QString HeaderSerial(const QString& path);

private:
    static TKeyTables readThroughEngine(const QString& path);
};
