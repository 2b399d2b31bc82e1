#pragma once

#include "keylist/ui/TKeyDialog.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class TKeyListStore;

// The find dialog: a key is found by its whole code and whole note, in any letter case, among
// the master keys, the slave keys or both.
class TFindKeyFrm : public TKeyDialog {
    Q_OBJECT
public:
    // The dialog's result when nothing was found.
    static constexpr int ResultNo = 7;
    static const QString NotFound; // "Key with defined parametrs not found."
    static QString NotFoundMessage(); // NotFound in the language the program speaks

    TFindKeyFrm(TKeyListStore& store, std::function<int()> activePage, QWidget* parent = nullptr);

    void FormShow() override;
    void FindBtnClick();

private:
    // Names and descriptions for screen readers.
    void NameForAccessibility();
    TKeyListStore& store;
    std::function<int()> activePage;
    QLineEdit* KeyCodeEdit;
    QComboBox* KeyTypeCombo;
    QLineEdit* KeyInfoEdit;
    QPushButton* FindBtn;
    QPushButton* CancelBtn;
};
