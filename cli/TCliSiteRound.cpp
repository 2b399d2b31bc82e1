#include "cli/TCliSiteRound.h"

#include "cli/TCliDifferences.h"
#include "cli/TCliKeyList.h"
#include "cli/TCliLink.h"
#include "cli/TCliOtherController.h"
#include "cli/TCliOutput.h"
#include "cli/TCliPortArgument.h"
#include "cli/TCliProgress.h"
#include "cli/TCliStop.h"
#include "cli/TCliSyncSession.h"
#include "cli/TReadCommand.h"
#include "cli/TSiteCommand.h"
#include "cli/TSyncCommand.h"
#include "site/TSite.h"
#include "site/TSiteDoorRound.h"
#include "site/TSiteJournal.h"
#include "sync/TDoorSession.h"
#include "sync/TMemoryKeyView.h"
#include "sync/TSyncCommands.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace {
// The port after the subcommand, or --port.
TCliPortArgument::TChoice portOf(const QCommandLineParser& parser) {
    const TCliPortArgument::TChoice port = TCliPortArgument::Resolve(parser, 1);
    if (parser.positionalArguments().size() != 1 + port.consumed)
        throw EVtrkExit(VtrkExit::Usage, TCliSiteRound::tr("give the controller port alone"));
    return port;
}

// The site and the controller on the port, its firmware accepted and its identity read. The
// session stores into the site's history; a round hands it the views of the list it opens once the
// controller's serial number has told which door this is.
struct TSiteConnection {
    explicit TSiteConnection(const QCommandLineParser& parser) : TSiteConnection(parser, nullptr, nullptr) {}
    TSiteConnection(const QCommandLineParser& parser, TCliKeyList& list)
        : TSiteConnection(parser, &list, nullptr) {}
    TSiteConnection(const QCommandLineParser& parser, TCliKeyList& list, TSyncViewer& viewer)
        : TSiteConnection(parser, &list, &viewer) {}

    TSite site;
    TCliPortArgument::TChoice port;
    TCliProgress progress;
    TMemoryKeyView noMaster{QStringLiteral("M"), 0};
    TMemoryKeyView noSlave{QStringLiteral("S"), 0};
    TCliLink link;
    TControllerInfoData identity;

private:
    TSiteConnection(const QCommandLineParser& parser, TCliKeyList* list, TSyncViewer* viewer)
        : site(TSiteCommand::OpenSite(parser)), port(portOf(parser)),
          link(port.number, port.name, progress, list ? list->Master() : noMaster,
               list ? list->Slave() : noSlave, viewer, site.History()) {
        link.Open();
        identity = link.ReadIdentity();
    }
};

QList<TSiteJournal::TEntry> writeEntries(const QString& serial, const TControllerSync::TResult& written) {
    QList<TSiteJournal::TEntry> entries;
    for (const TControllerSync::TSlotResult& result : written.results) {
        if (result.outcome == TControllerSync::Outcome::NotWritten)
            continue;
        TSiteJournal::TEntry entry;
        entry.kind = QStringLiteral("controller");
        entry.name = serial;
        entry.table = result.change.table;
        entry.number = result.change.Number();
        entry.before = TSiteJournal::HeldText(result.change.held);
        // Only what was read back as sent is journalled as held; anything else says what is known.
        entry.after = result.outcome == TControllerSync::Outcome::Verified
                          ? TSiteJournal::HeldText(result.change.wanted)
                          : QStringLiteral("unknown (%1)")
                                .arg(TControllerSync::OutcomeText(result.outcome, written.end));
        entries.append(entry);
    }
    return entries;
}

// The site's door for the controller; a list without a controller is linked to it only when
// --door names it.
TSiteDoor doorOf(const QCommandLineParser& parser, TSite& site, const QString& serial,
                 const QString& portName) {
    if (const TSiteDoor* door = site.DoorOfSerial(serial))
        return *door;
    const QString named = parser.value(QStringLiteral("door"));
    if (named.isEmpty())
        throw EVtrkExit(
            VtrkExit::NotInSite,
            TCliSiteRound::tr("controller %1 on %2 is not in the site: \"vtrk site add %2\" adds it, "
                              "\"--door NAME\" links it to a list without a controller")
                .arg(serial, portName));
    const TSiteDoor* door = site.FindDoor(named);
    if (!door || door->HasController())
        throw EVtrkExit(
            VtrkExit::Usage,
            door ? TCliSiteRound::tr("door \"%1\" belongs to controller %2").arg(named, door->serial)
                 : TCliSiteRound::tr("the site has no door \"%1\"").arg(named));
    const QString list = door->list;
    site.Change([&](TSiteFile& file) {
        for (TSiteDoor& each : file.doors)
            if (each.list == list)
                each.serial = serial;
    });
    TCliOutput::Note(TCliSiteRound::tr("%1 is now the list of controller %2").arg(list, serial));
    return *site.DoorOfSerial(serial);
}

// Without --yes: the comparison only, and nothing written.
int compareOnly(TDoorSession& session, const QString& listSerial, const QString& portName) {
    const TSyncCommands::Ending ending = session.Compare(listSerial);
    if (ending != TSyncCommands::Ending::Compared)
        TCliSyncSession::Fail(ending, TCliSiteRound::tr("nothing was compared"), portName);
    TCliStop::Check();
    const TKeyComparison& comparison = session.Sync().LastComparison();
    if (comparison.Count(TKeyDifference::Kind::NotRead) > 0)
        return VtrkExit::Incomplete;
    if (comparison.DifferenceCount() == 0)
        return VtrkExit::Done;
    throw EVtrkExit(VtrkExit::NotConfirmed,
                    TCliSiteRound::tr("the plan only; nothing was written (--yes writes it)"));
}
} // namespace

// The door's list is opened into views the session has had from the start; the compare and the
// write then run as in "vtrk diff" and "vtrk sync".
int TCliSiteRound::Round(const QCommandLineParser& parser) {
    TCliKeyList list;
    TCliOtherController otherController(parser);
    TCliDifferences viewer(TSiteCommand::Json(parser), otherController);
    TSiteConnection on(parser, list, viewer);
    const TSiteDoor door = doorOf(parser, on.site, on.identity.serial, on.port.name);
    TCliOutput::Note(
        tr("%1: %2 (%3), controller %4").arg(on.port.name, door.Shown(), door.list, on.identity.serial));
    const TKeyListStore::THeader header = list.Open(on.site.ListPath(door));
    TDoorSession& session = on.link.Door();
    if (!parser.isSet(QStringLiteral("yes")))
        return compareOnly(session, header.serial, on.port.name);
    const TSyncCommands::Ending ending = session.WriteChanges(header.serial);
    if (session.Sync().LastWriteRan())
        TSiteJournal(on.site.Folder()).Append(writeEntries(on.identity.serial, session.Sync().LastWrite()));
    return TSyncCommand::ExitCode(session.Sync(), ending, on.port.name);
}

int TCliSiteRound::AddController(const QCommandLineParser& parser) {
    // The list a new door is read into, made before the connection whose session reads into it.
    TCliKeyList list;
    list.Create();
    TSiteConnection on(parser, list);
    const QString serial = on.identity.serial;
    if (const TSiteDoor* door = on.site.DoorOfSerial(serial)) {
        if (TSiteCommand::Json(parser)) {
            TSiteCommand::PrintAdded(parser, *door);
            return VtrkExit::Done;
        }
        TCliOutput::Text(
            tr("Controller %1 is in the site already: %2 (%3)\n").arg(serial, door->Shown(), door->list));
        return VtrkExit::Done;
    }
    const QString listName = TSiteDoorRound::NewListName(serial);
    const QString target = QDir(on.site.Folder()).filePath(listName);
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        throw EVtrkExit(VtrkExit::File, tr("%1 exists already; add it with \"vtrk site add %2\"")
                                            .arg(QDir::toNativeSeparators(target), listName));
    const TCliLink::TFailedSlots failed =
        TReadCommand::ReadInto(on.link, list, on.progress, on.identity, target);
    TSiteDoor door;
    door.serial = serial;
    door.name = parser.isSet(QStringLiteral("name")) ? parser.value(QStringLiteral("name"))
                                                     : on.identity.info.trimmed();
    door.location = parser.value(QStringLiteral("location"));
    door.list = listName;
    on.site.Change([&door](TSiteFile& file) { file.doors.append(door); });
    TSiteCommand::PrintAdded(parser, door);
    if (!failed.IsEmpty())
        TCliOutput::Error(tr("these keys could not be read and are marked unread in the list: %1")
                              .arg(TReadCommand::FailedText(failed.master, failed.slave)));
    return failed.IsEmpty() ? VtrkExit::Done : VtrkExit::FailedSlots;
}
