#include "keylist/TKeyNote.h"

#include "keys/TKeyTable.h"
#include "keys/TKeyText.h"
#include "keys/TWin1252.h"

#include <QList>

namespace {

// "ÿ" in Windows-1252, the byte the controller fills its notes with.
constexpr char16_t FillByteChar = 0xFF;

} // namespace

QString TKeyNote::Refusal(const QString& note) {
    const QString composed = Composed(note);
    for (char32_t c : composed.toUcs4()) {
        if (c == FillByteChar)
            return tr("the note holds \"ÿ\", which the controller takes for its fill byte: it "
                      "would be dropped there and the note never verified; write \"y\" instead");
        if (c > 0xFFFF || !TWin1252::canEncode(QChar(char16_t(c))))
            return tr("the note holds \"%1\", which the key list's code page (Windows-1252) "
                      "cannot hold")
                .arg(TKeyText::Named(c));
    }
    if (composed.size() > TKeyTable::MemoLength)
        return tr("the note is %1 characters long, a key list holds at most %2")
            .arg(composed.size())
            .arg(TKeyTable::MemoLength);
    return QString();
}

bool TKeyNote::HoldsFillByte(const QString& note) {
    return note.contains(QChar(FillByteChar));
}

QString TKeyNote::FillByteReason() {
    return tr("the note holds \"ÿ\", which the controller drops as its fill byte when it is "
              "read: the note can never be verified");
}
