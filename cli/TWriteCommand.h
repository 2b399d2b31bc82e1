#pragma once

#include "cli/TVtrkCommand.h"

#include <QCoreApplication>

// "vtrk write COM3 site.dbf": the key list's master and slave keys and its information text to
// the controller, as "Write all data to controller" does: every key code checked first, nothing
// sent when one is not 12 hexadecimal digits, each step confirmed (or --yes).
class TWriteCommand : public TVtrkCommand {
    Q_DECLARE_TR_FUNCTIONS(TWriteCommand)

public:
    QString Name() const override { return QStringLiteral("write"); }
    QString Summary() const override { return tr("write a key list to the controller"); }
    void Define(QCommandLineParser& parser) const override;
    int Run(const QCommandLineParser& parser) override;
};
