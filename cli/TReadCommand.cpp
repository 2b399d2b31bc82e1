#include "cli/TReadCommand.h"

#include "cli/TCliKeyList.h"
#include "cli/TCliLink.h"
#include "cli/TCliOutput.h"
#include "cli/TCliPortArgument.h"
#include "cli/TCliProgress.h"
#include "cli/TInfoCommand.h"
#include "keys/TKeyPlaceholder.h"
#include "keys/TKeyTable.h"
#include "site/TSiteDoorWitness.h"
#include "sync/TDoorSession.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QStringList>

namespace {
QJsonArray toArray(const QList<int>& slotNumbers) {
    QJsonArray array;
    for (int slot : slotNumbers)
        array.append(slot);
    return array;
}

QString slotNames(const QList<int>& slotNumbers) {
    QStringList names;
    for (int slot : slotNumbers)
        names << QStringLiteral("#%1").arg(slot);
    return names.join(QStringLiteral(", "));
}
} // namespace

QJsonObject TReadCommand::FailedJson(const QList<int>& master, const QList<int>& slave) {
    return {{QStringLiteral("master"), toArray(master)}, {QStringLiteral("slave"), toArray(slave)}};
}

QString TReadCommand::FailedText(const QList<int>& master, const QList<int>& slave) {
    QStringList parts;
    if (!master.isEmpty())
        parts << tr("master keys %1").arg(slotNames(master));
    if (!slave.isEmpty())
        parts << tr("slave keys %1").arg(slotNames(slave));
    return parts.join(QStringLiteral("; "));
}

TCliLink::TFailedSlots TReadCommand::ReadInto(TCliLink& link, TCliKeyList& list, TCliProgress& progress,
                                              const TControllerInfoData& data, const QString& target) {
    progress.Start(tr("slots"), TKeyTable::MasterSlots + TKeyTable::SlaveSlots);
    TCliLink::TFailedSlots failedSlots;
    // As in the window: the slots the transfer stored are kept, and the tables read whole become
    // a snapshot in the controller history.
    TDoorSession& door = link.Door();
    door.BeginRecording();
    try {
        failedSlots = link.ReadKeys(door.RecordingMaster(), door.RecordingSlave());
    } catch (const EVtrkExit& e) {
        throw EVtrkExit(e.code(),
                        tr("%1; %2 was not written")
                            .arg(QString::fromStdString(e.what()), QDir::toNativeSeparators(target)));
    }
    progress.Finish();
    list.Save(target, {data.serial, data.info});
    // The history is a safety net: a failure is said, the read itself stands.
    door.StoreRecordedReads();
    return failedSlots;
}

void TReadCommand::Define(QCommandLineParser& parser) const {
    TCliPortArgument::Define(parser);
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      tr("The key-list file to write (replaced whole, or not at all)."),
                      QStringLiteral("file")});
}

int TReadCommand::Run(const QCommandLineParser& parser) {
    const TCliPortArgument::TChoice port = TCliPortArgument::Resolve(parser);
    RequirePositionals(parser, port.consumed);
    const QString target = parser.value(QStringLiteral("output"));
    if (target.isEmpty())
        throw EVtrkExit(VtrkExit::Usage, tr("the key-list file to write is missing (-o FILE)"));
    // Known before the controller is asked for anything, not after a quarter of a minute of transfer.
    const QFileInfo targetInfo(target);
    if (!QFileInfo(targetInfo.absolutePath()).isDir() || !QFileInfo(targetInfo.absolutePath()).isWritable())
        throw EVtrkExit(VtrkExit::File, tr("cannot write %1: its folder is missing or not writable")
                                            .arg(QDir::toNativeSeparators(targetInfo.absoluteFilePath())));
    TCliKeyList list;
    list.Create();
    TCliProgress progress;
    TCliLink link(port.number, port.name, progress, list.Master(), list.Slave());
    const QString listPath = targetInfo.absoluteFilePath();
    link.Door().Snapshots().SetWitness(TSiteDoorWitness::ForList([listPath] { return listPath; }));
    link.Open();
    const TControllerInfoData data = link.ReadIdentity();

    const TCliLink::TFailedSlots failedSlots = ReadInto(link, list, progress, data, target);

    const QList<int>& failedMaster = failedSlots.master;
    const QList<int>& failedSlave = failedSlots.slave;
    const bool failed = !failedMaster.isEmpty() || !failedSlave.isEmpty();
    if (failed)
        TCliOutput::Error(
            tr("these keys could not be read and are marked %1 in the file: %2")
                .arg(QLatin1String(TKeyPlaceholder::UnreadCode), FailedText(failedMaster, failedSlave)));
    if (parser.isSet(QStringLiteral("json"))) {
        QJsonObject object = TInfoCommand::ToJson(data);
        object.insert(QStringLiteral("port"), port.name);
        object.insert(QStringLiteral("file"), target);
        object.insert(QStringLiteral("failed"), FailedJson(failedMaster, failedSlave));
        TCliOutput::Json(QJsonDocument(object));
    } else {
        TCliOutput::Text(tr("%1: %2 master and %3 slave slots read from %4\n")
                             .arg(QDir::toNativeSeparators(target))
                             .arg(TKeyTable::MasterSlots - failedMaster.size())
                             .arg(TKeyTable::SlaveSlots - failedSlave.size())
                             .arg(port.name));
    }
    return failed ? VtrkExit::FailedSlots : VtrkExit::Done;
}
