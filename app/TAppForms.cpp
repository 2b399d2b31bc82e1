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
        *MainFrm->KeyListStore, [main] { return main->ActivePage(); }, MainFrm);
    MainFrm->DBEditFrm = DBEditFrm;
    CreationOrder.append(DBEditFrm->objectName());

    ProgressFrm = new TProgressFrm(MainFrm);
    MainFrm->ProgressFrm = ProgressFrm;
    CreationOrder.append(ProgressFrm->objectName());

    LineTestFrm = new TLineTestFrm(*MainFrm->DallasPort, *MainFrm, MainFrm);
    MainFrm->LineTestFrm = LineTestFrm;
    CreationOrder.append(LineTestFrm->objectName());

    // Made once like every window, though each note is shown in a viewer of its own.
    ShowNoteForm = new TShowNoteForm(MainFrm);
    CreationOrder.append(ShowNoteForm->objectName());

    AboutForm = new TAboutForm(MainFrm);
    MainFrm->AboutForm = AboutForm;
    CreationOrder.append(AboutForm->objectName());

    FindKeyFrm = new TFindKeyFrm(
        *MainFrm->KeyListStore, [main] { return main->ActivePage(); }, MainFrm);
    MainFrm->FindKeyFrm = FindKeyFrm;
    CreationOrder.append(FindKeyFrm->objectName());
}
