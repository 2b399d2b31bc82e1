#include "cli/TImportCommand.h"

#include "cli/TCliKeyList.h"
#include "cli/TCliOutput.h"
#include "keylist/TKeyImport.h"
#include "keylist/TKeyListRows.h"
#include "keylist/TKeyListSchema.h"

#include <QCommandLineParser>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>

namespace {
TKeyImport planFor(const QString& csvPath, TCliKeyList& list) {
    try {
        const TKeyImport plan =
            TKeyImport::Plan(TKeyImport::ReadFile(csvPath),
                             TKeyListRows::Read(list.MasterTable()) + TKeyListRows::Read(list.SlaveTable()));
        plan.Apply(list.MasterTable(), list.SlaveTable());
        return plan;
    } catch (const std::exception& e) {
        throw EVtrkExit(VtrkExit::File, QString::fromUtf8(e.what()));
    }
}

QJsonArray rejectsJson(const TKeyImport& plan) {
    QJsonArray rejects;
    for (const TKeyImport::TReject& reject : plan.Rejects)
        rejects.append(
            QJsonObject{{QStringLiteral("line"), reject.line}, {QStringLiteral("reason"), reject.reason}});
    return rejects;
}
} // namespace

void TImportCommand::Define(QCommandLineParser& parser) const {
    parser.addPositionalArgument(QStringLiteral("csv"), QStringLiteral("The CSV file to read."));
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QStringLiteral("The key-list file to write (replaced whole, or not at all)."),
                      QStringLiteral("file")});
}

int TImportCommand::Run(const QCommandLineParser& parser) {
    RequirePositionals(parser, 1);
    const QString target = parser.value(QStringLiteral("output"));
    if (target.isEmpty())
        throw EVtrkExit(VtrkExit::Usage, QStringLiteral("the key-list file to write is missing (-o FILE)"));
    TCliKeyList list;
    list.Create();
    const TKeyImport plan = planFor(parser.positionalArguments().constFirst(), list);
    const QString unknown = QString::fromLatin1(TKeyListSchema::Unknown);
    list.Save(target, {unknown, unknown});
    for (const TKeyImport::TReject& reject : plan.Rejects)
        TCliOutput::Error(QStringLiteral("line %1: %2").arg(reject.line).arg(reject.reason));
    if (parser.isSet(QStringLiteral("json")))
        TCliOutput::Json(QJsonDocument(QJsonObject{{QStringLiteral("file"), target},
                                                   {QStringLiteral("imported"), int(plan.Changes.size())},
                                                   {QStringLiteral("rejected"), rejectsJson(plan)}}));
    else
        TCliOutput::Text(QStringLiteral("%1: %2 keys imported, %3 rows refused\n")
                             .arg(QDir::toNativeSeparators(target))
                             .arg(plan.Changes.size())
                             .arg(plan.Rejects.size()));
    return plan.Rejects.isEmpty() ? VtrkExit::Done : VtrkExit::FailedSlots;
}
