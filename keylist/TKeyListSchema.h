#pragma once

// The key-list file's layout: its fields and the filters that split it into the master and slave
// views. Every part of the program that reads or writes key-list records takes its names from
// here; the tables' sizes and letters are the keys' own (keys/TKeyTable.h).
#include "keys/TKeyTable.h"

namespace TKeyListSchema {

constexpr const char* RecIdField = "RECID";
constexpr const char* KeyIdField = "KEYID";
constexpr const char* KeyCodeField = "KEYCODE";
constexpr const char* KeyTypeField = "KEYTYPE";
constexpr const char* KeyStatusField = "KEYSTATUS";
constexpr const char* KeyMemoField = "KEYMEMO";

// The fields in the order the program creates them.
struct TFieldLayout {
    const char* name;
    const char* type;
    int width;
};
inline constexpr TFieldLayout Layout[] = {
    {RecIdField, "N", 10},  {KeyIdField, "N", 5},     {KeyCodeField, "C", TKeyTable::KeyCodeLength},
    {KeyTypeField, "C", 1}, {KeyStatusField, "L", 1}, {KeyMemoField, "C", TKeyTable::MemoLength}};
constexpr int LayoutFields = int(sizeof(Layout) / sizeof(Layout[0]));

// The views' filters, and those of printing, which leaves out empty slots.
constexpr const char* MasterFilter = "KeyType ='M'";
constexpr const char* SlaveFilter = "KeyType ='S'";
constexpr const char* MasterPrintFilter = "(KeyType ='M') and (KEYCODE <> '<EMPTY>')";
constexpr const char* SlavePrintFilter = "(KeyType ='S') and (KEYCODE <> '<EMPTY>')";

} // namespace TKeyListSchema
