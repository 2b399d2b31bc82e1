#pragma once

// The key-list file's layout: its fields, the filters that split it into the master and slave
// views, and its slot counts. Every part of the program that reads or writes key-list records
// takes its names from here.
namespace TKeyListSchema {

constexpr int MasterSlots = 8;
constexpr int SlaveSlots = 128;
constexpr int KeyCodeLength = 12;
constexpr int MemoLength = 25;

constexpr const char* RecIdField = "RECID";
constexpr const char* KeyIdField = "KEYID";
constexpr const char* KeyCodeField = "KEYCODE";
constexpr const char* KeyTypeField = "KEYTYPE";
constexpr const char* KeyStatusField = "KEYSTATUS";
constexpr const char* KeyMemoField = "KEYMEMO";

// KEYTYPE of the two tables.
constexpr const char* MasterType = "M";
constexpr const char* SlaveType = "S";

// The views' filters, and those of printing, which leaves out empty slots.
constexpr const char* MasterFilter = "KeyType ='M'";
constexpr const char* SlaveFilter = "KeyType ='S'";
constexpr const char* MasterPrintFilter = "(KeyType ='M') and (KEYCODE <> '<EMPTY>')";
constexpr const char* SlavePrintFilter = "(KeyType ='S') and (KEYCODE <> '<EMPTY>')";

// KEYCODE of a slot without key; serial number and information text of a list that has none.
constexpr const char* EmptyCode = "<EMPTY>";
// KEYCODE of a slot a read could not get for sure. It is kept active so that no writer takes it
// for an empty slot (which would erase the key the controller still holds); no writer sends it.
constexpr const char* UnreadCode = "<UNREAD>";
constexpr const char* Unknown = "<unknown>";

} // namespace TKeyListSchema
