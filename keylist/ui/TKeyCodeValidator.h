#pragma once

#include "keys/TKeyCode.h"

#include <QValidator>

class QLineEdit;

// The key code field's typing filter: hexadecimal digits only, letters in upper case, at most 12.
// Deleting is always possible. A pasted text that reads as a key code in another written form
// becomes its 12-digit code; one that does not is kept as it is, so that the dialog can say why
// beside it and the user can mend it.
class TKeyCodeValidator : public QValidator {
    Q_OBJECT
public:
    explicit TKeyCodeValidator(QLineEdit* edit);
    State validate(QString& input, int& pos) const override;
    static bool IsKeyCodeChar(QChar c);
    // How the last text that was not bare digits read: another written form (ok), a code that
    // reads two ways (ambiguous) or why it was refused (error). Empty once digits are typed.
    const TKeyCode::TReading& LastReading() const { return last; }
    // The last text accepted was another written form whose CRC checked.
    bool LastInputChecked() const { return last.ok && last.crcChecked; }
    bool LastInputRefused() const { return !last.ok && !last.ambiguous && !last.error.isEmpty(); }

private:
    QString LastText;
    mutable TKeyCode::TReading last;
};
