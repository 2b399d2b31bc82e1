#include "app/TNotePrinter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

#include <stdexcept>

namespace {

QTextOption wrapOption(const QFontMetricsF& metrics) {
    QTextOption option;
    // Words wrap; a word longer than the line breaks inside instead of running off the page.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(TNotePrinter::TabChars * metrics.averageCharWidth());
    return option;
}

} // namespace

int TNotePrinter::drawPage(QPainter& painter, const QRect& rect, const QString& text) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QTextOption option = wrapOption(metrics);
    const qreal lineHeight = metrics.lineSpacing();
    qreal y = rect.top();
    int linesPlaced = 0;
    int pos = 0;
    while (pos < text.size()) {
        int end = text.indexOf(QLatin1Char('\n'), pos);
        if (end < 0)
            end = int(text.size());
        QString paragraph = text.mid(pos, end - pos);
        if (paragraph.endsWith(QLatin1Char('\r')))
            paragraph.chop(1);

        QTextLayout layout(paragraph, painter.font(), painter.device());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(rect.width());
            line.setPosition(QPointF(0, 0));
            if (linesPlaced > 0 && y + lineHeight > rect.bottom() + 1) {
                layout.endLayout();
                return pos + line.textStart();
            }
            line.draw(&painter, QPointF(rect.left(), y));
            y += lineHeight;
            ++linesPlaced;
        }
        layout.endLayout();
        pos = end < text.size() ? end + 1 : end;
    }
    return int(text.size());
}

void TNotePrinter::print(QPrinter& printer, const QString& title, const QString& text) {
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error(
            QCoreApplication::translate("TNotePrinter", "Cannot start printing").toStdString());
    painter.setFont(QFont(QStringLiteral("Arial"), 10));
    const QFontMetricsF metrics(painter.font(), painter.device());

    QRect rect(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    rect.setTop(rect.top() + TopOffset);
    rect.setLeft(rect.left() + int(LeftMarginChars * metrics.averageCharWidth()));

    QString rest = text;
    int placed = drawPage(painter, rect, rest);
    while (placed < rest.size()) {
        printer.newPage();
        rest = rest.mid(placed);
        placed = drawPage(painter, rect, rest);
    }
    painter.end();
}
