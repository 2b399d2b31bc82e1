#include "serial/ui/TQtPortChooser.h"

#include "serial/ui/TComSelectForm.h"

int TQtPortChooser::ChoosePort() {
    TComSelectForm form;
    if (form.exec() != TComSelectForm::mrOk)
        return 0;
    return form.ChosenPortNumber();
}

void TQtPortChooser::installAsStandard() {
    static TQtPortChooser chooser;
    TPortChooser::setStandard(&chooser);
}
