// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Text to single on any bytes: a single, or a type mismatch or overflow,
// never a crash. What it accepts it rounds as the C library does; and the
// 9-digit text of every finite single converts back to that very single.
#include "host/core/Conversions.h"
#include "host/core/RuntimeError.h"

#include <array>
#include <bit>
#include <cassert>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const std::array<const char*, 3> Separators{".", ",", "\u066B"};

// The text as the C library reads it: no white space, '.' as separator.
std::string forCLibrary(const std::string& text, const std::string& separator)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, separator.size(), separator) == 0) {
            plain += '.';
            i += separator.size() - 1;
        } else if (!std::strchr(" \t\n\r\v\f", text[i])) {
            plain += text[i];
        }
    }
    return plain;
}

void convertAnyText(const std::string& text, const std::string& separator)
{
    try {
        const float value = HostRuntime::toSingle(text);
        assert(std::isfinite(value) && "a finite result");
        const std::string plain = forCLibrary(text, separator);
        errno = 0;
        const float expected = std::strtof(plain.c_str(), nullptr);
        assert(std::bit_cast<std::uint32_t>(value) == std::bit_cast<std::uint32_t>(expected)
               && "rounded as the C library rounds");
    } catch (const HostRuntime::RuntimeError& error) {
        using enum HostRuntime::ErrorKind;
        assert((error.kind() == TypeMismatch || error.kind() == Overflow) && "only a type mismatch or an overflow");
    }
}

void roundTrip(float value)
{
    if (!std::isfinite(value))
        return;
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.9g", static_cast<double>(value));
    const float back = HostRuntime::toSingle(text.data());
    assert(std::bit_cast<std::uint32_t>(back) == std::bit_cast<std::uint32_t>(value)
           && "9 significant digits convert back exactly");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string separator = Separators[data[0] % Separators.size()];
    HostRuntime::setDecimalSeparator(separator);
    convertAnyText(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), separator);

    HostRuntime::setDecimalSeparator(".");
    if (size >= 5) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, data + 1, sizeof bits);
        roundTrip(std::bit_cast<float>(bits));
    }
    return 0;
}
