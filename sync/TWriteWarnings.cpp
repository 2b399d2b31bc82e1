#include "sync/TWriteWarnings.h"

#include "seams/TMessageBoxes.h"
#include "sync/TKeyDifference.h"
#include "sync/TKeyTables.h"

#include <QMap>

namespace {
struct TPlace {
    TKeyTransfer::Table table;
    int number;
};

QString placeText(const TPlace& place) {
    return (place.table == TKeyTransfer::Table::Master ? TWriteWarnings::tr("master #%1")
                                                       : TWriteWarnings::tr("slave #%1"))
        .arg(place.number);
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
            places[code].append({table, slot + 1});
        }
    }
    if (writesMaster && !activeMaster)
        warnings << tr("No active master key would remain: the controller could no longer be "
                       "programmed with a master key.");
    for (auto it = places.cbegin(); it != places.cend(); ++it) {
        if (it->size() < 2)
            continue;
        bool master = false, slave = false;
        QStringList where;
        for (const TPlace& place : *it) {
            (place.table == TKeyTransfer::Table::Master ? master : slave) = true;
            where << placeText(place);
        }
        warnings << (master && slave ? tr("The slave key %1 is also a master key (%2).")
                                     : tr("The key %1 appears more than once (%2)."))
                        .arg(it.key(), where.join(QStringLiteral(", ")));
    }
    return warnings;
}

QString TWriteWarnings::Question(const QStringList& warnings) {
    if (warnings.isEmpty())
        return QString();
    return tr("Before writing to the controller:\r%1\rDo you want to continue?")
        .arg(warnings.join(QLatin1Char('\r')));
}

bool TWriteWarnings::Confirm(const TKeyTables& after, bool writesMaster, bool writesSlave,
                             TMessageBoxes& boxes) {
    const QString question = Question(Check(after, writesMaster, writesSlave));
    return question.isEmpty() || boxes.confirmOkCancel(question);
}
