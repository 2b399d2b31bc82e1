#include "TAppForms.h"

#include "TAboutForm.h"
#include "TMainFrm.h"
#include "TProgressFrm.h"
#include "TShowNoteForm.h"

TAppForms::TAppForms() = default;

TAppForms::~TAppForms() = default;

void TAppForms::create() {
    Main = std::make_unique<TMainFrm>();
    MainFrm = Main.get();
    CreationOrder.append(MainFrm->objectName());

    // The key info dialog TDBEditFrm comes here.

    ProgressFrm = new TProgressFrm(MainFrm);
    MainFrm->ProgressFrm = ProgressFrm;
    CreationOrder.append(ProgressFrm->objectName());

    // The line-test dialog TLineTestFrm comes here.

    // Made once like every window, though each note is shown in a viewer of its own.
    ShowNoteForm = new TShowNoteForm(MainFrm);
    CreationOrder.append(ShowNoteForm->objectName());

    AboutForm = new TAboutForm(MainFrm);
    MainFrm->AboutForm = AboutForm;
    CreationOrder.append(AboutForm->objectName());

    // The find-key dialog TFindKeyFrm comes here.
}
