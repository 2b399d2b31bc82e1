#include "cli/TSyncCommand.h"

#include "cli/TCliDifferences.h"
#include "cli/TCliOtherController.h"
#include "cli/TCliOutput.h"
#include "cli/TCliPortArgument.h"
#include "cli/TCliSyncSession.h"

#include <QCommandLineParser>

void TSyncCommand::Define(QCommandLineParser& parser) const {
    TCliPortArgument::Define(parser);
    parser.addPositionalArgument(QStringLiteral("file"), tr("The key list the controller should hold."));
    parser.addOption({{QStringLiteral("y"), QStringLiteral("yes")},
                      tr("Answer the confirmations with yes (needed without a terminal).")});
    TCliOtherController::Define(parser);
}

int TSyncCommand::Run(const QCommandLineParser& parser) {
    TCliSyncSession session(parser);
    // The core checks the key codes, reads, shows the plan, warns, writes and reports, each
    // message on the standard error stream; the ending it returns decides the exit code.
    const TSyncCommands::Ending ending = session.Door().WriteChanges(session.ListSerial());
    // With nothing it may write, the core shows no plan; a script still gets its one document.
    if (parser.isSet(QStringLiteral("json")) && !session.Viewer().Shown() &&
        (ending == TSyncCommands::Ending::NothingToDo || ending == TSyncCommands::Ending::Unwritable))
        TCliOutput::Json(QJsonDocument(TCliDifferences::Json(session.Sync().LastComparison())));
    return ExitCode(session.Sync(), ending, session.PortName());
}

int TSyncCommand::ExitCode(const TSyncCommands& sync, TSyncCommands::Ending ending, const QString& portName) {
    if (ending == TSyncCommands::Ending::NothingToDo)
        return VtrkExit::Done;
    if (ending == TSyncCommands::Ending::Unwritable)
        return VtrkExit::FailedSlots; // the core said why these slots cannot be written
    if (ending != TSyncCommands::Ending::Written)
        TCliSyncSession::Fail(ending, tr("nothing was written"), portName);
    const TControllerSync::TResult& written = sync.LastWrite();
    if (written.end == TControllerSync::End::Interrupted)
        throw EVtrkExit(VtrkExit::Stopped, tr("the synchronisation was stopped"));
    if (written.Stopped())
        throw EVtrkExit(VtrkExit::Port, tr("the synchronisation on %1 stopped").arg(portName));
    // Slots whose note a read cannot give back were left unwritten, and the core said why.
    const TKeyComparison& comparison = sync.LastComparison();
    const bool allWritable = comparison.Writable().size() == comparison.DifferenceCount();
    return written.Failed().isEmpty() && allWritable ? VtrkExit::Done : VtrkExit::FailedSlots;
}
