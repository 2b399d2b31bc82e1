#pragma once

#include <QString>

// Text from outside as key codes and notes meet it: pasted from web pages and PDFs, typed in
// spreadsheets, read from files. Quoting it back in a refusal must stay short and show what the
// eye cannot see.
class TKeyText {
public:
    // The longest piece of the input a refusal quotes.
    static constexpr int QuotedLength = 40;

    // For reading a key code: compatibility forms folded (NFKC: full-width digits, no-break
    // spaces), zero-width and other format characters dropped, every Unicode space a blank and
    // every Unicode dash or hyphen a "-".
    static QString Folded(const QString& text);
    // The input as a refusal quotes it: at most QuotedLength characters (never half of one) and
    // "…", and every control, format or non-ASCII space character written as U+XXXX.
    static QString Shown(const QString& text);
    // One character (a whole surrogate pair) as a refusal names it.
    static QString Named(char32_t c);
};
