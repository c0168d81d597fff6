// SPDX-License-Identifier: MIT

#include "chart/options.h"
#include "chart/outputfile.h"
#include "chart/writers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace chart;
using Action = Options::Action;

namespace {

constexpr auto rowName = [](const auto &info) { return std::string(info.param.name); };

std::variant<Options, UsageError> parse(const std::vector<std::string_view> &arguments, char localeDecimal = '.')
{
    return parseOptions(arguments, localeDecimal);
}

// What a command line asks for, option by option.
struct AcceptedRow {
    const char *name;
    std::vector<std::string_view> arguments;
    char localeDecimal;
    Action action;
    calc::ChartRequest request;
    Format format;
    std::string output;
};
class Accepted : public testing::TestWithParam<AcceptedRow> {};
TEST_P(Accepted, AsksForThis)
{
    const AcceptedRow &row = GetParam();
    const auto parsed = parse(row.arguments, row.localeDecimal);
    ASSERT_TRUE(std::holds_alternative<Options>(parsed)) << std::get<UsageError>(parsed).problem;
    const Options &options = std::get<Options>(parsed);
    EXPECT_EQ(options.action, row.action);
    if (row.action != Action::Chart)
        return;
    EXPECT_EQ(options.request.from, row.request.from);
    EXPECT_EQ(options.request.to, row.request.to);
    EXPECT_EQ(options.request.step, row.request.step);
    EXPECT_EQ(options.request.angles, row.request.angles);
    EXPECT_EQ(options.request.inch, row.request.inch);
    EXPECT_EQ(options.request.decimal, row.request.decimal);
    EXPECT_EQ(options.format, row.format);
    EXPECT_EQ(options.output, row.output);
}
const std::vector<std::string> allAngles{"70", "60", "45"};
INSTANTIATE_TEST_SUITE_P(
    ChartOptions, Accepted,
    testing::Values(
        AcceptedRow{"defaults",
                    {"--from", "1", "--to", "2", "--step", "0.5"},
                    '.',
                    Action::Chart,
                    {"1", "2", "0.5", allAngles, true, '.'},
                    Format::Text,
                    ""},
        AcceptedRow{"locale_comma",
                    {"--from", "1", "--to", "2", "--step", "0,5"},
                    ',',
                    Action::Chart,
                    {"1", "2", "0,5", allAngles, true, ','},
                    Format::Text,
                    ""},
        AcceptedRow{"everything_given",
                    {"--step", "2", "--to", "9", "--from", "6.5 mm", "--angles", "45,70", "--unit", "mm", "--decimal",
                     ",", "--format", "csv", "-o", "chart.csv"},
                    '.',
                    Action::Chart,
                    {"6.5 mm", "9", "2", {"45", "70"}, false, ','},
                    Format::Csv,
                    "chart.csv"},
        AcceptedRow{"attached_values",
                    {"--from=1", "--to=2", "--step=1", "--angles=60", "--unit=in", "--decimal=.", "--format=html"},
                    ',',
                    Action::Chart,
                    {"1", "2", "1", {"60"}, true, '.'},
                    Format::Html,
                    ""},
        AcceptedRow{"format_text",
                    {"--from", "1", "--to", "1", "--step", "1", "--format", "text"},
                    '.',
                    Action::Chart,
                    {"1", "1", "1", allAngles, true, '.'},
                    Format::Text,
                    ""},
        AcceptedRow{"negative_value",
                    {"--from", "-1", "--to", "1", "--step", "1"},
                    '.',
                    Action::Chart,
                    {"-1", "1", "1", allAngles, true, '.'},
                    Format::Text,
                    ""},
        AcceptedRow{"help", {"--from", "x", "--help"}, '.', Action::Help, {}, Format::Text, ""},
        AcceptedRow{"version", {"--version", "--step", "0"}, '.', Action::Version, {}, Format::Text, ""},
        AcceptedRow{"help_before_version", {"--version", "--help"}, '.', Action::Help, {}, Format::Text, ""}),
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
        RefusedRow{"lone_dash", {"-"}, {"-", "unexpected argument; options need their name"}},
        RefusedRow{"short_output_attached", {"-o=x"}, {"-o=x", "unknown option"}},
        RefusedRow{"given_twice", {"--to", "1", "--to", "2"}, {"--to", "given twice"}},
        RefusedRow{"flag_twice", {"--help", "--help"}, {"--help", "given twice"}},
        RefusedRow{"value_missing", {"--from", "1", "--to"}, {"--to", "needs a value"}},
        RefusedRow{"flag_with_value", {"--version=2"}, {"--version", "takes no value"}},
        RefusedRow{"from_missing", {"--to", "2", "--step", "1"}, {"--from", "is missing"}},
        RefusedRow{"to_missing", {"--from", "1", "--step", "1"}, {"--to", "is missing"}},
        RefusedRow{"step_missing", {"--from", "1", "--to", "2"}, {"--step", "is missing"}},
        RefusedRow{"output_empty", {"--from", "1", "--to", "2", "--step", "1", "-o", ""}, {"-o", "needs a file name"}},
        RefusedRow{"unit_other", {"--unit", "cm"}, {"--unit", "must be in or mm"}},
        RefusedRow{"unit_upper_case", {"--unit", "MM"}, {"--unit", "must be in or mm"}},
        RefusedRow{"decimal_other", {"--decimal", ";"}, {"--decimal", "must be . or ,"}},
        RefusedRow{"decimal_two_characters", {"--decimal", ".,"}, {"--decimal", "must be . or ,"}},
        RefusedRow{"format_other", {"--format", "pdf"}, {"--format", "must be text, csv or html"}}),
    rowName);

TEST(ChartOptions, SplitsAnglesAtEveryComma)
{
    const auto parsed = parse({"--from", "1", "--to", "1", "--step", "1", "--angles", "70,,45,"});
    const std::vector<std::string> expected{"70", "", "45", ""};
    EXPECT_EQ(std::get<Options>(parsed).request.angles, expected);
}

// Every option the parser takes is in the help text, and the help text
// names no other.
TEST(ChartOptions, HelpListsEveryOption)
{
    std::vector<std::string> listed;
    const std::regex option(R"(^  (-[-a-z]+))");
    std::istringstream help(helpText);
    for (std::string line; std::getline(help, line);) {
        std::smatch match;
        if (std::regex_search(line, match, option))
            listed.push_back(match[1]);
    }
    const std::vector<std::string> expected{"--from",    "--to",     "--step", "--angles", "--unit",
                                            "--decimal", "--format", "-o",     "--help",   "--version"};
    EXPECT_EQ(listed, expected);
    for (const std::string &name : listed) {
        const std::string_view argument = name;
        const auto parsed = parse({argument, "x"});
        if (const auto *error = std::get_if<UsageError>(&parsed)) {
            EXPECT_NE(error->problem, "unknown option") << name;
        }
    }
}

struct SheetRows {
    calc::ChartRequest request;
    std::vector<calc::ChartRow> rows;
};

SheetRows sheetOf(calc::ChartRequest request)
{
    auto result = calc::chartRows(request);
    return {request, std::get<std::vector<calc::ChartRow>>(result)};
}

// The text format's columns line up on the right under their headers.
TEST(ChartText, AlignsColumnsUnderATitle)
{
    const auto chart = sheetOf({"9.5", "10", "0.5", {"70", "45"}, false, '.'});
    EXPECT_EQ(writeText({chart.request, chart.rows, "1.2"}),
              "Angulon chart: thickness 9.5 to 10 by 0.5 mm, angles 70, 45 degrees\n"
              "\n"
              "Thickness (mm)  Angle  A-B (mm)  A-B-C (mm)  Half skip (mm)  Full skip (mm)\n"
              "           9.5     70    27.778      55.556          26.100          52.200\n"
              "           9.5     45    13.435      26.870           9.500          19.000\n"
              "          10.0     70    29.240      58.480          27.474          54.948\n"
              "          10.0     45    14.142      28.285          10.000          20.000\n");
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
    calc::ChartRequest request;
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

struct FieldRow {
    const char *name, *text;
    char separator;
    const char *expected;
};
class CsvFields : public testing::TestWithParam<FieldRow> {};
TEST_P(CsvFields, AreQuotedOnlyWhenTheyMustBe)
{
    EXPECT_EQ(csvField(GetParam().text, GetParam().separator), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(ChartCsv, CsvFields,
                         testing::Values(FieldRow{"plain", "58.480", ',', "58.480"},
                                         FieldRow{"comma_under_semicolon", "58,480", ';', "58,480"},
                                         FieldRow{"holds_separator", "58,480", ',', "\"58,480\""},
                                         FieldRow{"holds_semicolon", "a;b", ';', "\"a;b\""},
                                         FieldRow{"holds_quote", "6\"", ',', "\"6\"\"\""},
                                         FieldRow{"holds_line_feed", "a\nb", ',', "\"a\nb\""},
                                         FieldRow{"holds_return", "a\rb", ',', "\"a\rb\""}),
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

class OutputFile : public testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path()
                 / ("angulon-chart-test-" + std::to_string(::getpid()) + "-"
                    + testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    static std::string contents(const std::filesystem::path &path)
    {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        for (const auto &entry : std::filesystem::directory_iterator(folder))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }
    std::filesystem::path folder;
};

TEST_F(OutputFile, WritesANewFileWithNothingBeside)
{
    const auto path = folder / "chart.csv";
    EXPECT_EQ(replaceFile(path.string(), "a\r\nb\n"), std::nullopt);
    EXPECT_EQ(contents(path), "a\r\nb\n");
    EXPECT_EQ(names(), std::vector<std::string>{"chart.csv"});
}

#ifndef _WIN32
TEST_F(OutputFile, ReplacesAFileKeepingItsPermissions)
{
    const auto path = folder / "chart.txt";
    std::ofstream(path) << "old contents that are longer";
    ::chmod(path.c_str(), 0640);
    EXPECT_EQ(replaceFile(path.string(), "new"), std::nullopt);
    EXPECT_EQ(contents(path), "new");
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(names(), std::vector<std::string>{"chart.txt"});
}

TEST_F(OutputFile, GivesANewFileTheUsualPermissions)
{
    const mode_t mask = ::umask(022);
    const auto path = folder / "chart.txt";
    EXPECT_EQ(replaceFile(path.string(), "new"), std::nullopt);
    ::umask(mask);
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0644u);
}
#endif

TEST_F(OutputFile, LeavesAFolderInTheWayAsItWas)
{
    const auto path = folder / "chart.html";
    std::filesystem::create_directory(path);
    std::ofstream(path / "inside") << "kept";
    const auto failure = replaceFile(path.string(), "new");
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->starts_with("cannot replace " + path.string() + ": ")) << *failure;
    EXPECT_EQ(contents(path / "inside"), "kept");
    EXPECT_EQ(names(), std::vector<std::string>{"chart.html"});
}

TEST_F(OutputFile, SaysWhenTheFolderIsMissing)
{
    const auto path = folder / "missing" / "chart.html";
    const auto failure = replaceFile(path.string(), "new");
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->starts_with("cannot create a file beside " + path.string() + ": ")) << *failure;
    EXPECT_EQ(names(), std::vector<std::string>{});
}

} // namespace
