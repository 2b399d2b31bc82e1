#pragma once

#include "keys/TKeyPlaceholder.h"

#include <QString>

// What is known of the controller, field by field as the Controller Info tab shows it and the
// report prints it. The version gate and the information reads fill it; a key list's header record
// carries the serial number and the information text; the user may edit the information text.
struct TControllerInfoData {
    static QString Unknown() { return QLatin1String(TKeyPlaceholder::Unknown); }
    static QString AcceptedVersionText() { return QStringLiteral("VELM Tarvikon v.1.0"); }
    static QString MaxMasterKeysText() { return QStringLiteral("8"); }
    static QString MaxSlaveKeysText() { return QStringLiteral("128"); }
    static QString KeyTypeText() { return QStringLiteral("Dallas Touch Memory DS-1990A"); }

    // The firmware version code as the controller sent it; empty until a version reply arrived.
    QString versionCode;
    QString programVersion = Unknown();
    QString serial = Unknown();
    QString info = Unknown();
    QString maxMasterKeys = Unknown();
    QString maxSlaveKeys = Unknown();
    QString keyType = Unknown();
    // Never read from the controller; shown and printed as they stand.
    QString memory = Unknown();
    QString lockTime = Unknown();
    QString doorSignal = Unknown();
    QString doorType = Unknown();

    // The gate's fixed values for the supported firmware.
    void AcceptVersion();
    // A refused version: only the program version becomes unknown.
    void RefuseVersion() { programVersion = Unknown(); }
    bool VersionAccepted() const { return programVersion == AcceptedVersionText(); }
};
