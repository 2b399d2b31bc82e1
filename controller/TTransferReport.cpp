#include "controller/TTransferReport.h"

#include "controller/TControllerExchange.h"
#include "keys/TKeyPlaceholder.h"

#include <QStringList>

using End = TKeyTransfer::Result::End;

namespace {
QString tableName(TKeyTransfer::Table table) {
    return table == TKeyTransfer::Table::Master ? TTransferReport::tr("Master keys")
                                                : TTransferReport::tr("Slave keys");
}

QString numbers(const QList<int>& slotNumbers) {
    QStringList names;
    for (int slot : slotNumbers)
        names.append(QStringLiteral("#%1").arg(slot));
    return names.join(QStringLiteral(", "));
}
} // namespace

void TTransferReport::Add(TKeyTransfer::Table table, const TKeyTransfer::Result& result) {
    entries.append({table, result, false});
}

void TTransferReport::Skip(TKeyTransfer::Table table) {
    entries.append({table, {}, true});
}

bool TTransferReport::Any(End end) const {
    for (const Entry& entry : entries)
        if (!entry.skipped && entry.result.end == end)
            return true;
    return false;
}

bool TTransferReport::PortLost() const {
    return Any(End::PortGone);
}

bool TTransferReport::Stopped() const {
    return PortLost() || Any(End::ControllerSilent) || Any(End::PortFailure) || Any(End::LineChattering) ||
           Any(End::Interrupted);
}

TTransferReport::Severity TTransferReport::Kind() const {
    if (PortLost() || Any(End::ControllerSilent) || Any(End::LineChattering))
        return Severity::Error;
    for (const Entry& entry : entries)
        if (!entry.skipped && !entry.result.failedSlots.isEmpty())
            return Severity::Warning;
    return Stopped() ? Severity::Warning : Severity::None;
}

QString TTransferReport::Verb() const {
    return direction == Direction::Read ? tr("read") : tr("written");
}

QString TTransferReport::Text(int comNumber) const {
    if (Kind() == Severity::None)
        return QString();
    QStringList lines;
    if (PortLost())
        lines << TControllerExchange::DisconnectedText(comNumber);
    else if (Any(End::ControllerSilent))
        lines << TControllerExchange::NoAnswerText(comNumber);
    else if (Any(End::LineChattering))
        lines << TControllerExchange::ChatteringText(comNumber);
    else if (Any(End::Interrupted))
        lines << tr("The transfer was stopped.");
    QStringList failed;
    for (const Entry& entry : entries)
        if (!entry.skipped && !entry.result.failedSlots.isEmpty())
            failed << tableName(entry.table) + QLatin1Char(' ') + numbers(entry.result.failedSlots);
    if (!failed.isEmpty()) {
        lines << tr("These key slots were not %1 for sure:").arg(Verb());
        lines << failed;
        lines << (direction == Direction::Write
                      ? tr("Unknown: the write may or may not have been applied there; read the "
                           "controller again.")
                      : tr("The key list marks them as not read (%1); read the controller again.")
                            .arg(QLatin1String(TKeyPlaceholder::UnreadCode)));
    }
    for (const Entry& entry : entries) {
        if (entry.skipped)
            lines << tr("%1 were not %2.").arg(tableName(entry.table), Verb());
        else if (entry.result.firstNotTried >= 0)
            lines << tr("%1 from #%2 on were not %3.")
                         .arg(tableName(entry.table))
                         .arg(entry.result.firstNotTried)
                         .arg(Verb());
    }
    lines << (PortLost() ? tr("Connect the controller again, choose its port and repeat the command.")
                         : tr("Check the cable and repeat the command."));
    return lines.join(QLatin1Char('\r'));
}
