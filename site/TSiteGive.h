#pragma once

#include "site/TSiteKeyChange.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class TSite;

// One key given to several doors at once: into a chosen slot, or the first free slave slot of
// each door's list. A slot marked unread is never free, and a slot holding another active key is
// never taken.
class TSiteGive {
    Q_DECLARE_TR_FUNCTIONS(TSiteGive)

public:
    struct TTarget {
        TSiteDoor door;
        TKeyTransfer::Table table = TKeyTransfer::Table::Slave;
        int slot = -1; // -1: an inactive slot holding this key, else the first free slave slot
    };

    static QList<TSiteKeyChange> Plan(const TSite& site, const QString& code, const QString& note,
                                      const QList<TTarget>& targets);
    // A slot a new key may take: not active, no code, not marked unread.
    static bool IsFree(const TKeySlot& key);
};
