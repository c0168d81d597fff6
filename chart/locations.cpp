// SPDX-License-Identifier: MIT

#include "chart/locations.h"

#include "core/fieldrules.h"
#include "core/locate.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace chart {

namespace {

constexpr std::size_t columnCount = 4;
using Cells = std::array<std::string, columnCount>;

const char *optionOf(core::LocateInput input)
{
    switch (input) {
    case core::LocateInput::OutsideDiameter:
    case core::LocateInput::DiameterForWall: return "--od";
    case core::LocateInput::Wall: return "--wall";
    case core::LocateInput::Angle: return "--angle";
    case core::LocateInput::SoundPath: break;
    }
    return "PATH";
}

// A sound path's row, or what is wrong with its text.
std::variant<Cells, std::string> locate(const core::Beam &beam, std::string_view text, const LocateOptions &options)
{
    const auto path = core::readSoundPath(text, core::unitRule(options.inch), options.decimal);
    if (const auto *refusal = std::get_if<core::LocateRefusal>(&path))
        return refusal->problem;
    const double soundPath = std::get<double>(path);
    auto written = core::writeThousandths(soundPath, options.decimal);
    const auto location = core::writeLocation(beam.at(soundPath), options.decimal);
    if (!written || !location)
        return std::string(core::tooLargeProblem);
    return Cells{std::move(*written), location->leg, location->depth, location->surfaceDistance};
}

bool blank(std::string_view line)
{
    return std::ranges::all_of(line, [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

} // namespace

std::variant<std::string, UsageError> writeLocations(const LocateOptions &options, std::string_view input)
{
    const core::Unit unit = core::unitRule(options.inch);
    const auto part = core::readPart(options.outsideDiameter, options.wall, options.angle, unit, options.decimal);
    if (const auto *refusal = std::get_if<core::LocateRefusal>(&part))
        return UsageError{optionOf(refusal->input), refusal->problem};
    const core::Beam beam(std::get<core::Part>(part));

    std::vector<Cells> rows;
    for (const std::string &path : options.paths) {
        auto row = locate(beam, path, options);
        if (auto *problem = std::get_if<std::string>(&row))
            return UsageError{path.empty() ? "\"\"" : path, std::move(*problem)};
        rows.push_back(std::move(std::get<Cells>(row)));
    }
    if (options.paths.empty()) {
        rows.reserve(input.size() / 8);
        for (std::size_t number = 1; !input.empty(); ++number) {
            const std::size_t end = input.find('\n');
            std::string_view line = input.substr(0, end);
            input.remove_prefix(end == input.npos ? input.size() : end + 1);
            if (blank(line))
                continue;
            if (line.ends_with('\r'))
                line.remove_suffix(1);
            auto row = locate(beam, line, options);
            if (auto *problem = std::get_if<std::string>(&row))
                return UsageError{"line " + std::to_string(number), std::string(line) + ": " + *problem};
            rows.push_back(std::move(std::get<Cells>(row)));
        }
    }

    const std::string suffix = " (" + std::string(core::unitSuffix(unit).substr(1)) + ")";
    const Cells headers{"Sound path" + suffix, "Leg", "Depth" + suffix, "Surface distance" + suffix};
    std::string out;
    if (options.format == LocateOptions::Format::Csv) {
        // A spreadsheet where the comma separates decimals reads fields
        // split by semicolons; no cell needs quotes.
        const char separator = options.decimal == ',' ? ';' : ',';
        out.reserve(32 * (rows.size() + 2));
        const auto record = [&](const Cells &cells) {
            for (std::size_t i = 0; i < columnCount; ++i)
                out.append(i ? 1 : 0, separator).append(cells[i]);
            out += "\r\n";
        };
        record(headers);
        for (const Cells &row : rows)
            record(row);
        return out;
    }
    const auto setup = core::describeSetup(beam, unit, options.decimal);
    if (!setup)
        return UsageError{options.outsideDiameter.empty() ? "--wall" : "--od", core::tooLargeProblem};
    std::array<std::size_t, columnCount> widths{};
    for (std::size_t i = 0; i < columnCount; ++i) {
        widths[i] = headers[i].size();
        for (const Cells &row : rows)
            widths[i] = std::max(widths[i], row[i].size());
    }
    out = *setup + (setup->ends_with('\n') ? "\n" : "\n\n");
    const auto line = [&](const Cells &cells) {
        for (std::size_t i = 0; i < columnCount; ++i)
            out.append(i ? 2 : 0, ' ').append(widths[i] - cells[i].size(), ' ').append(cells[i]);
        out += '\n';
    };
    line(headers);
    for (const Cells &row : rows)
        line(row);
    return out;
}

} // namespace chart
