#include "keylist/ui/TKeyCodeValidator.h"

#include <QLineEdit>

#include <algorithm>

TKeyCodeValidator::TKeyCodeValidator(QLineEdit* edit) : QValidator(edit) {
    LastLength = int(edit->text().size());
    connect(edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { LastLength = int(text.size()); });
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
    const bool typed = input.size() <= LastLength + 1;
    if (typed && !LastInputRefused())
        return Invalid;
    last = reading;
    return Intermediate;
}
