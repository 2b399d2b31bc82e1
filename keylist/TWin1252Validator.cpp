#include "TWin1252Validator.h"

#include "TWin1252.h"

TWin1252Validator::TWin1252Validator(QObject* parent) : QValidator(parent) {}

QValidator::State TWin1252Validator::validate(QString& input, int& pos) const {
    Q_UNUSED(pos);
    for (QChar c : input) {
        if (!TWin1252::canEncode(c))
            return Invalid;
    }
    return Acceptable;
}
