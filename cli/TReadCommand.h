#pragma once

#include "cli/TCliLink.h"
#include "cli/TVtrkCommand.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QList>

class TCliKeyList;
class TCliProgress;
struct TControllerInfoData;

// "vtrk read COM3 -o site.dbf": the controller's information and both key tables into a new key
// list. The file is written only when the transfer ran to its end, and then whole.
class TReadCommand : public TVtrkCommand {
    Q_DECLARE_TR_FUNCTIONS(TReadCommand)

public:
    QString Name() const override { return QStringLiteral("read"); }
    QString Summary() const override { return tr("read the controller's keys into a key list"); }
    void Define(QCommandLineParser& parser) const override;
    int Run(const QCommandLineParser& parser) override;

    // {"master": [...], "slave": [...]} and the same as text, for the failed slots of a transfer.
    static QJsonObject FailedJson(const QList<int>& master, const QList<int>& slave);
    static QString FailedText(const QList<int>& master, const QList<int>& slave);

    // The whole controller into list (the link's views) and then into the file target, written
    // only when the transfer ran to its end; the tables read whole become a snapshot of the
    // link's session.
    static TCliLink::TFailedSlots ReadInto(TCliLink& link, TCliKeyList& list, TCliProgress& progress,
                                           const TControllerInfoData& data, const QString& target);
};
