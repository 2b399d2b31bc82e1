#pragma once

#include <stdexcept>
#include <string>

// Failure of the serial port: carries the signed error code it was raised for.
class ESerException : public std::runtime_error {
public:
    ESerException(int code, const std::string& text) : std::runtime_error(text), errorCode(code) {}
    int code() const { return errorCode; }

private:
    int errorCode;
};
