#pragma once

#include <QList>
#include <QString>

// One port number and the device behind it, as the chooser shows it.
struct TSerPortEntry {
    int number = 0;
    QString path;           // the device node
    QString byIdPath;       // its /dev/serial/by-id name, where the system gives one
    QString description;    // the adapter's maker and product, where the system gives them
    bool accessible = true; // false: the user may not open it (not in the dialout group)
};

// Maps the port numbers 1..50 ("COM n") to device nodes without ever opening a device:
// opening raises DTR and RTS, and some devices reset on that.
//
// Rule: VTRK_COM<n>=<path> in the environment maps n to that path. Every other number counts,
// from 1, through the real UARTs among ttyS* (those whose sysfs type is not 0), then ttyUSB*,
// then ttyACM*, each group in the order of its device number.
class TSerPortMap {
public:
    static constexpr int MaxPort = 50;

    // The device of port n; empty when n names none.
    static QString DevicePath(int number);
    // Whether port n is worth listing: its device exists.
    static bool ProbePort(int number);
    static TSerPortEntry Describe(int number);

    // Tests point the map at a directory tree of their own; empty texts restore /dev and /sys.
    static void SetRoots(const QString& devRoot, const QString& sysRoot);
};
