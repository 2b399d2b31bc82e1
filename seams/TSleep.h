#pragma once

// The one blocking pause of the program (the protocol's 100 ms wait). Tests may replace it.
class TSleep {
public:
    using Handler = void (*)(int milliseconds);

    static void ms(int milliseconds);
    // nullptr restores the real pause.
    static void setHandler(Handler handler);
};
