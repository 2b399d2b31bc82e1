#include "keylist/ui/TKeyCodeValidator.h"

#include "keylist/TKeyCode.h"

#include <algorithm>

TKeyCodeValidator::TKeyCodeValidator(QObject* parent) : QValidator(parent) {}

bool TKeyCodeValidator::IsKeyCodeChar(QChar c) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f');
}

QValidator::State TKeyCodeValidator::validate(QString& input, int& pos) const {
    if (input.size() <= TKeyCode::CodeDigits && std::all_of(input.begin(), input.end(), IsKeyCodeChar)) {
        input = input.toUpper();
        // The field validates the code it was given once more; that keeps the mark.
        lastChecked = lastChecked && input == checkedCode;
        return Acceptable;
    }
    const TKeyCode::TReading reading = TKeyCode::Read(input);
    if (!reading.ok)
        return Invalid;
    input = reading.code;
    pos = int(input.size());
    lastChecked = reading.crcChecked;
    checkedCode = reading.code;
    return Acceptable;
}
