#include "report/TrpDBDataSet.h"
#include "report/TrpPages.h"
#include "report/TrpReport.h"
#include "report/ui/TrpPreviewFrm.h"
#include "seams/TInstalledMessageBoxes.h"
#include "tests/report/TPdfText.h"
#include "tests/report/TTestPrintDialogs.h"
#include "tests/report/TTestRows.h"
#include "tests/support/TTestFileDialogs.h"
#include "tests/support/TTestMessageBoxes.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPrintPreviewWidget>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Pixels of the find mark's colour in an image of the widget.
int markedPixels(QWidget* widget) {
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 240 && c.green() > 200 && c.green() < 245 && c.blue() < 60)
                ++count;
        }
    return count;
}

} // namespace

class tst_TrpPreviewFrm : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void shouldShowItsCaptionAndOnlyTheButtonsAskedFor();
    void shouldTurnThePagesWithinTheReport();
    void shouldZoomAndFit();
    void shouldFindTheNextPageHoldingTheTextAndMarkIt();
    void shouldSaySoWhenTheTextIsNowhere();
    void shouldExportPdfToTheChosenFile();
    void shouldReportAPdfThatCannotBeWritten();
    void shouldPrintOnlyAfterThePrintDialogAgrees();
    void shouldLayOutAgainAfterPageSetup();
    void shouldShowHelp();
    void shouldOpenModalFromShowPreviewAndNotWithoutPages();

private:
    void trigger(const char* name);
    std::unique_ptr<TrpPreviewFrm> open();

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TTestMessageBoxes> boxes;
    std::unique_ptr<TTestFileDialogs> fileDialogs;
    std::unique_ptr<TTestPrintDialogs> printDialogs;
    std::unique_ptr<TrpReport> report;
    TTestRows rows;
    std::unique_ptr<TrpDBDataSet> dataSet;
    std::unique_ptr<TrpPreviewFrm> frm;
};

void tst_TrpPreviewFrm::init() {
    TrpPreviewFrm::installAsStandard();
    dir = std::make_unique<QTemporaryDir>();
    boxes = std::make_unique<TTestMessageBoxes>();
    fileDialogs = std::make_unique<TTestFileDialogs>();
    printDialogs = std::make_unique<TTestPrintDialogs>();
    rows.rows.clear();
    for (int i = 1; i <= 160; ++i) {
        const QString code = i == 70 || i == 150
                                 ? QStringLiteral("FEEDBEEF%1").arg(i, 4, 10, QLatin1Char('0'))
                                 : QStringLiteral("%1").arg(i, 12, 10, QLatin1Char('0'));
        rows.rows << TTestRows::Row{{"KEYCODE", code}};
    }
    dataSet = std::make_unique<TrpDBDataSet>(QStringLiteral("rpDBDataSet1"));
    dataSet->SetDataSource(&rows);
    report = std::make_unique<TrpReport>(TInstalledMessageBoxes::Shared());
    report->Title = QStringLiteral("VELM Tarvikon");
    report->AddDataSet(dataSet.get());
    QFile file(dir->filePath(QStringLiteral("t.rpt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("@report\n@footer\n<p>Page {{PAGE}} of {{PAGES}}</p>\n@body\n<h1>Keys</h1>\n"
               "@band rpDBDataSet1\n<p>{{rpDBDataSet1.KEYCODE}}</p>\n@end\n");
    file.close();
    QVERIFY(report->LoadTemplate(file.fileName()));
    QVERIFY(report->BuildPages());
}

void tst_TrpPreviewFrm::cleanup() {
    frm.reset();
    report.reset();
    printDialogs.reset();
    fileDialogs.reset();
    boxes.reset();
    dir.reset();
}

std::unique_ptr<TrpPreviewFrm> tst_TrpPreviewFrm::open() {
    auto window = std::make_unique<TrpPreviewFrm>(*report, report->Pages());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("preview not exposed");
    return window;
}

void tst_TrpPreviewFrm::trigger(const char* name) {
    auto* action = frm->findChild<QAction*>(QLatin1String(name));
    QVERIFY2(action, name);
    action->trigger();
}

void tst_TrpPreviewFrm::shouldShowItsCaptionAndOnlyTheButtonsAskedFor() {
    frm = open();
    QCOMPARE(frm->windowTitle(), QStringLiteral("Preview - VELM Tarvikon"));
    QVERIFY(frm->isModal());
    for (const char* name : {"FirstPageAct", "PriorPageAct", "NextPageAct", "LastPageAct", "ZoomInAct",
                             "ZoomOutAct", "FitWidthAct", "FitPageAct", "PrintAct", "PageSetupAct",
                             "ExportPdfAct", "FindAct", "FindNextAct", "HelpAct", "CloseAct"})
        QVERIFY2(frm->findChild<QAction*>(QLatin1String(name)), name);

    report->PreviewButtons = TrpReport::pbExit;
    report->ModalPreview = false;
    frm = open();
    QVERIFY(!frm->isModal());
    for (const char* name : {"ZoomInAct", "PrintAct", "PageSetupAct", "FindAct", "HelpAct"})
        QVERIFY2(!frm->findChild<QAction*>(QLatin1String(name)), name);
    QVERIFY(frm->findChild<QAction*>(QStringLiteral("CloseAct")));
    trigger("CloseAct");
    QVERIFY(!frm->isVisible());
}

void tst_TrpPreviewFrm::shouldTurnThePagesWithinTheReport() {
    frm = open();
    const int count = frm->PageCount();
    QVERIFY(count >= 3);
    QCOMPARE(count, report->Pages()->PageCount());
    QCOMPARE(frm->CurrentPage(), 1);
    trigger("NextPageAct");
    QCOMPARE(frm->CurrentPage(), 2);
    trigger("LastPageAct");
    QCOMPARE(frm->CurrentPage(), count);
    trigger("NextPageAct");
    QCOMPARE(frm->CurrentPage(), count);
    trigger("PriorPageAct");
    QCOMPARE(frm->CurrentPage(), count - 1);
    trigger("FirstPageAct");
    QCOMPARE(frm->CurrentPage(), 1);
    trigger("PriorPageAct");
    QCOMPARE(frm->CurrentPage(), 1);

    auto* pageEdit = frm->findChild<QSpinBox*>(QStringLiteral("PageEdit"));
    QCOMPARE(pageEdit->maximum(), count);
    pageEdit->setValue(2);
    QCOMPARE(frm->CurrentPage(), 2);
    trigger("LastPageAct");
    QCOMPARE(pageEdit->value(), count);
}

void tst_TrpPreviewFrm::shouldZoomAndFit() {
    frm = open();
    QPrintPreviewWidget* preview = frm->Preview();
    QCOMPARE(preview->zoomMode(), QPrintPreviewWidget::FitToWidth);
    const qreal fitted = preview->zoomFactor();
    trigger("ZoomInAct");
    QVERIFY(preview->zoomFactor() > fitted);
    QCOMPARE(preview->zoomMode(), QPrintPreviewWidget::CustomZoom);
    trigger("ZoomOutAct");
    trigger("ZoomOutAct");
    QVERIFY(preview->zoomFactor() < fitted);
    trigger("FitPageAct");
    QCOMPARE(preview->zoomMode(), QPrintPreviewWidget::FitInView);
    trigger("FitWidthAct");
    QCOMPARE(preview->zoomMode(), QPrintPreviewWidget::FitToWidth);

    report->InitialZoom = TrpReport::pzFullPage;
    frm = open();
    QCOMPARE(frm->Preview()->zoomMode(), QPrintPreviewWidget::FitInView);
}

void tst_TrpPreviewFrm::shouldFindTheNextPageHoldingTheTextAndMarkIt() {
    frm = open();
    auto pages = report->Pages();
    const int first = pages->FindPage(QStringLiteral("FEEDBEEF0070"), -1) + 1;
    const int second = pages->FindPage(QStringLiteral("FEEDBEEF0150"), -1) + 1;
    QVERIFY(first > 1 && second > first);
    QCOMPARE(markedPixels(frm->Preview()), 0);

    printDialogs->findAnswers = {QStringLiteral("feedbeef")};
    trigger("FindAct");
    QCOMPARE(frm->CurrentPage(), first);
    QCOMPARE(pages->MarkedText(), QStringLiteral("feedbeef"));
    QVERIFY(markedPixels(frm->Preview()) > 0);

    trigger("FindNextAct");
    QCOMPARE(frm->CurrentPage(), second);
    trigger("FindNextAct");
    QCOMPARE(frm->CurrentPage(), first);

    // A cancelled question changes nothing.
    trigger("FindAct");
    QCOMPARE(frm->CurrentPage(), first);
    QCOMPARE(pages->MarkedText(), QStringLiteral("feedbeef"));
    QCOMPARE(printDialogs->asked, QStringList({"find", "find"}));
    QVERIFY(boxes->shown.isEmpty());

    frm.reset();
    QVERIFY(pages->MarkedText().isEmpty());
}

void tst_TrpPreviewFrm::shouldSaySoWhenTheTextIsNowhere() {
    frm = open();
    printDialogs->findAnswers = {QStringLiteral("FEEDBEEF0150"), QStringLiteral("CAFE")};
    trigger("FindAct");
    const int page = frm->CurrentPage();
    QVERIFY(page > 1);
    trigger("FindAct");
    QCOMPARE(frm->CurrentPage(), page);
    QCOMPARE(boxes->texts(), QStringList({"\"CAFE\" was not found."}));
    QCOMPARE(boxes->shown[0].kind, TTestMessageBoxes::Kind::Information);
    QVERIFY(report->Pages()->MarkedText().isEmpty());
    QCOMPARE(markedPixels(frm->Preview()), 0);
}

void tst_TrpPreviewFrm::shouldExportPdfToTheChosenFile() {
    frm = open();
    printDialogs->findAnswers = {QStringLiteral("FEEDBEEF")};
    trigger("FindAct");
    const QString path = dir->filePath(QStringLiteral("keys.pdf"));
    fileDialogs->queueAnswer(path);
    trigger("ExportPdfAct");
    QCOMPARE(fileDialogs->asked.size(), 1);
    QVERIFY(fileDialogs->asked[0].save);
    QCOMPARE(fileDialogs->asked[0].title, QStringLiteral("Export to PDF"));
    QCOMPARE(TPdfText::pageCount(path), frm->PageCount());
    const QString text = TPdfText::text(path);
    QVERIFY(text.contains(QLatin1String("FEEDBEEF0150")));
    QVERIFY(text.contains(QStringLiteral("Page 1 of %1").arg(frm->PageCount())));
    // The mark stays in the preview.
    QCOMPARE(report->Pages()->MarkedText(), QStringLiteral("FEEDBEEF"));

    // Cancelling the file dialog writes nothing.
    QVERIFY(QFile::remove(path));
    trigger("ExportPdfAct");
    QVERIFY(!QFile::exists(path));
    QVERIFY(boxes->shown.isEmpty());
}

void tst_TrpPreviewFrm::shouldReportAPdfThatCannotBeWritten() {
    frm = open();
    const QString existing = dir->filePath(QStringLiteral("old.pdf"));
    QFile old(existing);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old content");
    old.close();
    const QString path = dir->filePath(QStringLiteral("missing-folder/keys.pdf"));
    fileDialogs->queueAnswer(path);
    trigger("ExportPdfAct");
    QCOMPARE(boxes->count(TTestMessageBoxes::Kind::Error), 1);
    QVERIFY2(boxes->shown[0].text.startsWith(
                 QStringLiteral("The PDF file \"%1\" could not be written:\r").arg(path)),
             qPrintable(boxes->shown[0].text));
    QVERIFY(!QFile::exists(path));
    QVERIFY(frm->PageCount() > 0);
}

void tst_TrpPreviewFrm::shouldPrintOnlyAfterThePrintDialogAgrees() {
    frm = open();
    const QString path = dir->filePath(QStringLiteral("printed.pdf"));
    trigger("PrintAct");
    QCOMPARE(printDialogs->asked, QStringList({"print"}));
    QVERIFY(!QFile::exists(path));

    printDialogs->printTo = path;
    trigger("PrintAct");
    QCOMPARE(TPdfText::pageCount(path), frm->PageCount());
    QVERIFY(TPdfText::text(path).contains(QLatin1String("FEEDBEEF0070")));

    // Without the print dialog the preview's printer is used as it stands.
    report->ShowPrintDialog = false;
    frm = open();
    const QString direct = dir->filePath(QStringLiteral("direct.pdf"));
    frm->Printer().setOutputFormat(QPrinter::PdfFormat);
    frm->Printer().setOutputFileName(direct);
    printDialogs->asked.clear();
    trigger("PrintAct");
    QVERIFY(printDialogs->asked.isEmpty());
    QVERIFY(TPdfText::text(direct).contains(QLatin1String("Keys")));
}

void tst_TrpPreviewFrm::shouldLayOutAgainAfterPageSetup() {
    frm = open();
    const int onA4 = frm->PageCount();
    trigger("PageSetupAct");
    QCOMPARE(frm->PageCount(), onA4);

    printDialogs->pageSize = QPageSize(QPageSize::A6);
    trigger("PageSetupAct");
    QCOMPARE(frm->Printer().pageLayout().pageSize().id(), QPageSize::A6);
    QVERIFY(frm->PageCount() > onA4);
    QCOMPARE(frm->PageCount(), report->Pages()->PageCount());
    trigger("LastPageAct");
    QCOMPARE(frm->CurrentPage(), frm->PageCount());
}

void tst_TrpPreviewFrm::shouldShowHelp() {
    frm = open();
    trigger("HelpAct");
    QCOMPARE(boxes->shown.size(), 1);
    QCOMPARE(boxes->shown[0].caption, QStringLiteral("Preview - VELM Tarvikon"));
    QVERIFY(boxes->shown[0].text.contains(QLatin1String("Page Up")));
}

void tst_TrpPreviewFrm::shouldOpenModalFromShowPreviewAndNotWithoutPages() {
    QString caption;
    bool modal = false;
    int pagesShown = 0;
    QTimer::singleShot(0, this, [&] {
        auto* window = qobject_cast<TrpPreviewFrm*>(QApplication::activeModalWidget());
        if (!window)
            return;
        caption = window->windowTitle();
        modal = window->isModal();
        pagesShown = window->PageCount();
        window->reject();
    });
    report->ShowPreview();
    QCOMPARE(caption, QStringLiteral("Preview - VELM Tarvikon"));
    QVERIFY(modal);
    QCOMPARE(pagesShown, report->PageCount());

    report->ClearReport();
    bool opened = false;
    QTimer::singleShot(0, this, [&] {
        if (QApplication::activeModalWidget()) {
            opened = true;
            QApplication::activeModalWidget()->close();
        }
    });
    report->ShowPreview();
    QTest::qWait(20);
    QVERIFY(!opened);
}

QTEST_MAIN(tst_TrpPreviewFrm)
#include "tst_TrpPreviewFrm.moc"
