#pragma once

#include "serial/TSerCustomComPort.h"

// The port component the main window holds (DallasPort). The main window's layout gives it
// Baud 9600 and AutoOpen false; everything else keeps the class defaults.
class TSerComPort : public TSerCustomComPort {
    Q_OBJECT
public:
    explicit TSerComPort(QObject* parent = nullptr) : TSerCustomComPort(parent) {}
};
