#pragma once

#include "keys/TKeyPlaceholder.h"

#include <QString>

// One key slot: a record of a key list, a slot of the controller's tables, a row of a CSV file.
// The fields carry the key list's names (RECID, KEYID, KEYTYPE, KEYSTATUS, KEYCODE, KEYMEMO).
struct TKeySlot {
    int recId = 0;   // the grid's "#", counted from 1
    int keyId = 0;   // the controller's slot, counted from 0
    QString keyType; // "M" or "S"
    bool active = false;
    QString keyCode; // 12 digits, "<EMPTY>", "<UNREAD>" or what the file holds
    QString memo;
    int recNo = 0; // the record's physical number in its table, where it came from one

    bool HasKey() const { return !keyCode.isEmpty() && keyCode != QLatin1String(TKeyPlaceholder::EmptyCode); }
    bool SameKey(const TKeySlot& other) const {
        return keyCode == other.keyCode && active == other.active && memo == other.memo;
    }
};
