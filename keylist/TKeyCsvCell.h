#pragma once

#include <QString>

// What spreadsheets do to a cell's text on the way in and out. A cell starting with "=", "+",
// "-", "@", a tab or a carriage return is taken for a formula when the file is opened, so the
// writer puts an apostrophe before it (as a person types one); the reader removes exactly that
// one again, so a note survives the round trip as it was. Apostrophes a note starts with of its
// own get one more, so that they are told apart from the added one.
class TKeyCsvCell {
public:
    static QString Neutralised(const QString& text);
    // The cell's text as the person meant it: the writer's apostrophe removed, and ="0123" (the
    // trick that keeps a spreadsheet from dropping leading zeros) taken as 0123.
    static QString Plain(const QString& text);

private:
    // Whether text, after its leading apostrophes, starts like a formula.
    static bool formulaAfterApostrophes(const QString& text);
};
