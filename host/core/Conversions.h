// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace HostRuntime {

// The decimal separator of the user's locale, "." until set. The window
// layer sets it from the system locale at start; tests set their own.
void setDecimalSeparator(std::string separator);

// Text to a single-precision number. Accepted: optional white space around
// the number, an optional sign, decimal digits with at most one decimal
// separator ('.' or the locale's own) and at least one digit, then an
// optional exponent ('E' or 'e', optional sign, digits). The decimal text is
// rounded once, correctly, to the nearest single.
// Raises a type mismatch for anything else, and an overflow for a number
// beyond the single range; a number too small for a single becomes zero.
float toSingle(std::string_view text);

// Whether the text is a number all of whose digits are zero ("00.0", "-0e5"),
// as against one that only becomes zero in single precision ("1e-50").
bool writesZero(std::string_view text);

// The text in quotes, as a report quotes what the user typed: a long text
// is cut short, never inside a character.
std::string quotedForReport(std::string_view text);

// A double in general number format: up to 15 significant digits, correctly
// rounded, without trailing zeros, group separators or trailing separator;
// the locale's decimal separator; exponent form ("1.191E-05", "2.1E+47") when
// the decimal exponent is below -4 or above 14.
// Raises an overflow for an infinity and an invalid operation for a NaN.
std::string doubleToText(double value);

} // namespace HostRuntime
