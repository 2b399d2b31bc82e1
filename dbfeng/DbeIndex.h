#pragma once

#include "dbfeng/DbeExpression.h"

#include <memory>
#include <string>
#include <vector>

class DbeFile;

// One index order over every record of a file (or those its condition admits): ascending by key,
// equal keys in physical order, or descending by key with equal keys still in physical order.
// Numbers sort as numbers (a blank number as 0), logical values F before T, text bytewise.
// It is kept in memory, follows every record write, and is saved to its own file.
class DbeIndex {
public:
    static std::unique_ptr<DbeIndex> build(const std::string& path, const std::string& keyText,
                                           std::unique_ptr<DbeExpression> key,
                                           const std::string& conditionText,
                                           std::unique_ptr<DbeExpression> condition, bool descending,
                                           const DbeFile& file, std::string* error);

    const std::string& path() const { return filePath; }
    std::string tagName() const; // the file name without directory and extension, upper case
    const std::string& keyText() const { return keyExpression; }
    const std::string& conditionText() const { return conditionExpression; }
    int keyField() const { return key->keyField(); }
    DbeExpression::Type keyType() const { return key->type(); }

    int size() const { return int(entries.size()); }
    int recNoAt(int position) const { return entries[size_t(position)]; }
    int positionOf(int recNo) const; // -1 when the record is not in the index

    // The record was written or added: move its entry to where its new key belongs.
    void recordChanged(int recNo, const DbeFile& file);

    // Where the entries matching value begin and end: [first, last). wholeKey: the key must equal
    // the value apart from trailing blanks; otherwise it must begin with it.
    void find(const std::string& value, bool wholeKey, int* first, int* last) const;
    // Position of the first entry whose key sorts after value (for soft seeks).
    int after(const std::string& value) const;
    // A seek text turned into the index's key form (numbers parsed, logicals as T/F).
    std::string seekKey(const std::string& text) const;

    bool save(std::string* error);
    bool dirty() const { return changed; }

private:
    DbeIndex() = default;
    std::string keyOf(int recNo, const DbeFile& file) const;
    bool admits(int recNo, const DbeFile& file) const;
    bool before(int a, int b) const; // entry order of two records
    void renumber();

    std::string filePath;
    std::string keyExpression;
    std::string conditionExpression;
    std::unique_ptr<DbeExpression> key;
    std::unique_ptr<DbeExpression> condition;
    bool descending = false;
    std::vector<int> entries;           // record numbers in index order
    std::vector<std::string> keys;      // key of each record, by record number
    std::vector<char> present;          // record admitted by the condition, by record number
    mutable std::vector<int> positions; // entry position of each record, rebuilt when stale
    mutable bool positionsStale = true;
    bool changed = false;
};
