#include "cli/TCliDifferences.h"

#include "cli/TCliOutput.h"
#include "seams/TMessageBoxes.h"
#include "sync/TKeyComparison.h"
#include "sync/TKeyTables.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {
QString slotText(const TKeySlot& key) {
    if (!key.active)
        return QStringLiteral("(empty)");
    return QStringLiteral("%1 %2")
        .arg(TKeyDifference::NormalCode(key), TKeyDifference::NormalNote(key))
        .trimmed();
}

QJsonObject slotJson(const TKeySlot& key) {
    return {{QStringLiteral("code"), TKeyDifference::NormalCode(key)},
            {QStringLiteral("active"), key.active},
            {QStringLiteral("note"), TKeyDifference::NormalNote(key)}};
}

QString tableName(TKeyTransfer::Table table) {
    return table == TKeyTransfer::Table::Master ? QStringLiteral("master") : QStringLiteral("slave");
}
} // namespace

QString TCliDifferences::Text(const TKeyComparison& comparison) {
    QString text;
    const QString mismatch = comparison.SerialMismatchText();
    if (!mismatch.isEmpty())
        text += mismatch + QLatin1Char('\n');
    for (const TKeyDifference& row : comparison.Differences())
        text += QStringLiteral("%1 #%2  %3  controller: %4  list: %5\n")
                    .arg(tableName(row.table).leftJustified(6))
                    .arg(row.Number(), -3)
                    .arg(TKeyDifference::KindText(row.kind).leftJustified(12), slotText(row.held),
                         slotText(row.wanted));
    return text + comparison.CountsText() + QLatin1Char('\n');
}

QJsonObject TCliDifferences::Json(const TKeyComparison& comparison) {
    QJsonArray rows;
    for (const TKeyDifference& row : comparison.Differences())
        rows.append(QJsonObject{{QStringLiteral("table"), tableName(row.table)},
                                {QStringLiteral("number"), row.Number()},
                                {QStringLiteral("kind"), TKeyDifference::KindText(row.kind)},
                                {QStringLiteral("controller"), slotJson(row.held)},
                                {QStringLiteral("list"), slotJson(row.wanted)}});
    return {{QStringLiteral("listSerial"), comparison.wantedSerial},
            {QStringLiteral("controllerSerial"), comparison.heldSerial},
            {QStringLiteral("serialMismatch"), comparison.SerialMismatch()},
            {QStringLiteral("count"), comparison.DifferenceCount()},
            {QStringLiteral("differences"), rows}};
}

bool TCliDifferences::ShowComparison(const TKeyComparison& comparison, Purpose purpose) {
    shown = true;
    if (json)
        TCliOutput::Json(QJsonDocument(Json(comparison)));
    else
        TCliOutput::Text(Text(comparison));
    if (purpose == Purpose::Compare)
        return false;
    const int count = int(comparison.Writable().size());
    return MessageBoxes().confirmOkCancel(
        QStringLiteral("Write %1 %2 to the controller?").arg(count).arg(count == 1 ? "change" : "changes"));
}
