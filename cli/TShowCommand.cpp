#include "cli/TShowCommand.h"

#include "cli/TCliKeyList.h"
#include "cli/TCliOutput.h"
#include "cli/TCliStop.h"
#include "controller/TKeyTransfer.h"
#include "keys/TKeyPlaceholder.h"
#include "keys/TKeySlot.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>

namespace {
QJsonObject keyJson(const TKeySlot& key, int number) {
    return {{QStringLiteral("number"), number},     {QStringLiteral("recid"), key.recId},
            {QStringLiteral("keyid"), key.keyId},   {QStringLiteral("type"), key.keyType},
            {QStringLiteral("active"), key.active}, {QStringLiteral("code"), key.keyCode},
            {QStringLiteral("note"), key.memo},     {QStringLiteral("unread"), TKeyTransfer::IsUnread(key)}};
}

QString row(const QString& type, const QString& number, const QString& code, const QString& active,
            const QString& note) {
    return QStringLiteral("%1  %2  %3  %4  %5\n")
        .arg(type.leftJustified(4), number.rightJustified(3), code.leftJustified(12), active.leftJustified(6),
             note);
}

QString keyLine(const TKeySlot& key, int number) {
    if (TKeyTransfer::IsUnread(key))
        return row(key.keyType, QString::number(number), key.keyCode, QStringLiteral("?"),
                   TShowCommand::tr("(not read from the controller; read it again)"));
    return row(key.keyType, QString::number(number), key.keyCode,
               key.active ? TShowCommand::tr("yes") : TShowCommand::tr("no"), key.memo);
}
} // namespace

void TShowCommand::Define(QCommandLineParser& parser) const {
    parser.addPositionalArgument(QStringLiteral("file"), tr("The key-list file to show."));
    parser.addOption({QStringLiteral("keys"),
                      tr("Only the slots that hold a key (and those not read, whose key is unknown).")});
}

int TShowCommand::Run(const QCommandLineParser& parser) {
    RequirePositionals(parser, 1);
    const QString path = parser.positionalArguments().constFirst();
    TCliKeyList list;
    const TKeyListStore::THeader header = list.Open(path);
    QJsonObject object{{QStringLiteral("file"), path},
                       {QStringLiteral("serial"), header.serial},
                       {QStringLiteral("info"), header.info}};
    QString text = tr("Controller S/N:  %1\nController Info: %2\n\n").arg(header.serial, header.info) +
                   row(tr("Type"), QStringLiteral("#"), tr("Code"), tr("Active"), tr("Note"));
    const bool keysOnly = parser.isSet(QStringLiteral("keys"));
    for (TKeyView* view : {&list.Master(), &list.Slave()}) {
        QJsonArray keys;
        // "#" is the slot the writes send a record to, whatever its RECID says.
        int slot = 0;
        for (int recNo : view->SlotRecords()) {
            TCliStop::CheckBeforeShowing();
            const TKeySlot key = view->Load(recNo);
            const int number = TKeyTransfer::Number(slot++);
            if (keysOnly && key.keyCode == QLatin1String(TKeyPlaceholder::EmptyCode))
                continue;
            keys.append(keyJson(key, number));
            text += keyLine(key, number);
        }
        object.insert(view == &list.Master() ? QStringLiteral("master") : QStringLiteral("slave"), keys);
    }
    // Printed whole or not at all.
    TCliStop::CheckBeforeShowing();
    if (parser.isSet(QStringLiteral("json")))
        TCliOutput::Json(QJsonDocument(object));
    else
        TCliOutput::Text(text);
    return VtrkExit::Done;
}
