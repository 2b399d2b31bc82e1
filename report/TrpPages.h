#pragma once

#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

class QBuffer;
class QPagedPaintDevice;
class QPainter;
class QPdfWriter;
class QTextDocument;

// Prepared pages of a report: header, body and footer as rich text, laid out for the page of a
// paint device (a printer, the preview's printer or a PDF writer). Drawing lives here, apart from
// any window, so that pages can go into a PDF without one.
class TrpPages {
public:
    // The header and footer may hold the page fields PageMark and PagesMark.
    TrpPages(const QString& headerHtml, const QString& bodyHtml, const QString& footerHtml, double marginMm);
    ~TrpPages();
    TrpPages(const TrpPages&) = delete;
    TrpPages& operator=(const TrpPages&) = delete;

    static const QChar PageMark;
    static const QChar PagesMark;

    double MarginMm() const { return marginMm; }
    // A page layout of the given size with this report's margins.
    QPageLayout PageLayout(const QPageSize& size,
                           QPageLayout::Orientation orientation = QPageLayout::Portrait) const;

    // Lays the pages out for the device's paintable area; the counts and drawing below follow the
    // last layout.
    void LayoutFor(QPagedPaintDevice& device);
    int PageCount() const { return pageCount; }
    void DrawPage(QPainter& painter, int index) const;
    // Lays out for the device and draws every page onto it.
    void Print(QPagedPaintDevice& device);

    // Text marked on every page where it occurs (case-insensitive); empty marks nothing.
    void SetMarkedText(const QString& text) { marked = text; }
    const QString& MarkedText() const { return marked; }
    // The first page after afterPage (wrapping around, afterPage itself last) whose body holds text;
    // -1 when no page does.
    int FindPage(const QString& text, int afterPage) const;
    // Where the first match of text on page lies, as a fraction of the paper's height from its top.
    qreal MatchPosition(const QString& text, int page) const;
    // Text of the body on one page, for searching and checks.
    QString PageText(int index) const;

    // Writes the pages as a PDF file of the given page layout; the file is replaced only when it
    // was written completely. On failure returns false with the reason in error.
    bool ExportPdf(const QString& path, const QPageLayout& layout, QString* error);

private:
    std::unique_ptr<QTextDocument> NewDocument(const QString& html) const;
    std::unique_ptr<QTextDocument> FooterFor(int index) const;
    qreal BodyY(int position) const;
    void FindOverflows();
    int PageOf(int position) const;
    // Where text occurs in the body, in body coordinates, one rectangle per line it touches.
    QList<QRectF> MatchRects(const QString& text) const;

    QString headerHtml;
    QString footerHtml;
    double marginMm;
    QString bodyHtml;
    // Documents are laid out against this writer of the target's resolution, so that they never
    // refer to a printer that is gone.
    std::unique_ptr<QBuffer> metricsSink;
    std::unique_ptr<QPdfWriter> metrics;
    std::unique_ptr<QTextDocument> body;
    std::unique_ptr<QTextDocument> header;
    qreal scale = 1; // device pixels per layout unit
    qreal width = 0;
    qreal headerHeight = 0;
    qreal footerHeight = 0;
    qreal gap = 0;
    qreal bodyHeight = 0;
    int pageCount = 0;
    std::vector<qreal> overflow; // per page start: how far the line of the page before reaches in
    qreal paperTop = 0;          // the paintable area's top on the paper
    qreal paperHeight = 0;
    QString marked;
};
