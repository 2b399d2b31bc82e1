#pragma once

#include <QCoreApplication>
#include <QString>

// Ctrl-C and SIGTERM: the signal only raises a flag; the command looks at it between key slots
// and between line-test cycles and ends there, so the port is closed on the way out and no file
// is left half written.
class TCliStop {
    Q_DECLARE_TR_FUNCTIONS(TCliStop)

public:
    static void Install();
    static bool Requested();
    // Throws EVtrkExit (interrupted) when a stop was asked for; said tells what was left behind.
    static void Check(const QString& said);
    // The same, saying that the port is closed.
    static void Check();
    // For commands that print once, at their end: a stop before then ends them with nothing shown.
    static void CheckBeforeShowing();
};
