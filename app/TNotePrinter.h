#pragma once

#include <QString>

class QPainter;
class QPrinter;
class QRect;

// Prints a note word-wrapped over as many pages as it needs; each page goes on with the first
// character the page before could not place. Apart from the note viewer so that it prints
// without a window.
class TNotePrinter {
public:
    // Margins in device units and average character widths of the printer font.
    static constexpr int TopOffset = 10;
    static constexpr int LeftMarginChars = 10;
    static constexpr int TabChars = 3;

    static void print(QPrinter& printer, const QString& title, const QString& text);

    // Draws as much of text as fits into rect, whole lines only, and answers how many characters
    // of it were placed (line breaks and the blanks at wrap points included). At least one line
    // is placed on a page, so that a page too small for a line cannot stop the printing.
    static int drawPage(QPainter& painter, const QRect& rect, const QString& text);
};
