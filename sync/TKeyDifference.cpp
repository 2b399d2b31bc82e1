#include "sync/TKeyDifference.h"

#include "keylist/TKeyNote.h"

#include "keys/TKeyCode.h"
#include "keys/TKeyPlaceholder.h"
#include "keys/TKeyTable.h"
QString TKeyDifference::KindText(Kind kind) {
    switch (kind) {
    case Kind::Same:
        return QStringLiteral("same");
    case Kind::KeyAdded:
        return QStringLiteral("key added");
    case Kind::KeyRemoved:
        return QStringLiteral("key removed");
    case Kind::CodeChanged:
        return QStringLiteral("code changed");
    case Kind::NoteChanged:
        return QStringLiteral("note changed");
    case Kind::Activated:
        return QStringLiteral("activated");
    case Kind::Deactivated:
        return QStringLiteral("deactivated");
    case Kind::NotRead:
        return QStringLiteral("not read");
    case Kind::NoteNotReadBack:
        return QStringLiteral("note holds ÿ");
    }
    return QString();
}

QString TKeyDifference::NormalCode(const TKeySlot& key) {
    // A list's mark of a slot its read could not get is shown as it is, never as no code.
    if (key.keyCode == QLatin1String(TKeyPlaceholder::UnreadCode))
        return key.keyCode;
    return TKeyCode::IsCode(key.keyCode) ? key.keyCode.toUpper() : QString();
}

QString TKeyDifference::NormalNote(const TKeySlot& key) {
    // The file pads a note with blanks and the controller keeps 25 characters of it.
    QString note = key.memo.left(TKeyTable::MemoLength);
    while (note.endsWith(QLatin1Char(' ')))
        note.chop(1);
    return note;
}

TKeyDifference::Kind TKeyDifference::Classify(const TKeySlot& wanted, const TKeySlot& held) {
    const QString wantedCode = NormalCode(wanted);
    const QString heldCode = NormalCode(held);
    if (!wanted.active && !held.active)
        return Kind::Same;
    if (wanted.active && held.active && wantedCode == heldCode && NormalNote(wanted) == NormalNote(held))
        return Kind::Same;
    if (wanted.active && TKeyNote::HoldsFillByte(NormalNote(wanted)))
        return Kind::NoteNotReadBack;
    if (wanted.active && !held.active)
        return !heldCode.isEmpty() && heldCode == wantedCode ? Kind::Activated : Kind::KeyAdded;
    if (!wanted.active)
        return !wantedCode.isEmpty() && wantedCode == heldCode ? Kind::Deactivated : Kind::KeyRemoved;
    if (wantedCode != heldCode)
        return Kind::CodeChanged;
    return NormalNote(wanted) == NormalNote(held) ? Kind::Same : Kind::NoteChanged;
}
