#pragma once

#include <QString>

class TDifferenceTableModel;

// The rows of the Differences window as a CSV file (UTF-8, a header line, fields quoted where
// they need it), written atomically.
class TDifferenceCsv {
public:
    static QByteArray Text(const TDifferenceTableModel& model);
    // False with the reason in error when the file could not be written; an old file stays whole.
    static bool Write(const TDifferenceTableModel& model, const QString& path, QString* error);
};
