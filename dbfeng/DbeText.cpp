#include "dbfeng/DbeText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace DbeText {

namespace {
unsigned char upperByte(unsigned char c) {
    if (c >= 'a' && c <= 'z')
        return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 32;
    switch (c) {
    case 0x9A:
        return 0x8A;
    case 0x9C:
        return 0x8C;
    case 0x9E:
        return 0x8E;
    case 0xFF:
        return 0x9F;
    default:
        return c;
    }
}

unsigned char lowerByte(unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 32;
    switch (c) {
    case 0x8A:
        return 0x9A;
    case 0x8C:
        return 0x9C;
    case 0x8E:
        return 0x9E;
    case 0x9F:
        return 0xFF;
    default:
        return c;
    }
}
} // namespace

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = char(upperByte(static_cast<unsigned char>(c)));
    return out;
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = char(lowerByte(static_cast<unsigned char>(c)));
    return out;
}

std::string_view trimRight(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0'))
        text.remove_suffix(1);
    return text;
}

std::string_view trimLeft(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (upperByte(static_cast<unsigned char>(a[i])) != upperByte(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

double parseNumber(std::string_view text, bool* ok) {
    if (ok)
        *ok = true;
    text = trimRight(trimLeft(text));
    if (text.empty())
        return 0;
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool digits = false;
    bool valid = !text.empty();
    bool point = false;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c == '.' && !point)
            point = true;
        else
            valid = false;
    }
    double value = 0;
    if (valid && digits) {
        auto [end, ec] =
            std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
        valid = ec == std::errc() && end == text.data() + text.size();
    } else {
        valid = false;
    }
    if (!valid) {
        if (ok)
            *ok = false;
        return 0;
    }
    return negative ? -value : value;
}

std::string formatNumber(double value, int width, int decimals) {
    if (width <= 0)
        return std::string();
    if (decimals < 0)
        decimals = 0;
    char buffer[400];
    std::string text;
    if (std::isfinite(value) && std::fabs(value) < 1e300) {
        auto [end, ec] =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
        if (ec == std::errc())
            text.assign(buffer, end);
    }
    if (text == "-0" || (text.size() > 1 && text.rfind("-0.", 0) == 0 &&
                         text.find_first_not_of("0.", 1) == std::string::npos))
        text.erase(0, 1);
    if (text.empty() || int(text.size()) > width)
        return std::string(size_t(width), '*');
    return std::string(size_t(width) - text.size(), ' ') + text;
}

std::string sortableNumber(double value) {
    if (value == 0)
        value = 0; // -0 sorts as 0
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    if (bits & 0x8000000000000000ULL)
        bits = ~bits;
    else
        bits |= 0x8000000000000000ULL;
    std::string out(8, '\0');
    for (int i = 7; i >= 0; --i) {
        out[size_t(i)] = char(bits & 0xFF);
        bits >>= 8;
    }
    return out;
}

} // namespace DbeText
