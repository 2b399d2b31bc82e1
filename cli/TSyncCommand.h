#pragma once

#include "cli/TVtrkCommand.h"
#include "sync/TSyncCommands.h"

#include <QCoreApplication>

// "vtrk sync COM3 site.dbf [--yes]": compares as diff does, prints the plan, asks, then writes
// only the differing slots and reads each back. Ends with the window's report; exit code 1 when a
// slot failed or read back differently, 2 when not confirmed.
class TSyncCommand : public TVtrkCommand {
    Q_DECLARE_TR_FUNCTIONS(TSyncCommand)

public:
    QString Name() const override { return QStringLiteral("sync"); }
    QString Summary() const override { return tr("write only what differs, verified"); }
    void Define(QCommandLineParser& parser) const override;
    int Run(const QCommandLineParser& parser) override;

    // The exit code of how a synchronise on portName ended; throws EVtrkExit where it failed.
    static int ExitCode(const TSyncCommands& sync, TSyncCommands::Ending ending, const QString& portName);
};
