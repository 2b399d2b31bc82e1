#pragma once

// The port chooser an opening without a port number shows. Tests install their own.
class TPortChooser {
public:
    virtual ~TPortChooser();

    // The number chosen with OK; 0 when the chooser was closed any other way. OK with nothing
    // to choose throws EConvertError.
    virtual int ChoosePort() = 0;

    static TPortChooser& instance();
    // Installs the chooser used from now on; the caller keeps ownership. nullptr restores the standard one.
    static void setInstance(TPortChooser* chooser);
    // The standard chooser, installed by the windowed program; without it the chooser is cancelled.
    static void setStandard(TPortChooser* chooser);
};

inline TPortChooser& PortChooser() {
    return TPortChooser::instance();
}
