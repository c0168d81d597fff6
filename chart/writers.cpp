// SPDX-License-Identifier: MIT

#include "chart/writers.h"

#include "core/anglefactors.h"
#include "core/fieldrules.h"
#include "core/locate.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <tuple>

namespace chart {

using core::ChartRow;

std::size_t columns(const core::ChartRequest &request) { return request.pipe() ? maxColumns : maxColumns - 1; }

std::vector<std::string> headers(const core::ChartRequest &request)
{
    const std::string unit = " (" + std::string(core::unitSuffix(core::unitRule(request.inch)).substr(1)) + ")";
    std::vector<std::string> names{"Thickness" + unit, "Angle",           "A-B" + unit, "A-B-C" + unit,
                                   "Half skip" + unit, "Full skip" + unit};
    if (request.pipe())
        names.emplace_back("Angle at ID");
    return names;
}

std::array<const core::ChartCell *, maxColumns> cells(const ChartRow &row)
{
    return {&row.thickness, &row.angle,    &row.abSoundPath,  &row.abcSoundPath,
            &row.halfSkip,  &row.fullSkip, &row.angleAtInside};
}

std::string rangeText(const Sheet &sheet, std::string_view degree)
{
    const core::Chart &chart = sheet.chart;
    const std::string unit(core::unitSuffix(core::unitRule(sheet.request.inch)));
    std::string text = (sheet.request.pipe() ? "OD " + chart.outsideDiameter + unit + ", wall " : "thickness ")
                       + chart.from + " to " + chart.to + " by " + chart.step + unit + ", angles ";
    for (std::size_t i = 0; i < chart.angles.size(); ++i)
        text.append(i ? ", " : "").append(chart.angleText(i)).append(degree);
    return text;
}

const char abcNote[] = "A-B-C is the Sound Path panel's own result (twice the unrounded A-B), not twice the A-B shown.";
const char pipeNote[] = "Each cell is the true value rounded once: A-B the path to the inside wall, A-B-C back to the "
                        "outside surface, the skips along the outside surface.";

std::string_view note(const Sheet &sheet) { return sheet.request.pipe() ? pipeNote : abcNote; }

namespace {

// Hands write the headers' texts, then each row's cells.
template <class Write>
void eachLine(const Sheet &sheet, Write write)
{
    const auto names = headers(sheet.request);
    std::array<const std::string *, maxColumns> headerCells{};
    for (std::size_t i = 0; i < names.size(); ++i)
        headerCells[i] = &names[i];
    write(headerCells);
    for (const ChartRow &row : sheet.chart.rows) {
        std::array<const std::string *, maxColumns> texts{};
        for (std::size_t i = 0; i < names.size(); ++i)
            texts[i] = &cells(row)[i]->text;
        write(texts);
    }
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

// The page's look, printed and on screen; the paper and the margin boxes,
// which name the chart, come from pageRules. The page's margins give the
// margin boxes their line and no more, so that Letter holds the first table
// of an inch chart in sixteenths (29 rows) under the technique block.
constexpr char style[] = R"(
@page { margin: 14mm 12mm 13mm; }
@page {
    @top-left { font: 8pt "Liberation Sans", Arial, sans-serif; vertical-align: bottom; padding-bottom: 3mm; }
    @top-right { font: 8pt "Liberation Sans", Arial, sans-serif; vertical-align: bottom; padding-bottom: 3mm; }
    @bottom-left { font: 8pt "Liberation Sans", Arial, sans-serif; vertical-align: top; padding-top: 3mm; }
    @bottom-right {
        content: "page " counter(page) " of " counter(pages);
        font: 8pt "Liberation Sans", Arial, sans-serif; vertical-align: top; padding-top: 3mm;
    }
}
body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; font-size: 10pt; color: #000; margin: 0; }
h1 { font-size: 15pt; margin: 0 0 2pt; }
h2 { font-size: 12pt; margin: 10pt 0 4pt; break-after: avoid; }
section + section { break-before: page; }
p { margin: 0 0 6pt; }
table.technique { width: 100%; margin: 0 0 8pt; }
table.technique th { width: 18%; text-align: left; }
table.technique td { height: 7mm; }
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
tr, tbody { break-inside: avoid; }
th, td { border: 0.5pt solid #555; padding: 1pt 6pt; }
th { background: #eee; font-weight: bold; }
td { text-align: right; font-variant-numeric: tabular-nums; }
footer { margin-top: 10pt; font-size: 8pt; }
@media print {
    footer { display: none; }
}
@media screen and (max-width: 640px) {
    body { margin: 0 4px; font-size: 9pt; }
    svg { max-width: 100%; height: auto; }
    table.chart { width: 100%; }
    th, td { padding: 1pt 2pt; }
}
)";

// The a-th angle's page and class name: "angle70", "angle68_5" (a
// separator would end a CSS name).
std::string pageName(const core::Chart &chart, std::size_t a)
{
    std::string name = "angle" + chart.angleText(a);
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '.' || c == ','; }, '_');
    return name;
}

// A pipe's cross-section at the chart's last wall for the a-th angle: the
// beam to where it is back on the outside surface, or, where it misses the
// inside wall, along one chord.
std::string pipeDrawing(const Sheet &sheet, std::size_t a)
{
    const core::ChartRequest &request = sheet.request;
    const core::ChartRow &last = sheet.chart.row(sheet.chart.thicknesses() - 1, a);
    const auto part = core::readPart(request.outsideDiameter, last.thickness.text, request.angles[a],
                                     core::unitRule(request.inch), request.decimal);
    const core::Beam beam(std::get<core::Part>(part));
    const double path = beam.setup().reaches ? beam.setup().skipPath : beam.legPath();
    return core::drawingSvg(core::drawLocation(beam, path), "The beam at " + last.angle.text + " degrees in a wall of "
                                                                + last.thickness.text + ", to scale");
}

std::string footerText(const Sheet &sheet) { return "Written by angulon-chart " + std::string(sheet.version) + "."; }

// A page named after each angle, so that the margin box names the angle of
// the table under it; the header goes on the first angle's page.
std::string pageRules(const Sheet &sheet)
{
    // On paper the footer moves to the foot of every page, where it cannot
    // spill onto a page of its own.
    std::string rules = std::string("@page { size: ") + (sheet.paper == Paper::A4 ? "A4" : "letter")
                        + "; @top-left { content: \"Angulon chart: " + rangeText(sheet, "\\B0 ")
                        + "\"; } @bottom-left { content: \"" + footerText(sheet) + "\"; } }\n";
    for (std::size_t a = 0; a < sheet.chart.angles.size(); ++a) {
        const std::string &angle = sheet.chart.angleText(a), page = pageName(sheet.chart, a);
        rules += "@page " + page + " { @top-right { content: \"" + angle + "\\B0  probe\"; } }\n";
        rules += "." + page + " { page: " + page + "; }\n";
    }
    // A pipe's drawing is drawn in a box of 1000 units, held to the width
    // of a plate's.
    if (sheet.request.pipe())
        rules += "figure.pipe svg { display: block; width: 70mm; max-width: 100%; height: auto; }\n";
    return rules;
}

} // namespace

std::string writeText(const Sheet &sheet)
{
    const std::size_t count = columns(sheet.request);
    const auto names = headers(sheet.request);
    std::array<std::size_t, maxColumns> widths{};
    for (std::size_t i = 0; i < count; ++i)
        widths[i] = names[i].size();
    for (const ChartRow &row : sheet.chart.rows) {
        const auto texts = cells(row);
        for (std::size_t i = 0; i < count; ++i)
            widths[i] = std::max(widths[i], texts[i]->text.size());
    }
    std::string text = "Angulon chart: " + rangeText(sheet, "") + " degrees\n" + std::string(note(sheet)) + "\n\n";
    const auto line = [&](const auto &texts) {
        for (std::size_t i = 0; i < count; ++i) {
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
    csv.reserve(64 * (sheet.chart.rows.size() + 1));
    const std::size_t count = columns(sheet.request);
    const auto record = [&](const auto &texts) {
        for (std::size_t i = 0; i < count; ++i)
            csv.append(i ? 1 : 0, separator).append(*texts[i]);
        csv += "\r\n";
    };
    eachLine(sheet, record);
    return csv;
}

std::string writeHtml(const Sheet &sheet)
{
    const core::ChartRequest &request = sheet.request;
    const core::Chart &chart = sheet.chart;
    const std::string range = htmlEscaped(rangeText(sheet, "\u00b0"));
    std::string html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<meta name=\"viewport\" "
                       "content=\"width=device-width, initial-scale=1\">\n<title>Angulon chart: "
                       + range + "</title>\n<style>" + pageRules(sheet) + style
                       + "</style>\n</head>\n<body>\n<header class=\"" + pageName(chart, 0)
                       + "\">\n<h1>Angulon chart</h1>\n<p>For " + range + ". "
                       + (request.pipe() ? ""
                                         : "Each cell is what the Angulon window shows for its row: A-B and A-B-C on "
                                           "Sound Path with the thickness typed; the half and full skip on Surface "
                                           "Travel with A-B and A-B-C pasted as shown. ")
                       + htmlEscaped(note(sheet)) + "</p>\n<table class=\"technique\">\n";
    // What a technique sheet carries, left blank for the inspector's hand.
    constexpr std::array<std::array<const char *, 2>, 3> entries{
        {{"Procedure", "Inspector"}, {"Probe and serial", "Date"}, {"Instrument", "Signature"}}};
    for (const auto &[left, right] : entries)
        html += std::string("<tr><th>") + left + "</th><td></td><th>" + right + "</th><td></td></tr>\n";
    html += "</table>\n</header>\n";
    const auto names = headers(request);
    const std::size_t thicknesses = chart.thicknesses();
    for (std::size_t angle = 0; angle < chart.angles.size(); ++angle) {
        const std::string &degrees = chart.angleText(angle);
        html += "<section class=\"" + pageName(chart, angle) + "\">\n<h2>" + degrees + "\u00b0 probe</h2>\n<figure"
                + (request.pipe() ? " class=\"pipe\"" : "") + ">\n";
        if (request.pipe())
            html += pipeDrawing(sheet, angle) + "\n<figcaption>The pipe at its last wall, " + chart.to
                    + ", to scale: the beam from the index point to where it is back on the outside surface, or "
                      "where it misses the inside wall, along one chord.</figcaption>\n";
        else
            html += beamDrawing(chart.angles[angle])
                    + "<figcaption>A: the beam enters the scanning surface; B: it meets the back wall; C: it is back "
                      "on the surface. A-B is one leg, A-B-C the full skip; the half and full skip are measured on "
                      "the surface from A.</figcaption>\n";
        html += "</figure>\n<table class=\"chart\">\n<thead>\n<tr>";
        for (const std::string &name : names)
            html += "<th>" + htmlEscaped(name) + "</th>";
        html += "</tr>\n</thead>\n";
        // Rows go in groups of three that a page break does not split, the
        // last group taking the one or two left over, so that a table
        // continued on a next page leaves at least three rows on each.
        for (std::size_t k = 0; k < thicknesses; ++k) {
            if (k % 3 == 0 && thicknesses - k >= 3)
                html += std::string(k ? "</tbody>\n" : "") + "<tbody>\n";
            else if (k == 0)
                html += "<tbody>\n";
            html += "<tr>";
            for (std::size_t column = 0; column < names.size(); ++column)
                html += "<td>" + htmlEscaped(cells(chart.row(k, angle))[column]->text) + "</td>";
            html += "</tr>\n";
        }
        html += "</tbody>\n</table>\n</section>\n";
    }
    html += "<footer>" + htmlEscaped(footerText(sheet)) + "</footer>\n</body>\n</html>\n";
    return html;
}

} // namespace chart
