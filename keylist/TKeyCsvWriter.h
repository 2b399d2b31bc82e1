#pragma once

#include "keylist/TKeyListStore.h"
#include "keys/TKeySlot.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>
#include <QVector>

// Writes a key list as CSV: a header row, one row per slot, lines ended by CR LF and fields
// quoted as RFC 4180 asks (libcsv does the quoting). Every row carries the controller's serial
// number and information text, so that they survive a spreadsheet's sorting and deleting.
class TKeyCsvWriter {
    Q_DECLARE_TR_FUNCTIONS(TKeyCsvWriter)

public:
    // Plain: UTF-8 and commas. Spreadsheet: UTF-8 with a byte-order mark and semicolons, which
    // spreadsheets in the locales with a decimal comma open as columns without asking.
    enum class TFormat { Plain, Spreadsheet };

    // type, "#", slot, code, engraved, active, note, serial, info
    static const QStringList Header;

    static QByteArray Write(const QVector<TKeySlot>& records, const TKeyListStore::THeader& controller,
                            TFormat format = TFormat::Plain);
    // Writes the file whole or not at all: a failure (a full disk too) raises std::runtime_error
    // naming it and leaves the file as it was.
    static void Save(const QString& path, const QVector<TKeySlot>& records,
                     const TKeyListStore::THeader& controller, TFormat format = TFormat::Plain);

private:
    static QByteArray field(const QString& text);
    static QByteArray row(const QStringList& fields, char delimiter);
};
