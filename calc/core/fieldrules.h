// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace calc {

// The rules every calculator panel shares for turning field text into numbers
// and numbers back into field text. Field text is UTF-8; the decimal separator
// of the user's locale is passed in, never taken from global state.

enum class Unit { Inch, Millimetre };

// A field is empty only when it holds no characters at all; blanks count.
bool isEmpty(std::string_view text);

// Strict decimal reading: optional blanks, optional sign, digits with at most
// one decimal separator, optional exponent, optional blanks. Anything else,
// and any magnitude beyond the largest double, gives no number.
std::optional<double> readNumber(std::string_view text, char decimal);

// Reads what the user typed into an input field: a number as readNumber takes
// it, optionally followed by blanks and the unit letters "in" or "mm" in any
// case, so that a result copied from another panel can be pasted here. The
// letters are dropped, never converted.
std::optional<double> readInput(std::string_view text, char decimal);

// The shortest text of at most 15 significant digits, exponent form for very
// large and very small magnitudes ("2.92397660818713", "50", "1E+16").
// The value must be finite.
std::string writeRaw(double value, char decimal);

// Writes a computed value into a result field as raw text, refusing values
// that cannot be shown: an overflowed result, or one whose 15-digit text would
// round past the largest double and so not read back. Answers the value the
// field now reads as; a refused value leaves the field as it was.
std::optional<double> storeRaw(std::string &field, double value, char decimal);

// Chooses the unit from the panel's inch button.
Unit unitRule(bool inchChecked);

// Formats a raw result with exactly three decimals and the unit suffix,
// rounding the decimal value of the text half away from zero. Text that is
// not a number comes back unchanged.
std::string formatResult(std::string_view text, Unit unit, char decimal);

// Empties every listed field.
void clearFields(std::span<std::string *const> fields);

} // namespace calc
