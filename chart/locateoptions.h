// SPDX-License-Identifier: MIT

#pragma once

#include "chart/commandline.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace chart {

// What angulon-locate's command line asks for: the part as typed, the
// unit and separator it is read and written in, the format, and the sound
// paths given as arguments (none: they come from standard input); or the
// help or version text.
struct LocateOptions {
    enum class Action { Locate, Help, Version };
    enum class Format { Text, Csv };
    Action action = Action::Locate;
    std::string outsideDiameter = {}; // empty for a flat plate
    std::string wall = {};
    std::string angle = {};
    bool inch = true;
    char decimal = '.';
    Format format = Format::Text;
    std::vector<std::string> paths = {};
};

// Reads the arguments after the program's name. localeDecimal is the
// separator used when --decimal is not given.
std::variant<LocateOptions, UsageError> parseLocateOptions(std::span<const std::string_view> arguments,
                                                           char localeDecimal);

// The --help text; the manual page lists the same options.
std::string locateHelpText();

} // namespace chart
