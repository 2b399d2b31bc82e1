#include "cli/TCliSiteKeys.h"

#include "cli/TCliJsonNames.h"
#include "cli/TCliOutput.h"
#include "cli/TSiteCommand.h"
#include "keylist/TKeyNote.h"
#include "site/TSite.h"
#include "site/TSiteFinder.h"
#include "site/TSiteGive.h"
#include "site/TSiteJournal.h"
#include "site/TSiteListWriter.h"
#include "site/TSiteQuery.h"
#include "site/TSiteRevoke.h"
#include "sync/TKeyTables.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>

namespace {
using Outcome = TSiteKeyChange::Outcome;

QString outcomeName(Outcome outcome) {
    switch (outcome) {
    case Outcome::Planned:
        return QStringLiteral("planned");
    case Outcome::Saved:
        return QStringLiteral("saved");
    case Outcome::Failed:
        return QStringLiteral("failed");
    case Outcome::Skipped:
        return QStringLiteral("skipped");
    case Outcome::InOpenList:
        return QStringLiteral("changed in the open window");
    }
    return QString();
}

// The outcome as a person reads it; the JSON keeps outcomeName's words.
QString outcomeText(Outcome outcome) {
    switch (outcome) {
    case Outcome::Planned:
        return TCliSiteKeys::tr("planned");
    case Outcome::Saved:
        return TCliSiteKeys::tr("saved");
    case Outcome::Failed:
        return TCliSiteKeys::tr("failed");
    case Outcome::Skipped:
        return TCliSiteKeys::tr("skipped");
    case Outcome::InOpenList:
        return TCliSiteKeys::tr("changed in the open window");
    }
    return QString();
}

QJsonObject hitJson(const TSiteFinder::THit& hit) {
    return {{QStringLiteral("door"), hit.door.Shown()},
            {QStringLiteral("serial"), hit.door.serial},
            {QStringLiteral("list"), hit.door.list},
            {QStringLiteral("source"), hit.inSnapshot ? QStringLiteral("snapshot") : QStringLiteral("list")},
            {QStringLiteral("snapshotTime"),
             hit.inSnapshot ? QJsonValue(hit.snapshotTime.toString(Qt::ISODate)) : QJsonValue()},
            {QStringLiteral("table"), TCliJsonNames::Table(hit.table)},
            {QStringLiteral("number"), hit.number},
            {QStringLiteral("code"), hit.code},
            {QStringLiteral("active"), hit.active},
            {QStringLiteral("note"), hit.note},
            {QStringLiteral("toVisit"), hit.toVisit}};
}

QString hitText(const TSiteFinder::THit& hit) {
    const QString source = hit.inSnapshot ? TCliSiteKeys::tr("controller %1 (%2)")
                                                .arg(hit.door.serial, hit.snapshotTime.toString(Qt::ISODate))
                                          : TCliSiteKeys::tr("list %1").arg(hit.door.list);
    return QStringLiteral("%1  %2  %3 #%4  %5  %6  \"%7\"%8\n")
        .arg(hit.door.Shown(), source, TKeyTables::TableName(hit.table))
        .arg(hit.number)
        .arg(hit.code.isEmpty() ? QStringLiteral("<EMPTY>") : hit.code,
             hit.active ? TCliSiteKeys::tr("active") : TCliSiteKeys::tr("inactive"), hit.note,
             hit.toVisit ? TCliSiteKeys::tr("  still active in the controller: visit the door") : QString());
}

QJsonObject changeJson(const TSiteKeyChange& change) {
    QJsonArray edits;
    for (const TSiteKeyChange::TSlot& slot : change.edits)
        edits.append(QJsonObject{{QStringLiteral("table"), TCliJsonNames::Table(slot.table)},
                                 {QStringLiteral("number"), slot.Number()},
                                 {QStringLiteral("old"), TSiteJournal::SlotText(slot.before)},
                                 {QStringLiteral("new"), TSiteJournal::SlotText(slot.after)}});
    return {{QStringLiteral("door"), change.door.Shown()},
            {QStringLiteral("list"), change.door.list},
            {QStringLiteral("outcome"), outcomeName(change.outcome)},
            {QStringLiteral("reason"), change.reason},
            {QStringLiteral("slots"), edits}};
}

QString changeText(const TSiteKeyChange& change) {
    QString text = QStringLiteral("%1 (%2): %3%4\n")
                       .arg(change.door.Shown(), change.door.list, outcomeText(change.outcome),
                            change.reason.isEmpty() ? QString() : QStringLiteral(", ") + change.reason);
    for (const TSiteKeyChange::TSlot& slot : change.edits)
        text += QStringLiteral("  %1 #%2: %3 -> %4\n")
                    .arg(TKeyTables::TableName(slot.table))
                    .arg(slot.Number())
                    .arg(TSiteJournal::SlotText(slot.before), TSiteJournal::SlotText(slot.after));
    return text;
}

QString readCode(const QCommandLineParser& parser) {
    QString error;
    const TSiteQuery query =
        TSiteQuery::Code(TSiteCommand::Argument(parser, TCliSiteKeys::tr("the key code")), &error);
    if (query.codes.size() != 1)
        throw EVtrkExit(
            VtrkExit::Usage,
            query.codes.size() > 1
                ? TCliSiteKeys::tr("the code reads two ways (%1 or engraved %2): write it with its family "
                                   "byte, e.g. 01.%1")
                      .arg(query.codes[0], query.codes[1])
                : TCliSiteKeys::tr("not a key code: %1").arg(error));
    return query.codes.constFirst();
}

// Shows the plan or, with --yes, saves it; then the doors whose controllers still hold the key.
int carryOut(const QCommandLineParser& parser, const TSite& site, const QString& code,
             QList<TSiteKeyChange>& plan) {
    const bool confirmed = parser.isSet(QStringLiteral("yes"));
    bool pending = false;
    for (const TSiteKeyChange& change : plan)
        pending = pending || (change.Changes() && change.outcome == Outcome::Planned);
    TSiteJournal journal(site.Folder());
    if (confirmed)
        TSiteListWriter::Apply(site, plan, journal);
    const QStringList toVisit = TSiteFinder::DoorsToVisit(TSiteFinder::Find(site, TSiteQuery{{code}, {}}));
    bool failed = false;
    QJsonArray lists;
    QString text;
    for (const TSiteKeyChange& change : plan) {
        failed = failed || change.outcome == Outcome::Failed;
        lists.append(changeJson(change));
        text += changeText(change);
    }
    if (TSiteCommand::Json(parser)) {
        TCliOutput::Json(
            QJsonDocument(QJsonObject{{QStringLiteral("code"), code},
                                      {QStringLiteral("changed"), confirmed},
                                      {QStringLiteral("lists"), lists},
                                      {QStringLiteral("toVisit"), QJsonArray::fromStringList(toVisit)}}));
    } else {
        if (text.isEmpty())
            text = TCliSiteKeys::tr("No list of the site needs a change for %1.\n").arg(code);
        if (!toVisit.isEmpty())
            text += TCliSiteKeys::tr(
                        "Doors to synchronise (their controller held the key active when last seen): %1\n")
                        .arg(toVisit.join(QStringLiteral(", ")));
        TCliOutput::Text(text);
    }
    if (!confirmed && pending)
        throw EVtrkExit(VtrkExit::NotConfirmed,
                        TCliSiteKeys::tr("the plan only; nothing was changed (--yes carries it out)"));
    return failed ? VtrkExit::FailedSlots : VtrkExit::Done;
}

TSiteGive::TTarget slotChoice(const QCommandLineParser& parser) {
    TSiteGive::TTarget target;
    const QString slot = parser.value(QStringLiteral("slot"));
    if (slot.isEmpty())
        return target;
    static const QRegularExpression form(QStringLiteral("^([MS])#?(\\d{1,3})$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(slot);
    const bool master = match.hasMatch() && match.captured(1).toUpper() == QLatin1String("M");
    const int number = match.captured(2).toInt();
    if (!match.hasMatch() || number < 1 || number > (master ? 8 : 128))
        throw EVtrkExit(VtrkExit::Usage,
                        TCliSiteKeys::tr("\"%1\" is not a slot: give M1..M8 or S1..S128").arg(slot));
    target.table = master ? TKeyTransfer::Table::Master : TKeyTransfer::Table::Slave;
    target.slot = number - 1;
    return target;
}
} // namespace

int TCliSiteKeys::Find(const QCommandLineParser& parser) {
    const TSiteQuery query =
        TSiteQuery::Parse(TSiteCommand::Argument(parser, tr("the key code or note text")));
    const TSite site = TSiteCommand::OpenSite(parser);
    QStringList unreadable;
    const QList<TSiteFinder::THit> hits = TSiteFinder::Find(site, query, &unreadable);
    for (const QString& list : unreadable)
        TCliOutput::Error(tr("not searched: %1").arg(list));
    if (TSiteCommand::Json(parser)) {
        QJsonArray array;
        for (const TSiteFinder::THit& hit : hits)
            array.append(hitJson(hit));
        TCliOutput::Json(
            QJsonDocument(QJsonObject{{QStringLiteral("codes"), QJsonArray::fromStringList(query.codes)},
                                      {QStringLiteral("text"), query.text},
                                      {QStringLiteral("hits"), array}}));
    } else {
        QString text;
        for (const TSiteFinder::THit& hit : hits)
            text += hitText(hit);
        TCliOutput::Text(text.isEmpty() ? tr("Not found in the site.\n") : text);
    }
    if (!unreadable.isEmpty())
        return VtrkExit::File;
    return hits.isEmpty() ? VtrkExit::FailedSlots : VtrkExit::Done;
}

int TCliSiteKeys::Revoke(const QCommandLineParser& parser) {
    const QString code = readCode(parser);
    const TSite site = TSiteCommand::OpenSite(parser);
    QList<TSiteKeyChange> plan = TSiteRevoke::Plan(site, code);
    return carryOut(parser, site, code, plan);
}

int TCliSiteKeys::Give(const QCommandLineParser& parser) {
    const QString code = readCode(parser);
    const QString note = parser.isSet(QStringLiteral("note"))
                             ? TKeyNote::Composed(parser.value(QStringLiteral("note")))
                             : QString();
    const QString refusal = note.isEmpty() ? QString() : TKeyNote::Refusal(note);
    if (!refusal.isEmpty())
        throw EVtrkExit(VtrkExit::Usage, tr("the note cannot be stored: %1").arg(refusal));
    const TSite site = TSiteCommand::OpenSite(parser);
    const QStringList doors = parser.values(QStringLiteral("to"));
    if (doors.isEmpty())
        throw EVtrkExit(VtrkExit::Usage, tr("name the doors with --to DOOR (repeat it for each)"));
    QList<TSiteGive::TTarget> targets;
    for (const QString& name : doors) {
        const TSiteDoor* door = site.FindDoor(name);
        if (!door)
            throw EVtrkExit(VtrkExit::Usage, tr("the site has no door \"%1\"").arg(name));
        TSiteGive::TTarget target = slotChoice(parser);
        target.door = *door;
        targets.append(target);
    }
    QList<TSiteKeyChange> plan = TSiteGive::Plan(site, code, note, targets);
    return carryOut(parser, site, code, plan);
}
