#include "dbfeng/DbeField.h"

#include "dbfeng/DbeText.h"

int dbeFindField(const DbeLayout& layout, const std::string& name) {
    for (size_t i = 0; i < layout.size(); ++i)
        if (DbeText::equalsNoCase(layout[i].name, DbeText::trimRight(name)))
            return int(i);
    return -1;
}
