#pragma once
#include <stdexcept>
#include <string>

// The exception classes of the runtime library. Every exception carries its message text,
// which the application's error box shows as it stands.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

class EConvertError : public Exception { using Exception::Exception; };
class EListError : public Exception { using Exception::Exception; };
class EInOutError : public Exception { using Exception::Exception; };
class EFOpenError : public EInOutError { using EInOutError::EInOutError; };
class EFCreateError : public EInOutError { using EInOutError::EInOutError; };
class EXMLDocError : public Exception { using Exception::Exception; };
// A broken assumption about what the platform hands over.
class EAssertionFailed : public Exception { using Exception::Exception; };
