#include "controller/TKeyTransfer.h"
#include "keylist/TKeyListSchema.h"

#include "controller/TControllerExchange.h"
#include "controller/TControllerPortOpener.h"
#include "controller/TKeySlot.h"
#include "controller/TKeyView.h"
#include "controller/TTransferProgress.h"
#include "seams/TMessageBoxes.h"
#include "seams/TSleep.h"
#include "serial/TSerDataPort.h"

#include <QStringList>

#include <algorithm>

TKeyTransfer::Shape TKeyTransfer::ShapeOf(Table table) {
    if (table == Table::Master)
        return {Frame::CmdMasterKeys, TKeyListSchema::MasterSlots, 12,
                QLatin1String(TKeyListSchema::MasterType)};
    return {Frame::CmdSlaveKeys, TKeyListSchema::SlaveSlots, 1, QLatin1String(TKeyListSchema::SlaveType)};
}

TKeyTransfer::TKeyTransfer(TControllerExchange& exchange, TControllerPortOpener& opener,
                           TTransferProgress& progress)
    : exchange(exchange), opener(opener), progress(progress) {}

bool TKeyTransfer::Counted(TControllerExchange::Outcome outcome, int recId, Result& result, int& silentRun) {
    using Outcome = TControllerExchange::Outcome;
    switch (outcome) {
    case Outcome::PortFailure:
    case Outcome::PortGone:
        result.end = outcome == Outcome::PortGone ? Result::End::PortGone : Result::End::PortFailure;
        result.firstNotTried = recId;
        return false;
    case Outcome::Done:
        silentRun = 0;
        return true;
    case Outcome::Failed:
    case Outcome::Silent:
        silentRun = outcome == Outcome::Silent ? silentRun + 1 : 0;
        result.failedSlots.append(recId);
        return true;
    }
    return true;
}

TKeyTransfer::Result TKeyTransfer::ReadKeys(Table table, TKeyView& view) {
    const Shape shape = ShapeOf(table);
    if (!exchange.port().isOpen())
        opener.OpenControllerPort();
    const QList<int> records = view.SlotRecords();
    const int slotTotal = std::min(shape.slotCount, int(records.size()));
    const TControllerExchange::QueryShape query{Frame::SlotReplySize, true, true};
    TFrame request, reply;
    Result result;
    int silentRun = 0;
    for (int slot = 0; slot < slotTotal; ++slot) {
        if (table == Table::Master)
            progress.PumpMessages();
        const int size = BuildSlotReadRequest(request, exchange.sequence(), shape.command,
                                              static_cast<unsigned char>(slot));
        const auto outcome = exchange.Query(request, size, reply, query);
        if (outcome == TControllerExchange::Outcome::Done)
            view.Store(records[slot], DecodeSlot(reply, slot, shape.keyType));
        const int recId =
            outcome == TControllerExchange::Outcome::Done ? slot : view.Load(records[slot]).recId;
        if (!Counted(outcome, recId, result, silentRun))
            return result;
        progress.StepProgress(shape.progressStep);
        exchange.advanceSequence();
        if (silentRun >= SilentSlotsToStop) {
            result.end = Result::End::ControllerSilent;
            if (slot + 1 < slotTotal)
                result.firstNotTried = view.Load(records[slot + 1]).recId;
            break;
        }
    }
    view.First();
    return result;
}

TKeyTransfer::Result TKeyTransfer::WriteKeys(Table table, TKeyView& view) {
    const Shape shape = ShapeOf(table);
    Result result;
    const QList<int> bad = BadKeyCodeSlots(table, view);
    if (!bad.isEmpty()) {
        MessageBoxes().error(table == Table::Master ? BadKeyCodeText(bad, {}) : BadKeyCodeText({}, bad));
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
    bool anyActive = false;
    int silentRun = 0;
    for (int slot = 0; slot < slotTotal; ++slot) {
        const TKeySlot key = view.Load(records[slot]);
        request[Frame::OfsSequence] = exchange.sequence();
        EncodeSlot(request, slot, key);
        anyActive = anyActive || key.active;
        SealFrame(request, Frame::SlotWriteSize);
        if (!Counted(exchange.Command(request, Frame::SlotWriteSize, reply), key.recId, result, silentRun))
            return result;
        progress.StepProgress(shape.progressStep);
        exchange.advanceSequence();
        if (silentRun >= SilentSlotsToStop) {
            result.end = Result::End::ControllerSilent;
            if (slot + 1 < slotTotal)
                result.firstNotTried = view.Load(records[slot + 1]).recId;
            break;
        }
    }
    view.GoToRecNo(remembered);
    // A controller that has stopped answering would only add an unanswered closing frame.
    if (table == Table::Master && anyActive && result.end == Result::End::Completed)
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
        if (key.active && !TKeySlot::IsValidKeyCode(key.keyCode))
            bad.append(key.recId);
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
    QString text = QStringLiteral("These active keys have a key code that is not 12 hexadecimal digits:");
    if (!masterSlots.isEmpty())
        text += QStringLiteral("\rMaster keys ") + slotList(masterSlots);
    if (!slaveSlots.isEmpty())
        text += QStringLiteral("\rSlave keys ") + slotList(slaveSlots);
    return text + QStringLiteral("\rNothing has been written to the controller.");
}
