#include "cli/TSyncCommand.h"

#include "cli/TCliOtherController.h"
#include "cli/TCliPortArgument.h"
#include "cli/TCliSyncSession.h"
#include "seams/TStopRequest.h"

#include "seams/TMessageBoxes.h"

#include <QCommandLineParser>

void TSyncCommand::Define(QCommandLineParser& parser) const {
    TCliPortArgument::Define(parser);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The key list the controller should hold."));
    parser.addOption({{QStringLiteral("y"), QStringLiteral("yes")},
                      QStringLiteral("Answer the confirmations with yes (needed without a terminal).")});
    TCliOtherController::Define(parser);
}

int TSyncCommand::Run(const QCommandLineParser& parser) {
    TCliSyncSession session(parser);
    // Said by the core too, but a file error has its own exit code.
    const QString refusal =
        TKeyTransfer::RefusalText(&session.Host().MasterView(), &session.Host().SlaveView());
    if (!refusal.isEmpty()) {
        MessageBoxes().error(refusal);
        throw EVtrkExit(VtrkExit::File, QStringLiteral("nothing was written to %1").arg(session.PortName()));
    }
    // The core checks the key codes, reads, shows the plan, warns, writes and reports, each
    // message on the standard error stream.
    session.Sync().WriteChanges(session.ListSerial());
    const TSyncCommands& sync = session.Sync();
    if (session.OtherController().Refused())
        TCliOtherController::Refuse(session.PortName());
    if (sync.LastWriteRan()) {
        // The core's report has named every slot; the exit code says how the writes ended.
        const TControllerSync::TResult& written = sync.LastWrite();
        if (written.end == TControllerSync::End::Interrupted)
            throw EVtrkExit(VtrkExit::Stopped, QStringLiteral("the synchronisation was stopped"));
        if (written.Stopped())
            throw EVtrkExit(VtrkExit::Port,
                            QStringLiteral("the synchronisation on %1 stopped").arg(session.PortName()));
        const bool allWritable =
            sync.LastComparison().Writable().size() == sync.LastComparison().DifferenceCount();
        return written.Failed().isEmpty() && allWritable ? VtrkExit::Done : VtrkExit::FailedSlots;
    }
    if (TStopRequest::Raised())
        throw EVtrkExit(VtrkExit::Stopped, QStringLiteral("stopped; nothing was written"));
    // A comparison is made only once the controller was read whole.
    const TKeyComparison& comparison = sync.LastComparison();
    if (!comparison.Compared(TKeyTransfer::Table::Master) && !comparison.Compared(TKeyTransfer::Table::Slave))
        throw EVtrkExit(VtrkExit::Port, QStringLiteral("nothing was written to %1").arg(session.PortName()));
    if (comparison.DifferenceCount() == 0)
        return VtrkExit::Done;
    if (comparison.Writable().isEmpty())
        return VtrkExit::FailedSlots; // the core said why these slots cannot be written
    throw EVtrkExit(VtrkExit::Usage, QStringLiteral("not confirmed; nothing was written"));
}
