#include "sync/ui/TDifferencesReport.h"

#include "report/TrpDBDataSet.h"
#include "report/TrpPages.h"
#include "report/TrpReport.h"
#include "report/TrpRowSource.h"
#include "seams/TInstalledMessageBoxes.h"
#include "sync/TDifferenceTableModel.h"

#include <QCoreApplication>
#include <QPageSize>

const QString TDifferencesReport::TemplatePath = QStringLiteral(":/sync/Differences.rpt");

namespace {
const char* const Fields[TDifferenceTableModel::ColumnCount] = {
    "TABLE", "NUM", "WCODE", "WACTIVE", "WNOTE", "HCODE", "HACTIVE", "HNOTE", "KIND"};

// The model's rows as a data band reads them.
class TModelRows : public TrpRowSource {
public:
    explicit TModelRows(const TDifferenceTableModel& model) : model(model) {}
    bool IsActive() const override { return true; }
    void Open() override {}
    void Close() override {}
    void First() override { row = 0; }
    void Next() override { ++row; }
    bool Eof() const override { return row >= model.Rows().size(); }
    bool HasField(const QString& name) const override { return column(name) >= 0; }
    QString FieldText(const QString& name) const override {
        return model.CellText(model.Rows().at(row), column(name));
    }

private:
    static int column(const QString& name) {
        for (int i = 0; i < TDifferenceTableModel::ColumnCount; ++i)
            if (name.compare(QLatin1String(Fields[i]), Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }
    const TDifferenceTableModel& model;
    int row = 0;
};
} // namespace

TDifferencesReport::TDifferencesReport(const TDifferenceTableModel& model, const TKeyComparison& comparison,
                                       const QString& title)
    : model(model), comparison(comparison), title(title) {}

template <typename Use> void TDifferencesReport::WithReport(Use use) {
    TrpReport report(TInstalledMessageBoxes::Shared());
    report.Title = title;
    TModelRows rows(model);
    TrpDBDataSet dataSet(QStringLiteral("Differences"));
    dataSet.SetDataSource(&rows);
    report.AddDataSet(&dataSet);
    report.OnGetValue = [this](const QString& name, QVariant& value) {
        if (name.compare(QLatin1String("SERIAL"), Qt::CaseInsensitive) == 0)
            value = comparison.heldSerial;
        else if (name.compare(QLatin1String("MISMATCH"), Qt::CaseInsensitive) == 0)
            value = comparison.SerialMismatchText();
        else if (name.compare(QLatin1String("COUNTS"), Qt::CaseInsensitive) == 0)
            value = comparison.CountsText();
        else if (name.compare(QLatin1String("WANTED"), Qt::CaseInsensitive) == 0)
            value = model.HeaderText(TDifferenceTableModel::WantedCode).section(QLatin1Char(':'), 0, 0);
    };
    if (report.LoadTemplate(TemplatePath))
        use(report);
}

void TDifferencesReport::Preview() {
    WithReport([](TrpReport& report) { report.ShowPreview(); });
}

bool TDifferencesReport::ExportPdf(const QString& path, QString* error) {
    bool done = false;
    *error = QCoreApplication::translate("TDifferencesReport", "the report could not be built");
    WithReport([&](TrpReport& report) {
        if (!report.BuildPages() || !report.Pages())
            return;
        TrpPages& pages = *report.Pages();
        done =
            pages.ExportPdf(path, pages.PageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape), error);
    });
    return done;
}
