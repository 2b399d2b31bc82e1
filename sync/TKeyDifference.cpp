#include "sync/TKeyDifference.h"

#include "keylist/TKeyNote.h"

#include "keys/TKeyCode.h"
#include "keys/TKeyPlaceholder.h"
#include "keys/TKeyTable.h"

#include <iterator>

namespace {
// In the order of TKeyDifference::Kind.
const char* const KindTexts[] = {
    QT_TRANSLATE_NOOP("TKeyDifference", "same"),         QT_TRANSLATE_NOOP("TKeyDifference", "key added"),
    QT_TRANSLATE_NOOP("TKeyDifference", "key removed"),  QT_TRANSLATE_NOOP("TKeyDifference", "code changed"),
    QT_TRANSLATE_NOOP("TKeyDifference", "note changed"), QT_TRANSLATE_NOOP("TKeyDifference", "activated"),
    QT_TRANSLATE_NOOP("TKeyDifference", "deactivated"),  QT_TRANSLATE_NOOP("TKeyDifference", "not read"),
    QT_TRANSLATE_NOOP("TKeyDifference", "note holds ÿ")};
static_assert(std::size(KindTexts) == int(TKeyDifference::Kind::NoteNotReadBack) + 1);
} // namespace

QString TKeyDifference::KindText(Kind kind) {
    return QString::fromUtf8(KindTexts[int(kind)]);
}

QString TKeyDifference::KindShown(Kind kind) {
    return tr(KindTexts[int(kind)]);
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
