#include "cli/THistoryCommand.h"

#include "cli/TCliOutput.h"
#include "cli/TCliStop.h"
#include "sync/TSnapshotStore.h"

#include <QCommandLineParser>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>

namespace {
QString utc(const QDateTime& time) {
    return time.toUTC().toString(Qt::ISODate);
}

// The JSON's "tables", the same in every language.
QString validTables(const TSnapshotStore::TSnapshot& snapshot) {
    if (snapshot.masterValid && snapshot.slaveValid)
        return QStringLiteral("both");
    return snapshot.masterValid ? QStringLiteral("master") : QStringLiteral("slave");
}

QString validTablesText(const TSnapshotStore::TSnapshot& snapshot) {
    if (snapshot.masterValid && snapshot.slaveValid)
        return THistoryCommand::tr("both");
    return snapshot.masterValid ? THistoryCommand::tr("master") : THistoryCommand::tr("slave");
}

int listControllers(const TSnapshotStore& store, bool json) {
    QJsonArray array;
    QString text;
    for (const TSnapshotStore::TController& controller : store.Controllers()) {
        TCliStop::CheckBeforeShowing();
        array.append(QJsonObject{{QStringLiteral("serial"), controller.serial},
                                 {QStringLiteral("info"), controller.info},
                                 {QStringLiteral("lastContact"), utc(controller.lastContact)},
                                 {QStringLiteral("snapshots"), controller.snapshots}});
        text += THistoryCommand::tr("%1  %2  %3 snapshots  %4\n")
                    .arg(controller.serial.leftJustified(10), utc(controller.lastContact))
                    .arg(controller.snapshots, 3)
                    .arg(controller.info);
    }
    TCliStop::CheckBeforeShowing();
    if (json)
        TCliOutput::Json(QJsonDocument(array));
    else
        TCliOutput::Text(
            text.isEmpty()
                ? THistoryCommand::tr("No controllers in %1\n").arg(QDir::toNativeSeparators(store.Root()))
                : text);
    return VtrkExit::Done;
}

int listSnapshots(const TSnapshotStore& store, const QString& serial, bool json) {
    const QList<TSnapshotStore::TSnapshot> snapshots = store.Snapshots(serial, TCliStop::Requested);
    // Stopped while comparing: the counts left out are not shown as if they were known.
    TCliStop::CheckBeforeShowing();
    if (snapshots.isEmpty())
        throw EVtrkExit(VtrkExit::File, THistoryCommand::tr("no snapshots of controller %1 in %2")
                                            .arg(serial, QDir::toNativeSeparators(store.Root())));
    QJsonArray array;
    QString text;
    for (const TSnapshotStore::TSnapshot& snapshot : snapshots) {
        TCliStop::CheckBeforeShowing();
        array.append(QJsonObject{{QStringLiteral("time"), utc(snapshot.time)},
                                 {QStringLiteral("kind"), snapshot.kind},
                                 {QStringLiteral("tables"), validTables(snapshot)},
                                 {QStringLiteral("changedSlots"), snapshot.changedSlots},
                                 {QStringLiteral("info"), snapshot.info},
                                 {QStringLiteral("file"), snapshot.path}});
        const QString changed = snapshot.changedSlots < 0
                                    ? THistoryCommand::tr("first")
                                    : THistoryCommand::tr("%1 changed").arg(snapshot.changedSlots);
        text += QStringLiteral("%1  %2  %3  %4  %5\n")
                    .arg(utc(snapshot.time), snapshot.kind.leftJustified(13),
                         validTablesText(snapshot).leftJustified(6), changed.leftJustified(11),
                         QDir::toNativeSeparators(snapshot.path));
    }
    TCliStop::CheckBeforeShowing();
    if (json)
        TCliOutput::Json(QJsonDocument(array));
    else
        TCliOutput::Text(text);
    return VtrkExit::Done;
}
} // namespace

void THistoryCommand::Define(QCommandLineParser& parser) const {
    parser.addPositionalArgument(QStringLiteral("serial"),
                                 tr("The controller's serial number; without it the controllers."),
                                 QStringLiteral("[serial]"));
}

int THistoryCommand::Run(const QCommandLineParser& parser) {
    const QStringList given = parser.positionalArguments();
    if (given.size() > 1)
        throw EVtrkExit(VtrkExit::Usage, tr("give at most one serial number"));
    const TSnapshotStore store;
    const bool json = parser.isSet(QStringLiteral("json"));
    return given.isEmpty() ? listControllers(store, json) : listSnapshots(store, given.constFirst(), json);
}
