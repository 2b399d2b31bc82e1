#include "cli/TCliSyncSession.h"

#include "cli/TCliPortArgument.h"
#include "cli/TVtrkCommand.h"
#include "seams/TStopRequest.h"

#include <QCommandLineParser>

namespace {
TCliPortArgument::TChoice choosePort(const QCommandLineParser& parser) {
    const TCliPortArgument::TChoice port = TCliPortArgument::Resolve(parser);
    if (parser.positionalArguments().size() != port.consumed + 1)
        throw EVtrkExit(VtrkExit::Usage, TCliSyncSession::tr("give the port and the key-list file"));
    return port;
}
} // namespace

// Members are made in the order they are declared: a usage error is known before anything else,
// and the list and the viewer exist before the link whose session refers to them.
TCliSyncSession::TCliSyncSession(const QCommandLineParser& parser)
    : port(choosePort(parser)), otherController(parser),
      viewer(parser.isSet(QStringLiteral("json")), otherController),
      link(port.number, port.name, progress, list.Master(), list.Slave(), &viewer) {
    // The list first: a wrong file is known before the controller is asked anything.
    header = list.Open(parser.positionalArguments().constLast());
    link.Open();
    // The version gate with its own exit codes; what it read serves the command, which then asks
    // the controller nothing twice.
    link.ReadIdentity();
}

void TCliSyncSession::Fail(TSyncCommands::Ending ending, const QString& consequence) const {
    Fail(ending, consequence, port.name);
}

void TCliSyncSession::Fail(TSyncCommands::Ending ending, const QString& consequence,
                           const QString& portName) {
    using Ending = TSyncCommands::Ending;
    const QString text = QStringLiteral("%1 (%2)").arg(consequence, portName);
    switch (ending) {
    case Ending::NotConfirmed:
        throw EVtrkExit(VtrkExit::NotConfirmed, tr("not confirmed; %1").arg(text));
    case Ending::OtherController:
        TCliOtherController::Refuse(portName);
    case Ending::Refused:
        throw EVtrkExit(VtrkExit::File, text);
    default:
        // The core has said why (no answer, the port went, a stop).
        throw EVtrkExit(TStopRequest::Raised() ? VtrkExit::Stopped : VtrkExit::Port, text);
    }
}
