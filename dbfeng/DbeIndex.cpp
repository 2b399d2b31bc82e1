#include "dbfeng/DbeIndex.h"

#include "dbfeng/DbeFile.h"
#include "dbfeng/DbeStagedFile.h"
#include "dbfeng/DbeText.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Our own index file: a magic, the key and condition, then the record numbers in index order.
const char indexMagic[8] = {'V', 'T', 'R', 'K', 'N', 'D', 'X', '1'};

void put32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out += char((v >> (8 * i)) & 0xFF);
}

int compareKeys(const std::string& a, const std::string& b) {
    const int c = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    if (c != 0)
        return c < 0 ? -1 : 1;
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// Compares a key's beginning (as long as value) with value.
int comparePrefix(const std::string& key, const std::string& value) {
    const size_t n = std::min(key.size(), value.size());
    const int c = std::memcmp(key.data(), value.data(), n);
    if (c != 0)
        return c < 0 ? -1 : 1;
    return key.size() < value.size() ? -1 : 0;
}
} // namespace

std::unique_ptr<DbeIndex> DbeIndex::build(const std::string& path, const std::string& keyText,
                                          std::unique_ptr<DbeExpression> key,
                                          const std::string& conditionText,
                                          std::unique_ptr<DbeExpression> condition, bool descending,
                                          const DbeFile& file, std::string* error) {
    std::unique_ptr<DbeIndex> index(new DbeIndex);
    index->filePath = path;
    index->keyExpression = keyText;
    index->conditionExpression = conditionText;
    index->key = std::move(key);
    index->condition = std::move(condition);
    index->descending = descending;
    const int count = file.recordCount();
    index->keys.resize(size_t(count) + 1);
    index->present.assign(size_t(count) + 1, 0);
    index->entries.reserve(size_t(count));
    for (int recNo = 1; recNo <= count; ++recNo) {
        index->keys[size_t(recNo)] = index->keyOf(recNo, file);
        if (index->admits(recNo, file)) {
            index->present[size_t(recNo)] = 1;
            index->entries.push_back(recNo);
        }
    }
    DbeIndex* self = index.get();
    std::stable_sort(index->entries.begin(), index->entries.end(),
                     [self](int a, int b) { return self->before(a, b); });
    if (!index->save(error))
        return nullptr;
    return index;
}

std::string DbeIndex::tagName() const {
    std::string name = filePath;
    const size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    const size_t dot = name.find('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return DbeText::upper(name);
}

std::string DbeIndex::keyOf(int recNo, const DbeFile& file) const {
    const DbeExpression::Record record{file.record(recNo), recNo, true};
    const DbeExpression::Value v = key->evaluate(record);
    switch (v.type) {
    case DbeExpression::Numeric:
        return DbeText::sortableNumber(v.number);
    case DbeExpression::Logical:
        return v.logical ? "T" : "F";
    default:
        return v.text;
    }
}

bool DbeIndex::admits(int recNo, const DbeFile& file) const {
    if (!condition)
        return true;
    return condition->test(DbeExpression::Record{file.record(recNo), recNo, true});
}

bool DbeIndex::before(int a, int b) const {
    const int c = compareKeys(keys[size_t(a)], keys[size_t(b)]);
    if (c != 0)
        return descending ? c > 0 : c < 0;
    return a < b;
}

void DbeIndex::renumber() {
    positions.assign(keys.size(), -1);
    for (size_t i = 0; i < entries.size(); ++i)
        positions[size_t(entries[i])] = int(i);
    positionsStale = false;
}

int DbeIndex::positionOf(int recNo) const {
    if (recNo < 1 || size_t(recNo) >= keys.size())
        return -1;
    if (positionsStale)
        const_cast<DbeIndex*>(this)->renumber();
    return positions[size_t(recNo)];
}

void DbeIndex::recordChanged(int recNo, const DbeFile& file) {
    if (size_t(recNo) >= keys.size()) {
        keys.resize(size_t(recNo) + 1);
        present.resize(size_t(recNo) + 1, 0);
    }
    if (present[size_t(recNo)]) {
        const int at = positionOf(recNo);
        if (at >= 0)
            entries.erase(entries.begin() + at);
        present[size_t(recNo)] = 0;
    }
    keys[size_t(recNo)] = keyOf(recNo, file);
    if (admits(recNo, file)) {
        auto it = std::lower_bound(entries.begin(), entries.end(), recNo,
                                   [this](int a, int b) { return before(a, b); });
        entries.insert(it, recNo);
        present[size_t(recNo)] = 1;
    }
    positionsStale = true;
    changed = true;
}

std::string DbeIndex::seekKey(const std::string& text) const {
    switch (key->type()) {
    case DbeExpression::Numeric:
        return DbeText::sortableNumber(DbeText::parseNumber(text));
    case DbeExpression::Logical: {
        const std::string t = DbeText::upper(DbeText::trimLeft(DbeText::trimRight(text)));
        return (t == "T" || t == ".T." || t == "Y" || t == "TRUE") ? "T" : "F";
    }
    default:
        return text;
    }
}

void DbeIndex::find(const std::string& value, bool wholeKey, int* first, int* last) const {
    // Entries that begin with value are contiguous in either direction.
    auto ahead = [this, &value](int recNo) {
        const int c = comparePrefix(keys[size_t(recNo)], value);
        return descending ? c > 0 : c < 0;
    };
    auto begin = std::partition_point(entries.begin(), entries.end(), ahead);
    auto end = begin;
    while (end != entries.end() && comparePrefix(keys[size_t(*end)], value) == 0)
        ++end;
    if (wholeKey && key->type() == DbeExpression::Character) {
        // Among those, the keys equal to value apart from trailing blanks.
        const std::string_view wanted = DbeText::trimRight(value);
        auto whole = [this, wanted](int recNo) { return DbeText::trimRight(keys[size_t(recNo)]) == wanted; };
        while (begin != end && !whole(*begin))
            ++begin;
        auto stop = begin;
        while (stop != end && whole(*stop))
            ++stop;
        end = stop;
    }
    *first = int(begin - entries.begin());
    *last = int(end - entries.begin());
}

int DbeIndex::after(const std::string& value) const {
    auto ahead = [this, &value](int recNo) {
        const int c = comparePrefix(keys[size_t(recNo)], value);
        return descending ? c >= 0 : c <= 0;
    };
    return int(std::partition_point(entries.begin(), entries.end(), ahead) - entries.begin());
}

bool DbeIndex::save(std::string* error) {
    std::string out(indexMagic, sizeof indexMagic);
    put32(out, descending ? 1 : 0);
    put32(out, uint32_t(keyExpression.size()));
    out += keyExpression;
    put32(out, uint32_t(conditionExpression.size()));
    out += conditionExpression;
    put32(out, uint32_t(entries.size()));
    for (int recNo : entries)
        put32(out, uint32_t(recNo));

    // Staged and put in place whole, so that an index file is whole or absent.
    DbeStagedFile staged;
    bool ok = staged.create(filePath, 0644, error);
    size_t done = 0;
    while (ok && done < out.size()) {
        const ssize_t n = ::write(staged.fd(), out.data() + done, out.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            done += size_t(n);
        else if (error)
            *error = filePath + ": " + std::strerror(errno);
    }
    // Rebuilt at every open, so never worth a sync.
    if (!ok || !staged.commit(false, error))
        return false;
    changed = false;
    return true;
}
