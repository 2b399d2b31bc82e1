#pragma once

#include "cli/TVtrkCommand.h"

// "vtrk import keys.csv -o site.dbf": a new key list from a CSV file. Each refused row is named
// with its line and reason on the standard error stream, and the exit code is then 1; the rows
// that were accepted are written all the same.
class TImportCommand : public TVtrkCommand {
public:
    QString Name() const override { return QStringLiteral("import"); }
    QString Summary() const override { return QStringLiteral("make a key-list file from a CSV file"); }
    void Define(QCommandLineParser& parser) const override;
    int Run(const QCommandLineParser& parser) override;
};
