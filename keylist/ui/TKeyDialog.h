#pragma once

#include <QDialog>

// What the key dialogs share: fixed size without title-bar buttons, modal, filled by FormShow
// and then shown centred on the desktop.
class TKeyDialog : public QDialog {
    Q_OBJECT
public:
    explicit TKeyDialog(QWidget* parent = nullptr);

    // Fills the dialog, centres it and runs it modally; returns the dialog's result.
    int ShowModal();
    virtual void FormShow() = 0;
};
