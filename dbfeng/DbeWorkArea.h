#pragma once

#include "dbfeng/DbeExpression.h"
#include "dbfeng/DbeIndex.h"

#include <memory>
#include <string>
#include <vector>

class DbeFile;

// One work area: a table opened under an alias, with its cursor, its index orders (order 0 is
// physical order) and the query in force. Moves follow the controlling order and pass over
// records outside the query (and deleted ones while deleted records are hidden).
class DbeWorkArea {
public:
    struct FieldSpec {
        std::string name;
        char type;
        int width;
        int decimals;
    };

    DbeWorkArea(int number, std::string alias) : number(number), alias(std::move(alias)) {}

    const int number;
    const std::string alias;
    std::shared_ptr<DbeFile> file; // null while a table is being built
    int openMode = 0;

    // Building a new table (between CreateNew and CreateExec).
    bool building = false;
    bool buildFailed = false;
    std::string buildPath;
    int buildFieldCount = 0;
    std::vector<FieldSpec> buildFields;

    // Cursor
    int recNo = 1;
    bool eof = true;
    bool bof = true;
    bool found = false;

    std::vector<std::unique_ptr<DbeIndex>> orders;
    int order = 0;

    std::unique_ptr<DbeExpression> query;
    std::string queryText;
    bool queryInvalid = false; // a query that did not parse admits no record
    std::vector<char> matches; // by record number

    bool visible(int recNo, bool hideDeleted) const;
    void goTop(bool hideDeleted);
    void goBottom(bool hideDeleted);
    void skip(int count, bool hideDeleted);
    void go(int recNo);
    double orderPosition() const;
    void setQuery(const std::string& text, std::unique_ptr<DbeExpression> expression, bool exact);
    int queryCount(bool hideDeleted) const;
    // A record of the file was written or added (through any work area).
    void recordChanged(int recNo, bool exact);
    DbeIndex* controlling() const { return order > 0 ? orders[size_t(order - 1)].get() : nullptr; }

private:
    int sequenceSize() const;
    int sequenceAt(int position) const;
    int positionOf(int recNo) const;
    void setEof();
    bool matchesQuery(int recNo, bool exact) const;
};
