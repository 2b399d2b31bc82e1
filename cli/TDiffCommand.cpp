#include "cli/TDiffCommand.h"

#include "cli/TCliPortArgument.h"
#include "cli/TCliStop.h"
#include "cli/TCliSyncSession.h"

#include <QCommandLineParser>

void TDiffCommand::Define(QCommandLineParser& parser) const {
    TCliPortArgument::Define(parser);
    parser.addPositionalArgument(QStringLiteral("file"), tr("The key-list file to compare."));
}

int TDiffCommand::Run(const QCommandLineParser& parser) {
    TCliSyncSession session(parser);
    const TSyncCommands::Ending ending = session.Door().Compare(session.ListSerial());
    if (ending != TSyncCommands::Ending::Compared)
        session.Fail(ending, tr("nothing was compared"));
    // Read whole, but the user asked to stop meanwhile: said as such.
    TCliStop::Check();
    const TKeyComparison& comparison = session.Sync().LastComparison();
    // A slot not read is neither in step nor known to differ.
    if (comparison.Count(TKeyDifference::Kind::NotRead) > 0)
        return VtrkExit::Incomplete;
    return comparison.DifferenceCount() == 0 ? VtrkExit::Done : VtrkExit::FailedSlots;
}
