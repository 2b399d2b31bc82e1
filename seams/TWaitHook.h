#pragma once

// What a blocking wait on the user-interface thread runs between its checks, so that the window
// stays responsive while the device layer waits for its workers. The windowed program installs
// its event processing; a program without windows has nothing to run.
class TWaitHook {
public:
    using Handler = void (*)();

    static void pump();
    // nullptr: nothing runs.
    static void setHandler(Handler handler);
};
