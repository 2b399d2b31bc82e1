#pragma once

#include "keylist/ui/TKeyDialog.h"
#include "seams/ui/TScreenScale.h"

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class TDbfTable;
class TKeyListStore;

// The key info dialog: shows and edits the current key of the active page's view through
// controls bound to its fields, with the key code rules (hexadecimal, 12 characters when active,
// unique over both views) and navigation through the view.
class TDBEditFrm : public TKeyDialog {
    Q_OBJECT
public:
    static const QString LengthError; // "Lenght of key code must be 12 symbols"
    static const QString DuplicateError;

    // activePage gives the main window's page: 1 master keys, 2 slave keys.
    TDBEditFrm(TKeyListStore& store, std::function<int()> activePage, QWidget* parent = nullptr);

    // Binds to the active page's view and puts its current key into edit state.
    void FormShow() override;
    void OkBtnClick();
    void FirstBtnClick();
    void PriorBtnClick();
    void NextBtnClick();
    void LastBtnClick();
    // A close request: applies the 12-character rule (its box when it fails); the dialog stays
    // open either way, OK being the only way to close it. Always false.
    bool FormClose();
    void KeyCodeEditEnter();
    void KeyCodeEditExit();

    TDbfTable* DataSet() const { return view; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

public slots:
    // A close request of the window (there is no close box); Escape does not come here.
    void reject() override;

private:
    // Lays the dialog out at the screen's scale; once, from the constructor.
    void FormCreate();
    void buildLayout();
    void bind(TDbfTable* table);
    void loadControls();
    void writeField(const QString& name, const QVariant& value);
    bool keyCodeRuleHolds(bool closing);
    bool keyCodeAccepted();
    void navigate(void (TDbfTable::*move)());

    TKeyListStore& store;
    std::function<int()> activePage;
    TScreenScale Scale;
    TDbfTable* view = nullptr;
    bool loading = false;
    bool writing = false;
    bool codeRefused = false;

    QLineEdit* RecNoEdit;
    QLineEdit* KeyCodeEdit;
    QCheckBox* ActiveCB;
    QLineEdit* KeyInfoEdit;
    QLineEdit* KeyTypeEdit;
    QPushButton* FirstBtn;
    QPushButton* PriorBtn;
    QPushButton* NextBtn;
    QPushButton* LastBtn;
    QPushButton* OkBtn;
};
