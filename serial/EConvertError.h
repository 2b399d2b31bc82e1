#pragma once

#include <stdexcept>
#include <string>

// A text that should have held a number did not.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const std::string& text) : std::runtime_error(text) {}
};
