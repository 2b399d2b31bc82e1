#include "cli/TCliSyncSession.h"

#include "cli/TCliPortArgument.h"
#include "cli/TVtrkCommand.h"

#include <QCommandLineParser>

namespace {
TCliLink& openLink(std::unique_ptr<TCliLink>& link, const QCommandLineParser& parser, TCliProgress& progress,
                   QString& portName) {
    const TCliPortArgument::TChoice port = TCliPortArgument::Resolve(parser);
    if (parser.positionalArguments().size() != port.consumed + 1)
        throw EVtrkExit(VtrkExit::Usage, QStringLiteral("give the port and the key-list file"));
    portName = port.name;
    link = std::make_unique<TCliLink>(port.number, port.name, progress);
    return *link;
}
} // namespace

TCliSyncSession::TCliSyncSession(const QCommandLineParser& parser)
    : viewer(parser.isSet(QStringLiteral("json"))),
      sync((openLink(link, parser, progress, portName).Exchange()),
           *(host = std::make_unique<TCliSyncHost>(*link, progress, list.Master(), list.Slave())), viewer,
           store) {
    // The list first: a wrong file is known before the controller is asked anything.
    header = list.Open(parser.positionalArguments().constLast());
    link->Open();
    // The version gate with its own exit codes; the core reads the identity again with the keys.
    link->ReadIdentity();
}
