// SPDX-License-Identifier: MIT

#pragma once

#include "chart/commandline.h"
#include "chart/writers.h"
#include "core/chart.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace chart {

enum class Format { Text, Csv, Html, Xlsx };

// What the command line asks for: a chart written somewhere, or the help
// or version text.
struct Options {
    enum class Action { Chart, Help, Version };
    Action action = Action::Chart;
    core::ChartRequest request = {};
    Format format = Format::Text;
    Paper paper = Paper::A4; // by default A4 for a chart in mm, Letter for one in inches
    std::string output = {}; // empty: standard output
};

// Reads the arguments after the program's name. localeDecimal is the
// separator used when --decimal is not given.
std::variant<Options, UsageError> parseOptions(std::span<const std::string_view> arguments, char localeDecimal);

// The --help text; the manual page lists the same options.
std::string helpText();

} // namespace chart
