// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/core/RuntimeError.h"

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
    case ErrorKind::Internal: return "Internal error";
    }
    return "Unknown error";
}

std::string_view usualAdvice(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::TypeMismatch: return "Type a number, for example 28.5, and try again.";
    case ErrorKind::Overflow: return "Type a number closer to zero, for example 28.5, and try again.";
    case ErrorKind::DivisionByZero: return "Type a number other than zero, for example 28.5, and try again.";
    case ErrorKind::InvalidOperation: return "Check the number you typed and try again.";
    // Nothing the user does causes it.
    case ErrorKind::FailedControlCall:
    case ErrorKind::Internal: return "This is a fault of the program, not of what you typed; please report it.";
    case ErrorKind::PageNotOpened: return "Check that a default web browser is set up, or type the address into one.";
    }
    return {};
}

RuntimeError::RuntimeError(ErrorKind kind, const std::string& detail, std::string advice)
    : std::runtime_error(std::string(errorName(kind)) + ": " + detail)
    , kind_(kind)
    , detail_(detail)
    , advice_(advice.empty() ? std::string(usualAdvice(kind)) : std::move(advice))
{
}

} // namespace HostRuntime
