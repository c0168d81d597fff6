// SPDX-License-Identifier: MIT

#include "core/chart.h"
#include "core/soundpath.h"
#include "core/surfacetravel.h"

#include "tests/rows.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

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
        RangeRow{"to_finer_than_step", {"1", "1.25", "0.1", {"60"}}, "1.0 1.1 1.2 @60"},
        RangeRow{"one_row", {"3", "3", "1", {"60"}}, "3 @60"},
        RangeRow{"comma", {"6,5", "7,5", "0,5", {"60"}, true, ','}, "6,5 7,0 7,5 @60"},
        RangeRow{"unit_of_the_chart", {"6.50 in", "7 IN", "0.5\"", {"60"}}, "6.50 7.00 @60"},
        RangeRow{"sixty_fourths_six_places", {"1/64", "3/64", "1/64", {"60"}}, "0.015625 0.031250 0.046875 @60"},
        RangeRow{"zeros_past_six_places", {"0.50000000", "1", "0.5", {"60"}}, "0.500000 1.000000 @60"},
        RangeRow{"exponent", {"1E1", "12", "1", {"60"}}, "10 11 12 @60"},
        RangeRow{"angles_as_the_table_writes", {"1", "2", "1", {"070", "45.0"}}, "1 2 @70@45"},
        RangeRow{"to_not_a_number", {"1", "", "1", {"70"}}, nan("to")},
        RangeRow{"step_not_a_number", {"1", "2", "1..", {"70"}}, nan("step")},
        RangeRow{"point_under_comma", {"1.5", "2", "1", {"70"}, true, ','}, nan("from")},
        RangeRow{"mm_under_inch",
                 {"1", "2", "1 mm", {"70"}},
                 "refused step: The Material Thickness Is in Millimeters but Inch Is Selected"},
        RangeRow{"third_has_no_exact_decimal", {"1/3", "1", "1/3", {"70"}}, inexact("from", "1/3")},
        RangeRow{"seven_decimals", {"1", "2", "0.0000001", {"70"}}, inexact("step", "0.0000001")},
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

// Over the most thicknesses a chart takes, each row's cells are what the
// panels give when its texts are typed and pasted as an inspector would, in
// either unit, under either separator: A-B-C is the panel's own result, not
// twice the A-B shown, the skips come from the shown sound paths.
TEST(Chart, AgreesWithThePanelsOverARange)
{
    for (const bool inch : {true, false}) {
        for (const char decimal : {'.', ','}) {
            const std::string half = decimal == '.' ? "0.5" : "0,5";
            const auto result = makeChart({half, "5000", half, {"70", "60", "45"}, inch, decimal});
            const auto *chart = std::get_if<Chart>(&result);
            ASSERT_TRUE(chart) << std::get<ChartRefusal>(result).problem;
            ASSERT_EQ(chart->rows.size(), 10000u * 3);
            const std::string unit = inch ? " in" : " mm";
            for (const ChartRow &row : chart->rows) {
                const auto paths =
                    std::get<SoundPathFields>(calculateSoundPath({row.thickness, row.angle, "", "", inch}, decimal));
                const auto skip = [&](const std::string &path) {
                    return std::get<SurfaceTravelFields>(calculateSurfaceTravel({path, row.angle, "", inch}, decimal))
                        .surfaceTravel;
                };
                ASSERT_EQ(row.abSoundPath + unit + "|" + row.abcSoundPath + unit + "|" + row.halfSkip + unit + "|"
                              + row.fullSkip + unit,
                          paths.abSoundPath + "|" + paths.abcSoundPath + "|" + skip(paths.abSoundPath) + "|"
                              + skip(paths.abcSoundPath))
                    << row.thickness;
            }
        }
    }
}

} // namespace
