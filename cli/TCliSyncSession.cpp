#include "cli/TCliSyncSession.h"

#include "cli/TCliPortArgument.h"
#include "cli/TVtrkCommand.h"

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
      sync(link->Exchange(), *host, viewer, store) {
    // The list first: a wrong file is known before the controller is asked anything.
    header = list.Open(parser.positionalArguments().constLast());
    link->Open();
    // The version gate with its own exit codes; the core reads the identity again with the keys.
    link->ReadIdentity();
}
