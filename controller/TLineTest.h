#pragma once

class TSerDataPort;

// The line test's cycle: the input discarded, the line-test frame out, the 100 ms pause, one byte
// in. The window and the command line run cycles and show the counts; a failing write or read is
// an unacknowledged cycle and still costs its 100 ms, so a refused port can never make a run spin.
class TLineTest {
public:
    explicit TLineTest(TSerDataPort& port) : port(port) {}

    // One counted cycle; true when the controller acknowledged it. A port that cannot discard its
    // input throws (ESerException): that ends the run. A line that hung up ends it too, quietly:
    // the cycle is not counted and LineLost() tells.
    bool Cycle();
    bool LineLost() const;
    // One cycle without the discard, uncounted: true for "Z".
    static bool RunCycle(TSerDataPort& port);

    long long Acknowledged() const { return acknowledged; }
    long long Unacknowledged() const { return unacknowledged; }
    void Reset() { acknowledged = unacknowledged = 0; }

private:
    TSerDataPort& port;
    long long acknowledged = 0;
    long long unacknowledged = 0;
};
