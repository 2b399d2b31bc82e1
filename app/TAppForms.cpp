#include "app/TAppForms.h"

#include "app/TAboutForm.h"
#include "app/TMainFrm.h"
#include "app/TProgressFrm.h"
#include "app/TShowNoteForm.h"
#include "controller/ui/TLineTestFrm.h"
#include "keylist/ui/TDBEditFrm.h"
#include "keylist/ui/TFindKeyFrm.h"
#include "serial/TSerComPort.h"

TAppForms::TAppForms() = default;

TAppForms::~TAppForms() = default;

void TAppForms::create() {
    Main = std::make_unique<TMainFrm>();
    MainFrm = Main.get();
    CreationOrder.append(MainFrm->objectName());

    TMainFrm* main = MainFrm;
    DBEditFrm = new TDBEditFrm(
        MainFrm->Store(), [main] { return main->ActivePage(); }, MainFrm);
    CreationOrder.append(DBEditFrm->objectName());

    ProgressFrm = new TProgressFrm(MainFrm);
    CreationOrder.append(ProgressFrm->objectName());

    LineTestFrm = new TLineTestFrm(MainFrm->Port(), *MainFrm, MainFrm);
    CreationOrder.append(LineTestFrm->objectName());

    // Made once like every window, though each note is shown in a viewer of its own.
    ShowNoteForm = new TShowNoteForm(MainFrm);
    CreationOrder.append(ShowNoteForm->objectName());

    AboutForm = new TAboutForm(MainFrm);
    CreationOrder.append(AboutForm->objectName());

    FindKeyFrm = new TFindKeyFrm(
        MainFrm->Store(), [main] { return main->ActivePage(); }, MainFrm);
    CreationOrder.append(FindKeyFrm->objectName());

    MainFrm->UseDialogs({ProgressFrm, AboutForm, DBEditFrm, FindKeyFrm, LineTestFrm});
}
