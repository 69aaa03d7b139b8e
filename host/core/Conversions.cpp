// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/core/Conversions.h"

#include "host/core/RuntimeError.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace HostRuntime {

namespace {

std::string& currentSeparator()
{
    static std::string separator = ".";
    return separator;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

[[noreturn]] void notANumber(std::string_view text)
{
    if (text.empty())
        throw RuntimeError(ErrorKind::TypeMismatch, "The text is empty; a number is needed.");
    throw RuntimeError(ErrorKind::TypeMismatch, quotedForReport(text) + " is not a number.");
}

// The parts of a number text that passed the grammar.
struct NumberText {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    bool exponentNegative = false;
    std::string_view exponentDigits;

    bool isZero() const
    {
        const auto zeros = [](std::string_view digits) {
            return digits.find_first_not_of('0') == std::string_view::npos;
        };
        return zeros(integerDigits) && zeros(fractionDigits);
    }
};

class NumberScanner {
public:
    NumberScanner(std::string_view text, std::string_view localeSeparator)
        : text_(text)
        , localeSeparator_(localeSeparator)
    {
    }

    bool scan(NumberText& number)
    {
        skipWhiteSpace();
        if (accept('+'))
            number.negative = false;
        else if (accept('-'))
            number.negative = true;
        number.integerDigits = digits();
        if (acceptDecimalSeparator())
            number.fractionDigits = digits();
        if (number.integerDigits.empty() && number.fractionDigits.empty())
            return false;
        if (accept('e') || accept('E')) {
            if (accept('-'))
                number.exponentNegative = true;
            else
                accept('+');
            number.exponentDigits = digits();
            if (number.exponentDigits.empty())
                return false;
        }
        skipWhiteSpace();
        return position_ == text_.size();
    }

private:
    bool accept(char c)
    {
        if (position_ < text_.size() && text_[position_] == c) {
            ++position_;
            return true;
        }
        return false;
    }

    bool acceptDecimalSeparator()
    {
        if (accept('.'))
            return true;
        if (!localeSeparator_.empty() && text_.substr(position_).starts_with(localeSeparator_)) {
            position_ += localeSeparator_.size();
            return true;
        }
        return false;
    }

    std::string_view digits()
    {
        const std::size_t start = position_;
        while (position_ < text_.size() && isDigit(text_[position_]))
            ++position_;
        return text_.substr(start, position_ - start);
    }

    void skipWhiteSpace()
    {
        while (position_ < text_.size() && isWhiteSpace(text_[position_]))
            ++position_;
    }

    std::string_view text_;
    std::string_view localeSeparator_;
    std::size_t position_ = 0;
};

// The decimal exponent of the leading significant digit, saturated far
// beyond the single range; the number must have a nonzero digit.
long long leadingExponent(const NumberText& number)
{
    long long exponent = 0;
    for (char c : number.exponentDigits)
        exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
    if (number.exponentNegative)
        exponent = -exponent;
    const auto firstInteger = number.integerDigits.find_first_not_of('0');
    if (firstInteger != std::string_view::npos)
        return exponent + static_cast<long long>(number.integerDigits.size() - firstInteger) - 1;
    const auto firstFraction = number.fractionDigits.find_first_not_of('0');
    return exponent - static_cast<long long>(firstFraction) - 1;
}

// A plain "d.dde[-]d" text, correctly rounded to the nearest single.
std::from_chars_result readSingle(const std::string& plain, float& value)
{
#if defined(__cpp_lib_to_chars) || !defined(_LIBCPP_VERSION)
    return std::from_chars(plain.data(), plain.data() + plain.size(), value);
#else
    // The browser build's C++ library (libc++ before LLVM 20) has no
    // floating-point from_chars. Its C library's strtof rounds as correctly
    // and reads "." whatever the locale.
    char* end = nullptr;
    errno = 0;
    const float read = std::strtof(plain.c_str(), &end);
    const bool outOfRange = errno == ERANGE && (std::isinf(read) || read == 0.0f);
    if (!outOfRange)
        value = read;
    return {end, outOfRange ? std::errc::result_out_of_range : std::errc()};
#endif
}

} // namespace

std::string quotedForReport(std::string_view text)
{
    constexpr std::size_t shown = 40;
    std::string quoted = "\"";
    if (text.size() <= shown)
        return quoted.append(text).append("\"");
    std::size_t cut = shown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    const auto characters =
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    return quoted.append(text.substr(0, cut))
        .append("...\" (")
        .append(std::to_string(characters))
        .append(" characters)");
}

void setDecimalSeparator(std::string separator) { currentSeparator() = std::move(separator); }

bool writesZero(std::string_view text)
{
    NumberText number;
    return NumberScanner(text, currentSeparator()).scan(number) && number.isZero();
}

float toSingle(std::string_view text)
{
    NumberText number;
    if (!NumberScanner(text, currentSeparator()).scan(number))
        notANumber(text);
    if (number.isZero())
        return number.negative ? -0.0f : 0.0f;

    std::string plain;
    plain.reserve(text.size() + 3);
    plain.append(number.integerDigits.empty() ? "0" : number.integerDigits);
    plain.append(".").append(number.fractionDigits).append("0e");
    plain.append(number.exponentNegative ? "-" : "")
        .append(number.exponentDigits.empty() ? "0" : number.exponentDigits);

    float magnitude = 0.0f;
    const auto [end, error] = readSingle(plain, magnitude);
    if (error == std::errc::result_out_of_range) {
        if (leadingExponent(number) >= 0)
            throw RuntimeError(ErrorKind::Overflow,
                               quotedForReport(text)
                                   + " is beyond the range of a single-precision number, which ends at "
                                   + (number.negative ? "-3.40282347E+38." : "3.40282347E+38."));
        magnitude = 0.0f;
    } else if (error != std::errc() || end != plain.data() + plain.size()) {
        notANumber(text);
    }
    return number.negative ? -magnitude : magnitude;
}

std::string doubleToText(double value)
{
    if (std::isnan(value))
        throw RuntimeError(ErrorKind::InvalidOperation, "The value is not a number.");
    if (std::isinf(value))
        throw RuntimeError(ErrorKind::Overflow, "The value is infinite.");
    if (value == 0.0)
        return "0";

    constexpr int significantDigits = 15;
    // d.ddddddddddddddde[+-]x..x, correctly rounded to 15 significant digits.
    std::array<char, 32> scientific{};
    const auto written = std::to_chars(scientific.data(), scientific.data() + scientific.size(), std::fabs(value),
                                       std::chars_format::scientific, significantDigits - 1);
    const std::string_view text(scientific.data(), written.ptr - scientific.data());
    const auto ePosition = text.find('e');
    std::string digits;
    for (char c : text.substr(0, ePosition))
        if (isDigit(c))
            digits.push_back(c);
    digits.erase(digits.find_last_not_of('0') + 1);
    int exponent = 0;
    std::from_chars(text.data() + ePosition + (text[ePosition + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    exponent);

    const std::string& separator = currentSeparator();
    std::string result = value < 0 ? "-" : "";
    if (exponent < -4 || exponent > 14) {
        result += digits[0];
        if (digits.size() > 1)
            result.append(separator).append(digits, 1);
        const std::string exponentDigits = std::to_string(std::abs(exponent));
        result.append(exponent < 0 ? "E-" : "E+");
        result.append(exponentDigits.size() < 2 ? "0" : "").append(exponentDigits);
    } else if (exponent < 0) {
        result.append("0").append(separator).append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
    } else {
        const auto integerLength = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerLength) {
            result.append(digits).append(integerLength - digits.size(), '0');
        } else {
            result.append(digits, 0, integerLength).append(separator).append(digits, integerLength);
        }
    }
    return result;
}

} // namespace HostRuntime
