// SPDX-License-Identifier: MIT

#include "core/chart.h"
#include "core/number.h"
#include "core/soundpath.h"
#include "core/surfacetravel.h"

#include "tests/rows.h"

using namespace core;

namespace {

// The range as the chart names it, the thicknesses it steps through and its
// angles as the table writes them, or the input it is refused for and why.
// They step in decimal from the typed digits, each written with the decimals
// of the finer of from and step.
using Range = Table<ChartRequest>;
TEST_P(Range, GivesTheseThicknesses)
{
    const auto result = makeChart(GetParam().given);
    std::string given;
    if (const auto *refusal = std::get_if<ChartRefusal>(&result)) {
        const char *inputs[] = {"from", "to", "step", "angles", "row", "od"};
        given = std::string("refused ") + inputs[static_cast<int>(refusal->input)] + ": " + refusal->problem;
    } else {
        const Chart &chart = std::get<Chart>(result);
        given = chart.from + ".." + chart.to + "/" + chart.step + ":";
        for (std::size_t n = 0; n < chart.thicknesses(); ++n)
            given += " " + chart.row(n, 0).thickness.text;
        for (std::size_t a = 0; a < chart.angles.size(); ++a)
            given += " @" + chart.angleText(a);
    }
    EXPECT_EQ(given, GetParam().expected);
}
const Range::ParamType cases[] = {
    {"tenths_give_three_rows", {"0.1", "0.3", "0.1", {"60"}}, "0.1..0.3/0.1: 0.1 0.2 0.3 @60"},
    {"to_finer_than_step_missed", {"1", "1.25", "0.1", {"60"}}, "1..1.2/0.1: 1.0 1.1 1.2 @60"},
    {"comma", {"6,5", "7,5", "0,5", {"60"}, true, ','}, "6,5..7,5/0,5: 6,5 7,0 7,5 @60"},
    {"unit_of_the_chart", {"6.50 in", "7.50 IN", "0.5\"", {"60"}}, "6.50..7.50/0.5: 6.50 7.00 7.50 @60"},
    {"by_64ths", {"1/64", "3/64", "1/64", {"60"}}, "0.015625..0.046875/0.015625: 0.015625 0.031250 0.046875 @60"},
    {"zeros_past_six_places", {"0.50000000", "1", "0.5", {"60"}}, "0.500000..1/0.5: 0.500000 1.000000 @60"},
    {"exponent", {"1E1", "12", "1", {"60"}}, "10..12/1: 10 11 12 @60"},
    {"angles_as_the_table_writes", {"1", "2", "1", {"070", "45.0"}}, "1..2/1: 1 2 @70 @45"},
    {"to_not_a_number", {"1", "", "1", {"70"}}, "refused to: not a number, such as 6.5 or 1 1/4"},
    {"step_not_a_number", {"1", "2", "1..", {"70"}}, "refused step: not a number, such as 6.5 or 1 1/4"},
    {"point_under_comma", {"1.5", "2", "1", {"70"}, true, ','}, "refused from: not a number, such as 6,5 or 1 1/4"},
    {"mm", {"1", "2", "1 mm", {"70"}}, "refused step: The Material Thickness Is in Millimeters but Inch Is Selected"},
    {"third", {"1/3", "1", "1/3", {"70"}}, "refused from: 1/3 has no exact decimal of at most six places"},
    {"too_fine", {"1", "2", "0.0000001", {"70"}}, "refused step: 0.0000001 has no exact decimal of at most six places"},
    {"from_zero", {"0.00", "1", "0.5", {"70"}}, "refused from: a thickness must be greater than zero"},
    {"step_zero", {"1", "2", "0", {"70"}}, "refused step: the step must be greater than zero"},
    {"from_above_to", {"2", "1.9", "0.1", {"70"}}, "refused from: greater than the end of the range"},
    {"too_many_thicknesses", {"1", "10001", "1", {"70"}}, "refused step: more than 10000 thicknesses"},
    {"no_angle", {"1", "2", "1", {}}, "refused angles: no angle given"},
    {"angle_empty", {"1", "2", "1", {"60", ""}}, "refused angles: an angle is missing between the commas"},
    {"angle_twice", {"1", "2", "1", {"70", "45", "070"}}, "refused angles: 70 is given twice"},
    {"angle_not_in_table", {"1", "2", "1", {"70", "30"}}, "refused angles: 30: " + prompts::angle()},
    {"huge", {"1", "93E17", "1", {"70"}}, "refused to: too large for a chart: at most 18 digits before the separator"},
    {"end_overflows", {"1", "999999999999999999.9", "1", {"70"}}, "refused to: too many digits to step exactly"},
    {"scale_overflows", {"1", "9000000000000000000", "0.5", {"70"}}, "refused to: too many digits to step exactly"},
    // A pipe's walls: any angle, each below half the diameter, which is read as a wall is.
    {"pipe_any_angle", {"20", "25", "5", {"068.50", "45"}, false, '.', "200 mm"}, "20..25/5: 20 25 @68.5 @45"},
    {"pipe_wall_reached",
     {"90", "100", "10", {"45"}, false, '.', "200"},
     "refused to: wall 100: the outside diameter must be more than twice the wall"},
    {"pipe_first_wall",
     {"100", "110", "10", {"45"}, false, '.', "200"},
     "refused from: wall 100: the outside diameter must be more than twice the wall"},
    {"pipe_diameter", {"1", "2", "1", {"45"}, true, '.', "8 mm"}, "refused od: in mm, not the unit chosen"},
    {"pipe_angle_90",
     {"1", "2", "1", {"45", "90"}, true, '.', "8"},
     "refused angles: 90: must be a number above 0 and below 90"},
    {"pipe_angle_twice", {"1", "2", "1", {"45", "45.0"}, true, '.', "8"}, "refused angles: 45 is given twice"},
};
INSTANTIATE_TEST_SUITE_P(Chart, Range, testing::ValuesIn(cases), rowName);

// Over the most thicknesses a chart takes, each row's cells are what the
// panels give when its texts are typed and pasted as an inspector would, in
// either unit, under either separator: A-B-C is the panel's own result, not
// twice the A-B shown, the skips come from the shown sound paths. Each cell
// holds the number its text reads as, and its decimals, for a spreadsheet.
TEST(Chart, AgreesWithThePanelsOverARange)
{
    for (const bool inch : {true, false})
        for (const char decimal : {'.', ','}) {
            const std::string half = decimal == '.' ? "0.5" : "0,5", unit = inch ? " in" : " mm";
            const Chart chart = std::get<Chart>(makeChart({half, "5000", half, {"70", "60", "45"}, inch, decimal}));
            ASSERT_EQ(chart.thicknesses(), 10000u);
            for (std::size_t i = 0; i < chart.rows.size(); ++i) {
                // By thickness, then by angle in the order asked for.
                const ChartRow &row = chart.rows[i];
                ASSERT_EQ(&chart.row(i / 3, i % 3), &row);
                ASSERT_EQ(row.thickness.value, 0.5 * static_cast<double>(i / 3 + 1));
                const std::string angle{chart.angles[i % 3].text}, &thickness = row.thickness.text;
                const auto paths =
                    std::get<SoundPathFields>(calculateSoundPath({thickness, angle, "", "", inch}, decimal));
                const auto skip = [&](const std::string &path) {
                    return std::get<SurfaceTravelFields>(calculateSurfaceTravel({path, angle, "", inch}, decimal))
                        .surfaceTravel;
                };
                std::string all;
                for (const ChartCell *cell :
                     {&row.thickness, &row.angle, &row.abSoundPath, &row.abcSoundPath, &row.halfSkip, &row.fullSkip}) {
                    all += cell->text + (cell->decimals == 3 ? unit : "") + ":" + std::to_string(cell->decimals) + "|";
                    ASSERT_EQ(cell->value, readNumber(cell->text, decimal)->value) << cell->text;
                }
                ASSERT_EQ(all, thickness + ":1|" + angle + ":0|" + paths.abSoundPath + ":3|" + paths.abcSoundPath
                                   + ":3|" + skip(paths.abSoundPath) + ":3|" + skip(paths.abcSoundPath) + ":3|");
            }
        }
}

} // namespace
