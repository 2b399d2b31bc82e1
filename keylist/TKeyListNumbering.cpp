#include "keylist/TKeyListNumbering.h"

#include "dbf/TDbfField.h"
#include "dbf/TDbfTable.h"
#include "keylist/TKeyListSchema.h"

#include <QDir>
#include <QMap>

namespace {
// How often each number occurs in the view, the repeated ones only, as "3 (2 records)".
QStringList repeated(TDbfTable& view, const char* field) {
    const int index = view.FieldByName(QLatin1String(field))->Index();
    QMap<int, int> counts;
    const int rows = view.RowCount();
    for (int row = 0; row < rows; ++row)
        ++counts[view.RowValue(row, index).toInt()];
    QStringList found;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > 1)
            found << TKeyListNumbering::tr("%1 (%2 records)").arg(it.key()).arg(it.value());
    return found;
}
} // namespace

QStringList TKeyListNumbering::Disagreements(TDbfTable& master, TDbfTable& slave) {
    QStringList lines;
    for (TDbfTable* view : {&master, &slave}) {
        const QString table =
            view == &master ? TKeyListNumbering::tr("master keys") : TKeyListNumbering::tr("slave keys");
        const QStringList recIds = repeated(*view, TKeyListSchema::RecIdField);
        if (!recIds.isEmpty())
            lines
                << TKeyListNumbering::tr("%1: # repeated: %2").arg(table, recIds.join(QStringLiteral(", ")));
        const QStringList keyIds = repeated(*view, TKeyListSchema::KeyIdField);
        if (!keyIds.isEmpty())
            lines << TKeyListNumbering::tr("%1: slot number (KEYID) repeated: %2")
                         .arg(table, keyIds.join(QStringLiteral(", ")));
    }
    return lines;
}

QString TKeyListNumbering::Warning(const QString& path, const QStringList& disagreements) {
    if (disagreements.isEmpty())
        return QString();
    return TKeyListNumbering::tr(
               "The key list %1 numbers some slots twice:\r%2\rKeys are written to the controller "
               "by their position in the list, not by these numbers.")
        .arg(QDir::toNativeSeparators(path), disagreements.join(QLatin1Char('\r')));
}
