#pragma once

#include "keylist/ui/TKeyDialog.h"
#include "seams/ui/TScreenScale.h"

#include <functional>

class QCheckBox;
class QLabel;
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
    // The key dialog's hint on the code field: the program's code convention.
    static const QString KeyCodeHint;
    static const QString OrderCaption; // the question which order a code that reads two ways is in

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
    // Names and descriptions for screen readers.
    void NameForAccessibility();
    // Lays the dialog out at the screen's scale; once, from the constructor.
    void FormCreate();
    void buildLayout();
    void bind(TDbfTable* table);
    void loadControls();
    void writeField(const QString& name, const QVariant& value);
    bool keyCodeRuleHolds(bool closing);
    bool keyCodeAccepted();
    void navigate(void (TDbfTable::*move)());
    // The engraved form under the code field, and the mark for a pasted code whose CRC checked.
    void showEngraved(const QString& code);
    void codeEdited(const QString& text);
    // The code as the user means it when it reads two ways; empty when the user would not say.
    QString askOrder(const QString& code);
    void noteEdited(const QString& text);
    // A refused code or note keeps its text, shows why beside it and keeps OK disabled.
    void showProblem(QLabel* label, QString* problem, const QString& reason);
    // The key gets active as a code is given to a slot that had none.
    void activateNewKey(const QString& code);

    TKeyListStore& store;
    std::function<int()> activePage;
    TScreenScale Scale;
    TDbfTable* view = nullptr;
    bool loading = false;
    bool writing = false;
    bool codeRefused = false;
    bool hadKey = false;
    QString codeProblem;
    QString noteProblem;

    QLineEdit* RecNoEdit;
    QLineEdit* KeyCodeEdit;
    QLineEdit* EngravedEdit;
    QLabel* CodeCheckedLbl;
    QLabel* CodeProblemLbl;
    QLabel* NoteProblemLbl;
    QCheckBox* ActiveCB;
    QLineEdit* KeyInfoEdit;
    QLineEdit* KeyTypeEdit;
    QPushButton* FirstBtn;
    QPushButton* PriorBtn;
    QPushButton* NextBtn;
    QPushButton* LastBtn;
    QPushButton* OkBtn;
};
