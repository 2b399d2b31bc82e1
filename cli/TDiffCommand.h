#pragma once

#include "cli/TVtrkCommand.h"

#include <QCoreApplication>

// "vtrk diff COM3 site.dbf": the controller read into memory (and kept as a snapshot) and compared
// with the key list slot by slot. Exit code 0 when nothing differs, 1 when something does.
class TDiffCommand : public TVtrkCommand {
    Q_DECLARE_TR_FUNCTIONS(TDiffCommand)

public:
    QString Name() const override { return QStringLiteral("diff"); }
    QString Summary() const override { return tr("compare a key list with the controller"); }
    void Define(QCommandLineParser& parser) const override;
    int Run(const QCommandLineParser& parser) override;
};
