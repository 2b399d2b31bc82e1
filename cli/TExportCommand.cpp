#include "cli/TExportCommand.h"

#include "cli/TCliKeyList.h"
#include "cli/TCliOutput.h"
#include "cli/TCliStop.h"
#include "keylist/TKeyCsvWriter.h"
#include "keylist/TKeyListRows.h"

#include <QCommandLineParser>
#include <QDir>
#include <QJsonObject>

#include <cstdio>

namespace {
const QString SpreadsheetOption = QStringLiteral("spreadsheet");
} // namespace

void TExportCommand::Define(QCommandLineParser& parser) const {
    parser.addPositionalArgument(QStringLiteral("file"), tr("The key-list file to export."));
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      tr("The CSV file to write (replaced whole, or not at all); without it the "
                         "standard output."),
                      QStringLiteral("file")});
    parser.addOption(
        {SpreadsheetOption, tr("Write for spreadsheets that expect semicolons: UTF-8 with a byte-order "
                               "mark and ';' between the fields.")});
}

int TExportCommand::Run(const QCommandLineParser& parser) {
    RequirePositionals(parser, 1);
    TCliKeyList list;
    const TKeyListStore::THeader controller = list.Open(parser.positionalArguments().constFirst());
    const QVector<TKeySlot> records =
        TKeyListRows::Read(list.MasterTable()) + TKeyListRows::Read(list.SlaveTable());
    const auto format =
        parser.isSet(SpreadsheetOption) ? TKeyCsvWriter::TFormat::Spreadsheet : TKeyCsvWriter::TFormat::Plain;
    const QString target = parser.value(QStringLiteral("output"));
    if (TCliStop::Requested())
        throw EVtrkExit(VtrkExit::Stopped, tr("interrupted; nothing was written"));
    if (target.isEmpty()) {
        // The bytes as they are: UTF-8 and CR LF whatever the terminal's locale. --json has no
        // meaning here: the CSV is the result.
        const QByteArray csv = TKeyCsvWriter::Write(records, controller, format);
        if (std::fwrite(csv.constData(), 1, size_t(csv.size()), stdout) != size_t(csv.size()) ||
            std::fflush(stdout) != 0)
            throw EVtrkExit(VtrkExit::File, tr("cannot write to the standard output"));
        return VtrkExit::Done;
    }
    try {
        TKeyCsvWriter::Save(target, records, controller, format);
    } catch (const std::exception& e) {
        throw EVtrkExit(VtrkExit::File, QString::fromUtf8(e.what()));
    }
    if (parser.isSet(QStringLiteral("json")))
        TCliOutput::Json(QJsonDocument(
            QJsonObject{{QStringLiteral("file"), target}, {QStringLiteral("rows"), int(records.size())}}));
    else
        TCliOutput::Text(
            tr("%1: %2 slots written\n").arg(QDir::toNativeSeparators(target)).arg(records.size()));
    return VtrkExit::Done;
}
