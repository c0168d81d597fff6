// SPDX-License-Identifier: MIT

#include "core/fieldrules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace core {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number as written: sign, the significant digits and the power of ten that
// scales them, so that value = digits x 10^exponent. Keeping the decimal form
// lets the result format round what the text says, not its nearest double.
struct DecimalText {
    bool negative = false;
    std::string digits; // leading zeros removed; empty means zero
    long long exponent = 0;
    std::string normalized; // the same number in C syntax, for from_chars
};

std::optional<DecimalText> scan(std::string_view text, char decimal)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto skipDigits = [&] {
        const std::size_t start = i;
        while (i < n && isDigit(text[i]))
            ++i;
        return text.substr(start, i - start);
    };
    while (i < n && isBlank(text[i]))
        ++i;

    DecimalText out;
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
    const bool hasExponent = i < n && (text[i] == 'E' || text[i] == 'e');
    if (hasExponent) {
        ++i;
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

    while (i < n && isBlank(text[i]))
        ++i;
    if (i != n)
        return std::nullopt;

    // Appended a part at a time: scanning runs several times per CALCULATE.
    if (out.negative)
        out.normalized += '-';
    out.normalized += intPart;
    if (point) {
        out.normalized += '.';
        out.normalized += fracPart;
    }
    if (hasExponent) {
        char buffer[24];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, written).ptr;
        out.normalized += 'e';
        out.normalized.append(buffer, end);
    }

    out.digits += intPart;
    out.digits += fracPart;
    out.digits.erase(0, std::min(out.digits.find_first_not_of('0'), out.digits.size()));
    // A zero's exponent says nothing, and "0E999999999" must not make the
    // result format write a billion zeros.
    out.exponent = out.digits.empty() ? 0 : written - static_cast<long long>(fracPart.size());
    return out;
}

std::optional<double> toDouble(const DecimalText &number)
{
    if (number.digits.empty())
        return 0.0;
    double value = 0.0;
    const char *first = number.normalized.data();
    const char *last = first + number.normalized.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    if (end != last)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Too small to tell from zero reads as zero; too large is refused.
        const auto magnitude = static_cast<long long>(number.digits.size()) + number.exponent;
        if (magnitude <= 0)
            return number.negative ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (ec != std::errc())
        return std::nullopt;
    return value;
}

// Adds one to a string of decimal digits.
void increment(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
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

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
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
std::optional<double> readFraction(std::string_view text)
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
    return readNumber(decimal, '.');
}

} // namespace

bool isEmpty(std::string_view text) { return text.empty(); }

std::optional<double> readNumber(std::string_view text, char decimal)
{
    const auto number = scan(text, decimal);
    if (!number)
        return std::nullopt;
    return toDouble(*number);
}

std::optional<Input> readInput(std::string_view text, char decimal)
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
    auto value = readNumber(text, decimal);
    if (!value)
        value = readFraction(text);
    if (!value)
        return std::nullopt;
    return Input{*value, unit};
}

std::variant<double, Prompt> takeInput(std::string_view text, std::string_view name, Unit selected, char decimal)
{
    const auto input = readInput(text, decimal);
    std::string prompt;
    if (!input) {
        prompt.append("Please Enter the ").append(name).append(" as a Number");
        // A point is never taken where the comma is the separator, as "1.234"
        // may mean 1234 there; the hint says what to type instead.
        if (decimal != '.' && readInput(text, '.'))
            prompt.append("\n(decimal separator: ").append(1, decimal).append(")");
        return Prompt{prompt};
    }
    // The selected unit only names the result: a value typed in the other unit
    // would come out under the wrong label.
    if (input->unit && *input->unit != selected) {
        prompt.append("The ").append(name).append(" Is in ").append(*input->unit == Unit::Inch ? "in" : "mm");
        prompt.append(" but ").append(selected == Unit::Inch ? "Inch" : "Millimeter").append(" Is Selected");
        return Prompt{prompt};
    }
    return input->value;
}

std::string writeRaw(double value, char decimal)
{
    if (value == 0.0)
        return "0"; // negative zero too
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    for (char &c : text) {
        if (c == 'e')
            c = 'E';
        else if (c == '.')
            c = decimal;
    }
    return text;
}

std::optional<double> storeRaw(std::string &field, double value, char decimal)
{
    if (!std::isfinite(value))
        return std::nullopt;
    std::string text = writeRaw(value, decimal);
    const auto stored = readNumber(text, decimal);
    if (stored)
        field = std::move(text);
    return stored;
}

Unit unitRule(bool inch) { return inch ? Unit::Inch : Unit::Millimetre; }

std::string formatResult(std::string_view text, Unit unit, char decimal)
{
    const auto number = scan(text, decimal);
    if (!number || !toDouble(*number))
        return std::string(text);

    // Thousandths as a digit string: the digits shifted by exponent + 3, the
    // first dropped digit deciding the rounding (half away from zero).
    std::string thousandths;
    const long long shift = number->exponent + 3;
    const auto &digits = number->digits;
    if (shift >= 0) {
        thousandths = digits + std::string(static_cast<std::size_t>(shift), '0');
    } else {
        const long long keep = static_cast<long long>(digits.size()) + shift;
        char roundingDigit = '0';
        if (keep >= 0) {
            thousandths = digits.substr(0, static_cast<std::size_t>(keep));
            roundingDigit = digits[static_cast<std::size_t>(keep)];
        }
        if (roundingDigit >= '5')
            increment(thousandths);
    }
    const bool zero = thousandths.find_first_not_of('0') == std::string::npos;
    if (thousandths.size() < 4)
        thousandths.insert(0, 4 - thousandths.size(), '0');
    auto integerPart = thousandths.substr(0, thousandths.size() - 3);
    integerPart.erase(0, std::min(integerPart.find_first_not_of('0'), integerPart.size() - 1));

    std::string out;
    if (number->negative && !zero)
        out += '-';
    out += integerPart;
    out += decimal;
    out += thousandths.substr(thousandths.size() - 3);
    out += unit == Unit::Inch ? " in" : " mm";
    return out;
}

void clearFields(std::span<std::string *const> fields)
{
    for (std::string *field : fields)
        field->clear();
}

} // namespace core
