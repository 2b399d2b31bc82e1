#pragma once

#include <QDialog>
#include <QPrinter>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QPrintPreviewWidget;
class QSpinBox;
class QToolBar;
class TrpPages;
class TrpReport;

// The preview of a report's pages: page navigation, zoom, print, page setup, find and export to
// PDF, with the buttons the report asks for.
class TrpPreviewFrm : public QDialog {
    Q_OBJECT
public:
    TrpPreviewFrm(const TrpReport& report, std::shared_ptr<TrpPages> pages, QWidget* parent = nullptr);
    ~TrpPreviewFrm() override;

    // Opens the report's pages in a preview window over the active window, modal when the report
    // asks for it.
    static void Open(TrpReport& report);
    // Makes this window the report's standard preview.
    static void installAsStandard();

    QPrinter& Printer() { return printer; }
    QPrintPreviewWidget* Preview() const { return preview; }
    // 1-based, as shown.
    int CurrentPage() const;
    int PageCount() const;

    void GoToPage(int page);
    void PrintPages();
    void PageSetup();
    void Find();
    void FindNext();
    void ExportPdf();
    void ShowHelp();

private:
    // Names and descriptions for screen readers.
    void NameForAccessibility();
    QAction* AddAction(const QString& name, const QString& text, const QKeySequence& key,
                       const std::function<void()>& run);
    void BuildToolBar(const TrpReport& report);
    void UpdatePageControls();
    void FindFrom(int afterPage);
    void ShowOnPage(qreal fraction);

    std::shared_ptr<TrpPages> pages;
    const bool askBeforePrinting;
    QPrinter printer;
    QToolBar* toolBar = nullptr;
    QPrintPreviewWidget* preview = nullptr;
    QSpinBox* pageEdit = nullptr;
    QLabel* pageCountLbl = nullptr;
    QString lastFind;
};
