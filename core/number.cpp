// SPDX-License-Identifier: MIT

#include "core/number.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <system_error>

namespace core {

namespace {

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
constexpr detail::Conversion conversion = detail::Conversion::Library;
#else
constexpr detail::Conversion conversion = detail::Conversion::Portable;
#endif

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<Number> scan(std::string_view text, char decimal)
{
    text = trimmed(text);
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto skipDigits = [&] {
        const std::size_t start = i;
        while (i < n && isDigit(text[i]))
            ++i;
        return text.substr(start, i - start);
    };

    Number out;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        out.negative = text[i] == '-';
        ++i;
    }
    const std::string_view intPart = skipDigits();
    const bool point = i < n && text[i] == decimal;
    std::string_view fracPart;
    if (point) {
        ++i;
        fracPart = skipDigits();
    }
    if (intPart.empty() && fracPart.empty())
        return std::nullopt;

    long long written = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        out.plain = false;
        bool expNegative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            expNegative = text[i] == '-';
            ++i;
        }
        const std::string_view expDigits = skipDigits();
        if (expDigits.empty())
            return std::nullopt;
        // Saturate: far past any double's range the exact size is irrelevant.
        constexpr long long cap = 1'000'000'000;
        for (const char c : expDigits)
            written = std::min(cap, written * 10 + (c - '0'));
        if (expNegative)
            written = -written;
    }
    if (i != n)
        return std::nullopt;

    // Appended a part at a time: reading runs several times per CALCULATE.
    out.digits += intPart;
    out.digits += fracPart;
    out.digits.erase(0, std::min(out.digits.find_first_not_of('0'), out.digits.size()));
    // A zero keeps only its decimals: "0E999999999" must not make the result
    // format write a billion zeros.
    out.exponent = (out.digits.empty() ? 0 : written) - static_cast<long long>(fracPart.size());
    if (out.digits.empty())
        return out;

    // "[-]digitsEexponent", built on the stack where it fits, as it mostly does.
    char small[64];
    std::string large;
    char *scientific = small;
    if (out.digits.size() + 24 > sizeof small) {
        large.resize(out.digits.size() + 24);
        scientific = large.data();
    }
    char *end = scientific;
    if (out.negative)
        *end++ = '-';
    end = std::copy(out.digits.begin(), out.digits.end(), end);
    *end++ = 'e';
    end = std::to_chars(end, end + 21, out.exponent).ptr;
    *end = '\0';
    const auto magnitude = static_cast<long long>(out.digits.size()) + out.exponent;
    const auto value = detail::nearestDouble(scientific, magnitude, conversion);
    if (!value)
        return std::nullopt;
    out.value = *value;
    return out;
}

// Adds a whole number to a string of decimal digits.
std::string add(std::string_view digits, std::uint64_t n)
{
    std::string sum(digits.empty() ? "0" : digits);
    for (auto it = sum.rbegin(); it != sum.rend() && n != 0; ++it) {
        n += static_cast<std::uint64_t>(*it - '0');
        *it = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    return n != 0 ? std::to_string(n) + sum : sum;
}

bool allDigits(std::string_view text) { return !text.empty() && std::all_of(text.begin(), text.end(), isDigit); }

// Up to 18 significant digits, which leaves room to multiply by ten.
std::optional<std::uint64_t> smallWhole(std::string_view digits)
{
    if (!allDigits(digits))
        return std::nullopt;
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size() - 1));
    std::uint64_t value = 0;
    if (digits.size() > 18 || std::from_chars(digits.data(), digits.data() + digits.size(), value).ec != std::errc())
        return std::nullopt;
    return value;
}

// "3/8", "1 1/2" or "1-1/2". The fraction is written out
// to 60 decimal places and read as such. With at most 18 digits below the
// line, a fraction that is not a midpoint between two doubles lies more than
// 1E-53 from every one, so the digits dropped never change the rounding.
std::optional<Number> readFraction(std::string_view text)
{
    const auto slash = text.find('/');
    if (slash == text.npos)
        return std::nullopt;
    std::string_view head = text.substr(0, slash), whole;
    const auto gap = head.find_last_of(" \t-");
    if (gap != head.npos) {
        whole = head.substr(0, gap);
        while (head[gap] != '-' && !whole.empty() && isBlank(whole.back()))
            whole.remove_suffix(1);
        if (!allDigits(whole))
            return std::nullopt;
        head.remove_prefix(gap + 1);
    }
    const auto numerator = smallWhole(head), denominator = smallWhole(text.substr(slash + 1));
    if (!numerator || !denominator || *denominator == 0)
        return std::nullopt;

    std::string decimal = add(whole, *numerator / *denominator) + '.';
    std::uint64_t remainder = *numerator % *denominator;
    for (int i = 0; i < 60 && remainder != 0; ++i) {
        remainder *= 10;
        decimal += static_cast<char>('0' + remainder / *denominator);
        remainder %= *denominator;
    }
    auto number = scan(decimal, '.');
    if (number)
        number->plain = false;
    return number;
}

} // namespace

namespace detail {

std::optional<double> nearestDouble(const char *scientific, long long magnitude, Conversion how)
{
    double value = 0.0;
    if (how == Conversion::Portable) {
        errno = 0;
        value = std::strtod(scientific, nullptr);
        // strtod flags tiny results as well as huge ones; only the huge are refused.
        if (std::isinf(value))
            return std::nullopt;
        return value;
    }
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    const char *last = scientific + std::char_traits<char>::length(scientific);
    const auto [end, ec] = std::from_chars(scientific, last, value);
    if (ec == std::errc::result_out_of_range) {
        // Too small to tell from zero reads as zero; too large is refused.
        if (magnitude <= 0)
            return scientific[0] == '-' ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (ec != std::errc() || end != last)
        return std::nullopt;
    return value;
#else
    (void)magnitude;
    return nearestDouble(scientific, magnitude, Conversion::Portable);
#endif
}

} // namespace detail

std::optional<Number> readNumber(std::string_view text, char decimal) { return scan(text, decimal); }

std::optional<Number> readInput(std::string_view text, char decimal)
{
    text = trimmed(text);
    std::optional<Unit> unit;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (text.ends_with('"')) {
        unit = Unit::Inch;
        text.remove_suffix(1);
    } else if (text.size() >= 2) {
        const char first = lower(text[text.size() - 2]), second = lower(text.back());
        if (first == 'i' && second == 'n')
            unit = Unit::Inch;
        else if (first == 'm' && second == 'm')
            unit = Unit::Millimetre;
        if (unit)
            text.remove_suffix(2);
    }
    text = trimmed(text);
    auto number = scan(text, decimal);
    if (!number)
        number = readFraction(text);
    if (number)
        number->unit = unit;
    return number;
}

} // namespace core
