#pragma once

#include "keylist/TKeyRecord.h"

#include <QByteArray>
#include <QStringList>
#include <QVector>

// Writes a key list as CSV: UTF-8, a header row, one row per slot, lines ended by CR LF and
// fields quoted as RFC 4180 asks (libcsv does the quoting).
class TKeyCsvWriter {
public:
    // type, "#", slot, code, engraved, active, note
    static const QStringList Header;

    static QByteArray Write(const QVector<TKeyRecord>& records);
    // Writes the file whole or not at all; a failure raises std::runtime_error naming it.
    static void Save(const QString& path, const QVector<TKeyRecord>& records);

private:
    static QByteArray field(const QString& text);
    static QByteArray row(const QStringList& fields);
};
