#pragma once

#include "cli/TVtrkCommand.h"

#include <QCoreApplication>

class TSite;
struct TSiteDoor;

// "vtrk site SUBCOMMAND": the controllers of a building kept as one site folder (--site DIR,
// default the current folder): create, add, status, find, revoke, give, round, journal.
class TSiteCommand : public TVtrkCommand {
    Q_DECLARE_TR_FUNCTIONS(TSiteCommand)

public:
    QString Name() const override { return QStringLiteral("site"); }
    QString Summary() const override {
        return tr("every controller of a building: status, find, revoke, round");
    }
    void Define(QCommandLineParser& parser) const override;
    int Run(const QCommandLineParser& parser) override;

    // The site of --site (or the current folder); throws EVtrkExit (file) naming what is wrong.
    static TSite OpenSite(const QCommandLineParser& parser);
    static QString SiteFolder(const QCommandLineParser& parser);
    static bool Json(const QCommandLineParser& parser);
    // The positional argument after the subcommand; throws EVtrkExit (usage) when missing.
    static QString Argument(const QCommandLineParser& parser, const QString& what);
    // "<door> added: <list>, controller <serial>", or its JSON.
    static void PrintAdded(const QCommandLineParser& parser, const TSiteDoor& door);

private:
    static int Create(const QCommandLineParser& parser);
    static int Add(const QCommandLineParser& parser);
    static int Status(const QCommandLineParser& parser);
};
