#include "sync/TDifferenceCsv.h"

#include "seams/TCheckedSave.h"
#include "sync/TDifferenceTableModel.h"

#include <csv.h>

namespace {
QByteArray field(const QString& text) {
    const QByteArray raw = text.toUtf8();
    QByteArray quoted(2 * raw.size() + 2, '\0');
    quoted.resize(int(csv_write(quoted.data(), size_t(quoted.size()), raw.constData(), size_t(raw.size()))));
    return quoted;
}
} // namespace

QByteArray TDifferenceCsv::Text(const TDifferenceTableModel& model) {
    QByteArray out;
    const auto line = [&out](const QList<QString>& cells) {
        for (int i = 0; i < cells.size(); ++i) {
            if (i > 0)
                out += ',';
            out += field(cells[i]);
        }
        out += "\r\n";
    };
    QList<QString> header;
    for (int column = 0; column < TDifferenceTableModel::ColumnCount; ++column)
        header << model.HeaderText(column, TDifferenceTableModel::TWording::English);
    line(header);
    for (const TKeyDifference& row : model.Rows()) {
        QList<QString> cells;
        for (int column = 0; column < TDifferenceTableModel::ColumnCount; ++column)
            cells << model.CellText(row, column, TDifferenceTableModel::TWording::English);
        line(cells);
    }
    return out;
}

bool TDifferenceCsv::Write(const TDifferenceTableModel& model, const QString& path, QString* error) {
    return TCheckedSave::Save(path, Text(model), error);
}
