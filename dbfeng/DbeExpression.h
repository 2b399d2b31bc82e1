#pragma once

#include "dbfeng/DbeField.h"

#include <memory>
#include <string>
#include <vector>

// An xBase expression, parsed once against a table layout and evaluated per record: field names
// in any case, character, number and logical literals (.T. .F.), parentheses, = == <> # != < > <=
// >= $, + - * /, .AND. .OR. .NOT. (and AND, OR, NOT), and the functions UPPER, LOWER, TRIM, RTRIM,
// LTRIM, ALLTRIM, SUBSTR, LEFT, RIGHT, LEN, STR, VAL, RECNO, DELETED, EMPTY and IIF.
// A text that does not parse, or mixes types, gives no expression and a reason.
class DbeExpression {
public:
    enum Type { Invalid = 0, Character = 1, Numeric = 2, Logical = 3 };

    struct Value {
        Type type = Invalid;
        std::string text;
        double number = 0;
        bool logical = false;
    };

    struct Record {
        const char* bytes; // the record image, deletion flag first
        int recNo;
        bool exact; // the engine's exact-comparison setting
    };

    static std::unique_ptr<DbeExpression> parse(const std::string& text, const DbeLayout& layout,
                                                std::string* error = nullptr);
    ~DbeExpression();

    Type type() const;
    Value evaluate(const Record& record) const;
    bool test(const Record& record) const; // a logical expression's value
    // The field when the expression is one field, alone or inside UPPER/LOWER/TRIM...; -1 otherwise.
    int keyField() const;
    // The width of a character value, when every record gives the same; 0 otherwise.
    int fixedWidth() const;

    struct Node;

private:
    DbeExpression() = default;
    std::vector<Node> nodes;
    int root = -1;
    const DbeLayout* layout = nullptr;
    DbeLayout ownLayout;

    friend class DbeParser;
};
