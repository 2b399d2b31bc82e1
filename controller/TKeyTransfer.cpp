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

TKeyTransfer::Shape TKeyTransfer::ShapeOf(Table table) {
    if (table == Table::Master)
        return {Frame::CmdMasterKeys, TKeyListSchema::MasterSlots, 12,
                QLatin1String(TKeyListSchema::MasterType)};
    return {Frame::CmdSlaveKeys, TKeyListSchema::SlaveSlots, 1, QLatin1String(TKeyListSchema::SlaveType)};
}

TKeyTransfer::TKeyTransfer(TControllerExchange& exchange, TControllerPortOpener& opener,
                           TTransferProgress& progress)
    : exchange(exchange), opener(opener), progress(progress) {}

bool TKeyTransfer::ReadKeys(Table table, TKeyView& view) {
    const Shape shape = ShapeOf(table);
    if (!exchange.port().isOpen())
        opener.OpenControllerPort();
    const QList<int> records = view.SlotRecords();
    const TControllerExchange::QueryShape query{Frame::SlotReplySize, true, true};
    TFrame request, reply;
    for (int slot = 0; slot < shape.slotCount && slot < records.size(); ++slot) {
        if (table == Table::Master)
            progress.PumpMessages();
        const int size = BuildSlotReadRequest(request, exchange.sequence(), shape.command,
                                              static_cast<unsigned char>(slot));
        const auto outcome = exchange.Query(request, size, reply, query);
        if (outcome == TControllerExchange::Outcome::PortFailure)
            return false;
        if (outcome == TControllerExchange::Outcome::Done)
            view.Store(records[slot], DecodeSlot(reply, slot, shape.keyType));
        progress.StepProgress(shape.progressStep);
        exchange.advanceSequence();
    }
    view.First();
    return true;
}

bool TKeyTransfer::WriteKeys(Table table, TKeyView& view) {
    const Shape shape = ShapeOf(table);
    const QList<int> bad = BadKeyCodeSlots(table, view);
    if (!bad.isEmpty()) {
        MessageBoxes().error(table == Table::Master ? BadKeyCodeText(bad, {}) : BadKeyCodeText({}, bad));
        return false;
    }
    if (!exchange.port().isOpen())
        opener.OpenControllerPort();
    const int remembered = view.CurrentRecNo();
    const QList<int> records = view.SlotRecords();
    TFrame request, reply;
    BuildSlotWriteHeader(request, shape.command);
    bool anyActive = false;
    for (int slot = 0; slot < shape.slotCount && slot < records.size(); ++slot) {
        const TKeySlot key = view.Load(records[slot]);
        request[Frame::OfsSequence] = exchange.sequence();
        EncodeSlot(request, key);
        anyActive = anyActive || key.active;
        SealFrame(request, Frame::SlotWriteSize);
        if (exchange.Command(request, Frame::SlotWriteSize, reply) ==
            TControllerExchange::Outcome::PortFailure)
            return false;
        progress.StepProgress(shape.progressStep);
        exchange.advanceSequence();
    }
    view.GoToRecNo(remembered);
    if (table == Table::Master && anyActive)
        SendClosingFrame();
    return true;
}

void TKeyTransfer::SendClosingFrame() {
    TFrame frame;
    const int size = BuildClosingFrame(frame);
    exchange.PortWrite(frame.data(), size);
    TSleep::ms(TControllerExchange::WaitMs);
    exchange.PortRead(frame.data(), 1);
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
