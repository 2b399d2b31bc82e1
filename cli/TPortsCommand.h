#pragma once

#include "cli/TVtrkCommand.h"

#include <QCoreApplication>

// "vtrk ports": the COM numbers with a device behind them, as the port chooser lists them.
class TPortsCommand : public TVtrkCommand {
    Q_DECLARE_TR_FUNCTIONS(TPortsCommand)

public:
    QString Name() const override { return QStringLiteral("ports"); }
    QString Summary() const override { return tr("list the serial ports (COM numbers)"); }
    void Define(QCommandLineParser& parser) const override;
    int Run(const QCommandLineParser& parser) override;
};
