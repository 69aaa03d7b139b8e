// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace HostRuntime {

// Double arithmetic that records the faults a processor would flag (invalid
// operation, division by zero, overflow) from the operands and results
// themselves, so that the check holds whatever the optimiser does. Like the
// processor's status flags, faults accumulate until the next check.
class FloatingPointStatus {
public:
    double divide(double dividend, double divisor);
    double multiply(double left, double right);

    // Raises the run-time error of the most serious recorded fault and
    // clears the record; returns when there is none. `divisorText`, when
    // given, is the text the divisor was read from, for the report to quote.
    void check(std::string_view divisorText = {});

private:
    void record(unsigned fault) { faults_ |= fault; }
    unsigned faults_ = 0;
};

} // namespace HostRuntime
