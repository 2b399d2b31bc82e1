#include "controller/TKeyTransfer.h"

#include "controller/TControllerExchange.h"
#include "controller/TControllerPortOpener.h"
#include "controller/TKeySlotWire.h"
#include "controller/TTransferProgress.h"
#include "keys/TKeyCode.h"
#include "keys/TKeyPlaceholder.h"
#include "keys/TKeyTable.h"
#include "keys/TKeyView.h"
#include "seams/TMessageBoxes.h"
#include "seams/TSleep.h"
#include "serial/TSerDataPort.h"

#include <QStringList>

#include <algorithm>

TKeyTransfer::Shape TKeyTransfer::ShapeOf(Table table) {
    if (table == Table::Master)
        return {Frame::CmdMasterKeys, TKeyTable::MasterSlots, 12, QLatin1String(TKeyTable::MasterType)};
    return {Frame::CmdSlaveKeys, TKeyTable::SlaveSlots, 1, QLatin1String(TKeyTable::SlaveType)};
}

TKeyTransfer::TKeyTransfer(TControllerExchange& exchange, TControllerPortOpener& opener,
                           TTransferProgress& progress)
    : exchange(exchange), opener(opener), progress(progress) {}

bool TKeyTransfer::Counted(TControllerExchange::Outcome outcome, int number, Result& result,
                           int& silentRun) const {
    using Outcome = TControllerExchange::Outcome;
    switch (outcome) {
    case Outcome::PortFailure:
    case Outcome::PortGone:
    case Outcome::Interrupted:
        result.end = outcome == Outcome::PortGone      ? Result::End::PortGone
                     : outcome == Outcome::PortFailure ? Result::End::PortFailure
                                                       : Result::End::Interrupted;
        // A request that went out may have reached the controller: its slot is unknown.
        if (exchange.AttemptsSent() > 0)
            result.failedSlots.append(number);
        else
            result.firstNotTried = number;
        return false;
    case Outcome::Done:
        silentRun = 0;
        return true;
    case Outcome::Failed:
    case Outcome::Silent:
    case Outcome::Chattering:
        silentRun = outcome == Outcome::Failed ? 0 : silentRun + 1;
        result.failedSlots.append(number);
        return true;
    }
    return true;
}

bool TKeyTransfer::StopsSilent(int silentRun, TControllerExchange::Outcome outcome, Result& result) {
    if (silentRun < SilentSlotsToStop)
        return false;
    result.end = outcome == TControllerExchange::Outcome::Chattering ? Result::End::LineChattering
                                                                     : Result::End::ControllerSilent;
    return true;
}

TKeySlot TKeyTransfer::UnreadSlot(int slot, const QString& keyType) {
    TKeySlot key;
    key.recId = Number(slot);
    key.keyId = slot;
    key.keyType = keyType;
    key.active = true;
    key.keyCode = QLatin1String(TKeyPlaceholder::UnreadCode);
    return key;
}

bool TKeyTransfer::IsUnread(const TKeySlot& key) {
    return key.keyCode == QLatin1String(TKeyPlaceholder::UnreadCode);
}

void TKeyTransfer::MarkUnread(const Shape& shape, TKeyView& view, const QList<int>& records, int fromSlot,
                              int slotTotal) const {
    for (int slot = fromSlot; slot < slotTotal; ++slot)
        view.Store(records[slot], UnreadSlot(slot, shape.keyType));
}

TKeyTransfer::Result TKeyTransfer::ReadKeys(Table table, TKeyView& view) {
    const Shape shape = ShapeOf(table);
    if (!exchange.port().isOpen())
        opener.OpenControllerPort();
    const QList<int> records = view.SlotRecords();
    const int slotTotal = std::min(shape.slotCount, int(records.size()));
    TFrame request, reply;
    Result result;
    int silentRun = 0;
    for (int slot = 0; slot < slotTotal; ++slot) {
        if (table == Table::Master)
            progress.PumpMessages();
        const int size = BuildSlotReadRequest(request, exchange.sequence(), shape.command,
                                              static_cast<unsigned char>(slot));
        const TControllerExchange::QueryShape query{Frame::SlotReplySize, true, true, slot};
        const auto outcome = exchange.Query(request, size, reply, query);
        // What was not read for sure is never taken for a value: the slot is marked unread.
        const bool read = outcome == TControllerExchange::Outcome::Done;
        view.Store(records[slot],
                   read ? DecodeSlot(reply, slot, shape.keyType) : UnreadSlot(slot, shape.keyType));
        const bool goesOn = Counted(outcome, Number(slot), result, silentRun);
        if (goesOn) {
            progress.StepProgress(shape.progressStep);
            exchange.advanceSequence();
        }
        if (!goesOn || StopsSilent(silentRun, outcome, result)) {
            if (result.firstNotTried < 0 && slot + 1 < slotTotal)
                result.firstNotTried = Number(slot + 1);
            MarkUnread(shape, view, records, slot + 1, slotTotal);
            break;
        }
    }
    view.First();
    return result;
}

QList<int> TKeyTransfer::UnreadSlots(Table table, TKeyView& view) {
    QList<int> unread;
    if (!view.IsOpen())
        return unread;
    const QList<int> records = view.SlotRecords();
    const int slotCount = ShapeOf(table).slotCount;
    for (int slot = 0; slot < slotCount && slot < records.size(); ++slot) {
        const TKeySlot key = view.Load(records[slot]);
        if (IsUnread(key))
            unread.append(Number(slot));
    }
    return unread;
}

TKeyTransfer::Result TKeyTransfer::WriteKeys(Table table, TKeyView& view) {
    const Shape shape = ShapeOf(table);
    Result result;
    const QString refusal =
        table == Table::Master ? RefusalText(&view, nullptr) : RefusalText(nullptr, &view);
    if (!refusal.isEmpty()) {
        exchange.Boxes().error(refusal);
        result.end = Result::End::Refused;
        return result;
    }
    if (!exchange.port().isOpen())
        opener.OpenControllerPort();
    const int remembered = view.CurrentRecNo();
    const QList<int> records = view.SlotRecords();
    const int slotTotal = std::min(shape.slotCount, int(records.size()));
    TFrame request, reply;
    BuildSlotWriteHeader(request, shape.command);
    bool activeWritten = false;
    int silentRun = 0;
    for (int slot = 0; slot < slotTotal; ++slot) {
        const TKeySlot key = view.Load(records[slot]);
        request[Frame::OfsSequence] = exchange.sequence();
        EncodeSlot(request, slot, key);
        SealFrame(request, Frame::SlotWriteSize);
        const auto outcome = exchange.Command(request, Frame::SlotWriteSize, reply);
        // A request that went out may have been applied, answered or not.
        activeWritten = activeWritten || (key.active && exchange.AttemptsSent() > 0);
        if (!Counted(outcome, Number(slot), result, silentRun))
            break;
        progress.StepProgress(shape.progressStep);
        exchange.advanceSequence();
        if (StopsSilent(silentRun, outcome, result)) {
            if (slot + 1 < slotTotal)
                result.firstNotTried = Number(slot + 1);
            break;
        }
    }
    view.GoToRecNo(remembered);
    // A master table written in part still needs its closing frame; a controller that has stopped
    // answering or a port that is gone would not take it.
    const bool lineUsable = result.end == Result::End::Completed || result.end == Result::End::Interrupted;
    if (table == Table::Master && activeWritten && lineUsable)
        SendClosingFrame();
    return result;
}

void TKeyTransfer::SendClosingFrame() {
    TFrame frame;
    const int size = BuildClosingFrame(frame);
    exchange.PortWrite(frame.data(), size);
    TSleep::ms(TControllerExchange::WaitMs);
    exchange.PortReadLate(frame.data(), 1);
}

QList<int> TKeyTransfer::BadKeyCodeSlots(Table table, TKeyView& view) {
    QList<int> bad;
    if (!view.IsOpen())
        return bad;
    const QList<int> records = view.SlotRecords();
    const int slotCount = ShapeOf(table).slotCount;
    for (int slot = 0; slot < slotCount && slot < records.size(); ++slot) {
        const TKeySlot key = view.Load(records[slot]);
        if (key.active && !TKeyCode::IsCode(key.keyCode))
            bad.append(Number(slot));
    }
    return bad;
}

namespace {
QString slotList(const QList<int>& slotNumbers) {
    QStringList names;
    for (int slot : slotNumbers)
        names.append(QStringLiteral("#%1").arg(slot));
    return names.join(QStringLiteral(", "));
}
} // namespace

QString TKeyTransfer::BadKeyCodeText(const QList<int>& masterSlots, const QList<int>& slaveSlots) {
    QString text = tr("These active keys have a key code that is not 12 hexadecimal digits:");
    if (!masterSlots.isEmpty())
        text += QLatin1Char('\r') + tr("Master keys %1").arg(slotList(masterSlots));
    if (!slaveSlots.isEmpty())
        text += QLatin1Char('\r') + tr("Slave keys %1").arg(slotList(slaveSlots));
    return text + QLatin1Char('\r') + tr("Nothing has been written to the controller.");
}

QString TKeyTransfer::RefusalText(TKeyView* master, TKeyView* slave) {
    QList<int> bad[2], unread[2];
    TKeyView* views[2] = {master, slave};
    for (int i = 0; i < 2; ++i) {
        if (!views[i])
            continue;
        const Table table = i == 0 ? Table::Master : Table::Slave;
        unread[i] = UnreadSlots(table, *views[i]);
        for (int slot : BadKeyCodeSlots(table, *views[i]))
            if (!unread[i].contains(slot))
                bad[i].append(slot);
    }
    QStringList texts;
    if (!unread[0].isEmpty() || !unread[1].isEmpty())
        texts << UnreadText(unread[0], unread[1]);
    if (!bad[0].isEmpty() || !bad[1].isEmpty())
        texts << BadKeyCodeText(bad[0], bad[1]);
    return texts.join(QLatin1Char('\r'));
}

QString TKeyTransfer::UnreadText(const QList<int>& masterSlots, const QList<int>& slaveSlots) {
    QStringList parts;
    for (int slot : masterSlots)
        parts << tr("Master key slot #%1 was not read; read again.").arg(slot);
    for (int slot : slaveSlots)
        parts << tr("Slave key slot #%1 was not read; read again.").arg(slot);
    return parts.join(QLatin1Char('\r')) + QLatin1Char('\r') +
           tr("Nothing has been written to the controller.");
}
