// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace HostRuntime {

// What went wrong in a host operation. Each kind has a fixed name that the
// error report shows.
enum class ErrorKind {
    TypeMismatch,
    Overflow,
    DivisionByZero,
    InvalidOperation,
    FailedControlCall,
    PageNotOpened,
    // An exception that is not a run-time error: a fault of the program.
    Internal,
};

std::string_view errorName(ErrorKind kind);

// What the user can do about an error of that kind, in one sentence.
std::string_view usualAdvice(ErrorKind kind);

// The one exception that host operations throw. It unwinds the event handler
// that caused it; only the runtime's event dispatch catches and reports it.
class RuntimeError : public std::runtime_error {
public:
    // `detail` says in a plain sentence what happened, `advice` what helps;
    // without it, the kind's usual advice. Both go into the report.
    RuntimeError(ErrorKind kind, const std::string& detail, std::string advice = {});

    ErrorKind kind() const noexcept { return kind_; }
    std::string_view name() const noexcept { return errorName(kind_); }
    const std::string& detail() const noexcept { return detail_; }
    const std::string& advice() const noexcept { return advice_; }

private:
    ErrorKind kind_;
    std::string detail_;
    std::string advice_;
};

} // namespace HostRuntime
