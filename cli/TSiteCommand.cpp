#include "cli/TSiteCommand.h"

#include "cli/TCliOtherController.h"
#include "cli/TCliOutput.h"
#include "cli/TCliSiteJournal.h"
#include "cli/TCliSiteKeys.h"
#include "cli/TCliSiteRound.h"
#include "site/ESiteError.h"
#include "site/TSite.h"
#include "site/TSiteStatus.h"
#include "sync/TKeyComparison.h"
#include "sync/TKeyListFile.h"
#include "sync/TKeyTables.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace {
QJsonValue timeJson(const QDateTime& time) {
    return time.isValid() ? QJsonValue(time.toUTC().toString(Qt::ISODate)) : QJsonValue();
}

QString timeText(const QDateTime& time) {
    return time.isValid() ? time.toUTC().toString(Qt::ISODate) : QStringLiteral("-");
}

QJsonArray stringArray(const QStringList& list) {
    return QJsonArray::fromStringList(list);
}

void addOption(QCommandLineParser& parser, const QString& name, const QString& text,
               const QString& value = {}) {
    parser.addOption(value.isEmpty() ? QCommandLineOption(name, text)
                                     : QCommandLineOption(name, text, value));
}
} // namespace

void TSiteCommand::Define(QCommandLineParser& parser) const {
    parser.addPositionalArgument(QStringLiteral("subcommand"),
                                 tr("create, add PORT|LIST, status, find CODE|TEXT, revoke CODE, "
                                    "give CODE --to DOOR..., round PORT, journal"),
                                 QStringLiteral("SUBCOMMAND [argument]"));
    addOption(parser, QStringLiteral("site"), tr("The site folder (default: the current folder)."),
              QStringLiteral("dir"));
    parser.addOption({{QStringLiteral("y"), QStringLiteral("yes")},
                      tr("Carry out revoke, give and round; without it they show the plan only.")});
    addOption(parser, QStringLiteral("name"), tr("create: the site's name; add: the door's name."),
              QStringLiteral("text"));
    addOption(parser, QStringLiteral("location"), tr("add: where the door is."), QStringLiteral("text"));
    addOption(parser, QStringLiteral("to"), tr("give: a door (name, list or serial); repeat it."),
              QStringLiteral("door"));
    addOption(parser, QStringLiteral("note"), tr("give: the key's note."), QStringLiteral("text"));
    addOption(parser, QStringLiteral("slot"),
              tr("give: the slot in every door, M1..M8 or S1..S128 (default: the first free slave slot)."),
              QStringLiteral("slot"));
    addOption(parser, QStringLiteral("door"),
              tr("journal: only this door's lines; round: link this door's list to the controller."),
              QStringLiteral("door"));
    addOption(parser, QStringLiteral("key"), tr("journal: only lines of this key."), QStringLiteral("code"));
    addOption(parser, QStringLiteral("since"), tr("journal: lines from this time on (UTC)."),
              QStringLiteral("time"));
    addOption(parser, QStringLiteral("until"), tr("journal: lines before this time (UTC)."),
              QStringLiteral("time"));
    addOption(parser, QStringLiteral("csv"), tr("journal: as CSV."));
    addOption(parser, QStringLiteral("port"), tr("add, round: the controller port as a device path."),
              QStringLiteral("device"));
    TCliOtherController::Define(parser);
}

QString TSiteCommand::SiteFolder(const QCommandLineParser& parser) {
    const QString folder = parser.value(QStringLiteral("site"));
    return QDir(folder.isEmpty() ? QDir::currentPath() : folder).absolutePath();
}

bool TSiteCommand::Json(const QCommandLineParser& parser) {
    return parser.isSet(QStringLiteral("json"));
}

QString TSiteCommand::Argument(const QCommandLineParser& parser, const QString& what) {
    const QStringList given = parser.positionalArguments();
    if (given.size() < 2 || given[1].isEmpty())
        throw EVtrkExit(VtrkExit::Usage, tr("%1 is missing").arg(what));
    if (given.size() > 2)
        throw EVtrkExit(VtrkExit::Usage, tr("too many arguments: \"%1\"").arg(given[2]));
    return given[1];
}

TSite TSiteCommand::OpenSite(const QCommandLineParser& parser) {
    try {
        return TSite::Load(SiteFolder(parser));
    } catch (const ESiteError& e) {
        throw EVtrkExit(VtrkExit::File, e.Text());
    }
}

int TSiteCommand::Run(const QCommandLineParser& parser) {
    const QString subcommand = parser.positionalArguments().value(0);
    try {
        if (subcommand == QLatin1String("create"))
            return Create(parser);
        if (subcommand == QLatin1String("add"))
            return Add(parser);
        if (subcommand == QLatin1String("status"))
            return Status(parser);
        if (subcommand == QLatin1String("find"))
            return TCliSiteKeys::Find(parser);
        if (subcommand == QLatin1String("revoke"))
            return TCliSiteKeys::Revoke(parser);
        if (subcommand == QLatin1String("give"))
            return TCliSiteKeys::Give(parser);
        if (subcommand == QLatin1String("round"))
            return TCliSiteRound::Round(parser);
        if (subcommand == QLatin1String("journal"))
            return TCliSiteJournal::Journal(parser);
    } catch (const ESiteError& e) {
        throw EVtrkExit(VtrkExit::File, e.Text());
    }
    throw EVtrkExit(VtrkExit::Usage,
                    subcommand.isEmpty()
                        ? tr("a subcommand is missing; \"vtrk site --help\" lists them")
                        : tr("unknown subcommand \"%1\"; \"vtrk site --help\" lists them").arg(subcommand));
}

int TSiteCommand::Create(const QCommandLineParser& parser) {
    if (parser.positionalArguments().size() > 1)
        throw EVtrkExit(VtrkExit::Usage, tr("create takes no argument; give the folder as --site DIR"));
    const TSite::TCreated created = TSite::Create(SiteFolder(parser), parser.value(QStringLiteral("name")));
    if (Json(parser)) {
        TCliOutput::Json(
            QJsonDocument(QJsonObject{{QStringLiteral("site"), created.site.FilePath()},
                                      {QStringLiteral("added"), stringArray(created.added)},
                                      {QStringLiteral("noController"), stringArray(created.noController)},
                                      {QStringLiteral("conflicts"), stringArray(created.conflicts)},
                                      {QStringLiteral("refused"), stringArray(created.refused)}}));
    } else {
        QString text = tr("%1: %2 doors\n")
                           .arg(QDir::toNativeSeparators(created.site.FilePath()))
                           .arg(created.added.size());
        for (const QString& list : created.noController)
            text += tr("  %1: no controller yet (the door round links it)\n").arg(list);
        for (const QString& conflict : created.conflicts)
            text += tr("  conflict, one serial number in several lists, none added: %1\n").arg(conflict);
        for (const QString& refused : created.refused)
            text += tr("  not a key list: %1\n").arg(refused);
        TCliOutput::Text(text);
    }
    return created.conflicts.isEmpty() && created.refused.isEmpty() ? VtrkExit::Done : VtrkExit::FailedSlots;
}

int TSiteCommand::Add(const QCommandLineParser& parser) {
    const QString given =
        parser.isSet(QStringLiteral("port")) ? QString() : Argument(parser, tr("the port or list"));
    if (given.isEmpty() || !given.endsWith(QLatin1String(".dbf"), Qt::CaseInsensitive))
        return TCliSiteRound::AddController(parser);
    TSite site = OpenSite(parser);
    const QString path = QFileInfo(given).absoluteFilePath();
    const QString relative = QDir(site.Folder()).relativeFilePath(path);
    if (relative.startsWith(QLatin1String("..")))
        throw EVtrkExit(VtrkExit::File,
                        tr("%1 is not in the site folder %2")
                            .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(site.Folder())));
    TKeyListFile::Read(path); // refuses what is not a key list, naming it
    TSiteDoor door;
    const QString serial = TKeyListFile::HeaderSerial(path);
    door.serial = TKeyComparison::IsKnownSerial(serial) ? serial : QString();
    door.name = parser.isSet(QStringLiteral("name")) ? parser.value(QStringLiteral("name"))
                                                     : QFileInfo(path).completeBaseName();
    door.location = parser.value(QStringLiteral("location"));
    door.list = relative;
    site.Change([&door](TSiteFile& file) { file.doors.append(door); });
    PrintAdded(parser, door);
    return VtrkExit::Done;
}

void TSiteCommand::PrintAdded(const QCommandLineParser& parser, const TSiteDoor& door) {
    if (Json(parser)) {
        TCliOutput::Json(QJsonDocument(QJsonObject{{QStringLiteral("name"), door.name},
                                                   {QStringLiteral("location"), door.location},
                                                   {QStringLiteral("serial"), door.serial},
                                                   {QStringLiteral("list"), door.list}}));
        return;
    }
    TCliOutput::Text(door.HasController()
                         ? tr("%1 added: %2, controller %3\n").arg(door.Shown(), door.list, door.serial)
                         : tr("%1 added: %2, no controller yet\n").arg(door.Shown(), door.list));
}

int TSiteCommand::Status(const QCommandLineParser& parser) {
    if (parser.positionalArguments().size() > 1)
        throw EVtrkExit(VtrkExit::Usage, tr("status takes no argument"));
    const TSite site = OpenSite(parser);
    const QList<TSiteStatus> doors = TSiteStatus::Of(site);
    QJsonArray array;
    QString text;
    for (const TSiteStatus& status : doors) {
        array.append(QJsonObject{{QStringLiteral("name"), status.door.name},
                                 {QStringLiteral("location"), status.door.location},
                                 {QStringLiteral("serial"), status.door.serial},
                                 {QStringLiteral("list"), status.door.list},
                                 {QStringLiteral("lastRead"), timeJson(status.lastRead)},
                                 {QStringLiteral("lastWritten"), timeJson(status.lastWritten)},
                                 {QStringLiteral("state"), TSiteStatus::StateName(status.state)},
                                 {QStringLiteral("changes"), status.changes},
                                 {QStringLiteral("text"), status.Text()}});
        text += tr("%1  %2  %3  read %4  written %5  %6\n")
                    .arg(status.door.Shown().leftJustified(20), status.door.serial.leftJustified(10),
                         status.door.list.leftJustified(16), timeText(status.lastRead),
                         timeText(status.lastWritten), status.Text());
    }
    if (Json(parser))
        TCliOutput::Json(QJsonDocument(array));
    else
        TCliOutput::Text(text.isEmpty() ? tr("The site has no doors yet.\n") : text);
    return VtrkExit::Done;
}
