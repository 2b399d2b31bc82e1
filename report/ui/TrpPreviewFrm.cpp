#include "report/ui/TrpPreviewFrm.h"

#include "report/TrpPages.h"
#include "report/TrpReport.h"
#include "report/ui/TrpPrintDialogs.h"
#include "seams/TFileDialogs.h"
#include "seams/TMessageBoxes.h"
#include "seams/ui/TAccessibility.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

TrpPreviewFrm::TrpPreviewFrm(const TrpReport& report, std::shared_ptr<TrpPages> prepared, QWidget* parent)
    : QDialog(parent), pages(std::move(prepared)), askBeforePrinting(report.ShowPrintDialog),
      printer(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("TrpPreviewFrm"));
    setWindowTitle(report.PreviewCaption());
    setModal(report.ModalPreview);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    printer.setDocName(report.Title);
    printer.setPageMargins(
        QMarginsF(pages->MarginMm(), pages->MarginMm(), pages->MarginMm(), pages->MarginMm()),
        QPageLayout::Millimeter);

    preview = new QPrintPreviewWidget(&printer, this);
    preview->setObjectName(QStringLiteral("PreviewWidget"));
    connect(preview, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* target) { pages->Print(*target); });
    connect(preview, &QPrintPreviewWidget::previewChanged, this, [this] { UpdatePageControls(); });

    BuildToolBar(report);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(preview, 1);

    if (report.InitialZoom == TrpReport::pzFullPage)
        preview->fitInView();
    else
        preview->fitToWidth();

    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    // Wide enough for the whole tool bar, whose texts are longer in some languages.
    resize(std::min(screen.width() * 9 / 10, std::max(1200, toolBar->sizeHint().width())),
           screen.height() * 9 / 10);
    NameForAccessibility();
}

TrpPreviewFrm::~TrpPreviewFrm() {
    if (pages)
        pages->SetMarkedText(QString());
}

QAction* TrpPreviewFrm::AddAction(const QString& name, const QString& text, const QKeySequence& key,
                                  const std::function<void()>& run) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(QString(text).remove(QLatin1Char('&')),
                                                         key.toString(QKeySequence::NativeText)));
    }
    connect(action, &QAction::triggered, this, run);
    toolBar->addAction(action);
    addAction(action);
    return action;
}

void TrpPreviewFrm::BuildToolBar(const TrpReport& report) {
    toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("PreviewToolBar"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto buttons = report.PreviewButtons;

    AddAction(QStringLiteral("FirstPageAct"), tr("First"), QKeySequence(Qt::CTRL | Qt::Key_Home),
              [this] { GoToPage(1); });
    AddAction(QStringLiteral("PriorPageAct"), tr("Prior"), QKeySequence(Qt::Key_PageUp),
              [this] { GoToPage(CurrentPage() - 1); });
    pageEdit = new QSpinBox(this);
    pageEdit->setObjectName(QStringLiteral("PageEdit"));
    pageEdit->setAccelerated(true);
    pageEdit->setKeyboardTracking(false);
    connect(pageEdit, &QSpinBox::valueChanged, this, [this](int page) { GoToPage(page); });
    toolBar->addWidget(pageEdit);
    pageCountLbl = new QLabel(this);
    pageCountLbl->setObjectName(QStringLiteral("PageCountLbl"));
    pageCountLbl->setContentsMargins(4, 0, 4, 0);
    toolBar->addWidget(pageCountLbl);
    AddAction(QStringLiteral("NextPageAct"), tr("Next"), QKeySequence(Qt::Key_PageDown),
              [this] { GoToPage(CurrentPage() + 1); });
    AddAction(QStringLiteral("LastPageAct"), tr("Last"), QKeySequence(Qt::CTRL | Qt::Key_End),
              [this] { GoToPage(PageCount()); });

    if (buttons & TrpReport::pbZoom) {
        toolBar->addSeparator();
        AddAction(QStringLiteral("ZoomInAct"), tr("Zoom in"), QKeySequence(QKeySequence::ZoomIn),
                  [this] { preview->zoomIn(); });
        AddAction(QStringLiteral("ZoomOutAct"), tr("Zoom out"), QKeySequence(QKeySequence::ZoomOut),
                  [this] { preview->zoomOut(); });
        AddAction(QStringLiteral("FitWidthAct"), tr("Page width"), QKeySequence(),
                  [this] { preview->fitToWidth(); });
        AddAction(QStringLiteral("FitPageAct"), tr("Whole page"), QKeySequence(),
                  [this] { preview->fitInView(); });
    }
    toolBar->addSeparator();
    if (buttons & TrpReport::pbPrint)
        AddAction(QStringLiteral("PrintAct"), tr("&Print..."), QKeySequence(QKeySequence::Print),
                  [this] { PrintPages(); });
    if (buttons & TrpReport::pbPageSetup)
        AddAction(QStringLiteral("PageSetupAct"), tr("Page setup..."), QKeySequence(),
                  [this] { PageSetup(); });
    AddAction(QStringLiteral("ExportPdfAct"), tr("Export PDF..."), QKeySequence(), [this] { ExportPdf(); });
    if (buttons & TrpReport::pbFind) {
        toolBar->addSeparator();
        AddAction(QStringLiteral("FindAct"), tr("&Find..."), QKeySequence(QKeySequence::Find),
                  [this] { Find(); });
        AddAction(QStringLiteral("FindNextAct"), tr("Find next"), QKeySequence(QKeySequence::FindNext),
                  [this] { FindNext(); });
    }
    toolBar->addSeparator();
    if (buttons & TrpReport::pbHelp)
        AddAction(QStringLiteral("HelpAct"), tr("Help"), QKeySequence(QKeySequence::HelpContents),
                  [this] { ShowHelp(); });
    if (buttons & TrpReport::pbExit)
        AddAction(QStringLiteral("CloseAct"), tr("Close"), QKeySequence(), [this] { reject(); });
}

int TrpPreviewFrm::CurrentPage() const {
    return preview->currentPage();
}

int TrpPreviewFrm::PageCount() const {
    return preview->pageCount();
}

void TrpPreviewFrm::GoToPage(int page) {
    const int count = PageCount();
    if (count == 0)
        return;
    preview->setCurrentPage(std::clamp(page, 1, count));
    UpdatePageControls();
}

void TrpPreviewFrm::UpdatePageControls() {
    const int count = PageCount();
    const QSignalBlocker blocker(pageEdit);
    pageEdit->setRange(count > 0 ? 1 : 0, count);
    pageEdit->setValue(CurrentPage());
    pageCountLbl->setText(tr("of %1").arg(count));
}

void TrpPreviewFrm::PrintPages() {
    if (askBeforePrinting && !PrintDialogs().print(printer, this))
        return;
    preview->print();
}

void TrpPreviewFrm::PageSetup() {
    if (PrintDialogs().pageSetup(printer, this))
        preview->updatePreview();
}

void TrpPreviewFrm::Find() {
    const QString text = PrintDialogs().findText(lastFind, this);
    if (text.isEmpty())
        return;
    lastFind = text;
    FindFrom(CurrentPage() - 2);
}

void TrpPreviewFrm::FindNext() {
    if (lastFind.isEmpty())
        return Find();
    FindFrom(CurrentPage() - 1);
}

// afterPage is 0-based: the search starts on the page after it.
void TrpPreviewFrm::FindFrom(int afterPage) {
    const int found = pages->FindPage(lastFind, afterPage);
    if (found < 0) {
        pages->SetMarkedText(QString());
        preview->updatePreview();
        MessageBoxes().information(tr("\"%1\" was not found.").arg(lastFind), tr("Find"));
        return;
    }
    pages->SetMarkedText(lastFind);
    preview->updatePreview();
    GoToPage(found + 1);
    ShowOnPage(pages->MatchPosition(lastFind, found));
}

// Scrolls from the top of the current page down towards a point on it, so that a mark low on the
// page comes into sight when the page is taller than the window; the page keeps filling the
// window, so it stays the current one.
void TrpPreviewFrm::ShowOnPage(qreal fraction) {
    auto* view = preview->findChild<QGraphicsView*>();
    const int count = PageCount();
    if (!view || count == 0 || !view->scene())
        return;
    const qreal pageHeight = view->scene()->sceneRect().height() / count * view->transform().m22();
    const int viewHeight = view->viewport()->height();
    QScrollBar* bar = view->verticalScrollBar();
    const int top = bar->value();
    const int wanted = top + int(fraction * pageHeight) - viewHeight / 3;
    bar->setValue(std::clamp(wanted, top, top + std::max(0, int(pageHeight) - viewHeight - 20)));
}

void TrpPreviewFrm::ExportPdf() {
    const QString path = FileDialogs().getSaveFileName(tr("Export to PDF"), tr("PDF files (*.pdf)"),
                                                       QDir::homePath(), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    const QString marked = pages->MarkedText();
    pages->SetMarkedText(QString());
    QString error;
    const bool written = pages->ExportPdf(path, printer.pageLayout(), &error);
    pages->SetMarkedText(marked);
    // The export laid the pages out for its own file; the preview lays them out again for the printer.
    preview->updatePreview();
    if (!written)
        MessageBoxes().error(
            tr("The PDF file \"%1\" could not be written:\r%2").arg(QDir::toNativeSeparators(path), error));
}

void TrpPreviewFrm::ShowHelp() {
    MessageBoxes().information(
        tr("Page Up and Page Down turn the pages, Ctrl+Home and Ctrl+End go to the first and the "
           "last page.\rCtrl+Plus and Ctrl+Minus zoom; \"Page width\" and \"Whole page\" fit the page "
           "into the window.\rCtrl+F finds a text and marks it, F3 finds it on the next page.\r"
           "\"Print...\" prints on a printer you choose, \"Export PDF...\" writes the pages to a PDF "
           "file."),
        windowTitle());
}

void TrpPreviewFrm::Open(TrpReport& report) {
    auto* window = new TrpPreviewFrm(report, report.Pages(), QApplication::activeWindow());
    if (report.ModalPreview) {
        window->exec();
        delete window;
    } else {
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    }
}

void TrpPreviewFrm::installAsStandard() {
    TrpReport::SetStandardPreview(&TrpPreviewFrm::Open);
}

void TrpPreviewFrm::NameForAccessibility() {
    TAccessibility::Describe({
        {toolBar, tr("Preview tools"), tr("Pages, zoom, printing and closing")},
        {preview, tr("Preview"), tr("The report's pages as they will be printed")},
        {pageEdit, tr("Page"), tr("The page shown; type a number to go there")},
        {pageCountLbl, tr("Page count"), tr("How many pages the report has")},
    });
    for (QAction* action : toolBar->actions())
        if (QWidget* button = toolBar->widgetForAction(action); button && !action->isSeparator())
            button->setAccessibleDescription(action->toolTip());
}
