// SPDX-License-Identifier: MIT

#include "chart/locateoptions.h"

#include <array>
#include <optional>
#include <utility>

namespace chart {

namespace {

const char help[] = R"(Usage: angulon-locate --angle A --wall T [--od D] [OPTION]... [PATH]...
Locates reflectors found by an angle-beam probe on a pipe scanned from the
outside, or on a flat plate: for each sound path, the leg, the depth below
the outside surface and the distance along it from the index point. With no
PATH, the sound paths are read from standard input, one a line; blank lines
are skipped.

  --angle A         the probe's measured refracted angle, above 0 and below 90
  --wall T          the wall (or plate) thickness, above zero
  --od D            the pipe's outside diameter, more than twice the wall
                    (none: a flat plate)
  --unit UNIT       in or mm, in any case: names the results; nothing is
                    converted (default: in)
  --decimal SEP     . or , for every number read and written, the angle's
                    too (default: the locale's decimal separator)
  --format FORMAT   text or csv, in any case (default: text)
  --help, -h        show this help and exit
  --version         show the version and exit

Numbers are read as the window reads them: "68,5" with the decimal comma,
"20 mm" as 20, "1 1/2" as 1.5; a unit typed must be the one --unit names.
Results have three decimals, each the true value rounded once. Text starts
with where the beam goes in the part; CSV has one header line and CRLF line
ends, its cells separated by semicolons with the decimal comma.

Every sound path is read before anything is written: one that is refused
stops the run with nothing written.

Exit status: 0 when the locations were written, 1 when they could not be
written, 2 when the command line or a sound path was refused.
)";

enum class Key { Angle, Wall, OutsideDiameter, Unit, Decimal, Format, Help, Version };
constexpr int slot(Key key) { return static_cast<int>(key); }

// In the order of Key, then the other spellings.
constexpr std::array<Spelling, 9> spellings{{
    {"--angle", slot(Key::Angle), true},
    {"--wall", slot(Key::Wall), true},
    {"--od", slot(Key::OutsideDiameter), true},
    {"--unit", slot(Key::Unit), true},
    {"--decimal", slot(Key::Decimal), true},
    {"--format", slot(Key::Format), true},
    {"--help", slot(Key::Help), false},
    {"--version", slot(Key::Version), false},
    {"-h", slot(Key::Help), false},
}};

} // namespace

std::string locateHelpText() { return help; }

std::variant<LocateOptions, UsageError> parseLocateOptions(std::span<const std::string_view> arguments,
                                                           char localeDecimal)
{
    LocateOptions options;
    auto read = readArguments(arguments, spellings, true);
    if (auto *error = std::get_if<UsageError>(&read))
        return std::move(*error);
    Arguments &values = std::get<Arguments>(read);
    if (values[slot(Key::Help)]) {
        options.action = LocateOptions::Action::Help;
        return options;
    }
    if (values[slot(Key::Version)]) {
        options.action = LocateOptions::Action::Version;
        return options;
    }
    const auto decimal = readDecimal(values[slot(Key::Decimal)], localeDecimal);
    if (const auto *error = std::get_if<UsageError>(&decimal))
        return *error;
    options.decimal = std::get<char>(decimal);
    const auto inch = readUnit(values[slot(Key::Unit)]);
    if (const auto *error = std::get_if<UsageError>(&inch))
        return *error;
    options.inch = std::get<bool>(inch);
    if (const auto &format = values[slot(Key::Format)]) {
        const std::string name = lowerCase(*format);
        if (name != "text" && name != "csv")
            return UsageError{"--format", "must be text or csv"};
        options.format = name == "csv" ? LocateOptions::Format::Csv : LocateOptions::Format::Text;
    }
    for (const auto &[key, target] : {std::pair{Key::Angle, &options.angle}, std::pair{Key::Wall, &options.wall}}) {
        if (!values[slot(key)])
            return UsageError{std::string(spellings[static_cast<std::size_t>(slot(key))].name), "is missing"};
        *target = *values[slot(key)];
    }
    if (const auto &outsideDiameter = values[slot(Key::OutsideDiameter)])
        options.outsideDiameter = *outsideDiameter;
    options.paths = std::move(values.operands);
    return options;
}

} // namespace chart
