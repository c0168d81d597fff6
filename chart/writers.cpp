// SPDX-License-Identifier: MIT

#include "chart/writers.h"

#include "core/anglefactors.h"
#include "core/fieldrules.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <tuple>

namespace chart {

namespace {

using core::ChartRow;

constexpr std::size_t columnCount = 6;

std::array<std::string, columnCount> headers(const core::ChartRequest &request)
{
    const std::string unit = " (" + std::string(core::unitSuffix(core::unitRule(request.inch)).substr(1)) + ")";
    return {"Thickness" + unit, "Angle", "A-B" + unit, "A-B-C" + unit, "Half skip" + unit, "Full skip" + unit};
}

std::array<const std::string *, columnCount> cells(const ChartRow &row)
{
    return {&row.thickness, &row.angle, &row.abSoundPath, &row.abcSoundPath, &row.halfSkip, &row.fullSkip};
}

// Hands write the headers' texts, then each row's cells.
template <class Write>
void eachLine(const Sheet &sheet, Write write)
{
    const auto names = headers(sheet.request);
    std::array<const std::string *, columnCount> headerCells{};
    for (std::size_t i = 0; i < columnCount; ++i)
        headerCells[i] = &names[i];
    write(headerCells);
    for (const ChartRow &row : sheet.rows)
        write(cells(row));
}

// The range as the rows step it, and the angles as asked for.
std::string rangeText(const core::ChartRequest &request, std::string_view degree)
{
    const char d = request.decimal;
    std::string text = "thickness " + core::chartNumber(request.from, d).value_or(request.from) + " to "
                       + core::chartNumber(request.to, d).value_or(request.to) + " by "
                       + core::chartNumber(request.step, d).value_or(request.step)
                       + std::string(core::unitSuffix(core::unitRule(request.inch))) + ", angles ";
    for (std::size_t i = 0; i < request.angles.size(); ++i)
        text += (i ? ", " : "") + request.angles[i] + std::string(degree);
    return text;
}

// Drawing coordinates, written the same in every locale.
std::string coordinate(double value)
{
    std::array<char, 32> buffer{};
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 1);
    return std::string(buffer.data(), written.ptr);
}

// The beam of a probe at this angle through a plate, drawn with the chart's
// own factors: A where it enters, B on the back wall, C back on the surface,
// with the half and full skip measured along the surface from A.
std::string beamDrawing(const core::AngleFactors &factors)
{
    // The plate is drawn 36 units thick, thicker where the half skip would
    // be too short for its label.
    const double slope = factors.surfaceTravelMultiplier / factors.soundPathDivisor;
    const double plate = std::max(36.0, 48.0 / slope);
    constexpr double left = 44;
    constexpr double surface = 50;
    const double wall = surface + plate;
    const double half = plate * slope;
    const double a = left;
    const double b = left + half;
    const double c = left + 2 * half;
    const double width = c + 92;
    const double height = wall + 22;
    constexpr double arc = 16;
    const auto x = [](double v) { return coordinate(v); };
    const std::string degrees(factors.text);

    std::string svg;
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + x(width) + " " + x(height) + "\" width=\""
           + x(width * 0.3) + "mm\" height=\"" + x(height * 0.3) + "mm\" role=\"img\" aria-label=\"Beam path at "
           + degrees + " degrees\">\n";
    svg += "<rect class=\"plate\" x=\"" + x(a - 12) + "\" y=\"" + x(surface) + "\" width=\"" + x(c - a + 24)
           + "\" height=\"" + x(plate) + "\"/>\n";
    svg += "<text x=\"" + x(c + 16) + "\" y=\"" + x(surface + 3) + "\">scanning surface</text>\n";
    svg += "<text x=\"" + x(c + 16) + "\" y=\"" + x(wall + 3) + "\">back wall</text>\n";
    // Thickness at the left, normal and angle at A.
    svg += "<path class=\"dim\" d=\"M" + x(a - 24) + " " + x(surface) + "V" + x(wall) + "M" + x(a - 28) + " "
           + x(surface) + "h8M" + x(a - 28) + " " + x(wall) + "h8\"/>\n";
    svg += "<text x=\"" + x(a - 38) + "\" y=\"" + x(surface + plate / 2 + 3) + "\">T</text>\n";
    svg += "<path class=\"normal\" d=\"M" + x(a) + " " + x(surface) + "V" + x(wall) + "\"/>\n";
    svg += "<path class=\"dim\" d=\"M" + x(a) + " " + x(surface + arc) + "A" + x(arc) + " " + x(arc) + " 0 0 0 "
           + x(a + arc * factors.surfaceTravelMultiplier) + " " + x(surface + arc * factors.soundPathDivisor)
           + "\"/>\n";
    svg += "<text x=\"" + x(a + 3) + "\" y=\"" + x(surface + arc + 11) + "\">" + degrees + "\u00b0</text>\n";
    // The half and full skip above the surface.
    for (const auto &[end, level, name] : {std::tuple{b, 34.0, "half skip"}, std::tuple{c, 16.0, "full skip"}}) {
        svg += "<path class=\"dim\" d=\"M" + x(a) + " " + x(level) + "H" + x(end) + "M" + x(a) + " " + x(level - 4)
               + "V" + x(surface) + "M" + x(end) + " " + x(level - 4) + "V" + x(end == b ? wall : surface) + "\"/>\n";
        svg += "<text class=\"middle\" x=\"" + x((a + end) / 2) + "\" y=\"" + x(level - 3) + "\">" + name + "</text>\n";
    }
    svg += "<path class=\"beam\" d=\"M" + x(a) + " " + x(surface) + "L" + x(b) + " " + x(wall) + "L" + x(c) + " "
           + x(surface) + "\"/>\n";
    // A-B inside the V near its top, B-C outside it near its foot, so the
    // two stay apart however narrow the V is.
    svg += "<text x=\"" + x(a + 0.35 * half + 4) + "\" y=\"" + x(surface + 0.35 * plate) + "\">A-B</text>\n";
    svg += "<text x=\"" + x(c - 0.5 * half + 2) + "\" y=\"" + x(surface + 0.5 * plate + 9) + "\">B-C</text>\n";
    for (const auto &[px, py] : {std::pair{a, surface}, std::pair{b, wall}, std::pair{c, surface}})
        svg += "<circle cx=\"" + x(px) + "\" cy=\"" + x(py) + "\" r=\"2\"/>\n";
    svg += "<text class=\"point\" x=\"" + x(a - 9) + "\" y=\"" + x(surface - 3) + "\">A</text>\n";
    svg += "<text class=\"point middle\" x=\"" + x(b) + "\" y=\"" + x(wall + 13) + "\">B</text>\n";
    svg += "<text class=\"point\" x=\"" + x(c + 4) + "\" y=\"" + x(surface - 3) + "\">C</text>\n";
    svg += "</svg>\n";
    return svg;
}

constexpr char style[] = R"(<style>
@page { margin: 14mm 12mm; }
body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; font-size: 10pt; color: #000; margin: 0; }
h1 { font-size: 15pt; margin: 0 0 2pt; }
h2 { font-size: 12pt; margin: 10pt 0 4pt; break-after: avoid; }
section + section { break-before: page; }
p { margin: 0 0 6pt; }
figure { margin: 0 0 6pt; break-inside: avoid; break-after: avoid; }
figcaption { font-size: 8.5pt; max-width: 120mm; }
svg text { font-size: 9px; font-family: inherit; }
svg .middle { text-anchor: middle; }
svg .point { font-weight: bold; }
svg .plate { fill: #e8e8e8; stroke: #000; stroke-width: 0.8; }
svg .beam { fill: none; stroke: #c00000; stroke-width: 1.6; }
svg .dim { fill: none; stroke: #000; stroke-width: 0.6; }
svg .normal { fill: none; stroke: #000; stroke-width: 0.6; stroke-dasharray: 2 2; }
table { border-collapse: collapse; }
thead { display: table-header-group; }
tr { break-inside: avoid; }
th, td { border: 0.5pt solid #555; padding: 1pt 6pt; }
th { background: #eee; font-weight: bold; }
td { text-align: right; font-variant-numeric: tabular-nums; }
footer { margin-top: 10pt; font-size: 8pt; }
</style>
)";

} // namespace

std::string htmlEscaped(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::string writeText(const Sheet &sheet)
{
    const auto names = headers(sheet.request);
    std::array<std::size_t, columnCount> widths{};
    for (std::size_t i = 0; i < columnCount; ++i)
        widths[i] = names[i].size();
    for (const ChartRow &row : sheet.rows) {
        const auto texts = cells(row);
        for (std::size_t i = 0; i < columnCount; ++i)
            widths[i] = std::max(widths[i], texts[i]->size());
    }
    std::string text = "Angulon chart: " + rangeText(sheet.request, "") + " degrees\n\n";
    const auto line = [&](const auto &texts) {
        for (std::size_t i = 0; i < columnCount; ++i) {
            const std::string &cell = *texts[i];
            text.append(i ? 2 : 0, ' ').append(widths[i] - cell.size(), ' ').append(cell);
        }
        text += '\n';
    };
    eachLine(sheet, line);
    return text;
}

std::string writeCsv(const Sheet &sheet)
{
    // A spreadsheet where the comma separates decimals reads fields split
    // by semicolons. No field needs quotes: the headers are plain words, and
    // the cells hold digits, a sign and the decimal separator.
    const char separator = sheet.request.decimal == ',' ? ';' : ',';
    std::string csv;
    const auto record = [&](const auto &texts) {
        for (std::size_t i = 0; i < columnCount; ++i)
            csv.append(i ? 1 : 0, separator).append(*texts[i]);
        csv += "\r\n";
    };
    eachLine(sheet, record);
    return csv;
}

std::string writeHtml(const Sheet &sheet)
{
    const core::ChartRequest &request = sheet.request;
    const std::string range = htmlEscaped(rangeText(request, "\u00b0"));
    std::string html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>Angulon chart: "
                       + range + "</title>\n" + style + "</head>\n<body>\n<h1>Angulon chart</h1>\n<p>For " + range
                       + ". Each cell is what the Angulon window shows for its row: A-B and A-B-C on Sound Path with "
                         "the thickness typed; the half and full skip on Surface Travel with A-B and A-B-C pasted "
                         "as shown.</p>\n";
    const auto names = headers(request);
    const std::size_t angleCount = request.angles.size();
    for (std::size_t angle = 0; angle < angleCount; ++angle) {
        const std::string &typed = request.angles[angle];
        const auto lookup = core::lookupAngle(typed, request.decimal);
        html += "<section>\n<h2>" + htmlEscaped(typed) + "\u00b0 probe</h2>\n";
        if (lookup.factors) {
            html += "<figure>\n" + beamDrawing(*lookup.factors)
                    + "<figcaption>A: the beam enters the scanning surface; B: it meets the back wall; C: it is back "
                      "on the surface. A-B is one leg, A-B-C the full skip; the half and full skip are measured on "
                      "the surface from A.</figcaption>\n</figure>\n";
        }
        html += "<table>\n<thead>\n<tr>";
        for (const std::string &name : names)
            html += "<th>" + htmlEscaped(name) + "</th>";
        html += "</tr>\n</thead>\n<tbody>\n";
        for (std::size_t i = angle; i < sheet.rows.size(); i += angleCount) {
            html += "<tr>";
            for (const std::string *cell : cells(sheet.rows[i]))
                html += "<td>" + htmlEscaped(*cell) + "</td>";
            html += "</tr>\n";
        }
        html += "</tbody>\n</table>\n</section>\n";
    }
    html += "<footer>Written by angulon-chart " + htmlEscaped(sheet.version) + ".</footer>\n</body>\n</html>\n";
    return html;
}

} // namespace chart
