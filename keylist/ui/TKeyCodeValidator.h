#pragma once

#include <QValidator>

// The key code field's typing filter: hexadecimal digits only, letters in upper case. Typed and
// pasted text alike; deleting is always possible.
class TKeyCodeValidator : public QValidator {
    Q_OBJECT
public:
    explicit TKeyCodeValidator(QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;
    static bool IsKeyCodeChar(QChar c);
};
