#pragma once

// A stop asked for by the user (Ctrl-C, SIGTERM, a Cancel button). Raising it is safe from a
// signal handler; long operations look at it between steps and end cleanly there, never mid-frame.
class TStopRequest {
public:
    static void Raise();
    static bool Raised();
    static void Clear();
};
