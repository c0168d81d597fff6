// SPDX-License-Identifier: MIT

#include "core/fieldrules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace core {

namespace {

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

} // namespace

bool isEmpty(std::string_view text) { return text.empty(); }

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
    if (auto mismatch = unitMismatch(*input, name, selected))
        return *std::move(mismatch);
    return input->value;
}

std::string notANumber(char decimal) { return std::string("not a number, such as 6") + decimal + "5 or 1 1/4"; }

std::optional<Prompt> unitMismatch(const Number &number, std::string_view name, Unit selected)
{
    // The selected unit only names the result: a value typed in the other unit
    // would come out under the wrong label.
    if (!number.unit || *number.unit == selected)
        return std::nullopt;
    std::string prompt;
    // Units named as words: "Is in in" reads like a typo.
    prompt.append("The ").append(name).append(" Is in ").append(*number.unit == Unit::Inch ? "Inches" : "Millimeters");
    prompt.append(" but ").append(selected == Unit::Inch ? "Inch" : "Millimeter").append(" Is Selected");
    return Prompt{prompt};
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
    if (!stored)
        return std::nullopt;
    field = std::move(text);
    return stored->value;
}

Unit unitRule(bool inch) { return inch ? Unit::Inch : Unit::Millimetre; }

std::string_view unitSuffix(Unit unit) { return unit == Unit::Inch ? " in" : " mm"; }

std::string formatResult(std::string_view text, Unit unit, char decimal)
{
    const auto number = readNumber(text, decimal);
    if (!number)
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
    out += unitSuffix(unit);
    return out;
}

char decimalSeparator(std::string_view localePoint)
{
    const bool ascii = localePoint.size() == 1 && static_cast<unsigned char>(localePoint[0]) < 0x80;
    return ascii ? localePoint[0] : '.';
}

} // namespace core
