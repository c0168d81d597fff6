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
thickness from A to B by S, each cell as the Angulon window shows it.

  --from A          first thickness
  --to B            last thickness (included when the steps reach it)
  --step S          step between thicknesses, greater than zero
  --angles LIST     refracted angles, any of )";
const char helpEnd[] = R"(, comma-separated,
                    in the order wanted (default: all, in that order)
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
can differ in the last decimal from twice the A-B shown.

Exit status: 0 when the chart was written, 1 when it could not be written,
2 when the command line was refused.
)";
} // namespace

std::string helpText() { return helpStart + core::angleChoices() + helpEnd; }

namespace {

enum class Key { From, To, Step, Angles, Unit, Decimal, Format, Paper, Output, Help, Version };

struct Spelling {
    std::string_view name;
    Key key;
    bool takesValue;
};

// In the order of Key, then the other spellings.
constexpr std::array<Spelling, 12> spellings{{
    {"--from", Key::From, true},
    {"--to", Key::To, true},
    {"--step", Key::Step, true},
    {"--angles", Key::Angles, true},
    {"--unit", Key::Unit, true},
    {"--decimal", Key::Decimal, true},
    {"--format", Key::Format, true},
    {"--paper", Key::Paper, true},
    {"-o", Key::Output, true},
    {"--help", Key::Help, false},
    {"--version", Key::Version, false},
    {"-h", Key::Help, false},
}};

std::vector<std::string> splitAngles(std::string_view list)
{
    // An empty list names no angle, not one empty angle.
    std::vector<std::string> angles;
    if (list.empty())
        return angles;
    for (;;) {
        const std::size_t comma = list.find(',');
        angles.emplace_back(list.substr(0, comma));
        if (comma == std::string_view::npos)
            return angles;
        list.remove_prefix(comma + 1);
    }
}

// Names are compared in lower case: "MM", "XLSX" and "A4" are what they say.
std::string lowerCase(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

} // namespace

std::variant<Options, UsageError> parseOptions(std::span<const std::string_view> arguments, char localeDecimal)
{
    Options options;
    std::array<std::optional<std::string>, spellings.size()> values;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        std::optional<std::string_view> attached;
        // "--from=5" as well as "--from 5"; "-o" takes its file only apart.
        if (const std::size_t equals = argument.find('='); argument.starts_with("--") && equals != argument.npos) {
            attached = argument.substr(equals + 1);
            argument = argument.substr(0, equals);
        }
        const Spelling *spelling = nullptr;
        for (const Spelling &candidate : spellings) {
            if (candidate.name == argument)
                spelling = &candidate;
        }
        if (!spelling) {
            if (argument.starts_with("-") && argument.size() > 1)
                return UsageError{std::string(argument), "unknown option"};
            return UsageError{std::string(argument), "unexpected argument; options need their name"};
        }
        const std::string name(spelling->name);
        const auto slot = static_cast<std::size_t>(spelling->key);
        if (values[slot])
            return UsageError{name, "given twice"};
        if (!spelling->takesValue) {
            if (attached)
                return UsageError{name, "takes no value"};
            values[slot] = "";
            continue;
        }
        if (!attached) {
            if (i + 1 == arguments.size())
                return UsageError{name, "needs a value"};
            attached = arguments[++i];
        }
        values[slot] = std::string(*attached);
    }

    const auto value = [&values](Key key) -> std::optional<std::string> & {
        return values[static_cast<std::size_t>(key)];
    };
    if (value(Key::Help)) {
        options.action = Options::Action::Help;
        return options;
    }
    if (value(Key::Version)) {
        options.action = Options::Action::Version;
        return options;
    }

    core::ChartRequest &request = options.request;
    request.decimal = localeDecimal;
    if (const auto &decimal = value(Key::Decimal)) {
        if (*decimal != "." && *decimal != ",")
            return UsageError{"--decimal", "must be . or ,"};
        request.decimal = decimal->front();
    }
    for (const Key key : {Key::Unit, Key::Format, Key::Paper}) {
        if (auto &name = value(key))
            name = lowerCase(*name);
    }
    if (const auto &unit = value(Key::Unit)) {
        if (*unit != "in" && *unit != "mm")
            return UsageError{"--unit", "must be in or mm"};
        request.inch = *unit == "in";
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
    for (const auto &[key, target] :
         {std::pair{Key::From, &request.from}, std::pair{Key::To, &request.to}, std::pair{Key::Step, &request.step}}) {
        if (!value(key))
            return UsageError{std::string(spellings[static_cast<std::size_t>(key)].name), "is missing"};
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
