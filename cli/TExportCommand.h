#pragma once

#include "cli/TVtrkCommand.h"

// "vtrk export site.dbf [-o keys.csv]": a key list as CSV, to the standard output or a file.
class TExportCommand : public TVtrkCommand {
public:
    QString Name() const override { return QStringLiteral("export"); }
    QString Summary() const override { return QStringLiteral("write a key-list file as CSV"); }
    void Define(QCommandLineParser& parser) const override;
    int Run(const QCommandLineParser& parser) override;
};
