#pragma once

#include "keys/TKeyPlaceholder.h"
#include <QString>

// One key slot of a key list as the CSV files and the enrolment see it.
struct TKeyRecord {
    QChar type;    // 'M' or 'S'
    int recId = 0; // RECID, the grid's "#"
    int slot = 0;  // KEYID, the controller's slot
    QString code;  // KEYCODE: 12 digits, "<EMPTY>" or what the file holds
    bool active = false;
    QString note;
    int recNo = 0; // the record's physical number in the table

    bool HasKey() const { return !code.isEmpty() && code != QLatin1String(TKeyPlaceholder::EmptyCode); }
    bool SameKey(const TKeyRecord& other) const {
        return code == other.code && active == other.active && note == other.note;
    }
};
