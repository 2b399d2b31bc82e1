#pragma once

#include <QValidator>

// The key code field's typing filter: hexadecimal digits only, letters in upper case, at most 12.
// Deleting is always possible. A text that reads as a key code in another written form (a
// 16-digit number in wire or engraved order, "01.XXXXXXXXXXXX", digits with separators), as a
// paste brings it, becomes its 12-digit code.
class TKeyCodeValidator : public QValidator {
    Q_OBJECT
public:
    explicit TKeyCodeValidator(QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;
    static bool IsKeyCodeChar(QChar c);
    // The last text accepted was another written form whose CRC checked.
    bool LastInputChecked() const { return lastChecked; }

private:
    mutable bool lastChecked = false;
    mutable QString checkedCode;
};
