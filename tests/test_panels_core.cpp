// SPDX-License-Identifier: MIT

#include "calc/core/indicationdepth.h"
#include "calc/core/soundpath.h"
#include "calc/core/surfacetravel.h"
#include "rowname.h"

using namespace calc;

namespace {

// What a CALCULATE leaves to read: its result fields joined by " | ", or the
// prompt. Every other field must come back as it went in.
template <class Fields>
std::string shown(Fields in, const Outcome<Fields> &outcome, std::initializer_list<std::string Fields::*> results)
{
    if (const auto *prompt = std::get_if<Prompt>(&outcome))
        return prompt->text;
    Fields out = std::get<Fields>(outcome);
    std::string text;
    for (std::string Fields::*field : results) {
        text += (field == *results.begin() ? "" : " | ") + out.*field;
        out.*field = in.*field = "";
    }
    EXPECT_EQ(out, in) << "CALCULATE changed a field it does not write";
    return text;
}

template <class Fields>
struct Row {
    const char *name;
    Fields in;
    const char *expected; // the result fields' text, or the prompt
};

class SoundPath : public testing::TestWithParam<Row<SoundPathFields>> {};
class SurfaceTravel : public testing::TestWithParam<Row<SurfaceTravelFields>> {};
class IndicationDepth : public testing::TestWithParam<Row<IndicationDepthFields>> {};

TEST_P(SoundPath, Calculate)
{
    const auto &in = GetParam().in;
    EXPECT_EQ(shown(in, calculateSoundPath(in, '.'), {&SoundPathFields::A_B, &SoundPathFields::A_B_C}),
              GetParam().expected);
}

TEST_P(SurfaceTravel, Calculate)
{
    const auto &in = GetParam().in;
    EXPECT_EQ(shown(in, calculateSurfaceTravel(in, '.'), {&SurfaceTravelFields::SURFACE_TRAVEL}), GetParam().expected);
}

TEST_P(IndicationDepth, Calculate)
{
    const auto &in = GetParam().in;
    EXPECT_EQ(shown(in, calculateIndicationDepth(in, '.'), {&IndicationDepthFields::DEPTH}), GetParam().expected);
}

constexpr const char *angle = "Please Choose a Refracted Angle of 70, 60 or 45";
constexpr const char *tooLarge = "The Result is Too Large to Display";
constexpr const char *missing =
    "Please Enter the Material Thickness,\nthe A-B Sound Path and the Indication Sound Path";

INSTANTIATE_TEST_SUITE_P(
    Table, SoundPath,
    testing::Values(
        Row<SoundPathFields>{"one70", {"1", "70", "", "", true}, "2.924 in | 5.848 in"},
        Row<SoundPathFields>{"one60", {"1", "60", "", "", true}, "2.000 in | 4.000 in"},
        Row<SoundPathFields>{"one45", {"1", "45", "", "", true}, "1.414 in | 2.828 in"},
        Row<SoundPathFields>{"twentyFive45mm", {"25", "45", "", "", false}, "35.356 mm | 70.711 mm"},
        Row<SoundPathFields>{"zero", {"0", "45", "", "", true}, "0.000 in | 0.000 in"},
        Row<SoundPathFields>{"negative", {"-5", "70", "", "", true}, "-14.620 in | -29.240 in"},
        Row<SoundPathFields>{"typedAngle", {"1", "60.0", "", "", true}, "2.000 in | 4.000 in"},
        Row<SoundPathFields>{"overwritesOldResults", {"1", "70", "9.000 mm", "x", true}, "2.924 in | 5.848 in"},
        // No angle matches 30: A-B keeps what the user typed and A-B-C doubles it.
        Row<SoundPathFields>{"unmatchedAngleUsesTypedAB", {"7", "30", "3", "", true}, "3.000 in | 6.000 in"},
        Row<SoundPathFields>{
            "unmatchedAngleIgnoresBadThickness", {"abc", "30", "1.5", "", false}, "1.500 mm | 3.000 mm"},
        Row<SoundPathFields>{"pastedThickness", {"146.199 mm", "70", "", "", true}, "427.482 in | 854.965 in"},
        Row<SoundPathFields>{
            "emptyThickness", {"", "70", "1.000 in", "2.000 in", true}, "Please Enter the Material Thickness"},
        Row<SoundPathFields>{
            "blankThickness", {"  ", "70", "", "", true}, "Please Enter the Material Thickness as a Number"},
        Row<SoundPathFields>{
            "lettersThickness", {"abc", "60", "", "", true}, "Please Enter the Material Thickness as a Number"},
        Row<SoundPathFields>{"emptyAngle", {"1", "", "", "", true}, angle},
        Row<SoundPathFields>{"unmatchedAngleFormattedAB", {"1", "30", "2.924 in", "5.848 in", true}, angle},
        Row<SoundPathFields>{"quotientOverflows", {"1E+308", "70", "", "", true}, tooLarge},
        Row<SoundPathFields>{"doublingOverflows", {"1", "30", "1E+308", "", true}, tooLarge},
        Row<SoundPathFields>{
            "rawTextBeyondDouble", {"1.7976931348623157E+308", "30", "8.98846567431158E+307", "", true}, tooLarge}),
    RowName{});

INSTANTIATE_TEST_SUITE_P(
    Table, SurfaceTravel,
    testing::Values(Row<SurfaceTravelFields>{"one70", {"1", "70", "", true}, "0.940 in"},
                    Row<SurfaceTravelFields>{"one60", {"1", "60", "", true}, "0.866 in"},
                    Row<SurfaceTravelFields>{"one45", {"1", "45", "", true}, "0.707 in"},
                    Row<SurfaceTravelFields>{"ten70mm", {"10", "70", "", false}, "9.396 mm"},
                    Row<SurfaceTravelFields>{"hundredUsesChartSine", {"100", "70", "", true}, "93.960 in"},
                    Row<SurfaceTravelFields>{"zero", {"0", "60", "", true}, "0.000 in"},
                    Row<SurfaceTravelFields>{"pastedSoundPath", {"146.199 mm", "70", "", false}, "137.369 mm"},
                    // No angle matches 30: only a number typed into the result is formatted;
                    // an earlier result or an empty field must not pass for the answer.
                    Row<SurfaceTravelFields>{"unmatchedFormatsTypedNumber", {"10", "30", "5", true}, "5.000 in"},
                    Row<SurfaceTravelFields>{"unmatchedEarlierResult", {"10", "30", "9.396 mm", true}, angle},
                    Row<SurfaceTravelFields>{"unmatchedEmpty", {"40", "30", "", true}, angle},
                    Row<SurfaceTravelFields>{
                        "emptySoundPath", {"", "70", "1.000 in", true}, "Please Enter the Material Sound Path"},
                    Row<SurfaceTravelFields>{"lettersSoundPath",
                                             {"ten", "70", "", true},
                                             "Please Enter the Material Sound Path as a Number"},
                    Row<SurfaceTravelFields>{"badAngle", {"10", "x", "", true}, angle},
                    Row<SurfaceTravelFields>{"soundPathBeyondDouble",
                                             {"2E+308", "70", "", true},
                                             "Please Enter the Material Sound Path as a Number"}),
    RowName{});

INSTANTIATE_TEST_SUITE_P(
    Table, IndicationDepth,
    testing::Values(
        Row<IndicationDepthFields>{"inch", {"20", "40", "30", "", true}, "15.000 in"},
        Row<IndicationDepthFields>{"millimetre", {"20", "40", "30", "", false}, "15.000 mm"},
        Row<IndicationDepthFields>{"pastedInputs", {"20 mm", "40MM", " 30 mm", "", false}, "15.000 mm"},
        // Past the back wall the depth folds back: up on the second leg, down on the third.
        Row<IndicationDepthFields>{"atTheBackWall", {"20", "40", "40", "", true}, "20.000 in"},
        Row<IndicationDepthFields>{"secondLeg", {"20", "40", "50", "", true}, "15.000 in"},
        Row<IndicationDepthFields>{"surfaceAtC", {"20", "40", "80", "", true}, "0.000 in"},
        Row<IndicationDepthFields>{"thirdLeg", {"20", "40", "90", "", true}, "5.000 in"},
        Row<IndicationDepthFields>{"fourthLeg", {"20", "40", "130", "", true}, "15.000 in"},
        Row<IndicationDepthFields>{"manyBounces", {"20", "40", "1000030", "", true}, "15.000 in"},
        Row<IndicationDepthFields>{"nearSurfaceNoJump", {"20", "40", "79.999", "", true}, "0.001 in"},
        Row<IndicationDepthFields>{"negativeIndicationStaysPlain", {"20", "40", "-50", "", true}, "-25.000 in"},
        Row<IndicationDepthFields>{"zeroThickness", {"0", "40", "30", "", true}, "0.000 in"},
        Row<IndicationDepthFields>{"negativeThickness", {"-20", "40", "30", "", true}, "-15.000 in"},
        Row<IndicationDepthFields>{"rawHalfRoundsUp", {"1", "2", "0.003", "", true}, "0.002 in"},
        Row<IndicationDepthFields>{"thicknessEmpty", {"", "40", "30", "7.000 in", true}, missing},
        Row<IndicationDepthFields>{"abEmpty", {"20", "", "30", "", true}, missing},
        Row<IndicationDepthFields>{"indicationEmpty", {"20", "40", "", "", true}, missing},
        Row<IndicationDepthFields>{"badThicknessBeforeEmptyIndication",
                                   {"x", "40", "", "", true},
                                   "Please Enter the Material Thickness as a Number"},
        Row<IndicationDepthFields>{
            "badAbBeforeEmptyIndication", {"20", "4 0", "", "", true}, "Please Enter the A-B Sound Path as a Number"},
        Row<IndicationDepthFields>{"zeroAb", {"20", "-0", "30", "", true}, "The A-B Sound Path Must Not Be Zero"},
        Row<IndicationDepthFields>{"indicationLetters",
                                   {"20", "40", "thirty", "", true},
                                   "Please Enter the Indication Sound Path as a Number"},
        Row<IndicationDepthFields>{"ratioOverflows", {"1E+300", "1E-300", "1", "", true}, tooLarge},
        Row<IndicationDepthFields>{"depthOverflows", {"1E+300", "1", "1E+300", "", true}, tooLarge}),
    RowName{});

TEST(Clear, EmptiesThePanelsFieldsAndKeepsAngleAndUnit)
{
    EXPECT_EQ(clearSoundPath({"25", "45", "35.356 mm", "70.711 mm", false}),
              (SoundPathFields{"", "45", "", "", false}));
    EXPECT_EQ(clearSurfaceTravel({"10", "45", "7.071 mm", false}), (SurfaceTravelFields{"", "45", "", false}));
    EXPECT_EQ(clearIndicationDepth({"20", "40", "30", "15.000 mm", false}),
              (IndicationDepthFields{"", "", "", "", false}));
}

} // namespace
