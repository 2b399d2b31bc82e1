#include "sync/TControllerSync.h"

#include "controller/TControllerExchange.h"
#include "controller/TControllerInfo.h"
#include "controller/TControllerPortOpener.h"
#include "controller/TTransferProgress.h"
#include "seams/TSleep.h"
#include "serial/TSerDataPort.h"
#include "sync/TKeyTables.h"

#include <QStringList>

using Table = TKeyTransfer::Table;

TControllerSync::TControllerSync(TControllerExchange& exchange, TControllerPortOpener& opener,
                                 TTransferProgress& progress)
    : exchange(exchange), opener(opener), progress(progress) {}

bool TControllerSync::ReadIdentity(TKeyTables& held, QString* error) {
    if (!exchange.port().isOpen())
        opener.OpenControllerPort();
    if (!exchange.port().isOpen()) {
        *error = QStringLiteral("No controller port is open.");
        return false;
    }
    TControllerInfo info(exchange, opener);
    QString version;
    info.ReadProgramVersion(version);
    held.version = version;
    if (!TControllerInfo::IsSupportedVersion(version)) {
        *error = TControllerInfo::UnknownVersionWarning(version);
        return false;
    }
    held.serial = TControllerInfo::UnknownText;
    held.info = TControllerInfo::UnknownText;
    info.ReadControllerSerial(held.serial);
    info.ReadControllerInfo(held.info);
    held.serial = held.serial.trimmed();
    return true;
}

bool TControllerSync::ReadTable(Table table, TKeyTables& held) {
    TKeyTransfer transfer(exchange, opener, progress);
    return transfer.ReadKeys(table, held.View(table)).end == TKeyTransfer::Result::End::Completed;
}

void TControllerSync::Step(int done, int total) {
    const int position = total > 0 ? done * 100 / total : 100;
    progress.StepProgress(position - shown);
    shown = position;
}

bool TControllerSync::WriteSlot(const TKeyDifference& change, TSlotResult& result) {
    TFrame request, reply;
    BuildSlotWriteHeader(request, TKeyTransfer::ShapeOf(change.table).command);
    request[Frame::OfsSequence] = exchange.sequence();
    TKeySlot key = change.wanted;
    // The key number byte addresses the slot on the controller.
    key.keyId = change.slot;
    EncodeSlot(request, change.slot, key);
    SealFrame(request, Frame::SlotWriteSize);
    const auto outcome = exchange.Command(request, Frame::SlotWriteSize, reply);
    exchange.advanceSequence();
    if (outcome == TControllerExchange::Outcome::PortFailure ||
        outcome == TControllerExchange::Outcome::PortGone)
        return false;
    result.outcome =
        outcome == TControllerExchange::Outcome::Done ? Outcome::ReadBackFailed : Outcome::WriteFailed;
    return true;
}

bool TControllerSync::ReadBack(TSlotResult& result, TKeyTables& held) {
    const TKeyTransfer::Shape shape = TKeyTransfer::ShapeOf(result.change.table);
    TMemoryKeyView& view = held.View(result.change.table);
    TFrame request, reply;
    const int size = BuildSlotReadRequest(request, exchange.sequence(), shape.command,
                                          static_cast<unsigned char>(result.change.slot));
    const auto outcome = exchange.Query(request, size, reply,
                                        TControllerExchange::QueryShape{Frame::SlotReplySize, true, true});
    exchange.advanceSequence();
    if (outcome == TControllerExchange::Outcome::PortFailure ||
        outcome == TControllerExchange::Outcome::PortGone)
        return false;
    if (outcome != TControllerExchange::Outcome::Done)
        return true; // stays ReadBackFailed, the slot unknown
    result.readBack = DecodeSlot(reply, result.change.slot, shape.keyType);
    view.SetSlot(result.change.slot, result.readBack);
    result.outcome =
        TKeyDifference::Classify(result.change.wanted, result.readBack) == TKeyDifference::Kind::Same
            ? Outcome::Verified
            : Outcome::ReadBackDiffers;
    return true;
}

TControllerSync::TResult TControllerSync::Write(const QList<TKeyDifference>& changes,
                                                const TKeyTables& wanted, TKeyTables& held) {
    TResult result;
    if (!exchange.port().isOpen())
        opener.OpenControllerPort();
    QList<TKeyDifference> ordered;
    for (Table table : TKeyTables::Tables)
        for (const TKeyDifference& change : changes)
            if (change.table == table && change.Differs())
                ordered.append(change);
    for (const TKeyDifference& change : ordered)
        result.results.append({change, Outcome::NotWritten, {}});
    const int total = 2 * int(ordered.size());
    shown = 0;
    int done = 0;
    bool masterWritten = false;
    bool activeMaster = false;
    for (int slot = 0; slot < wanted.master.SlotCount(); ++slot)
        activeMaster = activeMaster || (wanted.master.IsKnown(slot) && wanted.master.Slot(slot).active);
    for (int i = 0; i < result.results.size() && !result.portFailure; ++i) {
        TSlotResult& slot = result.results[i];
        if (slot.change.table == Table::Slave && masterWritten && activeMaster && !result.closingFrameSent) {
            SendClosingFrame();
            result.closingFrameSent = true;
        }
        result.portFailure = !WriteSlot(slot.change, slot);
        if (slot.outcome != Outcome::NotWritten || result.portFailure)
            // Whatever the controller made of a refused write, its slot is no longer known.
            held.View(slot.change.table).Forget(slot.change.slot);
        masterWritten =
            masterWritten || (slot.change.table == Table::Master && slot.outcome == Outcome::ReadBackFailed);
        Step(++done, total);
    }
    if (masterWritten && activeMaster && !result.closingFrameSent && !result.portFailure) {
        SendClosingFrame();
        result.closingFrameSent = true;
    }
    for (TSlotResult& slot : result.results) {
        if (result.portFailure)
            break;
        if (slot.outcome != Outcome::ReadBackFailed)
            continue;
        result.portFailure = !ReadBack(slot, held);
        Step(++done, total);
    }
    return result;
}

void TControllerSync::SendClosingFrame() {
    // As after a full master write: the answer byte is not examined.
    TFrame frame;
    const int size = BuildClosingFrame(frame);
    exchange.PortWrite(frame.data(), size);
    TSleep::ms(TControllerExchange::WaitMs);
    exchange.PortReadLate(frame.data(), 1);
}

QString TControllerSync::OutcomeText(Outcome outcome) {
    switch (outcome) {
    case Outcome::Verified:
        return QStringLiteral("written and verified");
    case Outcome::WriteFailed:
        return QStringLiteral("the controller did not accept the write");
    case Outcome::NotWritten:
        return QStringLiteral("not written (the port failed)");
    case Outcome::ReadBackFailed:
        return QStringLiteral("written, but could not be read back");
    case Outcome::ReadBackDiffers:
        return QStringLiteral("read back differently");
    }
    return QString();
}

int TControllerSync::TResult::Verified() const {
    int count = 0;
    for (const TSlotResult& slot : results)
        count += slot.outcome == Outcome::Verified ? 1 : 0;
    return count;
}

QList<TControllerSync::TSlotResult> TControllerSync::TResult::Failed() const {
    QList<TSlotResult> failed;
    for (const TSlotResult& slot : results)
        if (slot.outcome != Outcome::Verified)
            failed.append(slot);
    return failed;
}

QString TControllerSync::TResult::ReportText() const {
    if (results.isEmpty())
        return QStringLiteral("The controller already holds the wanted keys: nothing was written.");
    QStringList lines;
    lines << QStringLiteral("%1 of %2 changes written and verified.").arg(Verified()).arg(results.size());
    const QList<TSlotResult> failed = Failed();
    if (!failed.isEmpty()) {
        lines << QStringLiteral("These slots failed; check the cable and synchronise again:");
        for (const TSlotResult& slot : failed) {
            QString line = QStringLiteral("%1 #%2 (%3): %4")
                               .arg(TKeyTables::TableName(slot.change.table))
                               .arg(slot.change.Number())
                               .arg(TKeyDifference::KindText(slot.change.kind), OutcomeText(slot.outcome));
            if (slot.outcome == Outcome::ReadBackDiffers)
                line += QStringLiteral(", it holds %1")
                            .arg(slot.readBack.active ? slot.readBack.keyCode : QStringLiteral("no key"));
            lines << line;
        }
    }
    if (portFailure)
        lines << QStringLiteral("The port failed; what was not written is listed above.");
    return lines.join(QLatin1Char('\r'));
}
