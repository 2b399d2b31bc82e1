#include "cli/TCliDifferences.h"

#include "cli/TCliJsonNames.h"
#include "cli/TCliOutput.h"
#include "seams/TMessageBoxes.h"
#include "sync/TKeyComparison.h"
#include "sync/TKeyTables.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {
QString slotText(const TKeySlot& key) {
    if (!key.active)
        return TCliDifferences::tr("(empty)");
    return QStringLiteral("%1 %2")
        .arg(TKeyDifference::NormalCode(key), TKeyDifference::NormalNote(key))
        .trimmed();
}

QJsonObject slotJson(const TKeySlot& key) {
    return {{QStringLiteral("code"), TKeyDifference::NormalCode(key)},
            {QStringLiteral("active"), key.active},
            {QStringLiteral("note"), TKeyDifference::NormalNote(key)}};
}

// The JSON's "table", the same in every language.
QString tableName(TKeyTransfer::Table table) {
    return table == TKeyTransfer::Table::Master ? QStringLiteral("master") : QStringLiteral("slave");
}

QString tableText(TKeyTransfer::Table table) {
    return table == TKeyTransfer::Table::Master ? TCliDifferences::tr("master")
                                                : TCliDifferences::tr("slave");
}
} // namespace

QString TCliDifferences::Text(const TKeyComparison& comparison) {
    QString text;
    const QString mismatch = comparison.SerialMismatchText();
    if (!mismatch.isEmpty())
        text += mismatch + QLatin1Char('\n');
    for (const TKeyDifference& row : comparison.Differences())
        text += tr("%1 #%2  %3  controller: %4  list: %5\n")
                    .arg(tableText(row.table).leftJustified(6))
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
                                {QStringLiteral("kind"), TCliJsonNames::Kind(row.kind)},
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
        (count == 1 ? tr("Write %1 change to the controller?") : tr("Write %1 changes to the controller?"))
            .arg(count));
}
