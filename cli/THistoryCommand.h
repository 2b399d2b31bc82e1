#pragma once

#include "cli/TVtrkCommand.h"

#include <QCoreApplication>

// "vtrk history [SERIAL]": the controllers in the history with their last contact, or the
// snapshots of one controller, newest first, each with the slots that changed since the one before.
class THistoryCommand : public TVtrkCommand {
    Q_DECLARE_TR_FUNCTIONS(THistoryCommand)

public:
    QString Name() const override { return QStringLiteral("history"); }
    QString Summary() const override { return tr("list the snapshots kept of the controllers"); }
    void Define(QCommandLineParser& parser) const override;
    int Run(const QCommandLineParser& parser) override;
};
