// SPDX-License-Identifier: MIT

#include "chart/options.h"

#include "core/anglefactors.h"
#include "core/description.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace chart {

namespace {
const char helpStart[] = R"(Usage: angulon-chart --from A --to B --step S [OPTION]...
Prints the sound paths and skip distances of an angle-beam probe for every
thickness from A to B by S, each cell as the Angulon window shows it; or,
with --od, for every wall of a pipe, each cell the true value.

  --from A          first thickness
  --to B            last thickness (included when the steps reach it)
  --step S          step between thicknesses, greater than zero
  --angles LIST     refracted angles, any of )";
const char helpEnd[] = R"(, comma-separated,
                    in the order wanted (default: all, in that order);
                    with --od any angle above 0 and below 90, listed with
                    semicolons where one has a decimal comma ("68,5;45")
  --od D            the outside diameter of a pipe scanned from outside:
                    the thicknesses are its walls, each below D/2, and a
                    last column gives the angle at the inside wall
  --unit UNIT       in or mm, in any case: names the results; nothing is
                    converted (default: in)
  --decimal SEP     . or , (default: the locale's decimal separator)
  --format FORMAT   text, csv, html or xlsx, in any case (default: text);
                    xlsx goes to a file or a pipe, not to a terminal
  --paper PAPER     a4 or letter, in any case: the paper the html page and
                    the xlsx print on (default: a4 for mm, letter for in)
  -o FILE           write to FILE instead of standard output (- for it) as
                    the shell's > would; a file is replaced whole where that
                    keeps its owner, permissions and hard links, else
                    overwritten; a link's target is written, a device or
                    pipe is written to
  --help, -h        show this help and exit
  --version         show the version and exit

Numbers are read as the window reads them: "6,5" with the decimal comma,
"6.5 mm" as 6.5, "1/4" as 0.25; a unit typed must be the one --unit names.
Thicknesses are above zero, with at most six decimals.

A-B-C is the Sound Path panel's own result, twice the unrounded A-B, so it
can differ in the last decimal from twice the A-B shown. With --od, A-B is
the path to the inside wall, the half skip the arc on the outside surface to
above where the beam meets it; a wall the beam misses has "misses".

Exit status: 0 when the chart was written, 1 when it could not be written,
2 when the command line was refused.
)";
} // namespace

std::string helpText() { return helpStart + core::angleChoices() + helpEnd; }

namespace {

enum class Key { From, To, Step, Angles, Unit, Decimal, Format, Paper, Output, Help, Version, OutsideDiameter };
constexpr int slot(Key key) { return static_cast<int>(key); }

// In the order of Key, then the other spellings.
constexpr std::array<Spelling, 13> spellings{{
    {"--from", slot(Key::From), true},
    {"--to", slot(Key::To), true},
    {"--step", slot(Key::Step), true},
    {"--angles", slot(Key::Angles), true},
    {"--unit", slot(Key::Unit), true},
    {"--decimal", slot(Key::Decimal), true},
    {"--format", slot(Key::Format), true},
    {"--paper", slot(Key::Paper), true},
    {"-o", slot(Key::Output), true},
    {"--help", slot(Key::Help), false},
    {"--version", slot(Key::Version), false},
    {"--od", slot(Key::OutsideDiameter), true},
    {"-h", slot(Key::Help), false},
}};

std::vector<std::string> splitAngles(std::string_view list)
{
    // An empty list names no angle, not one empty angle. Angles with the
    // decimal comma ("68,5;45") are listed with semicolons.
    std::vector<std::string> angles;
    if (list.empty())
        return angles;
    const char separator = list.find(';') == list.npos ? ',' : ';';
    for (;;) {
        const std::size_t comma = list.find(separator);
        angles.emplace_back(list.substr(0, comma));
        if (comma == std::string_view::npos)
            return angles;
        list.remove_prefix(comma + 1);
    }
}

} // namespace

std::variant<Options, UsageError> parseOptions(std::span<const std::string_view> arguments, char localeDecimal)
{
    Options options;
    auto read = readArguments(arguments, spellings, false);
    if (auto *error = std::get_if<UsageError>(&read))
        return std::move(*error);
    Arguments &values = std::get<Arguments>(read);

    const auto value = [&values](Key key) -> std::optional<std::string> & { return values[slot(key)]; };
    if (value(Key::Help)) {
        options.action = Options::Action::Help;
        return options;
    }
    if (value(Key::Version)) {
        options.action = Options::Action::Version;
        return options;
    }

    core::ChartRequest &request = options.request;
    const auto decimal = readDecimal(value(Key::Decimal), localeDecimal);
    if (const auto *error = std::get_if<UsageError>(&decimal))
        return *error;
    request.decimal = std::get<char>(decimal);
    const auto inch = readUnit(value(Key::Unit));
    if (const auto *error = std::get_if<UsageError>(&inch))
        return *error;
    request.inch = std::get<bool>(inch);
    for (const Key key : {Key::Format, Key::Paper}) {
        if (auto &name = value(key))
            name = lowerCase(*name);
    }
    if (const auto &format = value(Key::Format)) {
        constexpr std::array<std::pair<std::string_view, Format>, 4> formats{
            {{"text", Format::Text}, {"csv", Format::Csv}, {"html", Format::Html}, {"xlsx", Format::Xlsx}}};
        const auto named = std::ranges::find(formats, *format, &std::pair<std::string_view, Format>::first);
        if (named == formats.end())
            return UsageError{"--format", "must be text, csv, html or xlsx"};
        options.format = named->second;
    }
    options.paper = defaultPaper(request.inch);
    if (const auto &paper = value(Key::Paper)) {
        if (*paper != "a4" && *paper != "letter")
            return UsageError{"--paper", "must be a4 or letter"};
        options.paper = *paper == "a4" ? Paper::A4 : Paper::Letter;
    }
    for (const core::AngleFactors &angle : core::angleTable)
        request.angles.emplace_back(angle.text);
    if (const auto &angles = value(Key::Angles))
        request.angles = splitAngles(*angles);
    if (const auto &outsideDiameter = value(Key::OutsideDiameter))
        request.outsideDiameter = *outsideDiameter;
    for (const auto &[key, target] :
         {std::pair{Key::From, &request.from}, std::pair{Key::To, &request.to}, std::pair{Key::Step, &request.step}}) {
        if (!value(key))
            return UsageError{std::string(spellings[static_cast<std::size_t>(slot(key))].name), "is missing"};
        *target = *value(key);
    }
    if (const auto &output = value(Key::Output)) {
        if (output->empty())
            return UsageError{"-o", "needs a file name"};
        if (*output != "-")
            options.output = *output;
    }
    return options;
}

} // namespace chart
