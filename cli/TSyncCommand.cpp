#include "cli/TSyncCommand.h"

#include "cli/TCliPortArgument.h"
#include "cli/TCliSyncSession.h"

#include "seams/TMessageBoxes.h"

#include <QCommandLineParser>

void TSyncCommand::Define(QCommandLineParser& parser) const {
    TCliPortArgument::Define(parser);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The key list the controller should hold."));
    parser.addOption({{QStringLiteral("y"), QStringLiteral("yes")},
                      QStringLiteral("Answer the confirmations with yes (needed without a terminal).")});
}

int TSyncCommand::Run(const QCommandLineParser& parser) {
    TCliSyncSession session(parser);
    // Said by the core too, but a file error has its own exit code.
    const QList<int> badMaster =
        TKeyTransfer::BadKeyCodeSlots(TKeyTransfer::Table::Master, session.Host().MasterView());
    const QList<int> badSlave =
        TKeyTransfer::BadKeyCodeSlots(TKeyTransfer::Table::Slave, session.Host().SlaveView());
    if (!badMaster.isEmpty() || !badSlave.isEmpty()) {
        MessageBoxes().error(TKeyTransfer::BadKeyCodeText(badMaster, badSlave));
        throw EVtrkExit(VtrkExit::File, QStringLiteral("nothing was written to %1").arg(session.PortName()));
    }
    // The core checks the key codes, reads, shows the plan, warns, writes and reports, each
    // message on the standard error stream.
    session.Sync().WriteChanges(session.ListSerial());
    const TSyncCommands& sync = session.Sync();
    if (sync.LastWriteRan())
        return sync.LastWrite().Failed().isEmpty() ? VtrkExit::Done : VtrkExit::FailedSlots;
    // A comparison is made only once the controller was read whole.
    const TKeyComparison& comparison = sync.LastComparison();
    if (!comparison.Compared(TKeyTransfer::Table::Master) && !comparison.Compared(TKeyTransfer::Table::Slave))
        throw EVtrkExit(VtrkExit::Port, QStringLiteral("nothing was written to %1").arg(session.PortName()));
    if (comparison.DifferenceCount() == 0)
        return VtrkExit::Done;
    throw EVtrkExit(VtrkExit::Usage, QStringLiteral("not confirmed; nothing was written"));
}
