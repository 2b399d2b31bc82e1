#include "TQtPortChooser.h"

#include "TComSelectForm.h"

int TQtPortChooser::ChoosePort() {
    TComSelectForm form;
    if (form.exec() != TComSelectForm::mrOk)
        return 0;
    return form.ChosenPortNumber();
}
