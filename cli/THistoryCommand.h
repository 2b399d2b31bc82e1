#pragma once

#include "cli/TVtrkCommand.h"

// "vtrk history [SERIAL]": the controllers in the history with their last contact, or the
// snapshots of one controller, newest first, each with the slots that changed since the one before.
class THistoryCommand : public TVtrkCommand {
public:
    QString Name() const override { return QStringLiteral("history"); }
    QString Summary() const override { return QStringLiteral("list the snapshots kept of the controllers"); }
    void Define(QCommandLineParser& parser) const override;
    int Run(const QCommandLineParser& parser) override;
};
