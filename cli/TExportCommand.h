#pragma once

#include "cli/TVtrkCommand.h"

#include <QCoreApplication>

// "vtrk export site.dbf [-o keys.csv]": a key list as CSV, to the standard output or a file.
class TExportCommand : public TVtrkCommand {
    Q_DECLARE_TR_FUNCTIONS(TExportCommand)

public:
    QString Name() const override { return QStringLiteral("export"); }
    QString Summary() const override { return tr("write a key-list file as CSV"); }
    void Define(QCommandLineParser& parser) const override;
    int Run(const QCommandLineParser& parser) override;
};
