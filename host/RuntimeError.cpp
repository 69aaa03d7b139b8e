#include "RuntimeError.h"

namespace HostRuntime {

std::string_view errorName(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::TypeMismatch: return "Type mismatch";
    case ErrorKind::Overflow: return "Overflow";
    case ErrorKind::DivisionByZero: return "Division by zero";
    case ErrorKind::InvalidOperation: return "Invalid floating-point operation";
    case ErrorKind::FailedControlCall: return "Control call failed";
    case ErrorKind::PageNotOpened: return "Web page could not be opened";
    }
    return "Unknown error";
}

RuntimeError::RuntimeError(ErrorKind kind, const std::string& detail)
    : std::runtime_error(std::string(errorName(kind)) + ": " + detail)
    , kind_(kind)
    , detail_(detail)
{
}

} // namespace HostRuntime
