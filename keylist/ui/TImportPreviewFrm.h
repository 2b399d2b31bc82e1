#pragma once

#include "keylist/TKeyImport.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

// What an import would do, before it does it: every slot that would change (as it is, as it
// would be) and every refused row with its line and reason. "Import" accepts, Cancel rejects;
// the dialog itself changes nothing.
class TImportPreviewFrm : public QDialog {
    Q_OBJECT
public:
    TImportPreviewFrm(const TKeyImport& plan, const QString& fileName, QWidget* parent = nullptr);

private:
    // Names and descriptions for screen readers.
    void NameForAccessibility();
    void fillChanges(const TKeyImport& plan);
    void fillRejects(const TKeyImport& plan);

    QLabel* SummaryLbl;
    QTreeWidget* ChangesView;
    QListWidget* RejectsView;
    QPushButton* ImportBtn;
    QPushButton* CancelBtn;
};
