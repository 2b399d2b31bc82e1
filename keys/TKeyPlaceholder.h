#pragma once

// The texts that stand where a key code or a controller value is missing.
namespace TKeyPlaceholder {

// KEYCODE of a slot without key.
constexpr const char* EmptyCode = "<EMPTY>";
// KEYCODE of a slot a read could not get for sure. It is kept active so that no writer takes it
// for an empty slot (which would erase the key the controller still holds); no writer sends it.
constexpr const char* UnreadCode = "<UNREAD>";
// Serial number and information text of a list that has none.
constexpr const char* Unknown = "<unknown>";

} // namespace TKeyPlaceholder
