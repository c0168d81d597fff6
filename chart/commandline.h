// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace chart {

// A command line that cannot be carried out: the option or argument at
// fault and what is wrong.
struct UsageError {
    std::string option;
    std::string problem;
    bool operator==(const UsageError &) const = default;
};

// One way of writing an option: its name, the slot its value goes in (a
// program's own numbering of its options) and whether it takes a value.
struct Spelling {
    std::string_view name;
    int slot;
    bool takesValue;
};

// What a command line gives: each slot's value ("" for an option without
// one) or nothing where it is not given, and the other arguments in order.
struct Arguments {
    std::vector<std::optional<std::string>> values;
    std::vector<std::string> operands;
    std::optional<std::string> &operator[](int slot) { return values[static_cast<std::size_t>(slot)]; }
};

// Reads the arguments after the program's name by a table of spellings:
// "--name value" or "--name=value" ("-o" takes its value only apart), each
// option once. Where operands is false every other argument is refused;
// where it is true, those that do not look like options are operands, and
// so are those that look like negative numbers ("-3", "-,5").
std::variant<Arguments, UsageError> readArguments(std::span<const std::string_view> arguments,
                                                  std::span<const Spelling> spellings, bool operands);

// --unit and --decimal, read alike by every program: whether the unit named
// is the inch (the default), and the separator (the locale's by default).
std::variant<bool, UsageError> readUnit(const std::optional<std::string> &value);
std::variant<char, UsageError> readDecimal(const std::optional<std::string> &value, char localeDecimal);

// Names are compared in lower case: "MM", "XLSX" and "A4" are what they say.
std::string lowerCase(std::string text);

// The separator the window takes from the same locale, by the same rule.
// Numbers are written by the program's own rules after that; the C library's
// (which the spreadsheet library formats with) go back to the point.
char localeDecimal();

// Says on standard error why a program does not do what it was asked, after
// its name, and answers the exit status for a refused command line (2).
int refuse(std::string_view program, std::string_view option, std::string_view problem);

} // namespace chart
