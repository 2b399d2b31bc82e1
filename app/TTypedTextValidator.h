#pragma once

#include <QValidator>

class QLineEdit;

// Limits what the user types into a text field that goes to the controller or a key list as
// single bytes: at most maxTyped characters, and only characters Windows-1252 can hold. Unlike
// QLineEdit::setMaxLength it leaves texts placed by the program alone, so a field may show a
// longer text read from the controller and the user may still shorten it.
class TTypedTextValidator : public QValidator {
    Q_OBJECT

public:
    TTypedTextValidator(QLineEdit* edit, int maxTyped);

    State validate(QString& input, int& pos) const override;

    static bool isWindows1252(QChar c);

private:
    QLineEdit* Edit;
    int MaxTyped;
    int LastLength = 0;
};
