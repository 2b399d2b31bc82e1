#pragma once

#include <string>
#include <string_view>

// Byte-text helpers of the engine. Numbers are read and written here, never through the C
// library's locale-dependent functions: the user's locale must not change a file.
namespace DbeText {

std::string upper(std::string_view text); // ASCII and the Windows-1252 letters
std::string lower(std::string_view text);
std::string_view trimRight(std::string_view text);
std::string_view trimLeft(std::string_view text);
bool equalsNoCase(std::string_view a, std::string_view b);

// Reads a dBASE number field: blanks around, optional sign, digits, optional "." and digits.
// Blank text reads as 0; anything else that is not a number sets *ok false and reads as 0.
double parseNumber(std::string_view text, bool* ok = nullptr);
// The number with the given decimals, right-aligned in width; "*" * width when it does not fit.
std::string formatNumber(double value, int width, int decimals);
// An 8-byte text that sorts bytewise as the numbers sort.
std::string sortableNumber(double value);

} // namespace DbeText
