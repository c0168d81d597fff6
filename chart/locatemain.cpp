// SPDX-License-Identifier: MIT
// angulon-locate: where an angle-beam probe's indications lie in a pipe or a
// plate, for sound paths given as arguments or piped in a line each.

#include "angulon/version.h"
#include "chart/commandline.h"
#include "chart/locateoptions.h"
#include "chart/locations.h"
#include "chart/outputfile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::string_view program = "angulon-locate";

// Standard input whole, read in large blocks; none when it cannot be read.
std::optional<std::string> readStandardInput()
{
    std::string input;
    std::vector<char> block(1 << 20);
    for (std::size_t read; (read = std::fread(block.data(), 1, block.size(), stdin)) > 0;)
        input.append(block.data(), read);
    if (std::ferror(stdin))
        return std::nullopt;
    return input;
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const auto parsed = chart::parseLocateOptions(arguments, chart::localeDecimal());
    if (const auto *error = std::get_if<chart::UsageError>(&parsed))
        return chart::refuse(program, error->option, error->problem + " (see angulon-locate --help)");
    const chart::LocateOptions &options = std::get<chart::LocateOptions>(parsed);

    std::string output;
    switch (options.action) {
    case chart::LocateOptions::Action::Help: output = chart::locateHelpText(); break;
    case chart::LocateOptions::Action::Version: output = std::string(program) + " " + angulon::version + "\n"; break;
    case chart::LocateOptions::Action::Locate: {
        std::optional<std::string> input = std::string();
        if (options.paths.empty() && !(input = readStandardInput())) {
            std::fprintf(stderr, "angulon-locate: cannot read standard input: %s\n", std::strerror(errno));
            return 1;
        }
        auto located = chart::writeLocations(options, *input);
        if (const auto *refusal = std::get_if<chart::UsageError>(&located))
            return chart::refuse(program, refusal->option, refusal->problem);
        output = std::move(std::get<std::string>(located));
        break;
    }
    }
    if (const auto failure = chart::writeStandardOutput(output)) {
        std::fprintf(stderr, "angulon-locate: %s\n", failure->c_str());
        return 1;
    }
    return 0;
}
