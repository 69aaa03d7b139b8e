// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/core/FloatingPoint.h"

#include "host/core/Conversions.h"
#include "host/core/RuntimeError.h"

#include <cmath>

namespace HostRuntime {

namespace {
constexpr unsigned InvalidFault = 1;
constexpr unsigned ZeroDivideFault = 2;
constexpr unsigned OverflowFault = 4;
} // namespace

double FloatingPointStatus::divide(double dividend, double divisor)
{
    if (std::isnan(dividend) || std::isnan(divisor) || (std::isinf(dividend) && std::isinf(divisor))
        || (dividend == 0.0 && divisor == 0.0))
        record(InvalidFault);
    else if (divisor == 0.0 && std::isfinite(dividend))
        record(ZeroDivideFault);
    const double quotient = dividend / divisor;
    if (std::isinf(quotient) && std::isfinite(dividend) && divisor != 0.0)
        record(OverflowFault);
    return quotient;
}

double FloatingPointStatus::multiply(double left, double right)
{
    if (std::isnan(left) || std::isnan(right) || (std::isinf(left) && right == 0.0)
        || (left == 0.0 && std::isinf(right)))
        record(InvalidFault);
    const double product = left * right;
    if (std::isinf(product) && std::isfinite(left) && std::isfinite(right))
        record(OverflowFault);
    return product;
}

namespace {

[[noreturn]] void divisionByZero(std::string_view divisorText)
{
    if (divisorText.empty())
        throw RuntimeError(ErrorKind::DivisionByZero, "A number was divided by zero.");
    const std::string quoted = quotedForReport(divisorText);
    if (writesZero(divisorText))
        throw RuntimeError(ErrorKind::DivisionByZero, quoted + " is zero, and a number was divided by it.");
    // The user typed a number other than zero; it only became zero.
    throw RuntimeError(ErrorKind::DivisionByZero,
                       quoted
                           + " is too small for a single-precision number and reads as zero in single "
                             "precision, and a number was divided by it.",
                       "Type a number further from zero, for example 28.5, and try again.");
}

} // namespace

void FloatingPointStatus::check(std::string_view divisorText)
{
    const unsigned faults = faults_;
    faults_ = 0;
    if (faults & InvalidFault)
        throw RuntimeError(ErrorKind::InvalidOperation, "A calculation had no defined result.");
    if (faults & ZeroDivideFault)
        divisionByZero(divisorText);
    if (faults & OverflowFault)
        throw RuntimeError(ErrorKind::Overflow, "A result was too large to be represented.",
                           "Check the number you typed and try again.");
}

} // namespace HostRuntime
