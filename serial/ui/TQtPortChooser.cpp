#include "serial/ui/TQtPortChooser.h"

#include "serial/ui/TComSelectForm.h"
#include "settings/TAppSettings.h"

int TQtPortChooser::ChoosePort() {
    TComSelectForm form;
    if (settings)
        form.SelectPort(settings->comNumber());
    if (form.exec() != TComSelectForm::mrOk)
        return 0;
    const int number = form.ChosenPortNumber();
    if (settings)
        settings->setComNumber(number);
    return number;
}

void TQtPortChooser::installAsStandard(TAppSettings* settings) {
    static TQtPortChooser chooser;
    chooser.settings = settings;
    TPortChooser::setStandard(&chooser);
}
