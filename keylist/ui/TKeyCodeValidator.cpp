#include "keylist/ui/TKeyCodeValidator.h"

#include <QLineEdit>

#include <algorithm>

namespace {

// How many characters were put in where the text was before: one for a key typed (over a
// selection or not), more for a paste.
qsizetype insertedLength(const QString& before, const QString& after) {
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return after.size() - prefix - suffix;
}

} // namespace

TKeyCodeValidator::TKeyCodeValidator(QLineEdit* edit) : QValidator(edit), LastText(edit->text()) {
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { LastText = text; });
}

bool TKeyCodeValidator::IsKeyCodeChar(QChar c) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f');
}

QValidator::State TKeyCodeValidator::validate(QString& input, int& pos) const {
    if (input.size() <= TKeyCode::CodeDigits && std::all_of(input.begin(), input.end(), IsKeyCodeChar)) {
        input = input.toUpper();
        // The field validates the code a paste gave once more; that keeps what the paste read.
        if (input != last.code)
            last = TKeyCode::TReading();
        return Acceptable;
    }
    const TKeyCode::TReading reading = TKeyCode::Read(input, TKeyCode::TSource::Typed);
    if (reading.ok || reading.ambiguous) {
        input = reading.code;
        pos = int(input.size());
        last = reading;
        return Acceptable;
    }
    // One character typed into a good text is filtered; a paste, or any change to a text that
    // was already refused, stays for the user to read and mend.
    const bool typed = insertedLength(LastText, input) <= 1;
    if (typed && !LastInputRefused())
        return Invalid;
    last = reading;
    return Intermediate;
}
