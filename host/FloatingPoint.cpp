#include "FloatingPoint.h"

#include "RuntimeError.h"

#include <cmath>

namespace HostRuntime {

namespace {
constexpr unsigned InvalidFault = 1;
constexpr unsigned ZeroDivideFault = 2;
constexpr unsigned OverflowFault = 4;
} // namespace

double FloatingPointStatus::divide(double dividend, double divisor)
{
    if (std::isnan(dividend) || std::isnan(divisor)
        || (std::isinf(dividend) && std::isinf(divisor))
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
    if (std::isnan(left) || std::isnan(right)
        || (std::isinf(left) && right == 0.0) || (left == 0.0 && std::isinf(right)))
        record(InvalidFault);
    const double product = left * right;
    if (std::isinf(product) && std::isfinite(left) && std::isfinite(right))
        record(OverflowFault);
    return product;
}

void FloatingPointStatus::check()
{
    const unsigned faults = faults_;
    faults_ = 0;
    if (faults & InvalidFault)
        throw RuntimeError(ErrorKind::InvalidOperation,
                           "A calculation had no defined result.");
    if (faults & ZeroDivideFault)
        throw RuntimeError(ErrorKind::DivisionByZero, "A number was divided by zero.");
    if (faults & OverflowFault)
        throw RuntimeError(ErrorKind::Overflow,
                           "A result was too large to be represented.");
}

} // namespace HostRuntime
