#pragma once

#include "site/TSiteKeyChange.h"

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TMessageBoxes;
class TOpenListHook;
class TSite;
class TSiteRoundHost;

// The Site window: the door table (status of every controller), a search box with what it finds,
// the revoke and give commands for the key typed there, and the journal. Its widgets are found
// by their object names.
class TSiteFrm : public QWidget {
    Q_OBJECT
public:
    // openList: opens a key list in the main window.
    TSiteFrm(TMessageBoxes& boxes, std::function<void(const QString&)> openList, QWidget* parent = nullptr);
    ~TSiteFrm() override;
    // The list open in the main window takes its changes there; none: every list is written as a file.
    void SetOpenListHook(TOpenListHook* hook) { openListHook = hook; }
    // Runs the door round; none: the round is not offered.
    void SetRoundHost(TSiteRoundHost* host);

    // Raises ESiteError when the folder holds no usable site.
    void OpenSite(const QString& folder);
    void Reload();

    void FindBtnClick();
    void RevokeBtnClick();
    void GiveBtnClick();
    void OpenListBtnClick();
    void DoorRoundBtnClick();

private:
    // Names and descriptions for screen readers.
    void NameForAccessibility();
    void ShowStatus();
    void ShowJournal();
    // The plan shown, and on the user's word saved; then the window shows the new state.
    void CarryOut(const QString& what, QList<TSiteKeyChange> plan);
    QString TypedCode();

    TMessageBoxes& boxes;
    std::function<void(const QString&)> openList;
    TOpenListHook* openListHook = nullptr;
    TSiteRoundHost* roundHost = nullptr;
    std::unique_ptr<TSite> site;
    QLabel* SiteLbl;
    QTableWidget* DoorTable;
    QLineEdit* SearchEdit;
    QTableWidget* FindTable;
    QTableWidget* JournalTable;
    QPushButton* OpenListBtn;
    QPushButton* DoorRoundBtn;
};
