#include "keylist/ui/TKeyDialog.h"

#include <QScreen>

TKeyDialog::TKeyDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setModal(true);
}

int TKeyDialog::ShowModal() {
    FormShow();
    adjustSize();
    if (QScreen* screen = this->screen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    return exec();
}
