#pragma once

#include "cli/TVtrkCommand.h"
#include "keylist/TKeyListStore.h"

#include <QCoreApplication>

class TCliKeyList;
class TKeyImport;

// "vtrk import keys.csv -o site.dbf": a key list from a CSV file, new (an existing file is
// replaced only with --replace) or merged into an existing one with --merge, as the window's
// import does. Each refused row is named with its line and reason on the standard error stream,
// and the exit code is then 1; the accepted rows are written all the same, but a file whose every
// key row is refused writes nothing. Ctrl-C or SIGTERM before the list is written writes nothing.
class TImportCommand : public TVtrkCommand {
    Q_DECLARE_TR_FUNCTIONS(TImportCommand)

public:
    QString Name() const override { return QStringLiteral("import"); }
    QString Summary() const override { return tr("make a key-list file from a CSV file"); }
    void Define(QCommandLineParser& parser) const override;
    QString HelpDetails() const override;
    int Run(const QCommandLineParser& parser) override;

private:
    // Opens the list to merge into (its header returned), or makes a new one; *merging says which.
    static TKeyListStore::THeader prepare(const QCommandLineParser& parser, const QString& target,
                                          TCliKeyList& list, bool* merging);
    static void report(const QCommandLineParser& parser, const QString& target, const TKeyImport& plan,
                       bool written);
};
