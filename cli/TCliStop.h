#pragma once

// Ctrl-C and SIGTERM: the signal only raises a flag; the command looks at it between key slots
// and between line-test cycles and ends there, so the port is closed on the way out and no file
// is left half written.
class TCliStop {
public:
    static void Install();
    static bool Requested();
    // Throws EVtrkExit (interrupted) when a stop was asked for.
    static void Check();
};
