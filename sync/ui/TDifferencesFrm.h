#pragma once

#include "sync/TKeyComparison.h"
#include "sync/TSyncViewer.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;
class TDifferenceTableModel;

// The Differences window: one row per slot that differs (or every slot), the counts, a warning
// when the key list came from another controller; printing, PDF and CSV. For a write it offers
// "Write N changes" and Cancel.
class TDifferencesFrm : public QDialog, public TSyncViewer {
    Q_OBJECT
public:
    explicit TDifferencesFrm(QWidget* parent = nullptr);

    // Shows the comparison modally; true when the user chose to write.
    bool ShowComparison(const TKeyComparison& comparison, Purpose purpose) override;
    // Fills the window without showing it.
    void Present(const TKeyComparison& comparison, Purpose purpose);

    void ShowAllChkClick();
    void PrintBtnClick();
    void PdfBtnClick();
    void CsvBtnClick();

    TDifferenceTableModel* Model;
    QLabel* MismatchLbl;
    QLabel* CountsLbl;
    QTableView* Grid;
    QCheckBox* ShowAllChk;
    QPushButton* PrintBtn;
    QPushButton* PdfBtn;
    QPushButton* CsvBtn;
    QPushButton* WriteBtn;
    QPushButton* CancelBtn;

private:
    // Names and descriptions for screen readers.
    void NameForAccessibility();
    QString ReportTitle() const;

    TKeyComparison comparison;
    Purpose purpose = Purpose::Compare;
};
