#include "keylist/ui/TTypedTextValidator.h"

#include "keys/TWin1252.h"

#include <QLineEdit>

#include <algorithm>

TTypedTextValidator::TTypedTextValidator(QLineEdit* edit, int maxTyped)
    : QValidator(edit), Edit(edit), MaxTyped(maxTyped) {
    LastLength = int(edit->text().size());
    connect(edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { LastLength = int(text.size()); });
}

QValidator::State TTypedTextValidator::validate(QString& input, int& pos) const {
    // setText clears the modified state before it validates: the program's texts pass as they are.
    if (!Edit->isModified())
        return Acceptable;
    // A decomposed "ü" (as pasted from some systems) is the "ü" the code page holds.
    const QString composed = input.normalized(QString::NormalizationForm_C);
    if (composed != input) {
        pos = std::max(0, pos - int(input.size() - composed.size()));
        input = composed;
    }
    for (QChar c : input)
        if (!TWin1252::canEncode(c))
            return Invalid;
    // A text the program placed may be longer; the user may shorten it but not lengthen it.
    if (MaxTyped != NoLimit && input.size() > MaxTyped && input.size() > LastLength)
        return Invalid;
    return Acceptable;
}
