#include "report/TrpPages.h"

#include "seams/TCheckedSave.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

const QChar TrpPages::PageMark(0xE000);
const QChar TrpPages::PagesMark(0xE001);

namespace {

constexpr double GapMm = 4;
constexpr qreal MmPerInch = 25.4;

QFont reportFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(10);
    // Any letter spacing turns ligatures off: "fi" stays two letters that readers, search and
    // copying from the PDF find again.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
    return font;
}

// The resolution the rich-text layout takes as its own (that of the screen), so that it applies no
// scaling of its own.
int layoutDpi() {
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return qRound(screen->logicalDotsPerInchY());
    return 100;
}

} // namespace

TrpPages::TrpPages(const QString& headerHtml, const QString& bodyHtml, const QString& footerHtml,
                   double marginMm)
    : headerHtml(headerHtml), footerHtml(footerHtml), marginMm(marginMm), bodyHtml(bodyHtml) {}

TrpPages::~TrpPages() = default;

QPageLayout TrpPages::PageLayout(const QPageSize& size, QPageLayout::Orientation orientation) const {
    return QPageLayout(size, orientation, QMarginsF(marginMm, marginMm, marginMm, marginMm),
                       QPageLayout::Millimeter);
}

std::unique_ptr<QTextDocument> TrpPages::NewDocument(const QString& html) const {
    auto doc = std::make_unique<QTextDocument>();
    doc->documentLayout()->setPaintDevice(metrics.get());
    doc->setDefaultFont(reportFont());
    doc->setDocumentMargin(0);
    doc->setUseDesignMetrics(true);
    doc->setHtml(html);
    doc->setTextWidth(width);
    return doc;
}

void TrpPages::LayoutFor(QPagedPaintDevice& device) {
    // Laid out at the screen's resolution and drawn scaled: at a printer's resolution the rich-text
    // layout scales paragraph spacing but not its page breaks, and lines end up across them.
    const int dpi = layoutDpi();
    scale = qreal(device.logicalDpiY()) / dpi;
    // Drop the documents before the device their layouts refer to.
    body.reset();
    header.reset();
    metricsSink = std::make_unique<QBuffer>();
    metricsSink->open(QIODevice::WriteOnly);
    metrics = std::make_unique<QPdfWriter>(metricsSink.get());
    metrics->setResolution(dpi);

    const QPageLayout pageLayout = device.pageLayout();
    paperTop = pageLayout.paintRectPixels(dpi).top();
    paperHeight = pageLayout.fullRectPixels(dpi).height();
    width = device.width() / scale;
    const qreal height = device.height() / scale;
    gap = GapMm / MmPerInch * dpi;

    header = NewDocument(headerHtml);
    headerHeight = headerHtml.trimmed().isEmpty() ? 0 : header->size().height() + gap;
    auto sampleFooter = NewDocument(
        QString(footerHtml).replace(PageMark, QLatin1String("888")).replace(PagesMark, QLatin1String("888")));
    footerHeight = footerHtml.trimmed().isEmpty() ? 0 : sampleFooter->size().height() + gap;
    // A header and footer that leave no room would make the body endless.
    bodyHeight = std::max(height - headerHeight - footerHeight, height / 3);

    body = NewDocument(bodyHtml);
    body->setPageSize(QSizeF(width, bodyHeight));
    pageCount = body->pageCount();
    FindOverflows();
}

// The layout moves table rows to the next page but may leave a paragraph's last line across a
// page end. Such a line is drawn whole on the page where it starts, reaching into the gap above
// the footer, and left out of the next page.
void TrpPages::FindOverflows() {
    overflow.assign(pageCount + 1, 0);
    for (QTextBlock block = body->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (!layout)
            continue;
        const qreal blockTop = body->documentLayout()->blockBoundingRect(block).top();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const qreal top = blockTop + line.y();
            const int next = int(top / bodyHeight) + 1;
            const qreal over = top + line.height() - next * bodyHeight;
            if (next <= pageCount && over > 0)
                overflow[next] = std::max(overflow[next], over);
        }
    }
}

std::unique_ptr<QTextDocument> TrpPages::FooterFor(int index) const {
    QString html = footerHtml;
    html.replace(PageMark, QString::number(index + 1)).replace(PagesMark, QString::number(pageCount));
    return NewDocument(html);
}

void TrpPages::DrawPage(QPainter& painter, int index) const {
    if (!body || index < 0 || index >= pageCount)
        return;
    painter.save();
    painter.scale(scale, scale);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    if (headerHeight > 0) {
        QString html = headerHtml;
        html.replace(PageMark, QString::number(index + 1)).replace(PagesMark, QString::number(pageCount));
        auto doc = NewDocument(html);
        context.clip = QRectF(0, 0, width, headerHeight);
        doc->documentLayout()->draw(&painter, context);
    }

    painter.save();
    painter.translate(0, headerHeight);
    painter.translate(0, -index * bodyHeight);
    context.clip = QRectF(0, index * bodyHeight + overflow[index], width,
                          bodyHeight + overflow[index + 1] - overflow[index]);
    painter.setClipRect(context.clip);
    // Marks are painted under the text rather than passed as selections: drawing selections
    // clips each line, and on a page shifted this far that clip loses whole lines.
    for (const QRectF& r : MatchRects(marked))
        if (r.intersects(context.clip))
            painter.fillRect(r, QColor(255, 230, 0));
    body->documentLayout()->draw(&painter, context);
    painter.restore();

    if (footerHeight > 0) {
        auto doc = FooterFor(index);
        painter.translate(0, headerHeight + bodyHeight + gap);
        context.selections.clear();
        context.clip = QRectF(0, 0, width, footerHeight);
        doc->documentLayout()->draw(&painter, context);
    }
    painter.restore();
}

void TrpPages::Print(QPagedPaintDevice& device) {
    LayoutFor(device);
    QPainter painter(&device);
    for (int i = 0; i < pageCount; ++i) {
        if (i > 0)
            device.newPage();
        DrawPage(painter, i);
    }
}

qreal TrpPages::BodyY(int position) const {
    const QTextBlock block = body->findBlock(position);
    const QTextLayout* layout = block.layout();
    const QRectF blockRect = body->documentLayout()->blockBoundingRect(block);
    qreal y = blockRect.top();
    if (layout) {
        const QTextLine line = layout->lineForTextPosition(position - block.position());
        if (line.isValid())
            y += line.y();
    }
    return y;
}

QList<QRectF> TrpPages::MatchRects(const QString& text) const {
    QList<QRectF> rects;
    if (!body || text.isEmpty())
        return rects;
    for (QTextCursor c = body->find(text); !c.isNull(); c = body->find(text, c)) {
        const QTextBlock block = c.block();
        const QTextLayout* layout = block.layout();
        if (!layout)
            continue;
        const QPointF origin = body->documentLayout()->blockBoundingRect(block).topLeft();
        const int start = c.selectionStart() - block.position();
        const int end = c.selectionEnd() - block.position();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const int from = std::max(start, line.textStart());
            const int to = std::min(end, line.textStart() + line.textLength());
            if (from >= to)
                continue;
            const qreal x1 = line.cursorToX(from);
            const qreal x2 = line.cursorToX(to);
            rects.append(QRectF(origin.x() + x1, origin.y() + line.y(), x2 - x1, line.height()));
        }
    }
    return rects;
}

int TrpPages::PageOf(int position) const {
    return std::clamp(int(BodyY(position) / bodyHeight), 0, pageCount - 1);
}

qreal TrpPages::MatchPosition(const QString& text, int page) const {
    if (!body || text.isEmpty() || paperHeight <= 0)
        return 0;
    for (QTextCursor c = body->find(text); !c.isNull(); c = body->find(text, c)) {
        if (PageOf(c.selectionStart()) != page)
            continue;
        const qreal y = paperTop + headerHeight + BodyY(c.selectionStart()) - page * bodyHeight;
        return std::clamp(y / paperHeight, 0.0, 1.0);
    }
    return 0;
}

int TrpPages::FindPage(const QString& text, int afterPage) const {
    if (!body || text.isEmpty())
        return -1;
    QList<int> pages;
    for (QTextCursor c = body->find(text); !c.isNull(); c = body->find(text, c))
        pages.append(PageOf(c.selectionStart()));
    if (pages.isEmpty())
        return -1;
    for (int page : pages)
        if (page > afterPage)
            return page;
    return pages.first();
}

QString TrpPages::PageText(int index) const {
    if (!body || index < 0 || index >= pageCount)
        return QString();
    QString text;
    for (QTextBlock b = body->begin(); b.isValid(); b = b.next()) {
        if (PageOf(b.position()) == index && !b.text().isEmpty())
            text += b.text() + QLatin1Char('\n');
    }
    return text;
}

bool TrpPages::ExportPdf(const QString& path, const QPageLayout& layout, QString* error) {
    // Laid out in memory first: the PDF writer does not tell when a write to its device fails.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setCreator(QStringLiteral("VELM Tarvikon"));
        writer.setResolution(600);
        writer.setPageLayout(layout);
        Print(writer);
    }
    QString why;
    if (TCheckedSave::Save(path, pdf.data(), &why))
        return true;
    if (error)
        *error = why;
    return false;
}
