#pragma once

#include <QString>

// The 1-Wire server the enrolment uses, remembered between runs.
class TOneWireSettings {
public:
    static QString ServerAddress(); // "localhost:4304" until the user sets another
    static void SetServerAddress(const QString& address);
};
