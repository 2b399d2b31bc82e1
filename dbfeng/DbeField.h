#pragma once

#include <string>
#include <vector>

// One field of a table's layout, as the engine reads and writes records.
struct DbeField {
    std::string name; // upper case, as stored
    char type = 'C';
    int offset = 0; // in the record image; the deletion flag is byte 0
    int width = 0;
    int decimals = 0;
};

using DbeLayout = std::vector<DbeField>;

// The field of that name in any letter case, or -1.
int dbeFindField(const DbeLayout& layout, const std::string& name);
