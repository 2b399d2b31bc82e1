#include "TTypedTextValidator.h"

#include <QLineEdit>

namespace {

// The characters Windows-1252 places at 0x80..0x9F; its five unassigned bytes there map to the
// C1 control points of the same value, so every byte has a character.
const char16_t Upper1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

TTypedTextValidator::TTypedTextValidator(QLineEdit* edit, int maxTyped)
    : QValidator(edit), Edit(edit), MaxTyped(maxTyped) {
    LastLength = int(edit->text().size());
    connect(edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { LastLength = int(text.size()); });
}

bool TTypedTextValidator::isWindows1252(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return true;
    for (char16_t mapped : Upper1252)
        if (mapped == u)
            return true;
    return false;
}

QValidator::State TTypedTextValidator::validate(QString& input, int&) const {
    // setText clears the modified state before it validates: the program's texts pass as they are.
    if (!Edit->isModified())
        return Acceptable;
    for (QChar c : input)
        if (!isWindows1252(c))
            return Invalid;
    // A text the program placed may be longer; the user may shorten it but not lengthen it.
    if (input.size() > MaxTyped && input.size() > LastLength)
        return Invalid;
    return Acceptable;
}
