#include "keylist/TKeyEnrolment.h"

#include "dbf/TDbfTable.h"
#include "keylist/TKeyListRows.h"
#include "keylist/TKeyListStore.h"
#include "keylist/TKeyNote.h"
#include "keys/TKeyCode.h"

#include <stdexcept>

TKeyEnrolment::TKeyEnrolment(TKeyListStore& store, TDbfTable& page) : store(store), page(page) {}

TKeyEnrolment::TResult TKeyEnrolment::Enrol(const QString& code, const QString& note) {
    TResult result;
    if (!page.Active())
        throw std::runtime_error(tr("No key list is open").toStdString());
    if (!TKeyCode::IsCode(code)) {
        result.message = tr("The reader gave \"%1\", which is not a key code").arg(code);
        return result;
    }
    const QString noteRefusal = TKeyNote::Refusal(note);
    if (!noteRefusal.isEmpty()) {
        result.message = tr("The key %1 was not enrolled: %2").arg(code, noteRefusal);
        return result;
    }
    for (TDbfTable* view : {&store.MKeysTable(), &store.SKeysTable()}) {
        if (!view->Active())
            continue;
        for (const TKeySlot& r : TKeyListRows::Read(*view)) {
            if (r.keyCode == code) {
                result.message =
                    tr("The key %1 is already in the list as %2").arg(code, TKeyListRows::Place(r));
                result.record = r;
                return result;
            }
        }
    }
    const QVector<TKeySlot> rows = TKeyListRows::Read(page);
    int start = 0;
    for (int i = 0; i < rows.size(); ++i)
        if (rows[i].recNo == page.RecNo())
            start = i;
    for (int n = 0; n < rows.size(); ++n) {
        const TKeySlot& slot = rows[(start + n) % rows.size()];
        if (slot.HasKey())
            continue;
        TKeySlot after = slot;
        after.keyCode = code;
        after.active = true;
        after.memo = TKeyNote::Composed(note);
        TKeyListRows::Write(page, after);
        done << slot;
        result.ok = true;
        result.record = after;
        result.message = tr("%1 enrolled as %2").arg(code, TKeyListRows::Place(after));
        return result;
    }
    result.message = tr("There is no empty slot left for the key %1").arg(code);
    return result;
}

TKeySlot TKeyEnrolment::Undo() {
    if (done.isEmpty())
        throw std::runtime_error(tr("There is no enrolment to undo").toStdString());
    const TKeySlot before = done.takeLast();
    TKeyListRows::Write(page, before);
    return before;
}
