#pragma once

#include <QStringList>

#include <memory>

class TAboutForm;
class TLineTestFrm;
class TDBEditFrm;
class TFindKeyFrm;
class TMainFrm;
class TProgressFrm;
class TShowNoteForm;

// The program's windows, created once at start-up in a fixed order and living until it ends.
// The main window owns the others.
class TAppForms {
public:
    TAppForms();
    ~TAppForms();

    // Creates the windows in order. A window whose creation throws ends the creation there; the
    // ones made before it stay.
    void create();

    TMainFrm* MainFrm = nullptr;
    TProgressFrm* ProgressFrm = nullptr;
    TLineTestFrm* LineTestFrm = nullptr;
    TShowNoteForm* ShowNoteForm = nullptr;
    TAboutForm* AboutForm = nullptr;
    TDBEditFrm* DBEditFrm = nullptr;
    TFindKeyFrm* FindKeyFrm = nullptr;

    // The object names of the windows in the order they were created.
    QStringList CreationOrder;

private:
    std::unique_ptr<TMainFrm> Main;
};
