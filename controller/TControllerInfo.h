#pragma once

#include "controller/TControllerExchange.h"

#include <QCoreApplication>
#include <QString>

class TControllerPortOpener;

// The controller's identity: firmware version, serial number and information block. What goes
// wrong is told through the exchange's boxes.
class TControllerInfo {
    Q_DECLARE_TR_FUNCTIONS(TControllerInfo)

public:
    static const QString SupportedVersion;
    static const QString UnknownText;
    static QString WriteFailText();
    static QString WrittenText();
    // The information step when the field still shows "<unknown>": nothing is sent.
    static QString UnknownInfoText();

    TControllerInfo(TControllerExchange& exchange, TControllerPortOpener& opener);

    // Each leaves its out text as it was and returns false when the exchange fails. A controller
    // that never answered and a port that hung up are each told in one box.
    bool ReadProgramVersion(QString& text);
    bool ReadControllerSerial(QString& text);
    bool ReadControllerInfo(QString& text);
    // "<unknown>" is never sent as the information text: false, nothing sent, no box.
    bool WriteControllerInfo(const QString& text);
    // How the last exchange of these routines ended: why one of them returned false.
    TControllerExchange::Outcome LastOutcome() const { return lastOutcome; }

    static bool IsSupportedVersion(const QString& version) { return version == SupportedVersion; }
    static QString UnknownVersionWarning(const QString& version);

    // Wire bytes to text: every byte but 0x00 and 0xFF, wherever it stands.
    static QString BytesToText(const unsigned char* bytes, int count);
    // The 32 information bytes: the text, one 0x00 when shorter than 32, then 0xFF.
    static void InfoTextToBytes(const QString& text, unsigned char* info32);

private:
    // Shows the box for a silent controller or a lost port; true on Done.
    bool Succeeded(TControllerExchange::Outcome outcome);

    TControllerExchange& exchange;
    TControllerPortOpener& opener;
    TControllerExchange::Outcome lastOutcome = TControllerExchange::Outcome::Done;
};
