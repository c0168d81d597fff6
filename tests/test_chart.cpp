// SPDX-License-Identifier: MIT

#include "core/chart.h"
#include "core/soundpath.h"
#include "core/surfacetravel.h"

#include "tests/rows.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

std::vector<ChartRow> rowsOf(const ChartRequest &request)
{
    auto result = makeChart(request);
    if (const auto *refusal = std::get_if<ChartRefusal>(&result)) {
        ADD_FAILURE() << "refused: " << refusal->problem;
        return {};
    }
    return std::get<Chart>(result).rows;
}

// The thicknesses a range gives and its angles as the table writes them, or
// the input it is refused for and why. They step in decimal from the typed
// digits, each written with the decimals of the finer of from and step.
struct RangeRow {
    const char *name;
    ChartRequest request;
    std::string expected;
};
std::string nan(const char *input) { return std::string("refused ") + input + ": not a number the window reads"; }
std::string inexact(const char *input, const char *text)
{
    return std::string("refused ") + input + ": " + text + " has no exact decimal of at most six places";
}
class Range : public testing::TestWithParam<RangeRow> {};
TEST_P(Range, GivesTheseThicknesses)
{
    const auto result = makeChart(GetParam().request);
    std::string given;
    if (const auto *refusal = std::get_if<ChartRefusal>(&result)) {
        const char *inputs[] = {"from", "to", "step", "angles", "row"};
        given = std::string("refused ") + inputs[static_cast<int>(refusal->input)] + ": " + refusal->problem;
    } else {
        const Chart &chart = std::get<Chart>(result);
        for (const ChartRow &row : chart.rows)
            given += row.angle == chart.angles.back() ? row.thickness + " " : "";
        for (const std::string &angle : chart.angles)
            given += "@" + angle;
    }
    EXPECT_EQ(given, GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Chart, Range,
    testing::Values(
        RangeRow{"tenths_give_three_rows", {"0.1", "0.3", "0.1", {"60"}}, "0.1 0.2 0.3 @60"},
        RangeRow{"halves_written_with_one_decimal", {"5", "6", "0.5", {"60"}}, "5.0 5.5 6.0 @60"},
        RangeRow{"sixteenths_keep_four_decimals", {"0.0625", "0.125", "0.0625", {"60"}}, "0.0625 0.1250 @60"},
        RangeRow{"to_between_steps", {"1", "2.5", "1", {"60"}}, "1 2 @60"},
        RangeRow{"to_finer_than_step", {"1", "1.25", "0.1", {"60"}}, "1.0 1.1 1.2 @60"},
        RangeRow{"one_row", {"3", "3", "1", {"60"}}, "3 @60"},
        RangeRow{"comma", {"6,5", "7,5", "0,5", {"60"}, true, ','}, "6,5 7,0 7,5 @60"},
        RangeRow{"unit_of_the_chart", {"6.50 in", "7 IN", "0.5\"", {"60"}}, "6.50 7.00 @60"},
        RangeRow{"fraction_as_its_decimal", {"1/2", "1", "1/4", {"60"}}, "0.50 0.75 1.00 @60"},
        RangeRow{"sixty_fourths_six_places", {"1/64", "3/64", "1/64", {"60"}}, "0.015625 0.031250 0.046875 @60"},
        RangeRow{"zeros_past_six_places", {"0.50000000", "1", "0.5", {"60"}}, "0.500000 1.000000 @60"},
        RangeRow{"exponent", {"1E1", "12", "1", {"60"}}, "10 11 12 @60"},
        RangeRow{"angles_as_the_table_writes", {"1", "2", "1", {"070", "45.0"}}, "1 2 @70@45"},
        RangeRow{"from_not_a_number", {"x", "2", "1", {"70"}}, nan("from")},
        RangeRow{"to_not_a_number", {"1", "", "1", {"70"}}, nan("to")},
        RangeRow{"step_not_a_number", {"1", "2", "1..", {"70"}}, nan("step")},
        RangeRow{"point_under_comma", {"1.5", "2", "1", {"70"}, true, ','}, nan("from")},
        RangeRow{"inch_under_mm",
                 {"1 in", "50 mm", "10", {"70"}, false},
                 "refused from: The Material Thickness Is in Inches but Millimeter Is Selected"},
        RangeRow{"mm_under_inch",
                 {"1", "2", "1 mm", {"70"}},
                 "refused step: The Material Thickness Is in Millimeters but Inch Is Selected"},
        RangeRow{"third_has_no_exact_decimal", {"1/3", "1", "1/3", {"70"}}, inexact("from", "1/3")},
        RangeRow{"seven_decimals", {"1", "2", "0.0000001", {"70"}}, inexact("step", "0.0000001")},
        RangeRow{"hundred_twenty_eighth", {"1", "2", "1/128", {"70"}}, inexact("step", "1/128")},
        RangeRow{"from_zero", {"0.00", "1", "0.5", {"70"}}, "refused from: a thickness must be greater than zero"},
        RangeRow{"from_negative", {"-0.5", "1", "1", {"70"}}, "refused from: a thickness must be greater than zero"},
        RangeRow{"step_zero", {"1", "2", "0", {"70"}}, "refused step: the step must be greater than zero"},
        RangeRow{"step_negative", {"1", "2", "-1", {"70"}}, "refused step: the step must be greater than zero"},
        RangeRow{"from_above_to", {"2", "1.9", "0.1", {"70"}}, "refused from: greater than the end of the range"},
        RangeRow{"too_many_thicknesses", {"1", "10001", "1", {"70"}}, "refused step: more than 10000 thicknesses"},
        RangeRow{"no_angle", {"1", "2", "1", {}}, "refused angles: no angle given"},
        RangeRow{"angle_empty", {"1", "2", "1", {"60", ""}}, "refused angles: an angle is missing between the commas"},
        RangeRow{"angle_twice", {"1", "2", "1", {"70", "45", "070"}}, "refused angles: 70 is given twice"},
        RangeRow{"angle_not_in_table",
                 {"1", "2", "1", {"70", "30"}},
                 "refused angles: 30: Please Choose a Refracted Angle of 70, 60 or 45"},
        RangeRow{"end_overflows", {"1", "1E19", "1", {"70"}}, "refused to: too many digits to step exactly"},
        RangeRow{"end_overflows_scale",
                 {"1", "9000000000000000000", "0.5", {"70"}},
                 "refused to: too many digits to step exactly"}),
    rowName);

// Each cell is what the window shows for the row, less the unit: A-B-C
// doubles A-B's unrounded value, the skips come from the shown sound paths.
struct CellRow {
    const char *name, *thickness, *angle;
    ChartRow expected;
    bool inch = false;
    char decimal = '.';
};
class Cells : public testing::TestWithParam<CellRow> {};
TEST_P(Cells, AreWhatTheWindowShows)
{
    const CellRow &row = GetParam();
    const auto rows = rowsOf({row.thickness, row.thickness, "1", {row.angle}, row.inch, row.decimal});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], row.expected);
}
INSTANTIATE_TEST_SUITE_P(
    Chart, Cells,
    testing::Values(
        CellRow{"mm_20_at_70", "20", "70", {"20", "70", "58.480", "116.959", "54.948", "109.895"}},
        CellRow{"mm_25_at_60", "25", "60", {"25", "60", "50.000", "100.000", "43.300", "86.600"}},
        CellRow{"mm_10_at_45", "10", "45", {"10", "45", "14.142", "28.285", "10.000", "20.000"}},
        CellRow{"inch_1_at_70", "1", "70", {"1", "70", "2.924", "5.848", "2.747", "5.495"}, true},
        CellRow{"comma_20_at_70", "20", "70", {"20", "70", "58,480", "116,959", "54,948", "109,895"}, false, ','}),
    rowName);

TEST(Chart, TakesTenThousandThicknesses) { EXPECT_EQ(rowsOf({"1", "10000", "1", {"45"}}).size(), 10000u); }

// Over a whole range, each row's cells are what the panels give when its
// texts are typed and pasted as an inspector would, under either separator.
TEST(Chart, AgreesWithThePanelsOverARange)
{
    for (const char decimal : {'.', ','}) {
        const auto rows = rowsOf({"1", "100", decimal == '.' ? "0.5" : "0,5", {"70", "60", "45"}, true, decimal});
        ASSERT_EQ(rows.size(), 199u * 3);
        EXPECT_EQ(rows.back().thickness, decimal == '.' ? "100.0" : "100,0");
        for (const ChartRow &row : rows) {
            const auto paths = std::get<SoundPathFields>(calculateSoundPath({row.thickness, row.angle}, decimal));
            const auto skip = [&](const std::string &path) {
                return std::get<SurfaceTravelFields>(calculateSurfaceTravel({path, row.angle}, decimal)).surfaceTravel;
            };
            EXPECT_EQ(row.abSoundPath + " in|" + row.abcSoundPath + " in|" + row.halfSkip + " in|" + row.fullSkip
                          + " in",
                      paths.abSoundPath + "|" + paths.abcSoundPath + "|" + skip(paths.abSoundPath) + "|"
                          + skip(paths.abcSoundPath))
                << row.thickness;
        }
    }
}

} // namespace
