#pragma once

#include <QCoreApplication>
#include <QString>

class ESerException;
class QCommandLineParser;

// The controller port of a command: "COM3", "com3" or "3" as the first argument, or a device
// path, also as --port /dev/ttyUSB0.
class TCliPortArgument {
    Q_DECLARE_TR_FUNCTIONS(TCliPortArgument)

public:
    struct TChoice {
        int number = 0;
        QString name;     // as messages name it: "COM3", or the device path as given
        int consumed = 0; // positional arguments taken (0 with --port)
    };

    static void Define(QCommandLineParser& parser);
    // Throws EVtrkExit (usage) when no port or no valid one is named.
    // index: the positional argument that names the port (a command with a subcommand names it later).
    static TChoice Resolve(const QCommandLineParser& parser, int index = 0);
    // A device path gets the number that already maps to it, else the highest free number,
    // mapped through VTRK_COM<n> for this process as the port map's rule has it.
    static int NumberForPath(const QString& path);
    // Why a port did not open, in the words of the system it runs on, with the remedy where there
    // is one (the same as the window's port chooser gives).
    static QString OpenFailureText(const QString& name, const ESerException& failure);
};
