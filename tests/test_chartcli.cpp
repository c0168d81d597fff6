// SPDX-License-Identifier: MIT

#include "chart/options.h"
#include "chart/writers.h"

#include "tests/rows.h"

#include <gtest/gtest.h>

using namespace chart;
using Action = Options::Action;

namespace {

std::variant<Options, UsageError> parse(const std::vector<std::string_view> &arguments, char localeDecimal = '.')
{
    return parseOptions(arguments, localeDecimal);
}

// What a command line asks for, written out option by option.
std::string asked(const Options &options)
{
    if (options.action != Action::Chart)
        return options.action == Action::Help ? "help" : "version";
    const core::ChartRequest &r = options.request;
    std::string angles;
    for (const std::string &angle : r.angles)
        angles += (angles.empty() ? "" : "|") + angle;
    const char *formats[] = {"text", "csv", "html"};
    return r.from + " " + r.to + " " + r.step + " " + angles + (r.inch ? " in " : " mm ") + r.decimal + " "
           + formats[static_cast<int>(options.format)] + " " + (options.output.empty() ? "-" : options.output);
}

struct AcceptedRow {
    const char *name;
    std::vector<std::string_view> arguments;
    char localeDecimal;
    const char *expected;
};
class Accepted : public testing::TestWithParam<AcceptedRow> {};
TEST_P(Accepted, AsksForThis)
{
    const auto parsed = parse(GetParam().arguments, GetParam().localeDecimal);
    ASSERT_TRUE(std::holds_alternative<Options>(parsed)) << std::get<UsageError>(parsed).problem;
    EXPECT_EQ(asked(std::get<Options>(parsed)), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    ChartOptions, Accepted,
    testing::Values(
        AcceptedRow{"defaults", {"--from", "1", "--to", "2", "--step", "0.5"}, '.', "1 2 0.5 70|60|45 in . text -"},
        AcceptedRow{"locale_comma", {"--from", "1", "--to", "2", "--step", "0,5"}, ',', "1 2 0,5 70|60|45 in , text -"},
        AcceptedRow{"everything_given",
                    {"--step", "2", "--to", "9", "--from", "6.5 mm", "--angles", "45,70", "--unit", "mm", "--decimal",
                     ",", "--format", "csv", "-o", "chart.csv"},
                    '.',
                    "6.5 mm 9 2 45|70 mm , csv chart.csv"},
        AcceptedRow{"attached_values",
                    {"--from=1", "--to=2", "--step=1", "--angles=60", "--unit=in", "--decimal=.", "--format=html"},
                    ',',
                    "1 2 1 60 in . html -"},
        AcceptedRow{"format_text",
                    {"--from", "1", "--to", "1", "--step", "1", "--format", "text"},
                    '.',
                    "1 1 1 70|60|45 in . text -"},
        AcceptedRow{"negative_value", {"--from", "-1", "--to", "1", "--step", "1"}, '.', "-1 1 1 70|60|45 in . text -"},
        AcceptedRow{"angles_split_at_every_comma",
                    {"--from", "1", "--to", "1", "--step", "1", "--angles", "70,,45,"},
                    '.',
                    "1 1 1 70||45| in . text -"},
        AcceptedRow{"help", {"--from", "x", "--help"}, '.', "help"},
        AcceptedRow{"version", {"--version", "--step", "0"}, '.', "version"},
        AcceptedRow{"help_before_version", {"--version", "--help"}, '.', "help"}),
    rowName);

// A command line refused names the option at fault and what is wrong.
struct RefusedRow {
    const char *name;
    std::vector<std::string_view> arguments;
    UsageError expected;
};
class Refused : public testing::TestWithParam<RefusedRow> {};
TEST_P(Refused, NamesTheOptionAndTheProblem)
{
    const auto parsed = parse(GetParam().arguments);
    ASSERT_TRUE(std::holds_alternative<UsageError>(parsed));
    EXPECT_EQ(std::get<UsageError>(parsed), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    ChartOptions, Refused,
    testing::Values(
        RefusedRow{"unknown_option", {"--from", "1", "--colour", "red"}, {"--colour", "unknown option"}},
        RefusedRow{"unknown_short_option", {"-x"}, {"-x", "unknown option"}},
        RefusedRow{"bare_argument", {"5"}, {"5", "unexpected argument; options need their name"}},
        RefusedRow{"given_twice", {"--to", "1", "--to", "2"}, {"--to", "given twice"}},
        RefusedRow{"flag_twice", {"--help", "--help"}, {"--help", "given twice"}},
        RefusedRow{"value_missing", {"--from", "1", "--to"}, {"--to", "needs a value"}},
        RefusedRow{"flag_with_value", {"--version=2"}, {"--version", "takes no value"}},
        RefusedRow{"from_missing", {"--to", "2", "--step", "1"}, {"--from", "is missing"}},
        RefusedRow{"to_missing", {"--from", "1", "--step", "1"}, {"--to", "is missing"}},
        RefusedRow{"step_missing", {"--from", "1", "--to", "2"}, {"--step", "is missing"}},
        RefusedRow{"output_empty", {"--from", "1", "--to", "2", "--step", "1", "-o", ""}, {"-o", "needs a file name"}},
        RefusedRow{"unit_other", {"--unit", "cm"}, {"--unit", "must be in or mm"}},
        RefusedRow{"decimal_other", {"--decimal", ";"}, {"--decimal", "must be . or ,"}},
        RefusedRow{"format_other", {"--format", "pdf"}, {"--format", "must be text, csv or html"}}),
    rowName);

struct SheetRows {
    core::ChartRequest request;
    std::vector<core::ChartRow> rows;
};

SheetRows sheetOf(core::ChartRequest request)
{
    auto result = core::chartRows(request);
    return {request, std::get<std::vector<core::ChartRow>>(result)};
}

// The text format's columns line up on the right under their headers; rows
// go by thickness, then by angle in the order asked for.
TEST(ChartText, AlignsColumnsUnderATitle)
{
    const auto chart = sheetOf({"9.5", "10", "0.5", {"45", "70"}, false, '.'});
    EXPECT_EQ(writeText({chart.request, chart.rows, "1.2"}),
              "Angulon chart: thickness 9.5 to 10 by 0.5 mm, angles 45, 70 degrees\n"
              "\n"
              "Thickness (mm)  Angle  A-B (mm)  A-B-C (mm)  Half skip (mm)  Full skip (mm)\n"
              "           9.5     45    13.435      26.870           9.500          19.000\n"
              "           9.5     70    27.778      55.556          26.100          52.200\n"
              "          10.0     45    14.142      28.285          10.000          20.000\n"
              "          10.0     70    29.240      58.480          27.474          54.948\n");
}

TEST(ChartText, WidensAColumnForALongCell)
{
    const auto chart = sheetOf({"100000", "100000", "1", {"70"}, true, '.'});
    EXPECT_EQ(writeText({chart.request, chart.rows, "1.2"}),
              "Angulon chart: thickness 100000 to 100000 by 1 in, angles 70 degrees\n"
              "\n"
              "Thickness (in)  Angle    A-B (in)  A-B-C (in)  Half skip (in)  Full skip (in)\n"
              "        100000     70  292397.661  584795.322      274736.842      549473.685\n");
}

// CSV as spreadsheets of either locale read it without asking.
struct CsvRow {
    const char *name;
    core::ChartRequest request;
    std::string expected;
};
class Csv : public testing::TestWithParam<CsvRow> {};
TEST_P(Csv, IsWhatASpreadsheetReads)
{
    const auto chart = sheetOf(GetParam().request);
    EXPECT_EQ(writeCsv({chart.request, chart.rows, "1.2"}), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    ChartCsv, Csv,
    testing::Values(CsvRow{"point_and_commas",
                           {"20", "20", "1", {"70"}, false, '.'},
                           "Thickness (mm),Angle,A-B (mm),A-B-C (mm),Half skip (mm),Full skip (mm)\r\n"
                           "20,70,58.480,116.959,54.948,109.895\r\n"},
                    CsvRow{"comma_and_semicolons",
                           {"0,5", "1", "0,5", {"60"}, true, ','},
                           "Thickness (in);Angle;A-B (in);A-B-C (in);Half skip (in);Full skip (in)\r\n"
                           "0,5;60;1,000;2,000;0,866;1,732\r\n"
                           "1,0;60;2,000;4,000;1,732;3,464\r\n"}),
    rowName);

TEST(ChartHtml, EscapesWhatMarkupReads) { EXPECT_EQ(htmlEscaped("a<b>&\"c'"), "a&lt;b&gt;&amp;&quot;c'"); }

int count(const std::string &text, const std::string &part)
{
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// One page that needs nothing else: a table per angle with a header that
// repeats in print, each with its drawing, and every row in its angle's table.
TEST(ChartHtml, IsOneSelfContainedPage)
{
    const auto chart = sheetOf({"1", "3", "1", {"45", "70"}, true, '.'});
    const std::string html = writeHtml({chart.request, chart.rows, "1.2"});
    EXPECT_TRUE(html.starts_with("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"));
    EXPECT_TRUE(html.ends_with("<footer>Written by angulon-chart 1.2.</footer>\n</body>\n</html>\n"));
    EXPECT_NE(html.find("<title>Angulon chart: thickness 1 to 3 by 1 in, angles 45\u00b0, 70\u00b0</title>"),
              std::string::npos);
    for (const char *outside : {"<script", "src=", "href=", "url(", "@import", "<link"})
        EXPECT_EQ(count(html, outside), 0) << outside;
    EXPECT_EQ(count(html, "<table>"), 2);
    EXPECT_EQ(count(html, "<thead>"), 2);
    EXPECT_EQ(count(html, "<svg "), 2);
    EXPECT_NE(html.find("thead { display: table-header-group; }"), std::string::npos);
    EXPECT_NE(html.find("section + section { break-before: page; }"), std::string::npos);
    const std::size_t second = html.find("<h2>70\u00b0 probe</h2>");
    ASSERT_NE(second, std::string::npos);
    const std::string first = html.substr(0, second);
    const std::string last = html.substr(second);
    EXPECT_NE(first.find("<h2>45\u00b0 probe</h2>"), std::string::npos);
    EXPECT_EQ(count(first, "<tr><td>"), 3);
    EXPECT_EQ(count(last, "<tr><td>"), 3);
    EXPECT_NE(first.find("<tr><td>3</td><td>45</td><td>4.243</td><td>8.485</td><td>3.000</td><td>6.000</td></tr>"),
              std::string::npos);
    EXPECT_NE(last.find("<tr><td>1</td><td>70</td><td>2.924</td><td>5.848</td><td>2.747</td><td>5.495</td></tr>"),
              std::string::npos);
    EXPECT_NE(last.find("<th>Half skip (in)</th>"), std::string::npos);
}

// The drawing's beam meets the back wall and the surface where the angle's
// own factors put them: a plate 36 units thick, entered at x 44.
struct DrawingRow {
    const char *name, *angle, *beam;
};
class Drawing : public testing::TestWithParam<DrawingRow> {};
TEST_P(Drawing, FollowsTheAngle)
{
    const auto chart = sheetOf({"1", "1", "1", {GetParam().angle}, true, ','});
    const std::string html = writeHtml({chart.request, chart.rows, "1.2"});
    EXPECT_NE(html.find(GetParam().beam), std::string::npos) << html;
}
INSTANTIATE_TEST_SUITE_P(
    ChartHtml, Drawing,
    testing::Values(DrawingRow{"at_70", "70", "<path class=\"beam\" d=\"M44.0 50.0L142.9 86.0L241.8 50.0\"/>"},
                    DrawingRow{"at_60", "60", "<path class=\"beam\" d=\"M44.0 50.0L106.4 86.0L168.7 50.0\"/>"},
                    DrawingRow{"at_45", "45", "<path class=\"beam\" d=\"M44.0 50.0L92.0 98.0L140.0 50.0\"/>"}),
    rowName);

} // namespace
