#pragma once

// What the exchange routines need from the window that owns the port: a way to let the user
// choose and open it when a routine finds it closed.
class TControllerPortOpener {
public:
    virtual ~TControllerPortOpener() = default;
    virtual void OpenControllerPort() = 0;
};
