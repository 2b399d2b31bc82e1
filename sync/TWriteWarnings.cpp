#include "sync/TWriteWarnings.h"

#include "seams/TMessageBoxes.h"
#include "sync/TKeyDifference.h"
#include "sync/TKeyTables.h"

#include <QMap>

namespace {
struct TPlace {
    QString table;
    int number;
};

QString placeText(const TPlace& place) {
    return QStringLiteral("%1 #%2").arg(place.table).arg(place.number);
}
} // namespace

QStringList TWriteWarnings::Check(const TKeyTables& after, bool writesMaster, bool writesSlave) {
    QStringList warnings;
    if (!writesMaster && !writesSlave)
        return warnings;
    QMap<QString, QList<TPlace>> places; // key code -> active slots holding it
    bool activeMaster = false;
    for (TKeyTransfer::Table table : TKeyTables::Tables) {
        const TMemoryKeyView& view = after.View(table);
        for (int slot = 0; slot < view.SlotCount(); ++slot) {
            const TKeySlot& key = view.Slot(slot);
            const QString code = TKeyDifference::NormalCode(key);
            if (!key.active || code.isEmpty())
                continue;
            activeMaster = activeMaster || table == TKeyTransfer::Table::Master;
            places[code].append({TKeyTables::TableName(table).toLower(), slot + 1});
        }
    }
    if (writesMaster && !activeMaster)
        warnings << QStringLiteral("No active master key would remain: the controller could no longer be "
                                   "programmed with a master key.");
    for (auto it = places.cbegin(); it != places.cend(); ++it) {
        if (it->size() < 2)
            continue;
        bool master = false, slave = false;
        QStringList where;
        for (const TPlace& place : *it) {
            (place.table == QStringLiteral("master") ? master : slave) = true;
            where << placeText(place);
        }
        warnings << (master && slave ? QStringLiteral("The slave key %1 is also a master key (%2).")
                                     : QStringLiteral("The key %1 appears more than once (%2)."))
                        .arg(it.key(), where.join(QStringLiteral(", ")));
    }
    return warnings;
}

QString TWriteWarnings::Question(const QStringList& warnings) {
    if (warnings.isEmpty())
        return QString();
    return QStringLiteral("Before writing to the controller:\r") + warnings.join(QLatin1Char('\r')) +
           QStringLiteral("\rDo you want to continue?");
}

bool TWriteWarnings::Confirm(const TKeyTables& after, bool writesMaster, bool writesSlave,
                             TMessageBoxes& boxes) {
    const QString question = Question(Check(after, writesMaster, writesSlave));
    return question.isEmpty() || boxes.confirmOkCancel(question);
}
