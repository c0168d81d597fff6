// SPDX-License-Identifier: MIT
// angulon-chart: the window's results over a range of thicknesses, as text,
// CSV, a printable HTML page or a spreadsheet.

#include "angulon/version.h"
#include "chart/commandline.h"
#include "chart/options.h"
#include "chart/outputfile.h"
#include "chart/writers.h"
#include "core/fieldrules.h"

#include <cstdio>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::string_view program = "angulon-chart";

const char *optionOf(core::ChartRefusal::Input input)
{
    switch (input) {
    case core::ChartRefusal::Input::From: return "--from";
    case core::ChartRefusal::Input::To: return "--to";
    case core::ChartRefusal::Input::Step: return "--step";
    case core::ChartRefusal::Input::Angles: return "--angles";
    case core::ChartRefusal::Input::OutsideDiameter: return "--od";
    case core::ChartRefusal::Input::Row: break;
    }
    // A row the window refuses is one the range reached too far for; its
    // problem names the thickness.
    return "--to";
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const auto parsed = chart::parseOptions(arguments, chart::localeDecimal());
    if (const auto *error = std::get_if<chart::UsageError>(&parsed))
        return chart::refuse(program, error->option, error->problem + " (see angulon-chart --help)");
    const chart::Options &options = std::get<chart::Options>(parsed);
    // A spreadsheet's bytes would only garble a terminal; a pipe takes them.
    if (options.action == chart::Options::Action::Chart && options.format == chart::Format::Xlsx
        && options.output.empty() && isatty(1))
        return chart::refuse(program, "--format", "xlsx is not written to a terminal; give a file with -o");

    std::string output;
    switch (options.action) {
    case chart::Options::Action::Help: output = chart::helpText(); break;
    case chart::Options::Action::Version: output = std::string("angulon-chart ") + angulon::version + "\n"; break;
    case chart::Options::Action::Chart: {
        const auto result = core::makeChart(options.request);
        if (const auto *refusal = std::get_if<core::ChartRefusal>(&result))
            return chart::refuse(program, optionOf(refusal->input), refusal->problem);
        const chart::Sheet sheet{options.request, std::get<core::Chart>(result), angulon::version, options.paper};
        // Only the spreadsheet library can fail here, when it cannot make its file.
        try {
            switch (options.format) {
            case chart::Format::Text: output = chart::writeText(sheet); break;
            case chart::Format::Csv: output = chart::writeCsv(sheet); break;
            case chart::Format::Html: output = chart::writeHtml(sheet); break;
            case chart::Format::Xlsx: output = chart::writeXlsx(sheet); break;
            }
        } catch (const std::runtime_error &error) {
            std::fprintf(stderr, "angulon-chart: %s\n", error.what());
            return 1;
        }
        break;
    }
    }

    const auto failure =
        options.output.empty() ? chart::writeStandardOutput(output) : chart::writeFile(options.output, output);
    if (failure) {
        std::fprintf(stderr, "angulon-chart: %s\n", failure->c_str());
        return 1;
    }
    return 0;
}
