#include "cli/TCliSiteJournal.h"

#include "cli/TCliJsonNames.h"
#include "cli/TCliOutput.h"
#include "cli/TSiteCommand.h"
#include "site/TSite.h"
#include "site/TSiteJournal.h"
#include "site/TSiteQuery.h"
#include "sync/TKeyTables.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>

namespace {
QDateTime timeOption(const QCommandLineParser& parser, const QString& name) {
    const QString text = parser.value(name);
    if (text.isEmpty())
        return QDateTime();
    QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    if (!time.isValid()) {
        // A bare day counts from its start, in UTC like the journal.
        const QDate day = QDate::fromString(text, Qt::ISODate);
        if (day.isValid())
            time = QDateTime(day, QTime(0, 0), Qt::UTC);
    }
    if (!time.isValid())
        throw EVtrkExit(VtrkExit::Usage,
                        TCliSiteJournal::tr("--%1 \"%2\" is not a time: give 2026-12-10 or 2026-12-10T14:00Z")
                            .arg(name, text));
    if (time.timeSpec() == Qt::LocalTime)
        time.setTimeSpec(Qt::UTC);
    return time.toUTC();
}

// The journal names what changed by a word of its own file ("list", "controller"); shown to a
// person it is said in the language.
QString kindText(const QString& kind) {
    if (kind == QLatin1String("list"))
        return TCliSiteJournal::tr("list");
    if (kind == QLatin1String("controller"))
        return TCliSiteJournal::tr("controller");
    return kind;
}

TSiteJournal::TFilter filterOf(const QCommandLineParser& parser, const TSite& site) {
    TSiteJournal::TFilter filter;
    if (parser.isSet(QStringLiteral("key"))) {
        QString error;
        const TSiteQuery query = TSiteQuery::Code(parser.value(QStringLiteral("key")), &error);
        if (query.codes.size() != 1)
            throw EVtrkExit(VtrkExit::Usage, TCliSiteJournal::tr("--key: not one key code %1").arg(error));
        filter.code = query.codes.constFirst();
    }
    if (parser.isSet(QStringLiteral("door"))) {
        const TSiteDoor* door = site.FindDoor(parser.value(QStringLiteral("door")));
        if (!door)
            throw EVtrkExit(
                VtrkExit::Usage,
                TCliSiteJournal::tr("the site has no door \"%1\"").arg(parser.value(QStringLiteral("door"))));
        filter.names = QStringList{door->list};
        if (door->HasController())
            filter.names.append(door->serial);
    }
    filter.since = timeOption(parser, QStringLiteral("since"));
    filter.until = timeOption(parser, QStringLiteral("until"));
    return filter;
}
} // namespace

int TCliSiteJournal::Journal(const QCommandLineParser& parser) {
    if (parser.positionalArguments().size() > 1)
        throw EVtrkExit(VtrkExit::Usage,
                        tr("journal takes no argument; filter with --key, --door, --since, --until"));
    const TSite site = TSiteCommand::OpenSite(parser);
    const QList<TSiteJournal::TEntry> entries = TSiteJournal(site.Folder()).Read(filterOf(parser, site));
    if (parser.isSet(QStringLiteral("csv"))) {
        TCliOutput::Text(TSiteJournal::Csv(entries));
        return VtrkExit::Done;
    }
    QJsonArray array;
    QString text;
    for (const TSiteJournal::TEntry& entry : entries) {
        array.append(QJsonObject{{QStringLiteral("time"), entry.time.toString(Qt::ISODate)},
                                 {QStringLiteral("user"), entry.user},
                                 {QStringLiteral("kind"), entry.kind},
                                 {QStringLiteral("name"), entry.name},
                                 {QStringLiteral("table"), TCliJsonNames::Table(entry.table)},
                                 {QStringLiteral("number"), entry.number},
                                 {QStringLiteral("old"), entry.before},
                                 {QStringLiteral("new"), entry.after}});
        text += QStringLiteral("%1  %2  %3 %4  %5 #%6: %7 -> %8\n")
                    .arg(entry.time.toString(Qt::ISODate), entry.user, kindText(entry.kind), entry.name,
                         TKeyTables::TableName(entry.table))
                    .arg(entry.number)
                    .arg(entry.before, entry.after);
    }
    if (TSiteCommand::Json(parser))
        TCliOutput::Json(QJsonDocument(array));
    else
        TCliOutput::Text(text.isEmpty() ? tr("No journal lines.\n") : text);
    return VtrkExit::Done;
}
