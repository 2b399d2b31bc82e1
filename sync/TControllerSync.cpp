#include "sync/TControllerSync.h"

#include "controller/TControllerExchange.h"
#include "controller/TControllerInfo.h"
#include "controller/TControllerPortOpener.h"
#include "controller/TKeySlotWire.h"
#include "controller/TTransferProgress.h"
#include "seams/TSleep.h"
#include "serial/TSerDataPort.h"
#include "sync/TKeyTables.h"

#include <QStringList>

using Table = TKeyTransfer::Table;

TControllerSync::TControllerSync(TControllerExchange& exchange, TControllerPortOpener& opener,
                                 TTransferProgress& progress)
    : exchange(exchange), opener(opener), progress(progress) {}

namespace {
QString unanswered(const TControllerExchange& exchange, const QString& query) {
    return TControllerSync::tr("The controller on COM%1 did not answer the %2; nothing was written.")
        .arg(exchange.port().PortNumber())
        .arg(query);
}

bool possiblyApplied(TControllerSync::Outcome outcome) {
    return outcome != TControllerSync::Outcome::NotWritten;
}
} // namespace

bool TControllerSync::ReadIdentity(TKeyTables& held, QString* error) {
    if (!exchange.port().isOpen())
        opener.OpenControllerPort();
    if (!exchange.port().isOpen()) {
        *error = tr("No controller port is open.");
        return false;
    }
    TControllerInfo info(exchange, opener);
    QString version;
    // An unanswered query is not another firmware: say which it is.
    if (!info.ReadProgramVersion(version)) {
        *error = unanswered(exchange, tr("version query"));
        return false;
    }
    held.version = version;
    if (!TControllerInfo::IsSupportedVersion(version)) {
        *error = TControllerInfo::UnknownVersionWarning(version);
        return false;
    }
    held.serial = TControllerInfo::UnknownText;
    held.info = TControllerInfo::UnknownText;
    // Which controller this is decides whether a list may be written to it.
    if (!info.ReadControllerSerial(held.serial)) {
        *error = unanswered(exchange, tr("serial number query"));
        return false;
    }
    info.ReadControllerInfo(held.info);
    held.serial = held.serial.trimmed();
    return true;
}

TKeyTransfer::Result TControllerSync::ReadTable(Table table, TKeyTables& held) {
    TKeyTransfer transfer(exchange, opener, progress);
    return transfer.ReadKeys(table, held.View(table));
}

void TControllerSync::Step() {
    ++done;
    const int position = total > 0 ? done * 100 / total : 100;
    progress.StepProgress(position - shown);
    shown = position;
}

TControllerExchange::Outcome TControllerSync::WriteSlot(const TKeyDifference& change, TSlotResult& result) {
    using Exchange = TControllerExchange::Outcome;
    TFrame request, reply;
    BuildSlotWriteHeader(request, TKeyTransfer::ShapeOf(change.table).command);
    request[Frame::OfsSequence] = exchange.sequence();
    TKeySlot key = change.wanted;
    // The key number byte addresses the slot on the controller.
    key.keyId = change.slot;
    EncodeSlot(request, change.slot, key);
    SealFrame(request, Frame::SlotWriteSize);
    int refusals = 0;
    const Exchange outcome =
        exchange.Command(request, Frame::SlotWriteSize, reply, [&refusals] { ++refusals; });
    exchange.advanceSequence();
    if (outcome == Exchange::Done)
        result.outcome = Outcome::ReadBackFailed; // until the read-back says more
    else if (exchange.AttemptsSent() == 0)
        result.outcome = Outcome::NotWritten;
    else if (outcome == Exchange::Failed && refusals == exchange.AttemptsSent())
        result.outcome = Outcome::WriteFailed;
    else
        // Unanswered, or cut short after a request went out: the controller may have applied it.
        result.outcome = Outcome::WriteUnknown;
    return outcome;
}

TControllerExchange::Outcome TControllerSync::ReadBack(TSlotResult& result, TKeyTables& held) {
    const TKeyTransfer::Shape shape = TKeyTransfer::ShapeOf(result.change.table);
    TMemoryKeyView& view = held.View(result.change.table);
    TFrame request, reply;
    const int size = BuildSlotReadRequest(request, exchange.sequence(), shape.command,
                                          static_cast<unsigned char>(result.change.slot));
    const auto outcome =
        exchange.Query(request, size, reply,
                       TControllerExchange::QueryShape{Frame::SlotReplySize, true, true, result.change.slot});
    exchange.advanceSequence();
    if (outcome != TControllerExchange::Outcome::Done)
        return outcome; // the outcome stays, the slot unknown
    result.readBack = DecodeSlot(reply, result.change.slot, shape.keyType);
    result.readBackDone = true;
    view.SetSlot(result.change.slot, result.readBack);
    if (TKeyDifference::Classify(result.change.wanted, result.readBack) == TKeyDifference::Kind::Same)
        result.outcome = Outcome::Verified;
    else if (result.outcome != Outcome::WriteFailed)
        result.outcome = Outcome::ReadBackDiffers;
    return outcome;
}

bool TControllerSync::Goes(TControllerExchange::Outcome outcome, int& silentRun, TResult& result) {
    using Exchange = TControllerExchange::Outcome;
    switch (outcome) {
    case Exchange::Done:
    case Exchange::Failed:
        silentRun = 0;
        return true;
    case Exchange::Silent:
        if (++silentRun < TKeyTransfer::SilentSlotsToStop)
            return true;
        result.end = End::ControllerSilent;
        return false;
    case Exchange::PortFailure:
        result.end = End::PortFailure;
        return false;
    case Exchange::PortGone:
        result.end = End::PortGone;
        return false;
    case Exchange::Chattering:
        result.end = End::LineChattering;
        return false;
    case Exchange::Interrupted:
        result.end = End::Interrupted;
        return false;
    }
    return false;
}

void TControllerSync::WriteAll(const TKeyTables& wanted, TKeyTables& held, TResult& result) {
    bool masterWritten = false;
    bool activeMaster = false;
    for (int slot = 0; slot < wanted.master.SlotCount(); ++slot)
        activeMaster = activeMaster || (wanted.master.IsKnown(slot) && wanted.master.Slot(slot).active);
    // A master key the controller may hold is closed, whatever ended the writes after it.
    const auto close = [&] {
        if (masterWritten && activeMaster && !result.closingFrameSent && result.end != End::PortGone &&
            result.end != End::PortFailure) {
            SendClosingFrame();
            result.closingFrameSent = true;
        }
    };
    int silentRun = 0;
    for (TSlotResult& slot : result.results) {
        if (slot.change.table == Table::Slave)
            close();
        const TControllerExchange::Outcome outcome = WriteSlot(slot.change, slot);
        if (possiblyApplied(slot.outcome))
            // Whatever the controller made of it, the slot is no longer known.
            held.View(slot.change.table).Forget(slot.change.slot);
        masterWritten =
            masterWritten || (slot.change.table == Table::Master && possiblyApplied(slot.outcome) &&
                              slot.outcome != Outcome::WriteFailed);
        Step();
        if (!Goes(outcome, silentRun, result))
            break;
    }
    close();
}

void TControllerSync::ReadBackAll(TKeyTables& held, TResult& result) {
    int silentRun = 0;
    for (TSlotResult& slot : result.results) {
        // Refused and unanswered writes too: the controller may have taken them after all.
        if (slot.outcome == Outcome::NotWritten)
            continue;
        if (!Goes(ReadBack(slot, held), silentRun, result))
            return;
        Step();
    }
}

TControllerSync::TResult TControllerSync::Write(const QList<TKeyDifference>& changes,
                                                const TKeyTables& wanted, TKeyTables& held) {
    TResult result;
    result.comNumber = exchange.port().PortNumber();
    if (!exchange.port().isOpen())
        opener.OpenControllerPort();
    for (Table table : TKeyTables::Tables)
        for (const TKeyDifference& change : changes)
            if (change.table == table && change.Differs())
                result.results.append({change, Outcome::NotWritten, {}});
    total = 2 * int(result.results.size());
    shown = 0;
    done = 0;
    WriteAll(wanted, held, result);
    // After a stop the read-backs wait: the user asked to end, or the line cannot carry them.
    if (!result.Stopped())
        ReadBackAll(held, result);
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

QString TControllerSync::OutcomeText(Outcome outcome, End end) {
    switch (outcome) {
    case Outcome::Verified:
        return tr("written and verified");
    case Outcome::WriteFailed:
        return tr("the controller did not accept the write");
    case Outcome::WriteUnknown:
        return tr("unknown: may or may not have been applied; read again");
    case Outcome::NotWritten:
        switch (end) {
        case End::ControllerSilent:
            return tr("not written (the controller stopped answering)");
        case End::LineChattering:
            return tr("not written (the line did not fall quiet)");
        case End::Interrupted:
            return tr("not written (stopped)");
        default:
            return tr("not written (the port failed)");
        }
    case Outcome::ReadBackFailed:
        return tr("written, but could not be read back");
    case Outcome::ReadBackDiffers:
        return tr("read back differently");
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
        return TControllerSync::tr("The controller already holds the wanted keys: nothing was written.");
    QStringList lines;
    lines
        << TControllerSync::tr("%1 of %2 changes written and verified.").arg(Verified()).arg(results.size());
    const QList<TSlotResult> failed = Failed();
    if (!failed.isEmpty()) {
        lines << TControllerSync::tr("These slots failed; check the cable and synchronise again:");
        for (const TSlotResult& slot : failed) {
            QString line =
                QStringLiteral("%1 #%2 (%3): %4")
                    .arg(TKeyTables::TableShown(slot.change.table))
                    .arg(slot.change.Number())
                    .arg(TKeyDifference::KindShown(slot.change.kind), OutcomeText(slot.outcome, end));
            if (slot.readBackDone)
                line +=
                    TControllerSync::tr(", it holds %1")
                        .arg(slot.readBack.active ? slot.readBack.keyCode : TControllerSync::tr("no key"));
            lines << line;
        }
    }
    switch (end) {
    case End::Completed:
    case End::Refused:
        break;
    case End::PortFailure:
        lines << TControllerSync::tr("The port failed; what was not written is listed above.");
        break;
    case End::PortGone:
        lines << TControllerExchange::DisconnectedText(comNumber);
        break;
    case End::ControllerSilent:
        lines << TControllerExchange::NoAnswerText(comNumber);
        break;
    case End::LineChattering:
        lines << TControllerExchange::ChatteringText(comNumber);
        break;
    case End::Interrupted:
        lines << TControllerSync::tr(
            "The synchronisation was stopped; what was not written or not read back is "
            "listed above.");
        break;
    }
    return lines.join(QLatin1Char('\r'));
}
