#include "cli/TWriteCommand.h"

#include "cli/TCliKeyList.h"
#include "cli/TCliLink.h"
#include "cli/TCliOtherController.h"
#include "cli/TCliOutput.h"
#include "cli/TCliPortArgument.h"
#include "cli/TCliProgress.h"
#include "cli/TReadCommand.h"
#include "keylist/TKeyListStore.h"
#include "keys/TKeyPlaceholder.h"
#include "keys/TKeyTable.h"
#include "seams/TMessageBoxes.h"
#include "sync/TKeyComparison.h"
#include "sync/TSyncCommands.h"

#include <QCommandLineParser>
#include <QDir>
#include <QJsonObject>

void TWriteCommand::Define(QCommandLineParser& parser) const {
    TCliPortArgument::Define(parser);
    parser.addPositionalArgument(QStringLiteral("file"), tr("The key-list file to write."));
    parser.addOption({{QStringLiteral("y"), QStringLiteral("yes")},
                      tr("Answer the confirmations with yes (needed without a terminal).")});
    TCliOtherController::Define(parser);
}

int TWriteCommand::Run(const QCommandLineParser& parser) {
    const TCliPortArgument::TChoice port = TCliPortArgument::Resolve(parser);
    RequirePositionals(parser, port.consumed + 1);
    const QString source = parser.positionalArguments().constLast();
    TCliKeyList list;
    const TKeyListStore::THeader header = list.Open(source);
    const QString refusal = TKeyTransfer::RefusalText(&list.Master(), &list.Slave());
    if (!refusal.isEmpty()) {
        MessageBoxes().error(refusal);
        throw EVtrkExit(VtrkExit::File,
                        tr("%1 was not written to the controller").arg(QDir::toNativeSeparators(source)));
    }

    // The window's warnings (no active master key left, a code twice) come before any frame.
    if (!TSyncCommands::ConfirmListWrite(list.Master(), list.Slave(), true, true, MessageBoxes()))
        throw EVtrkExit(VtrkExit::NotConfirmed, tr("not confirmed; nothing was sent"));

    TCliProgress progress;
    TCliLink link(port.number, port.name, progress);
    link.Open();
    const TControllerInfoData controller = link.ReadIdentity();
    if (TKeyComparison::SerialsDiffer(header.serial, controller.serial) &&
        !TCliOtherController(parser).Confirm(
            TKeyComparison::OtherControllerQuestion(header.serial, controller.serial)))
        TCliOtherController::Refuse(port.name);
    if (!MessageBoxes().confirmOkCancel(tr(
            "You are about to overwrite full controller`s keys list.\rAre you sure you want to continue?")))
        throw EVtrkExit(VtrkExit::NotConfirmed, tr("not confirmed; nothing was written"));
    progress.Start(tr("slots"), TKeyTable::MasterSlots + TKeyTable::SlaveSlots);
    const TCliLink::TFailedSlots failed = link.WriteKeys(list.Master(), list.Slave());
    progress.Finish();
    if (!failed.IsEmpty())
        TCliOutput::Error(tr("these slots are unknown: the write may or may not have been applied there; "
                             "read the controller again: %1")
                              .arg(TReadCommand::FailedText(failed.master, failed.slave)));

    // "<unknown>" is what a list holds when nobody knew the text; written, it would replace the
    // controller's real one.
    bool infoWritten = false;
    if (header.info == QLatin1String(TKeyPlaceholder::Unknown))
        TCliOutput::Error(tr("the information text is unknown in the list; the controller keeps its own"));
    else if (MessageBoxes().confirmOkCancel(
                 tr("Are you sure you want to change controller information to:\r") + header.info) &&
             !(infoWritten = link.Info().WriteControllerInfo(header.info)))
        throw EVtrkExit(VtrkExit::Port, tr("the information text was not written to %1").arg(port.name));

    const int slotCount =
        TKeyTable::MasterSlots + TKeyTable::SlaveSlots - failed.master.size() - failed.slave.size();
    if (parser.isSet(QStringLiteral("json"))) {
        TCliOutput::Json(QJsonDocument(
            QJsonObject{{QStringLiteral("port"), port.name},
                        {QStringLiteral("file"), source},
                        {QStringLiteral("slots"), slotCount},
                        {QStringLiteral("infoWritten"), infoWritten},
                        {QStringLiteral("failed"), TReadCommand::FailedJson(failed.master, failed.slave)}}));
    } else {
        TCliOutput::Text((infoWritten ? tr("%1: %2 slots written to %3, information text too\n")
                                      : tr("%1: %2 slots written to %3\n"))
                             .arg(QDir::toNativeSeparators(source))
                             .arg(slotCount)
                             .arg(port.name));
    }
    return failed.IsEmpty() ? VtrkExit::Done : VtrkExit::FailedSlots;
}
