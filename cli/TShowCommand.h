#pragma once

#include "cli/TVtrkCommand.h"

#include <QCoreApplication>

// "vtrk show site.dbf": a key list as a table: serial number, information text and every slot.
class TShowCommand : public TVtrkCommand {
    Q_DECLARE_TR_FUNCTIONS(TShowCommand)

public:
    QString Name() const override { return QStringLiteral("show"); }
    QString Summary() const override { return tr("show a key-list file as a table"); }
    void Define(QCommandLineParser& parser) const override;
    int Run(const QCommandLineParser& parser) override;
};
