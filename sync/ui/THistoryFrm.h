#pragma once

#include "sync/TSnapshotStore.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;

// The controller history: the controllers by serial number with their information text and last
// contact, and the snapshots of the selected one, newest first, with the slots that changed.
class THistoryFrm : public QDialog {
    Q_OBJECT
public:
    explicit THistoryFrm(TSnapshotStore& store, QWidget* parent = nullptr);

    // Reads the store again; the first controller is selected.
    void Reload();
    std::optional<TSnapshotStore::TSnapshot> SelectedSnapshot() const;
    // Restoring needs a controller whose version was accepted.
    void SetRestoreEnabled(bool enabled);

    void ControllersGridSelect();
    void SnapshotsGridSelect();
    void OpenBtnClick();
    void RestoreBtnClick();

    std::function<void(const TSnapshotStore::TSnapshot&)> OnOpenAsNew;
    std::function<void(const TSnapshotStore::TSnapshot&)> OnRestore;

    QTableWidget* ControllersGrid;
    QTableWidget* SnapshotsGrid;
    QLabel* PlaceLbl;
    QPushButton* OpenBtn;
    QPushButton* RestoreBtn;
    QPushButton* CloseBtn;

private:
    // Names and descriptions for screen readers.
    void NameForAccessibility();
    void UpdateButtons();

    TSnapshotStore& store;
    QList<TSnapshotStore::TController> controllers;
    QList<TSnapshotStore::TSnapshot> snapshots;
    bool restoreEnabled = false;
};
