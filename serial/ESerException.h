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

// Opening and use of the device.
class EOpenComm : public ESerException {
public:
    using ESerException::ESerException;
};

// Moving bytes through the port's buffers.
class ESerialIO : public ESerException {
public:
    using ESerException::ESerException;
};

class EBadId : public EOpenComm {
public:
    using EOpenComm::EOpenComm;
};

class ECommNotOpen : public EOpenComm {
public:
    using EOpenComm::EOpenComm;
};

class EAlreadyOpen : public EOpenComm {
public:
    using EOpenComm::EOpenComm;
};

class ENoPortSelected : public EOpenComm {
public:
    using EOpenComm::EOpenComm;
};

class EPutBlockFail : public ESerialIO {
public:
    using ESerialIO::ESerialIO;
};

class EOutputBufferTooSmall : public ESerialIO {
public:
    using ESerialIO::ESerialIO;
};

class EBufferIsEmpty : public ESerialIO {
public:
    using ESerialIO::ESerialIO;
};

// Input/output failure; code() is the absolute value of the result it was raised for.
class EInOutError : public std::runtime_error {
public:
    EInOutError(int code, const std::string& text) : std::runtime_error(text), errorCode(code) {}
    int code() const { return errorCode; }

private:
    int errorCode;
};

// The device layer could not get the memory or system objects it needs.
class EOutOfMemory : public std::runtime_error {
public:
    EOutOfMemory() : std::runtime_error("Out of memory") {}
};
