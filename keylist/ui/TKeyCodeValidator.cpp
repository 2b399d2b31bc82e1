#include "keylist/ui/TKeyCodeValidator.h"

TKeyCodeValidator::TKeyCodeValidator(QObject* parent) : QValidator(parent) {}

bool TKeyCodeValidator::IsKeyCodeChar(QChar c) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f');
}

QValidator::State TKeyCodeValidator::validate(QString& input, int& pos) const {
    Q_UNUSED(pos);
    for (QChar c : input) {
        if (!IsKeyCodeChar(c))
            return Invalid;
    }
    input = input.toUpper();
    return Acceptable;
}
