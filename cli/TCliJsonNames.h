#pragma once

#include "controller/TKeyTransfer.h"
#include "sync/TKeyDifference.h"

#include <QString>

// The enumerated values of vtrk's JSON documents. Scripts compare them, so they are the same in
// every language: they never come from a text that is shown to a person and may be translated.
class TCliJsonNames {
public:
    // "same", "key added", "code changed", ...
    static QString Kind(TKeyDifference::Kind kind);
    // "Master" or "Slave", as the site's journal and finder name the tables.
    static QString Table(TKeyTransfer::Table table);
};
