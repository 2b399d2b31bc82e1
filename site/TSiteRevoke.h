#pragma once

#include "site/TSiteKeyChange.h"

#include <QList>
#include <QString>

class TSite;

// A lost key taken out of every list of the site that holds it active: each slot keeps the code
// and note (so the journal and the lists still tell whose key it was) and becomes inactive, which
// the next synchronise of that door writes as an empty slot.
class TSiteRevoke {
public:
    // One change per door whose list holds the key active; doors whose list cannot be read are
    // in the plan as Failed, with the reason.
    static QList<TSiteKeyChange> Plan(const TSite& site, const QString& code);
};
