#pragma once

#include <QString>

class TDifferenceTableModel;
class TKeyComparison;

// The rows of the Differences window printed through the report engine: its preview prints and
// exports, or straight into a PDF file.
class TDifferencesReport {
public:
    static const QString TemplatePath;

    TDifferencesReport(const TDifferenceTableModel& model, const TKeyComparison& comparison,
                       const QString& title);

    void Preview();
    // False with the reason in error.
    bool ExportPdf(const QString& path, QString* error);

private:
    template <typename Use> void WithReport(Use use);

    const TDifferenceTableModel& model;
    const TKeyComparison& comparison;
    QString title;
};
