#pragma once

#include "cli/TVtrkCommand.h"

// "vtrk ports": the COM numbers with a device behind them, as the port chooser lists them.
class TPortsCommand : public TVtrkCommand {
public:
    QString Name() const override { return QStringLiteral("ports"); }
    QString Summary() const override { return QStringLiteral("list the serial ports (COM numbers)"); }
    void Define(QCommandLineParser& parser) const override;
    int Run(const QCommandLineParser& parser) override;
};
