#include "TrpPages.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
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

} // namespace

TrpPages::TrpPages(const QString& headerHtml, const QString& bodyHtml, const QString& footerHtml, double marginMm)
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
    doc->setHtml(html);
    doc->setTextWidth(width);
    return doc;
}

void TrpPages::LayoutFor(QPagedPaintDevice& device) {
    const int dpi = device.logicalDpiY();
    // Drop the documents before the device their layouts refer to.
    body.reset();
    header.reset();
    metricsSink = std::make_unique<QBuffer>();
    metricsSink->open(QIODevice::WriteOnly);
    metrics = std::make_unique<QPdfWriter>(metricsSink.get());
    metrics->setResolution(dpi);

    width = device.width();
    const qreal height = device.height();
    gap = GapMm / MmPerInch * dpi;

    header = NewDocument(headerHtml);
    headerHeight = headerHtml.trimmed().isEmpty() ? 0 : header->size().height() + gap;
    auto sampleFooter = NewDocument(QString(footerHtml).replace(PageMark, QLatin1String("888"))
                                        .replace(PagesMark, QLatin1String("888")));
    footerHeight = footerHtml.trimmed().isEmpty() ? 0 : sampleFooter->size().height() + gap;
    // A header and footer that leave no room would make the body endless.
    bodyHeight = std::max(height - headerHeight - footerHeight, height / 3);

    body = NewDocument(bodyHtml);
    body->setPageSize(QSizeF(width, bodyHeight));
    pageCount = body->pageCount();
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
    painter.setClipRect(QRectF(0, 0, width, bodyHeight));
    painter.translate(0, -index * bodyHeight);
    context.clip = QRectF(0, index * bodyHeight, width, bodyHeight);
    if (!marked.isEmpty()) {
        QTextCharFormat mark;
        mark.setBackground(QColor(255, 230, 0));
        for (QTextCursor c = body->find(marked); !c.isNull(); c = body->find(marked, c))
            context.selections.append({c, mark});
    }
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

int TrpPages::PageOf(int position) const {
    const QTextBlock block = body->findBlock(position);
    const QTextLayout* layout = block.layout();
    const QRectF blockRect = body->documentLayout()->blockBoundingRect(block);
    qreal y = blockRect.top();
    if (layout) {
        const QTextLine line = layout->lineForTextPosition(position - block.position());
        if (line.isValid())
            y += line.y();
    }
    return std::clamp(int(y / bodyHeight), 0, pageCount - 1);
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("VELM Tarvikon"));
        writer.setResolution(600);
        writer.setPageLayout(layout);
        Print(writer);
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
