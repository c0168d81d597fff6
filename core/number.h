// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace core {

enum class Unit { Inch, Millimetre };

// A number as the user wrote it: exactly ±digits x 10^exponent, and the
// double nearest to that. Results round what the text says, not its double,
// and the chart steps in the decimals typed.
struct Number {
    bool negative = false;
    std::string digits = {}; // significant digits, leading zeros removed; empty for zero
    long long exponent = 0;  // for zero, minus the decimals typed
    double value = 0.0;
    std::optional<Unit> unit = {};
    bool plain = true; // digits and a separator only: no exponent, no fraction
};

// Strict decimal reading: optional blanks, optional sign, digits with at most
// one decimal separator, optional exponent, optional blanks. Anything else,
// and any magnitude beyond the largest double, gives no number; a magnitude
// too small to tell from zero reads as zero.
std::optional<Number> readNumber(std::string_view text, char decimal);

// Reads an input field: a number as readNumber takes it, or an inch fraction
// as drawings write it ("3/8", "1 1/2", "1-1/2": digits only, the value the
// double nearest to the fraction), optionally followed by a unit: blanks and
// the letters "in" or "mm" in any case, or an inch mark ("). The unit is
// reported, never converted.
std::optional<Number> readInput(std::string_view text, char decimal);

namespace detail {
// The two ways the reader turns "[-]digitsEexponent" (a C string) into the
// nearest double: the standard library's from_chars where it converts to
// double (LLVM's libc++ before version 20 does not), else strtod, which reads
// this form alike in every locale. magnitude, the digits' count plus the
// exponent, tells a tiny number from a huge one where the library reports
// both as out of range. None when the magnitude is beyond the largest double.
enum class Conversion { Library, Portable };
std::optional<double> nearestDouble(const char *scientific, long long magnitude, Conversion how);
} // namespace detail

} // namespace core
