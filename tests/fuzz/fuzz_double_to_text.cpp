// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Double to text on any double: the text follows the general format and
// reads back as the value rounded to 15 significant digits.
#include "host/core/Conversions.h"
#include "host/core/RuntimeError.h"

#include <array>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the text's form; returns it with '.' as separator for strtod.
std::string checkFormat(const std::string& text, double value)
{
    std::size_t i = 0;
    if (text[i] == '-') {
        assert(value < 0 && "a minus sign only for negatives");
        ++i;
    }
    std::string mantissa;
    while (i < text.size() && isDigit(text[i]))
        mantissa += text[i++];
    assert(!mantissa.empty() && "digits first");
    bool fraction = false;
    if (i < text.size() && text[i] == ',') {
        fraction = true;
        ++i;
        while (i < text.size() && isDigit(text[i]))
            mantissa += text[i++];
        assert(mantissa.back() != '0' && text[i - 1] != ',' && "no trailing zeros or separator");
    }
    const bool exponentForm = i < text.size();
    if (exponentForm) {
        assert(text[i] == 'E' && (text[i + 1] == '+' || text[i + 1] == '-') && "E and a sign");
        assert(text.size() - (i + 2) >= 2 && "at least two exponent digits");
        for (std::size_t j = i + 2; j < text.size(); ++j)
            assert(isDigit(text[j]) && "exponent digits");
        assert((mantissa.size() == 1 || fraction) && "one digit before the separator");
        assert(mantissa[0] != '0' && "no leading zero in exponent form");
    }
    const std::size_t first = mantissa.find_first_not_of('0');
    assert((first == std::string::npos || mantissa.size() - first <= 15) && "at most 15 significant digits");

    std::string plain = text;
    if (const auto comma = plain.find(','); comma != std::string::npos)
        plain[comma] = '.';
    return plain;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < sizeof(double))
        return 0;
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    HostRuntime::setDecimalSeparator(",");
    std::string text;
    try {
        text = HostRuntime::doubleToText(value);
    } catch (const HostRuntime::RuntimeError&) {
        assert(!std::isfinite(value) && "only non-finite values fail");
        return 0;
    }
    assert(std::isfinite(value) && "non-finite values fail");
    const double read = std::strtod(checkFormat(text, value).c_str(), nullptr);

    std::array<char, 40> rounded{};
    std::snprintf(rounded.data(), rounded.size(), "%.14e", value);
    assert((read == std::strtod(rounded.data(), nullptr) || (value == 0 && read == 0))
           && "reads back as the value rounded to 15 digits");
    int exponent = 0;
    std::sscanf(std::strchr(rounded.data(), 'e') + 1, "%d", &exponent);
    const bool exponentForm = text.find('E') != std::string::npos;
    assert((value == 0 || exponentForm == (exponent < -4 || exponent > 14)) && "exponent form where due");
    return 0;
}
