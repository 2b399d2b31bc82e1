#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>
#include <QVector>

// Splits a CSV file into rows with libcsv. Comma, semicolon or tab, told apart by the header row
// unless Excel's "sep=" line names it; UTF-8 with or without a byte-order mark, UTF-16 with one
// ("Unicode Text"), or Windows-1252 when no line is UTF-8 (what spreadsheets save as "CSV" on
// Windows); LF or CR LF line ends; quoted fields may hold line breaks. Every row keeps the
// number of the line it starts on. A file that is no list of keys (too many rows or columns,
// zero bytes) raises std::runtime_error before it takes much memory.
class TKeyCsvReader {
    Q_DECLARE_TR_FUNCTIONS(TKeyCsvReader)

public:
    // A key list holds 136 keys: a file with this many rows is something else.
    static constexpr int MaxRows = 5000;
    static constexpr int MaxFields = 64;

    struct TRow {
        int line = 0;
        QStringList fields;
        QString error; // why the row cannot be read at all; empty when it can
    };

    static QVector<TRow> Read(const QByteArray& bytes);
};
