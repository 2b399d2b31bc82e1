#pragma once

#include <QString>

// One key record's fields as a slot of the controller carries them.
struct TKeySlot {
    int recId = 0;
    int keyId = 0;
    QString keyType; // "M" or "S"
    bool active = false;
    QString keyCode;
    QString memo;
};
