#pragma once

// The controller's two key tables: their sizes, the letters that name them, and what a slot holds.
namespace TKeyTable {

constexpr int MasterSlots = 8;
constexpr int SlaveSlots = 128;
constexpr int KeyCodeLength = 12;
constexpr int MemoLength = 25;

// KEYTYPE of the two tables.
constexpr const char* MasterType = "M";
constexpr const char* SlaveType = "S";

} // namespace TKeyTable
