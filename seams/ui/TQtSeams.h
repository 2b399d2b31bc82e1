#pragma once

// Installs the windowed program's standard seams: Qt message boxes and file dialogs, and event
// processing while the device layer waits. The port chooser belongs to the serial layer's UI
// (TQtPortChooser::installAsStandard).
class TQtSeams {
public:
    static void install();
};
