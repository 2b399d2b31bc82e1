#pragma once

#include "cli/TVtrkCommand.h"

#include <QCoreApplication>
#include <QJsonObject>

struct TControllerInfoData;

// "vtrk info COM3": the firmware version, serial number and information text of the controller.
class TInfoCommand : public TVtrkCommand {
    Q_DECLARE_TR_FUNCTIONS(TInfoCommand)

public:
    QString Name() const override { return QStringLiteral("info"); }
    QString Summary() const override { return tr("show what the controller says about itself"); }
    void Define(QCommandLineParser& parser) const override;
    int Run(const QCommandLineParser& parser) override;

    // The controller information as the other commands report it too.
    static QJsonObject ToJson(const TControllerInfoData& data);
    static QString ToText(const TControllerInfoData& data);
};
