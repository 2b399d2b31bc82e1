// Parsing and evaluating an xBase expression from any bytes, over a key-list record.
#include "dbfeng/DbeExpression.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const DbeLayout layout = [] {
        DbeLayout l;
        int offset = 1;
        const struct {
            const char* name;
            char type;
            int width;
        } fields[] = {{"RECID", 'N', 10},  {"KEYID", 'N', 5},     {"KEYCODE", 'C', 12},
                      {"KEYTYPE", 'C', 1}, {"KEYSTATUS", 'L', 1}, {"KEYMEMO", 'C', 25}};
        for (const auto& f : fields) {
            l.push_back(DbeField{f.name, f.type, offset, f.width, 0});
            offset += f.width;
        }
        return l;
    }();
    static const std::string record = std::string(" ") + "       127" + "  126" + "<EMPTY>     " + "S" + "T" +
                                      "Front door" + std::string(15, ' ');
    const std::string text(reinterpret_cast<const char*>(data), size);
    auto e = DbeExpression::parse(text, layout);
    if (e) {
        e->evaluate(DbeExpression::Record{record.data(), 1, true});
        e->evaluate(DbeExpression::Record{record.data(), 2, false});
        e->keyField();
    }
    return 0;
}
