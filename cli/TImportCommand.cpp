#include "cli/TImportCommand.h"

#include "cli/TCliKeyList.h"
#include "cli/TCliOutput.h"
#include "cli/TCliStop.h"
#include "keylist/TKeyImport.h"
#include "keylist/TKeyListRows.h"
#include "keys/TKeyPlaceholder.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace {
const QString ReplaceOption = QStringLiteral("replace");
const QString MergeOption = QStringLiteral("merge");

// Between the steps: nothing has been written yet, so a stop leaves every file as it was.
void stopIfAsked() {
    if (TCliStop::Requested())
        throw EVtrkExit(VtrkExit::Stopped, TImportCommand::tr("interrupted; nothing was written"));
}

TKeyImport planFor(const QString& csvPath, TCliKeyList& list) {
    try {
        const QByteArray csv = TKeyImport::ReadFile(csvPath);
        stopIfAsked();
        const TKeyImport plan = TKeyImport::Plan(csv, TKeyListRows::Read(list.MasterTable()) +
                                                          TKeyListRows::Read(list.SlaveTable()));
        stopIfAsked();
        plan.Apply(list.MasterTable(), list.SlaveTable());
        return plan;
    } catch (const EVtrkExit&) {
        throw;
    } catch (const std::exception& e) {
        stopIfAsked();
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

QString orUnknown(const QString& text) {
    return text.isEmpty() ? QString::fromLatin1(TKeyPlaceholder::Unknown) : text;
}
} // namespace

QString TImportCommand::HelpDetails() const {
    return tr("The first row names the columns, in any order and case (comma, semicolon or tab):\n"
              "  code      the key code: code, key, keycode, key code, Schl\u00fcssel (needed)\n"
              "  note      note, memo, name, keymemo, key info, Notiz, Bemerkung\n"
              "  type      M (master) or S (slave): type, keytype, Typ; without it, slave keys\n"
              "  #         the slot as the window numbers it (1..8, 1..128): #, recid, Platz, Nr.\n"
              "  slot      the controller's slot (0..7, 0..127): slot, keyid\n"
              "  active    yes/no, ja/nein, 1/0, true/false or x: active, keystatus, aktiv\n"
              "  engraved, serial, info: as vtrk export writes them\n"
              "\n"
              "Key codes are taken in every form they are written in: the 12 digits of a key list\n"
              "(2BC5FB000000), with blanks, dots, dashes or colons between the digits, with the\n"
              "family byte (01.2BC5FB000000, as owfs prints it), as Linux names the device\n"
              "(01-000000fbc52b), all 16 digits in wire order (012BC5FB00000066) or as engraved\n"
              "on the key (66000000FBC52B01, or 000000FBC52B 01 without the CRC). A CRC that is\n"
              "given is checked.\n");
}

void TImportCommand::Define(QCommandLineParser& parser) const {
    parser.addPositionalArgument(QStringLiteral("csv"), tr("The CSV file to read."));
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      tr("The key-list file to write (replaced whole, or not at all)."),
                      QStringLiteral("file")});
    parser.addOption({ReplaceOption, tr("Replace the key-list file when it exists.")});
    parser.addOption({MergeOption, tr("Import into the existing key-list file, as the window does.")});
}

TKeyListStore::THeader TImportCommand::prepare(const QCommandLineParser& parser, const QString& target,
                                               TCliKeyList& list, bool* merging) {
    const QFileInfo info(target);
    const bool exists = info.exists() || info.isSymLink();
    *merging = parser.isSet(MergeOption);
    if (*merging && parser.isSet(ReplaceOption))
        throw EVtrkExit(VtrkExit::Usage, tr("--merge and --replace exclude each other"));
    if (*merging && !exists)
        throw EVtrkExit(VtrkExit::File,
                        tr("%1: there is no key list to merge into").arg(QDir::toNativeSeparators(target)));
    if (!*merging && exists && !parser.isSet(ReplaceOption))
        throw EVtrkExit(VtrkExit::Usage, tr("%1 exists; nothing was written. Add --replace to replace it, or "
                                            "--merge to import into it")
                                             .arg(QDir::toNativeSeparators(target)));
    if (*merging)
        return list.Open(target);
    list.Create();
    return {};
}

int TImportCommand::Run(const QCommandLineParser& parser) {
    RequirePositionals(parser, 1);
    const QString target = parser.value(QStringLiteral("output"));
    if (target.isEmpty())
        throw EVtrkExit(VtrkExit::Usage, tr("the key-list file to write is missing (-o FILE)"));
    TCliKeyList list;
    bool merging = false;
    const TKeyListStore::THeader kept = prepare(parser, target, list, &merging);
    const TKeyImport plan = planFor(parser.positionalArguments().constFirst(), list);
    for (const TKeyImport::TReject& reject : plan.Rejects)
        TCliOutput::Error(tr("line %1: %2").arg(reject.line).arg(reject.reason));
    if (plan.Worthwhile()) {
        stopIfAsked();
        // Merged into a list, the list's controller stays; a new list takes the file's.
        list.Save(target,
                  merging ? kept : TKeyListStore::THeader{orUnknown(plan.Serial), orUnknown(plan.Info)});
    } else {
        TCliOutput::Error(
            tr("every key row was refused; %1 was not written").arg(QDir::toNativeSeparators(target)));
    }
    report(parser, target, plan, plan.Worthwhile());
    return plan.Rejects.isEmpty() ? VtrkExit::Done : VtrkExit::FailedSlots;
}

void TImportCommand::report(const QCommandLineParser& parser, const QString& target, const TKeyImport& plan,
                            bool written) {
    if (parser.isSet(QStringLiteral("json")))
        TCliOutput::Json(QJsonDocument(QJsonObject{{QStringLiteral("file"), target},
                                                   {QStringLiteral("written"), written},
                                                   {QStringLiteral("imported"), int(plan.Changes.size())},
                                                   {QStringLiteral("rejected"), rejectsJson(plan)}}));
    else if (written)
        TCliOutput::Text(tr("%1: %2 keys imported, %3 rows refused\n")
                             .arg(QDir::toNativeSeparators(target))
                             .arg(plan.Changes.size())
                             .arg(plan.Rejects.size()));
}
