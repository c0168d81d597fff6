// SPDX-License-Identifier: MIT

#pragma once

#include "core/number.h"
#include "core/outcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace core {

// The rules every calculator panel shares for turning field text into numbers
// and numbers back into field text. Field text is UTF-8; the decimal separator
// of the user's locale is passed in, never taken from global state.

// A field is empty only when it holds no characters at all; blanks count.
bool isEmpty(std::string_view text);

// An input field as a calculation takes it: its number, or the prompt that
// refuses it, naming the field: not a number (with a hint where the locale's
// separator is a comma and the text would read with a point), or a unit other
// than the panel's selected one.
std::variant<double, Prompt> takeInput(std::string_view text, std::string_view name, Unit selected, char decimal);

// What a command line says of a text that is not a number, with examples
// written with the separator given.
std::string notANumber(char decimal);

// The prompt for a number typed with a unit other than the selected one,
// naming the field; none when the number has no unit or the selected one.
std::optional<Prompt> unitMismatch(const Number &number, std::string_view name, Unit selected);

// The shortest text of at most 15 significant digits, exponent form for very
// large and very small magnitudes ("2.92397660818713", "50", "1E+16").
// The value must be finite.
std::string writeRaw(double value, char decimal);

// Writes a computed value into a result field as raw text, refusing values
// that cannot be shown: an overflowed result, or one whose 15-digit text would
// round past the largest double and so not read back. Answers the value the
// field now reads as; a refused value leaves the field as it was.
std::optional<double> storeRaw(std::string &field, double value, char decimal);

// The unit a panel's results are in: inches when inch is chosen, else millimetres.
Unit unitRule(bool inch);

// What a result ends in: a blank and the unit's two letters.
std::string_view unitSuffix(Unit unit);

// Formats a raw result with exactly three decimals and the unit suffix,
// rounding the decimal value of the text half away from zero. Text that is
// not a number comes back unchanged.
std::string formatResult(std::string_view text, Unit unit, char decimal);

// The decimal separator the core takes, from the locale's (as UTF-8): one
// that is not a single ASCII character falls back to the point, as the core
// reads ASCII digits with a one-byte separator.
char decimalSeparator(std::string_view localePoint);

} // namespace core
