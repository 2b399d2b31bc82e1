#include "controller/TControllerInfo.h"

#include "controller/TControllerExchange.h"
#include "controller/TControllerPortOpener.h"
#include "controller/TWireText.h"
#include "keys/TKeyPlaceholder.h"
#include "seams/TMessageBoxes.h"
#include "serial/TSerDataPort.h"

#include <algorithm>
#include <cstring>

const QString TControllerInfo::SupportedVersion = QStringLiteral("TARVK001");
const QString TControllerInfo::UnknownText = QLatin1String(TKeyPlaceholder::Unknown);
QString TControllerInfo::WriteFailText() {
    return tr("Information writing fail.");
}

QString TControllerInfo::WrittenText() {
    return tr("Information has been written succesufuly.");
}

QString TControllerInfo::UnknownInfoText() {
    return tr("The controller information is unknown: read it from the controller first "
              "(Read controller information).\rNothing has been written.");
}

TControllerInfo::TControllerInfo(TControllerExchange& exchange, TControllerPortOpener& opener)
    : exchange(exchange), opener(opener) {}

QString TControllerInfo::UnknownVersionWarning(const QString& version) {
    return tr("Controller internal programm version is unknown.\r(Supported version code: \"%1\" Controller "
              "version code: \"%2\")\rReading or writing data can harm information in controller.")
        .arg(SupportedVersion, version);
}

QString TControllerInfo::BytesToText(const unsigned char* bytes, int count) {
    QString text;
    for (int i = 0; i < count; ++i) {
        if (bytes[i] != 0x00 && bytes[i] != 0xFF)
            text.append(TWireText::charOf(bytes[i]));
    }
    return text;
}

void TControllerInfo::InfoTextToBytes(const QString& text, unsigned char* info32) {
    std::memset(info32, 0xFF, Frame::InfoBytes);
    const QByteArray bytes = TWireText::toBytes(text.left(Frame::InfoBytes));
    std::memcpy(info32, bytes.constData(), bytes.size());
    if (bytes.size() < Frame::InfoBytes)
        info32[bytes.size()] = 0x00;
}

bool TControllerInfo::Succeeded(TControllerExchange::Outcome outcome) {
    using Outcome = TControllerExchange::Outcome;
    lastOutcome = outcome;
    if (outcome == Outcome::Silent)
        exchange.Boxes().error(TControllerExchange::NoAnswerText(exchange.port().PortNumber()));
    else if (outcome == Outcome::PortGone)
        exchange.Boxes().error(TControllerExchange::DisconnectedText(exchange.port().PortNumber()));
    else if (outcome == Outcome::Chattering)
        exchange.Boxes().error(TControllerExchange::ChatteringText(exchange.port().PortNumber()));
    return outcome == Outcome::Done;
}

bool TControllerInfo::ReadProgramVersion(QString& text) {
    if (!exchange.port().isOpen())
        opener.OpenControllerPort();
    TFrame request, reply;
    const int size = BuildVersionRequest(request, exchange.sequence());
    if (!Succeeded(exchange.Query(request, size, reply, {Frame::VersionReplySize, false, false})))
        return false;
    text = TWireText::fromBytes(reply.data() + Frame::VersionOffset, Frame::VersionBytes);
    exchange.advanceSequence();
    return true;
}

bool TControllerInfo::ReadControllerSerial(QString& text) {
    if (!exchange.port().isOpen())
        opener.OpenControllerPort();
    TFrame request, reply;
    const int size = BuildSerialRequest(request, exchange.sequence());
    if (!Succeeded(exchange.Query(request, size, reply, {Frame::SerialReplySize, true, true})))
        return false;
    const QString serial = BytesToText(reply.data() + Frame::OfsData, Frame::SerialBytes);
    text = serial.isEmpty() ? UnknownText : serial;
    exchange.advanceSequence();
    return true;
}

bool TControllerInfo::ReadControllerInfo(QString& text) {
    TFrame request, reply;
    const int size = BuildInfoReadRequest(request, exchange.sequence());
    if (!Succeeded(exchange.Query(request, size, reply, {Frame::InfoReplySize, true, true})))
        return false;
    const QString info = BytesToText(reply.data() + Frame::OfsData, Frame::InfoBytes);
    text = info.isEmpty() ? UnknownText : info;
    exchange.advanceSequence();
    return true;
}

bool TControllerInfo::WriteControllerInfo(const QString& text) {
    if (text == UnknownText)
        return false;
    unsigned char info[Frame::InfoBytes];
    InfoTextToBytes(text, info);
    TFrame request, reply;
    const int size = BuildInfoWriteRequest(request, exchange.sequence(), info);
    if (!Succeeded(
            exchange.Command(request, size, reply, [this] { exchange.Boxes().error(WriteFailText()); })))
        return false;
    exchange.Boxes().information(WrittenText());
    exchange.advanceSequence();
    return true;
}
