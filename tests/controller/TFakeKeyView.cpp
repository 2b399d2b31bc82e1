#include "tests/controller/TFakeKeyView.h"
#include "keys/TKeyPlaceholder.h"

#include <algorithm>

TFakeKeyView::TFakeKeyView(const QString& keyType, int slotCount) : recCount(137) {
    for (int i = 0; i < slotCount; ++i) {
        TKeySlot key;
        key.recId = i + 1;
        key.keyId = i;
        key.keyType = keyType;
        key.keyCode = QLatin1String(TKeyPlaceholder::EmptyCode);
        records.append(key);
        order.append(i + 2);
    }
}

QList<int> TFakeKeyView::SlotRecords() {
    QList<int> byRecId;
    for (int i = 0; i < records.size(); ++i)
        byRecId.append(i + 2);
    std::stable_sort(byRecId.begin(), byRecId.end(),
                     [this](int a, int b) { return records[a - 2].recId < records[b - 2].recId; });
    return byRecId;
}

void TFakeKeyView::Store(int recNo, const TKeySlot& key) {
    records[recNo - 2] = key;
    ++stores;
}

void TFakeKeyView::sortByKeyCodeDescending() {
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return records[a - 2].keyCode > records[b - 2].keyCode; });
}
