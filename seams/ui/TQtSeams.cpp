#include "seams/ui/TQtSeams.h"

#include "seams/TWaitHook.h"
#include "seams/ui/TQtFileDialogs.h"
#include "seams/ui/TQtMessageBoxes.h"

#include <QCoreApplication>

void TQtSeams::install() {
    static TQtMessageBoxes boxes;
    static TQtFileDialogs dialogs;
    TMessageBoxes::setStandard(&boxes);
    TFileDialogs::setStandard(&dialogs);
    TWaitHook::setHandler([] { QCoreApplication::processEvents(); });
}
