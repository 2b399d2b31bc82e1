#include "cli/TCliSyncSession.h"

#include "cli/TCliPortArgument.h"
#include "cli/TVtrkCommand.h"
#include "seams/TInstalledMessageBoxes.h"
#include "seams/TStopRequest.h"

#include <QCommandLineParser>

namespace {
std::unique_ptr<TCliLink> openLink(const QCommandLineParser& parser, TCliProgress& progress,
                                   QString& portName) {
    const TCliPortArgument::TChoice port = TCliPortArgument::Resolve(parser);
    if (parser.positionalArguments().size() != port.consumed + 1)
        throw EVtrkExit(VtrkExit::Usage, QStringLiteral("give the port and the key-list file"));
    portName = port.name;
    return std::make_unique<TCliLink>(port.number, port.name, progress);
}
} // namespace

// Members are made in the order they are declared, so the link and the host exist before the
// synchronisation that refers to them.
TCliSyncSession::TCliSyncSession(const QCommandLineParser& parser)
    : link(openLink(parser, progress, portName)),
      host(std::make_unique<TCliSyncHost>(*link, progress, list.Master(), list.Slave())),
      otherController(parser), viewer(parser.isSet(QStringLiteral("json")), otherController),
      sync(link->Exchange(), *host, viewer, store, TInstalledMessageBoxes::Shared()) {
    // The list first: a wrong file is known before the controller is asked anything.
    header = list.Open(parser.positionalArguments().constLast());
    link->Open();
    // The version gate with its own exit codes; what it read serves the command, which then asks
    // the controller nothing twice.
    const TControllerInfoData identity = link->ReadIdentity();
    sync.UseIdentity(identity.versionCode, identity.serial, identity.info);
}

void TCliSyncSession::Fail(TSyncCommands::Ending ending, const QString& consequence) const {
    Fail(ending, consequence, portName);
}

void TCliSyncSession::Fail(TSyncCommands::Ending ending, const QString& consequence,
                           const QString& portName) {
    using Ending = TSyncCommands::Ending;
    const QString text = QStringLiteral("%1 (%2)").arg(consequence, portName);
    switch (ending) {
    case Ending::NotConfirmed:
        throw EVtrkExit(VtrkExit::NotConfirmed, QStringLiteral("not confirmed; ") + text);
    case Ending::OtherController:
        TCliOtherController::Refuse(portName);
    case Ending::Refused:
        throw EVtrkExit(VtrkExit::File, text);
    default:
        // The core has said why (no answer, the port went, a stop).
        throw EVtrkExit(TStopRequest::Raised() ? VtrkExit::Stopped : VtrkExit::Port, text);
    }
}
