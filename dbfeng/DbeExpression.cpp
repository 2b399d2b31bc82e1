#include "dbfeng/DbeExpression.h"

#include "dbfeng/DbeText.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

enum class Op {
    Field,
    Text,
    Number,
    Bool,
    And,
    Or,
    Not,
    Equal,
    ExactEqual,
    NotEqual,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
    Contains,
    Add,
    Subtract,
    Multiply,
    Divide,
    Negate,
    Upper,
    Lower,
    TrimRight,
    TrimLeft,
    TrimBoth,
    Substr,
    Left,
    Right,
    Len,
    Str,
    Val,
    RecNo,
    Deleted,
    Empty,
    Iif
};

enum class Tok { End, Number, String, Ident, Symbol, Dotted, Bad };

struct Token {
    Tok kind = Tok::End;
    std::string text; // upper case for identifiers and dotted words
    double number = 0;
};

// Splits the text into tokens; numbers are read without the C library's locale.
class Lexer {
public:
    explicit Lexer(std::string_view text) : text(text) {}

    Token next() {
        while (pos < text.size() &&
               (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\r' || text[pos] == '\n'))
            ++pos;
        Token t;
        if (pos >= text.size())
            return t;
        const char c = text[pos];
        if (c == '\'' || c == '"') {
            const size_t close = text.find(c, pos + 1);
            if (close == std::string_view::npos) {
                t.kind = Tok::Bad;
                t.text = "unclosed quote";
                pos = text.size();
                return t;
            }
            t.kind = Tok::String;
            t.text = std::string(text.substr(pos + 1, close - pos - 1));
            pos = close + 1;
            return t;
        }
        if (isDigit(c) || (c == '.' && pos + 1 < text.size() && isDigit(text[pos + 1]))) {
            const size_t start = pos;
            while (pos < text.size() && isDigit(text[pos]))
                ++pos;
            if (pos < text.size() && text[pos] == '.' &&
                !(pos + 1 < text.size() && isLetter(text[pos + 1]))) {
                ++pos;
                while (pos < text.size() && isDigit(text[pos]))
                    ++pos;
            }
            // A number no double holds is no number: read as 0 or as infinity it would turn a
            // test around. Said as such, not as unreadable text.
            bool ok = false;
            t.number = DbeText::parseNumber(text.substr(start, pos - start), &ok);
            t.kind = ok && std::isfinite(t.number) ? Tok::Number : Tok::Bad;
            if (t.kind == Tok::Bad)
                t.text = "number out of range: " + shortened(text.substr(start, pos - start));
            return t;
        }
        if (c == '.' && pos + 1 < text.size() && isLetter(text[pos + 1])) {
            size_t end = pos + 1;
            while (end < text.size() && isLetter(text[end]))
                ++end;
            if (end < text.size() && text[end] == '.') {
                t.kind = Tok::Dotted;
                t.text = DbeText::upper(text.substr(pos + 1, end - pos - 1));
                pos = end + 1;
                return t;
            }
            t.kind = Tok::Bad;
            pos = text.size();
            return t;
        }
        if (isLetter(c) || c == '_') {
            const size_t start = pos;
            while (pos < text.size() && (isLetter(text[pos]) || isDigit(text[pos]) || text[pos] == '_'))
                ++pos;
            t.kind = Tok::Ident;
            t.text = DbeText::upper(text.substr(start, pos - start));
            return t;
        }
        static const char* const twoChar[] = {"<>", "<=", ">=", "==", "!=", "->"};
        for (const char* op : twoChar) {
            if (text.compare(pos, 2, op) == 0) {
                t.kind = Tok::Symbol;
                t.text = op;
                pos += 2;
                return t;
            }
        }
        if (std::string_view("=<>#$+-*/(),!").find(c) != std::string_view::npos) {
            t.kind = Tok::Symbol;
            t.text = std::string(1, c);
            ++pos;
            return t;
        }
        t.kind = Tok::Bad;
        pos = text.size();
        return t;
    }

private:
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    // A literal quoted in an error is cut to a readable length.
    static std::string shortened(std::string_view literal) {
        constexpr size_t Shown = 24;
        return literal.size() <= Shown ? std::string(literal)
                                       : std::string(literal.substr(0, Shown)) + "... (" +
                                             std::to_string(literal.size()) + " characters)";
    }
    static bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

    std::string_view text;
    size_t pos = 0;
};

struct ParseError {
    std::string reason;
};

} // namespace

struct DbeExpression::Node {
    Node(Op op, Type type) : op(op), type(type) {}
    Op op;
    Type type;
    int a = -1, b = -1, c = -1; // operands
    int field = -1;
    int width = 0; // fixed width of a character value, 0 when it varies
    std::string text;
    double number = 0;
    bool logical = false;
};

class DbeParser {
public:
    DbeParser(DbeExpression& e, std::string_view text) : e(e), lexer(text) { advance(); }

    int parseAll() {
        const int root = orExpr();
        if (tok.kind != Tok::End)
            fail("unexpected text after the expression");
        return root;
    }

private:
    using Type = DbeExpression::Type;
    using Node = DbeExpression::Node;

    [[noreturn]] void fail(const std::string& reason) { throw ParseError{reason}; }

    void advance() {
        tok = lexer.next();
        if (tok.kind == Tok::Bad)
            fail(tok.text.empty() ? std::string("unreadable text") : tok.text);
    }

    bool isSymbol(const char* s) const { return tok.kind == Tok::Symbol && tok.text == s; }
    bool isWord(const char* dotted) const {
        return (tok.kind == Tok::Dotted || tok.kind == Tok::Ident) && tok.text == dotted;
    }

    void expect(const char* symbol) {
        if (!isSymbol(symbol))
            fail(std::string("\"") + symbol + "\" expected");
        advance();
    }

    int add(Node n) {
        if (e.nodes.size() > 1000)
            fail("expression too long");
        e.nodes.push_back(std::move(n));
        return int(e.nodes.size()) - 1;
    }

    Type typeOf(int n) const { return e.nodes[size_t(n)].type; }
    int widthOf(int n) const { return e.nodes[size_t(n)].width; }

    int node(Op op, Type type, int a = -1, int b = -1, int c = -1, int width = 0) {
        Node n{op, type};
        n.a = a;
        n.b = b;
        n.c = c;
        n.width = width;
        return add(std::move(n));
    }

    void need(int n, Type type) {
        if (typeOf(n) != type)
            fail("operand of the wrong type");
    }

    int orExpr() {
        int left = andExpr();
        while (isWord("OR")) {
            advance();
            const int right = andExpr();
            need(left, Type::Logical);
            need(right, Type::Logical);
            left = node(Op::Or, Type::Logical, left, right);
        }
        return left;
    }

    int andExpr() {
        int left = notExpr();
        while (isWord("AND")) {
            advance();
            const int right = notExpr();
            need(left, Type::Logical);
            need(right, Type::Logical);
            left = node(Op::And, Type::Logical, left, right);
        }
        return left;
    }

    int notExpr() {
        if (isWord("NOT") || isSymbol("!")) {
            advance();
            if (++depth > 200)
                fail("expression nested too deeply");
            const int operand = notExpr();
            --depth;
            need(operand, Type::Logical);
            return node(Op::Not, Type::Logical, operand);
        }
        return comparison();
    }

    int comparison() {
        const int left = additive();
        static const std::pair<const char*, Op> ops[] = {
            {"==", Op::ExactEqual}, {"=", Op::Equal},      {"<>", Op::NotEqual},     {"#", Op::NotEqual},
            {"!=", Op::NotEqual},   {"<=", Op::LessEqual}, {">=", Op::GreaterEqual}, {"<", Op::Less},
            {">", Op::Greater},     {"$", Op::Contains}};
        for (const auto& [symbol, op] : ops) {
            if (isSymbol(symbol)) {
                advance();
                const int right = additive();
                if (typeOf(left) != typeOf(right))
                    fail("comparison of different types");
                if (op == Op::Contains && typeOf(left) != Type::Character)
                    fail("$ needs character operands");
                return node(op, Type::Logical, left, right);
            }
        }
        return left;
    }

    int additive() {
        int left = multiplicative();
        while (isSymbol("+") || isSymbol("-")) {
            const bool plus = tok.text == "+";
            advance();
            const int right = multiplicative();
            if (typeOf(left) != typeOf(right))
                fail("arithmetic on different types");
            if (typeOf(left) == Type::Character && plus) {
                const int w = widthOf(left) && widthOf(right) ? widthOf(left) + widthOf(right) : 0;
                left = node(Op::Add, Type::Character, left, right, -1, w);
            } else {
                need(left, Type::Numeric);
                left = node(plus ? Op::Add : Op::Subtract, Type::Numeric, left, right);
            }
        }
        return left;
    }

    int multiplicative() {
        int left = unary();
        while (isSymbol("*") || isSymbol("/")) {
            const bool times = tok.text == "*";
            advance();
            const int right = unary();
            need(left, Type::Numeric);
            need(right, Type::Numeric);
            left = node(times ? Op::Multiply : Op::Divide, Type::Numeric, left, right);
        }
        return left;
    }

    int unary() {
        if (isSymbol("-") || isSymbol("+")) {
            const bool minus = tok.text == "-";
            advance();
            if (++depth > 200)
                fail("expression nested too deeply");
            const int operand = unary();
            --depth;
            need(operand, Type::Numeric);
            return minus ? node(Op::Negate, Type::Numeric, operand) : operand;
        }
        return primary();
    }

    int primary() {
        if (tok.kind == Tok::Number) {
            Node n{Op::Number, Type::Numeric};
            n.number = tok.number;
            advance();
            return add(std::move(n));
        }
        if (tok.kind == Tok::String) {
            Node n{Op::Text, Type::Character};
            n.text = tok.text;
            n.width = int(tok.text.size());
            advance();
            return add(std::move(n));
        }
        if (tok.kind == Tok::Dotted) {
            if (tok.text == "T" || tok.text == "Y" || tok.text == "F" || tok.text == "N") {
                Node n{Op::Bool, Type::Logical};
                n.logical = tok.text == "T" || tok.text == "Y";
                advance();
                return add(std::move(n));
            }
            fail("unexpected ." + tok.text + ".");
        }
        if (isSymbol("(")) {
            advance();
            if (++depth > 200)
                fail("expression nested too deeply");
            const int inner = orExpr();
            --depth;
            expect(")");
            return inner;
        }
        if (tok.kind == Tok::Ident) {
            std::string name = tok.text;
            advance();
            if (isSymbol("->")) { // alias->field: the alias is this table's
                advance();
                if (tok.kind != Tok::Ident)
                    fail("field name expected after ->");
                name = tok.text;
                advance();
                return field(name);
            }
            if (isSymbol("("))
                return function(name);
            return field(name);
        }
        fail("value expected");
    }

    int field(const std::string& name) {
        const int index = dbeFindField(*e.layout, name);
        if (index < 0)
            fail("unknown field " + name);
        const DbeField& f = (*e.layout)[size_t(index)];
        Type type = Type::Character;
        if (f.type == 'N' || f.type == 'F')
            type = Type::Numeric;
        else if (f.type == 'L')
            type = Type::Logical;
        else if (f.type != 'C' && f.type != 'D')
            fail("field " + name + " cannot be used in an expression");
        Node n{Op::Field, type};
        n.field = index;
        n.width = type == Type::Character ? f.width : 0;
        return add(std::move(n));
    }

    std::vector<int> arguments() {
        expect("(");
        std::vector<int> args;
        if (isSymbol(")")) {
            advance();
            return args;
        }
        if (++depth > 200)
            fail("expression nested too deeply");
        for (;;) {
            args.push_back(orExpr());
            if (isSymbol(",")) {
                advance();
                continue;
            }
            expect(")");
            break;
        }
        --depth;
        return args;
    }

    int function(const std::string& name) {
        const std::vector<int> args = arguments();
        auto count = [&](size_t low, size_t high) {
            if (args.size() < low || args.size() > high)
                fail("wrong number of arguments to " + name);
        };
        auto arg = [&](size_t i, Type type) {
            need(args[i], type);
            return args[i];
        };
        auto opt = [&](size_t i) { return i < args.size() ? args[i] : -1; };
        if (name == "UPPER" || name == "LOWER") {
            count(1, 1);
            return node(name == "UPPER" ? Op::Upper : Op::Lower, Type::Character, arg(0, Type::Character), -1,
                        -1, widthOf(args[0]));
        }
        if (name == "TRIM" || name == "RTRIM" || name == "LTRIM" || name == "ALLTRIM") {
            count(1, 1);
            const Op op = name == "LTRIM" ? Op::TrimLeft : name == "ALLTRIM" ? Op::TrimBoth : Op::TrimRight;
            return node(op, Type::Character, arg(0, Type::Character));
        }
        if (name == "SUBSTR") {
            count(2, 3);
            arg(0, Type::Character);
            arg(1, Type::Numeric);
            if (args.size() == 3)
                arg(2, Type::Numeric);
            return node(Op::Substr, Type::Character, args[0], args[1], opt(2));
        }
        if (name == "LEFT" || name == "RIGHT") {
            count(2, 2);
            return node(name == "LEFT" ? Op::Left : Op::Right, Type::Character, arg(0, Type::Character),
                        arg(1, Type::Numeric));
        }
        if (name == "LEN") {
            count(1, 1);
            return node(Op::Len, Type::Numeric, arg(0, Type::Character));
        }
        if (name == "STR") {
            count(1, 3);
            arg(0, Type::Numeric);
            for (size_t i = 1; i < args.size(); ++i)
                arg(i, Type::Numeric);
            return node(Op::Str, Type::Character, args[0], opt(1), opt(2));
        }
        if (name == "VAL") {
            count(1, 1);
            return node(Op::Val, Type::Numeric, arg(0, Type::Character));
        }
        if (name == "RECNO") {
            count(0, 0);
            return node(Op::RecNo, Type::Numeric);
        }
        if (name == "DELETED") {
            count(0, 0);
            return node(Op::Deleted, Type::Logical);
        }
        if (name == "EMPTY") {
            count(1, 1);
            return node(Op::Empty, Type::Logical, args[0]);
        }
        if (name == "IIF") {
            count(3, 3);
            arg(0, Type::Logical);
            if (typeOf(args[1]) != typeOf(args[2]))
                fail("IIF branches of different types");
            return node(Op::Iif, typeOf(args[1]), args[0], args[1], args[2]);
        }
        fail("unknown function " + name);
    }

    DbeExpression& e;
    Lexer lexer;
    Token tok;
    int depth = 0;
};

std::unique_ptr<DbeExpression> DbeExpression::parse(const std::string& text, const DbeLayout& layout,
                                                    std::string* error) {
    std::unique_ptr<DbeExpression> e(new DbeExpression);
    e->ownLayout = layout;
    e->layout = &e->ownLayout;
    try {
        if (text.size() > 4096)
            throw ParseError{"expression too long"};
        DbeParser parser(*e, text);
        e->root = parser.parseAll();
    } catch (const ParseError& failure) {
        if (error)
            *error = failure.reason;
        return nullptr;
    }
    return e;
}

DbeExpression::~DbeExpression() = default;

DbeExpression::Type DbeExpression::type() const {
    return nodes[size_t(root)].type;
}

int DbeExpression::fixedWidth() const {
    return nodes[size_t(root)].width;
}

int DbeExpression::keyField() const {
    int n = root;
    for (;;) {
        const Node& node = nodes[size_t(n)];
        switch (node.op) {
        case Op::Field:
            return node.field;
        case Op::Upper:
        case Op::Lower:
        case Op::TrimRight:
        case Op::TrimLeft:
        case Op::TrimBoth:
            n = node.a;
            break;
        default:
            return -1;
        }
    }
}

namespace {

using Value = DbeExpression::Value;

int compareText(std::string_view a, std::string_view b, bool exact) {
    if (!exact) {
        // Without exact comparison a right-hand side shorter than the left compares with the
        // left's beginning only; an empty right-hand side equals everything.
        if (b.size() < a.size())
            a = a.substr(0, b.size());
    } else {
        a = DbeText::trimRight(a);
        b = DbeText::trimRight(b);
    }
    const int c = a.compare(b);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

Value makeText(std::string text) {
    Value v;
    v.type = DbeExpression::Character;
    v.text = std::move(text);
    return v;
}
Value makeNumber(double n) {
    Value v;
    v.type = DbeExpression::Numeric;
    v.number = n;
    return v;
}
Value makeBool(bool b) {
    Value v;
    v.type = DbeExpression::Logical;
    v.logical = b;
    return v;
}

int clampInt(double v, int low, int high) {
    if (!(v >= low))
        return low;
    if (v > high)
        return high;
    return int(v);
}

} // namespace

// Evaluation walks the node array recursively; parse limits the depth.
static Value evalNode(const std::vector<DbeExpression::Node>& nodes, const DbeLayout& layout, int n,
                      const DbeExpression::Record& r) {
    const DbeExpression::Node& node = nodes[size_t(n)];
    auto sub = [&](int i) { return evalNode(nodes, layout, i, r); };
    switch (node.op) {
    case Op::Field: {
        const DbeField& f = layout[size_t(node.field)];
        std::string_view raw(r.bytes + f.offset, size_t(f.width));
        if (node.type == DbeExpression::Numeric)
            return makeNumber(DbeText::parseNumber(raw));
        if (node.type == DbeExpression::Logical) {
            const char c = raw.empty() ? ' ' : raw[0];
            return makeBool(c == 'T' || c == 't' || c == 'Y' || c == 'y');
        }
        return makeText(std::string(raw));
    }
    case Op::Text:
        return makeText(node.text);
    case Op::Number:
        return makeNumber(node.number);
    case Op::Bool:
        return makeBool(node.logical);
    case Op::And:
        return makeBool(sub(node.a).logical && sub(node.b).logical);
    case Op::Or:
        return makeBool(sub(node.a).logical || sub(node.b).logical);
    case Op::Not:
        return makeBool(!sub(node.a).logical);
    case Op::Equal:
    case Op::ExactEqual:
    case Op::NotEqual:
    case Op::Less:
    case Op::Greater:
    case Op::LessEqual:
    case Op::GreaterEqual: {
        const Value a = sub(node.a);
        const Value b = sub(node.b);
        int c = 0;
        if (a.type == DbeExpression::Character)
            c = node.op == Op::ExactEqual ? (a.text == b.text  ? 0
                                             : a.text < b.text ? -1
                                                               : 1)
                                          : compareText(a.text, b.text, r.exact);
        else if (a.type == DbeExpression::Numeric)
            c = a.number < b.number ? -1 : a.number > b.number ? 1 : 0;
        else
            c = int(a.logical) - int(b.logical);
        switch (node.op) {
        case Op::Equal:
        case Op::ExactEqual:
            return makeBool(c == 0);
        case Op::NotEqual:
            return makeBool(c != 0);
        case Op::Less:
            return makeBool(c < 0);
        case Op::Greater:
            return makeBool(c > 0);
        case Op::LessEqual:
            return makeBool(c <= 0);
        default:
            return makeBool(c >= 0);
        }
    }
    case Op::Contains:
        return makeBool(sub(node.b).text.find(sub(node.a).text) != std::string::npos);
    case Op::Add: {
        Value a = sub(node.a);
        const Value b = sub(node.b);
        if (a.type == DbeExpression::Character)
            return makeText(a.text + b.text);
        return makeNumber(a.number + b.number);
    }
    case Op::Subtract:
        return makeNumber(sub(node.a).number - sub(node.b).number);
    case Op::Multiply:
        return makeNumber(sub(node.a).number * sub(node.b).number);
    case Op::Divide: {
        const double d = sub(node.b).number;
        return makeNumber(d == 0 ? 0 : sub(node.a).number / d);
    }
    case Op::Negate:
        return makeNumber(-sub(node.a).number);
    case Op::Upper:
        return makeText(DbeText::upper(sub(node.a).text));
    case Op::Lower:
        return makeText(DbeText::lower(sub(node.a).text));
    case Op::TrimRight:
        return makeText(std::string(DbeText::trimRight(sub(node.a).text)));
    case Op::TrimLeft:
        return makeText(std::string(DbeText::trimLeft(sub(node.a).text)));
    case Op::TrimBoth:
        return makeText(std::string(DbeText::trimLeft(DbeText::trimRight(sub(node.a).text))));
    case Op::Substr: {
        const std::string s = sub(node.a).text;
        const int size = int(s.size());
        const int start = clampInt(sub(node.b).number, 1, size + 1) - 1;
        const int count = node.c >= 0 ? clampInt(sub(node.c).number, 0, size - start) : size - start;
        return makeText(s.substr(size_t(start), size_t(count)));
    }
    case Op::Left: {
        const std::string s = sub(node.a).text;
        return makeText(s.substr(0, size_t(clampInt(sub(node.b).number, 0, int(s.size())))));
    }
    case Op::Right: {
        const std::string s = sub(node.a).text;
        const int count = clampInt(sub(node.b).number, 0, int(s.size()));
        return makeText(s.substr(s.size() - size_t(count)));
    }
    case Op::Len:
        return makeNumber(double(sub(node.a).text.size()));
    case Op::Str: {
        const int width = node.b >= 0 ? clampInt(sub(node.b).number, 1, 255) : 10;
        const int decimals = node.c >= 0 ? clampInt(sub(node.c).number, 0, 15) : 0;
        return makeText(DbeText::formatNumber(sub(node.a).number, width, decimals));
    }
    case Op::Val:
        return makeNumber(DbeText::parseNumber(sub(node.a).text));
    case Op::RecNo:
        return makeNumber(r.recNo);
    case Op::Deleted:
        return makeBool(r.bytes[0] == '*');
    case Op::Empty: {
        const Value v = sub(node.a);
        if (v.type == DbeExpression::Character)
            return makeBool(DbeText::trimRight(v.text).empty());
        if (v.type == DbeExpression::Numeric)
            return makeBool(v.number == 0);
        return makeBool(!v.logical);
    }
    case Op::Iif:
        return sub(node.a).logical ? sub(node.b) : sub(node.c);
    }
    return Value();
}

DbeExpression::Value DbeExpression::evaluate(const Record& record) const {
    return evalNode(nodes, *layout, root, record);
}

bool DbeExpression::test(const Record& record) const {
    return evaluate(record).logical;
}
