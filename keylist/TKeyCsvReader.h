#pragma once

#include <QByteArray>
#include <QStringList>
#include <QVector>

// Splits a CSV file into rows with libcsv: comma or semicolon, told apart by the header row;
// UTF-8 with or without a byte-order mark, or Windows-1252 when the bytes are not UTF-8 (what
// spreadsheets save as "CSV" on Windows); LF or CR LF line ends; quoted fields may hold line
// breaks. Every row keeps the number of the line it starts on.
class TKeyCsvReader {
public:
    struct TRow {
        int line = 0;
        QStringList fields;
    };

    static QVector<TRow> Read(const QByteArray& bytes);
    // The delimiter giving the header row the most fields; a comma when it makes no difference.
    static char Delimiter(const QByteArray& bytes);

private:
    static QVector<QVector<QByteArray>> split(const QByteArray& bytes, char delimiter, QVector<int>* lines,
                                              int maxRows);
};
