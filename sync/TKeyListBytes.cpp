#include "sync/TKeyListBytes.h"

#include "keylist/TKeyListSchema.h"
#include "keys/TWin1252.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>
#include <vector>

namespace {
using TKeyListSchema::Layout;
using TKeyListSchema::LayoutFields;

constexpr unsigned char DbaseIII = 0x03;
constexpr int FileHeaderSize = 32;
constexpr int DescriptorSize = 32;
constexpr int DescriptorNameSize = 11;
constexpr unsigned char HeaderTerminator = 0x0D;
constexpr int HeaderLength = FileHeaderSize + LayoutFields * DescriptorSize + 1;
constexpr int RecordCount = 1 + TKeyTable::MasterSlots + TKeyTable::SlaveSlots;
// Field positions in the layout.
enum Field { RecId, KeyId, KeyCode, KeyType, KeyStatus, KeyMemo };

constexpr std::array<int, LayoutFields + 1> fieldOffsets() {
    std::array<int, LayoutFields + 1> offsets{};
    offsets[0] = 1; // the deletion flag comes first
    for (int i = 0; i < LayoutFields; ++i)
        offsets[i + 1] = offsets[i] + Layout[i].width;
    return offsets;
}
constexpr std::array<int, LayoutFields + 1> Offsets = fieldOffsets();
constexpr int RecordLength = Offsets[LayoutFields];

quint32 littleEndian(const unsigned char* bytes, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes[i];
    return value;
}

bool plainHeader(const unsigned char* file) {
    if (file[0] != DbaseIII || littleEndian(file + 4, 4) != quint32(RecordCount) ||
        littleEndian(file + 8, 2) != quint32(HeaderLength) ||
        littleEndian(file + 10, 2) != quint32(RecordLength) || file[HeaderLength - 1] != HeaderTerminator)
        return false;
    for (int i = 0; i < LayoutFields; ++i) {
        const unsigned char* descriptor = file + FileHeaderSize + i * DescriptorSize;
        char name[DescriptorNameSize + 1] = {};
        std::strncpy(name, Layout[i].name, DescriptorNameSize);
        if (std::memcmp(descriptor, name, DescriptorNameSize) != 0 || descriptor[11] != Layout[i].type[0] ||
            descriptor[16] != Layout[i].width || descriptor[17] != 0)
            return false;
    }
    return true;
}

// A number field as digits alone (blank reads as 0); -1 for anything the engine should judge.
int plainNumber(const char* text, int width) {
    int begin = 0;
    while (begin < width && text[begin] == ' ')
        ++begin;
    int end = width;
    while (end > begin && text[end - 1] == ' ')
        --end;
    if (end - begin > 9)
        return -1;
    int value = 0;
    for (int i = begin; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// As the table layer decodes a character field: blanks and NULs at the end dropped.
QString text(const char* record, Field field) {
    const char* raw = record + Offsets[field];
    int size = Layout[field].width;
    while (size > 0 && (raw[size - 1] == ' ' || raw[size - 1] == '\0'))
        --size;
    return TWin1252::toUnicode(raw, size);
}

bool active(const char* record) {
    const char flag = record[Offsets[KeyStatus]];
    return flag == 'T' || flag == 't' || flag == 'Y' || flag == 'y';
}

// The records of one table by RECID, then by position: the order its slots are loaded in.
struct TOrder {
    std::vector<std::pair<int, int>> master; // RECID, record index
    std::vector<std::pair<int, int>> slave;
};

bool plainRecords(const char* records, TOrder* order) {
    for (int index = 0; index < RecordCount; ++index) {
        const char* record = records + index * RecordLength;
        const char type = record[Offsets[KeyType]];
        const int recId = plainNumber(record + Offsets[RecId], Layout[RecId].width);
        if (record[0] != ' ' || recId < 0 || plainNumber(record + Offsets[KeyId], Layout[KeyId].width) < 0)
            return false;
        if (index == 0 ? type != ' ' : type != TKeyTable::MasterType[0] && type != TKeyTable::SlaveType[0])
            return false;
        if (index > 0)
            (type == TKeyTable::MasterType[0] ? order->master : order->slave).emplace_back(recId, index);
    }
    if (int(order->master.size()) != TKeyTable::MasterSlots ||
        int(order->slave.size()) != TKeyTable::SlaveSlots)
        return false;
    std::sort(order->master.begin(), order->master.end());
    std::sort(order->slave.begin(), order->slave.end());
    return true;
}

void load(TMemoryKeyView& view, const std::vector<std::pair<int, int>>& order, const char* records) {
    for (int slot = 0; slot < view.SlotCount(); ++slot) {
        const int index = order[size_t(slot)].second;
        const char* record = records + index * RecordLength;
        TKeySlot key;
        key.active = active(record);
        key.keyCode = text(record, KeyCode);
        key.memo = text(record, KeyMemo);
        key.recNo = index + 1;
        view.SetSlot(slot, key);
    }
}

bool plain(const QByteArray& bytes, TOrder* order) {
    return bytes.size() >= HeaderLength + RecordCount * RecordLength &&
           plainHeader(reinterpret_cast<const unsigned char*>(bytes.constData())) &&
           plainRecords(bytes.constData() + HeaderLength, order);
}
} // namespace

bool TKeyListBytes::IsPlain(const QByteArray& bytes) {
    TOrder order;
    return plain(bytes, &order);
}

std::optional<TKeyTables> TKeyListBytes::Parse(const QByteArray& bytes) {
    TOrder order;
    if (!plain(bytes, &order))
        return std::nullopt;
    const char* records = bytes.constData() + HeaderLength;
    TKeyTables tables;
    tables.serial = text(records, KeyCode).trimmed();
    tables.info = text(records, KeyMemo);
    load(tables.master, order.master, records);
    load(tables.slave, order.slave, records);
    return tables;
}
