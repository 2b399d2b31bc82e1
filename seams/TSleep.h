#pragma once

// The one blocking pause of the program (the protocol's 100 ms wait). Tests may replace it.
class TSleep {
public:
    using Handler = void (*)(int milliseconds);

    static void ms(int milliseconds);
    // nullptr restores the real pause.
    static void setHandler(Handler handler);
    // Pauses of LongPauseMs and more (the protocol's pause between frames, not the short steps
    // of waiting for a reply) last percent of their time; for test runs of a whole program
    // against the simulator, which needs no pause between frames.
    static constexpr int LongPauseMs = 100;
    static void scaleLongPauses(int percent);
};
