#pragma once

#include <QString>

#include <stdexcept>

namespace platform {

// The class library's exceptions: conversion and file errors carry the
// texts the user sees in the standard error box.
class Exception : public std::runtime_error {
public:
    explicit Exception(const QString& message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

class EConvertError : public Exception {
public:
    using Exception::Exception;
};

class EFOpenError : public Exception {
public:
    using Exception::Exception;
};

class EReadError : public Exception {
public:
    using Exception::Exception;
};

// The system's decimal separator as the number texts use it; "." when the
// system's is not a single ASCII character.
char DecimalSeparator();

// Text to number with the system's decimal separator; throw EConvertError
// with "'%s' is not a valid integer value" / "... floating point value".
int StrToInt(const QString& text);
long double StrToFloat(const QString& text);

} // namespace platform
