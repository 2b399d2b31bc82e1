#pragma once

#include <QValidator>

class QLineEdit;

// Limits what the user types into a text field that goes to the controller or a key list as
// single bytes: only characters Windows-1252 can hold and, when maxTyped is given, at most that
// many. Unlike QLineEdit::setMaxLength it leaves texts placed by the program alone, so a field
// may show a longer text read from the controller and the user may still shorten it.
class TTypedTextValidator : public QValidator {
    Q_OBJECT

public:
    static constexpr int NoLimit = -1;

    explicit TTypedTextValidator(QLineEdit* edit, int maxTyped = NoLimit);

    State validate(QString& input, int& pos) const override;

private:
    QLineEdit* Edit;
    int MaxTyped;
    int LastLength = 0;
};
