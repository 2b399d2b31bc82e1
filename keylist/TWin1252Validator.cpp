#include "TWin1252Validator.h"

#include "TWin1252.h"

TWin1252Validator::TWin1252Validator(QObject* parent) : QValidator(parent) {}

QValidator::State TWin1252Validator::validate(QString& input, int& pos) const {
    Q_UNUSED(pos);
    return TWin1252::canEncode(input) ? Acceptable : Invalid;
}

void TWin1252Validator::fixup(QString& input) const {
    input = TWin1252::encodable(input);
}
