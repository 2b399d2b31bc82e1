#include "cli/TDiffCommand.h"

#include "cli/TCliPortArgument.h"
#include "cli/TCliStop.h"
#include "cli/TCliSyncSession.h"

#include <QCommandLineParser>

void TDiffCommand::Define(QCommandLineParser& parser) const {
    TCliPortArgument::Define(parser);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The key-list file to compare."));
}

int TDiffCommand::Run(const QCommandLineParser& parser) {
    TCliSyncSession session(parser);
    session.Sync().Compare(session.ListSerial());
    // A read stopped by the user is an interruption, not a failing port.
    TCliStop::Check();
    // The core has said why on the standard error stream (no answer, the port went).
    if (!session.Viewer().Shown())
        throw EVtrkExit(VtrkExit::Port,
                        QStringLiteral("the controller on %1 was not read whole; nothing was compared")
                            .arg(session.PortName()));
    return session.Sync().LastComparison().DifferenceCount() == 0 ? VtrkExit::Done : VtrkExit::FailedSlots;
}
