#include "TAppForms.h"

#include "TAboutForm.h"
#include "TDBEditFrm.h"
#include "TFindKeyFrm.h"
#include "TLineTestFrm.h"
#include "TMainFrm.h"
#include "TProgressFrm.h"
#include "TSerComPort.h"
#include "TShowNoteForm.h"

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
