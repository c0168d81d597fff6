// SPDX-License-Identifier: MIT

#include "chart/options.h"
#include "chart/writers.h"

#include "tests/rows.h"

using namespace chart;

namespace {

// What a command line asks for, written out option by option, or the option
// it is refused for and why. The arguments come split at each blank; the
// locale's separator is the comma.
std::string asked(std::string_view line)
{
    std::vector<std::string_view> arguments;
    for (std::size_t blank = 0; blank != std::string_view::npos; line.remove_prefix(blank + 1))
        arguments.push_back(line.substr(0, blank = line.find(' ')));
    const auto parsed = parseOptions(arguments, ',');
    if (const auto *error = std::get_if<UsageError>(&parsed))
        return "refused " + error->option + ": " + error->problem;
    const Options &options = std::get<Options>(parsed);
    if (options.action != Options::Action::Chart)
        return options.action == Options::Action::Help ? "help" : "version";
    const core::ChartRequest &r = options.request;
    std::string given = r.from + " " + r.to + " " + r.step + " ";
    for (const std::string &angle : r.angles)
        given += angle + "|";
    const char *formats[] = {"text", "csv", "html", "xlsx"};
    return given + (r.inch ? " in " : " mm ") + r.decimal + " " + formats[static_cast<int>(options.format)]
           + (options.paper == Paper::A4 ? " a4 " : " letter ") + (options.output.empty() ? "stdout" : options.output);
}

using CommandLine = Table<const char *>;
TEST_P(CommandLine, AsksForThis) { EXPECT_EQ(asked(GetParam().given), GetParam().expected); }
const CommandLine::ParamType lines[] = {
    {"defaults", "--from 1 --to 2 --step 0,5", "1 2 0,5 70|60|45| in , text letter stdout"},
    {"everything_given", "--step 2 --to 9 --from 6.5mm --angles 45,70 --unit mm --decimal , --format csv -o chart.csv",
     "6.5mm 9 2 45|70| mm , csv a4 chart.csv"},
    {"attached_values", "--from=1 --to=2 --step=1 --angles=60 --unit=in --decimal=. --format=html",
     "1 2 1 60| in . html letter stdout"},
    {"xlsx_on_a4", "--from 1 --to 1 --step 1 --format XLSX --paper A4 -o -", "1 1 1 70|60|45| in , xlsx a4 stdout"},
    {"negative_text_letter_mm_any_case", "--from -1 --to 1 --step 1 --unit MM --format text --paper letter",
     "-1 1 1 70|60|45| mm , text letter stdout"},
    {"angles_split_at_commas", "--from 1 --to 1 --step 1 --angles 70,,45,", "1 1 1 70||45|| in , text letter stdout"},
    {"angles_split_at_semicolons", "--od 8 --from 1 --to 1 --step 1 --angles 68,5;45",
     "1 1 1 68,5|45| in , text letter stdout"},
    {"help_before_everything", "--version --from x -h", "help"},
    {"unknown_short_option", "-x", "refused -x: unknown option"},
    {"bare_argument", "5", "refused 5: unexpected argument; options need their name"},
    {"given_twice", "--to 1 --to 2", "refused --to: given twice"},
    {"value_missing", "--from 1 --to", "refused --to: needs a value"},
    {"flag_with_value", "--version=2", "refused --version: takes no value"},
    {"from_missing", "--to 2 --step 1", "refused --from: is missing"},
    {"output_empty", "--from 1 --to 2 --step 1 -o ", "refused -o: needs a file name"},
    {"unit_other", "--unit cm", "refused --unit: must be in or mm"},
    {"decimal_other", "--decimal ;", "refused --decimal: must be . or ,"},
    {"paper_other", "--paper A5", "refused --paper: must be a4 or letter"},
};
INSTANTIATE_TEST_SUITE_P(ChartOptions, CommandLine, testing::ValuesIn(lines), rowName);

// What a writer makes of the chart the core gives for a request.
std::string written(std::string (*write)(const Sheet &), const core::ChartRequest &request)
{
    const auto chart = std::get<core::Chart>(core::makeChart(request));
    return write({request, chart, "1.2", request.inch ? Paper::Letter : Paper::A4});
}

// Text lines up its columns on the right under their headers, each as wide
// as its widest cell; CSV is what spreadsheets of either locale read without
// asking. Rows go by thickness, then by angle in the order asked for.
using Written = Table<std::pair<std::string (*)(const Sheet &), core::ChartRequest>>;
TEST_P(Written, IsThisText) { EXPECT_EQ(std::apply(written, GetParam().given), GetParam().expected); }
// clang-format off
const Written::ParamType outs[] = {
    {"text_widest_cell_not_last", {writeText, {"4000", "4000", "1", {"70", "45"}, true, '.'}},
     std::string("Angulon chart: thickness 4000 to 4000 by 1 in, angles 70, 45 degrees\n") + abcNote + "\n\n"
     "Thickness (in)  Angle   A-B (in)  A-B-C (in)  Half skip (in)  Full skip (in)\n"
     "          4000     70  11695.906   23391.813       10989.473       21978.947\n"
     "          4000     45   5656.908   11313.817        4000.000        8000.000\n"},
    {"csv_point_and_commas", {writeCsv, {"20", "20", "1", {"70"}, false, '.'}},
     "Thickness (mm),Angle,A-B (mm),A-B-C (mm),Half skip (mm),Full skip (mm)\r\n"
     "20,70,58.480,116.959,54.948,109.895\r\n"},
    {"csv_comma_and_semicolons", {writeCsv, {"0,5", "1", "0,5", {"60"}, true, ','}},
     "Thickness (in);Angle;A-B (in);A-B-C (in);Half skip (in);Full skip (in)\r\n0,5;60;1,000;2,000;0,866;1,732\r\n"
     "1,0;60;2,000;4,000;1,732;3,464\r\n"},
    // 25 mm in a pipe of 100 mm radius: 45 degrees reaches the inside wall, 60 misses it.
    {"text_pipe_reaches_and_misses", {writeText, {"25", "25", "1", {"45", "60"}, false, '.', "200"}},
     std::string("Angulon chart: OD 200 mm, wall 25 to 25 by 1 mm, angles 45, 60 degrees\n") + pipeNote + "\n\n"
     "Thickness (mm)  Angle  A-B (mm)  A-B-C (mm)  Half skip (mm)  Full skip (mm)  Angle at ID\n"
     "            25     45    45.711      91.421          44.556          89.112       70.529\n"
     "            25     60                                                             misses\n"}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(ChartWriters, Written, testing::ValuesIn(outs), rowName);

TEST(ChartHtml, EscapesWhatMarkupReads) { EXPECT_EQ(htmlEscaped("a<b>&\"c'"), "a&lt;b&gt;&amp;&quot;c'"); }

// One page that needs nothing else: a technique block to fill in, a table
// per angle, in the order asked for, each with its drawing, and every row in
// its angle's table, in groups of three that a page break keeps whole, the
// last taking what is left over (how it prints, chart_prints.sh checks). The drawing's beam meets the back wall and the
// surface where the angle's own factors put them (a plate 36 units thick, entered at x 44), written alike in every
// locale. A row counts each of its parts split at |.
using Page = Table<const char *, int>;
TEST_P(Page, HoldsThisManyTimes)
{
    static const std::string html = written(writeHtml, {"1", "7", "1", {"45", "070", "60"}, true, ','});
    int n = 0;
    for (std::string_view parts = GetParam().given; !parts.empty();) {
        const std::string part(parts.substr(0, parts.find('|')));
        parts.remove_prefix(std::min(parts.size(), part.size() + 1));
        for (std::size_t at = html.find(part); at != std::string::npos; at = html.find(part, at + 1))
            ++n;
    }
    EXPECT_EQ(n, GetParam().expected) << GetParam().given;
    EXPECT_TRUE(html.starts_with("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<meta "
                                 "name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"));
    EXPECT_TRUE(html.ends_with("<footer>Written by angulon-chart 1.2.</footer>\n</body>\n</html>\n"));
}
// clang-format off
const Page::ParamType parts[] = {
    {"title", "<title>Angulon chart: thickness 1 to 7 by 1 in, angles 45\u00b0, 70\u00b0, 60\u00b0</title>", 1},
    {"nothing_from_elsewhere", "<script|src=|href=|url(|@import|<link", 0},
    {"per_angle", "<section class=\"angle|<table class=\"chart\">|<th>Half skip (in)</th>|<svg ", 12},
    {"technique_block", "<table class=\"technique\">\n<tr><th>Procedure</th><td></td><th>Inspector</th><td></td></tr>\n"
     "<tr><th>Probe and serial</th><td></td><th>Date</th><td></td></tr>\n<tr><th>Instrument</th><td></td>"
     "<th>Signature</th><td></td></tr>\n</table>", 1},
    // Chromium repeats a table's head by default; other browsers need telling.
    {"header_repeats", "thead { display: table-header-group; }", 1},
    {"abc_note", abcNote, 1},
    {"row_groups", "<tbody>", 6},
    {"groups_of_three", "</tbody>\n<tbody>\n<tr><td>4</td>", 3},
    {"last_group_takes_the_rest", "</tr>\n<tr><td>7</td>", 3},
    {"first_table_ends_at_its_last_row", "<td>7</td><td>45</td><td>9,900</td><td>19,799</td><td>7,000</td><td>14,000"
     "</td></tr>\n</tbody>\n</table>\n</section>\n<section class=\"angle70\">\n<h2>70\u00b0 probe</h2>", 1},
    {"row_of_70", "<tr><td>1</td><td>70</td><td>2,924</td><td>5,848</td><td>2,747</td><td>5,495</td></tr>", 1},
    {"beam_at_70", "<path class=\"beam\" d=\"M44.0 50.0L142.9 86.0L241.8 50.0\"/>", 1},
    {"beam_at_45", "<path class=\"beam\" d=\"M44.0 50.0L92.0 98.0L140.0 50.0\"/>", 1}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(ChartHtml, Page, testing::ValuesIn(parts), rowName);

// A pipe's page draws the pipe for each angle and names its pages so that a
// decimal angle stays one CSS name.
TEST(ChartHtml, DrawsThePipe)
{
    const std::string html = written(writeHtml, {"20", "25", "5", {"45", "68.5"}, false, '.', "200"});
    EXPECT_NE(html.find("<section class=\"angle68_5\">\n<h2>68.5\u00b0 probe</h2>\n<figure class=\"pipe\">\n<svg "),
              html.npos);
    EXPECT_NE(html.find("<section class=\"angle45\">\n<h2>45\u00b0 probe</h2>\n<figure class=\"pipe\">\n<svg "),
              html.npos);
    EXPECT_NE(html.find("<td>25</td><td>68.5</td><td></td><td></td><td></td><td></td><td>misses</td>"), html.npos);
}

} // namespace
