#include "serial/TSerCustomComPort.h"

#include "seams/TPortChooser.h"
#include "serial/TSerBaseDispatcher.h"
#include "serial/TSerErrors.h"
#include "serial/TSerPortMap.h"

#include <QTimer>

namespace {
// How often an idle open port looks whether its device is still there.
constexpr int LineWatchMs = 200;
} // namespace

TSerCustomComPort::TSerCustomComPort(QObject* parent)
    : TSerBaseComponent(parent), lineWatch(new QTimer(this)) {
    lineWatch->setInterval(LineWatchMs);
    connect(lineWatch, &QTimer::timeout, this, [this] { CloseIfHungUp(); });
}

TSerCustomComPort::~TSerCustomComPort() {
    if (state == psOpen)
        DoClose();
}

void TSerCustomComPort::SetOpen(bool value) {
    // A handler running while a close waits for the workers may not start another change; the
    // close completes with the port closed.
    if (state == psClosing || value == (state == psOpen))
        return;
    if (value)
        DoOpen();
    else
        DoClose();
}

void TSerCustomComPort::SetComNumber(unsigned short value) {
    if (value == comNumber)
        return;
    if (state != psOpen) {
        comNumber = value;
        return;
    }
    DoClose();
    comNumber = value;
    DoOpen();
}

QString TSerCustomComPort::DevicePath() const {
    return state == psClosed ? TSerPortMap::DevicePath(comNumber) : openPath;
}

void TSerCustomComPort::CheckPortNumber() {
    if (comNumber != 0)
        return;
    if (!promptForPort)
        TSerErrors::Check(TSerErrors::ecNoPortSelected);
    const int chosen = PortChooser().ChoosePort();
    if (chosen <= 0 || chosen > 0xFFFF)
        TSerErrors::Check(TSerErrors::ecNoPortSelected);
    comNumber = static_cast<unsigned short>(chosen);
}

TSerHandshake TSerCustomComPort::Handshake() const {
    TSerHandshake handshake;
    handshake.useDtr = hwFlowOptions & hwfUseDTR;
    handshake.useRts = hwFlowOptions & hwfUseRTS;
    handshake.requireDsr = hwFlowOptions & hwfRequireDSR;
    handshake.requireCts = hwFlowOptions & hwfRequireCTS;
    handshake.swReceive = swFlowOptions == swfReceive || swFlowOptions == swfBoth;
    handshake.swTransmit = swFlowOptions == swfTransmit || swFlowOptions == swfBoth;
    handshake.xonChar = xonChar;
    handshake.xoffChar = xoffChar;
    handshake.xoffLimit = inSize - bufferFull;
    handshake.xonLimit = bufferResume;
    handshake.dtr = dtr;
    handshake.rts = rts;
    return handshake;
}

void TSerCustomComPort::DoOpen() {
    hungUp = false;
    CheckPortNumber();
    const QString path = TSerPortMap::DevicePath(comNumber);
    if (path.isEmpty())
        TSerErrors::Check(TSerErrors::ecBadId);
    std::unique_ptr<TSerBaseDispatcher> layer = TSerBaseDispatcher::Create();
    const int result = TSerErrors::MapOpenResult(
        layer->Initialise(path.toStdString(), baud, parity, dataBits, stopBits, inSize, outSize, dtr, rts,
                          hwFlowOptions & hwfUseDTR, hwFlowOptions & hwfUseRTS));
    if (result < 0) {
        layer.reset();
        TSerErrors::Check(result);
    }
    dispatcher = std::move(layer);
    openPath = path;
    state = psOpen;
    const int handshake = TSerErrors::MapOpenResult(dispatcher->WriteHandshake(Handshake()));
    if (handshake < 0) {
        state = psClosing; // the shutdown handles window messages; handlers must find it closing
        dispatcher->Shutdown();
        dispatcher.reset();
        state = psClosed;
        TSerErrors::Check(handshake);
    }
    ++openings;
    lineWatch->start();
    emit OnPortOpen(this);
}

void TSerCustomComPort::DoClose() {
    lineWatch->stop();
    state = psClosing;
    dispatcher->Shutdown();
    dispatcher.reset();
    openPath.clear();
    state = psClosed;
    emit OnPortClose(this);
}

bool TSerCustomComPort::CloseIfHungUp() {
    if (state != psOpen || !dispatcher->LineDead())
        return false;
    hungUp = true;
    DoClose();
    emit OnPortHangup(this);
    return true;
}

bool TSerCustomComPort::ReadyForData() {
    if (state == psClosing)
        return false;
    if (CloseIfHungUp())
        TSerErrors::Check(TSerErrors::ecBadId);
    if (state == psClosed && autoOpen)
        SetOpen(true);
    if (!dispatcher)
        TSerErrors::Check(TSerErrors::ecNotOpen);
    return true;
}

// A device that hangs up during the call itself is closed before its failure is passed on.
void TSerCustomComPort::Pass(int result) {
    if (result < 0 && CloseIfHungUp())
        TSerErrors::Check(TSerErrors::ecBadId);
    TSerErrors::Check(result);
}

void TSerCustomComPort::DiscardInput() {
    if (ReadyForData())
        Pass(dispatcher->DiscardInput());
}

void TSerCustomComPort::WriteBlock(const void* block, unsigned short count) {
    if (ReadyForData())
        Pass(dispatcher->WriteBlock(block, count));
}

void TSerCustomComPort::ReadBlock(void* block, unsigned short count) {
    if (ReadyForData())
        Pass(dispatcher->ReadBlock(block, count));
}
