#include "calc/indicationdepth.h"
#include "calc/soundpath.h"
#include "calc/surfacetravel.h"
#include "rowname.h"

using namespace calc;

namespace {

// Expects a completed CALCULATE and gives its fields.
template <class Fields>
Fields completed(const Outcome<Fields> &outcome)
{
    if (const auto *prompt = std::get_if<Prompt>(&outcome))
        ADD_FAILURE() << "prompted: " << prompt->text;
    return std::holds_alternative<Fields>(outcome) ? std::get<Fields>(outcome) : Fields{};
}

template <class Fields>
std::string promptOf(const Outcome<Fields> &outcome)
{
    const auto *prompt = std::get_if<Prompt>(&outcome);
    return prompt ? prompt->text : "(no prompt)";
}

struct SoundPathRow {
    const char *name;
    SoundPathFields in;
    const char *ab;
    const char *abc;
};

class SoundPathCalculate : public testing::TestWithParam<SoundPathRow> {};

TEST_P(SoundPathCalculate, GivesBothPaths)
{
    const auto &row = GetParam();
    const auto out = completed(calculateSoundPath(row.in, '.'));
    EXPECT_EQ(out.A_B, row.ab);
    EXPECT_EQ(out.A_B_C, row.abc);
    EXPECT_EQ(out.T, row.in.T);
    EXPECT_EQ(out.ANGLE_BOX, row.in.ANGLE_BOX);
}

INSTANTIATE_TEST_SUITE_P(Table, SoundPathCalculate, testing::Values(
    SoundPathRow{"one70", {"1", "70", "", "", true}, "2.924 in", "5.848 in"},
    SoundPathRow{"one60", {"1", "60", "", "", true}, "2.000 in", "4.000 in"},
    SoundPathRow{"one45", {"1", "45", "", "", true}, "1.414 in", "2.828 in"},
    SoundPathRow{"twentyFive70", {"25", "70", "", "", false}, "73.099 mm", "146.199 mm"},
    SoundPathRow{"twentyFive60", {"25", "60", "", "", false}, "50.000 mm", "100.000 mm"},
    SoundPathRow{"twentyFive45", {"25", "45", "", "", false}, "35.356 mm", "70.711 mm"},
    SoundPathRow{"zero", {"0", "45", "", "", true}, "0.000 in", "0.000 in"},
    SoundPathRow{"negative", {"-5", "70", "", "", true}, "-14.620 in", "-29.240 in"},
    SoundPathRow{"typedAngle", {"1", "60.0", "", "", true}, "2.000 in", "4.000 in"},
    SoundPathRow{"overwritesOldResults", {"1", "70", "9.000 mm", "x", true}, "2.924 in", "5.848 in"},
    // No angle matches 30: A-B keeps what the user typed and A-B-C doubles it.
    SoundPathRow{"unmatchedAngleUsesTypedAB", {"7", "30", "3", "", true}, "3.000 in", "6.000 in"},
    SoundPathRow{"unmatchedAngleIgnoresBadThickness", {"abc", "30", "1.5", "", false}, "1.500 mm", "3.000 mm"}
), RowName{});

struct PromptRow {
    const char *name;
    SoundPathFields in;
    const char *prompt;
};

class SoundPathPrompt : public testing::TestWithParam<PromptRow> {};

TEST_P(SoundPathPrompt, ChangesNoField)
{
    EXPECT_EQ(promptOf(calculateSoundPath(GetParam().in, '.')), GetParam().prompt);
}

INSTANTIATE_TEST_SUITE_P(Table, SoundPathPrompt, testing::Values(
    PromptRow{"emptyThickness", {"", "70", "1.000 in", "2.000 in", true}, "Please Enter the Material Thickness"},
    PromptRow{"blankThickness", {"  ", "70", "", "", true}, "Please Enter the Material Thickness as a Number"},
    PromptRow{"lettersThickness", {"abc", "60", "", "", true}, "Please Enter the Material Thickness as a Number"},
    PromptRow{"emptyAngle", {"1", "", "", "", true}, "Please Choose a Refracted Angle of 70, 60 or 45"},
    PromptRow{"wordAngle", {"1", "sixty", "", "", true}, "Please Choose a Refracted Angle of 70, 60 or 45"},
    PromptRow{"unmatchedAngleEmptyAB", {"1", "30", "", "", true}, "Please Choose a Refracted Angle of 70, 60 or 45"},
    PromptRow{"unmatchedAngleFormattedAB", {"1", "30", "2.924 in", "5.848 in", true}, "Please Choose a Refracted Angle of 70, 60 or 45"},
    PromptRow{"quotientOverflows", {"1E+308", "70", "", "", true}, "The Result is Too Large to Display"},
    PromptRow{"doublingOverflows", {"1", "30", "1E+308", "", true}, "The Result is Too Large to Display"},
    PromptRow{"rawTextBeyondDouble", {"1.7976931348623157E+308", "30", "8.98846567431158E+307", "", true}, "The Result is Too Large to Display"}
), RowName{});

TEST(SoundPathClear, EmptiesItsFieldsAndKeepsAngleAndUnit)
{
    const auto out = clearSoundPath({"25", "45", "35.356 mm", "70.711 mm", false});
    EXPECT_EQ(out, (SoundPathFields{"", "45", "", "", false}));
}

struct SurfaceRow {
    const char *name;
    SurfaceTravelFields in;
    const char *expected; // the field's text, or the prompt
};

class SurfaceTravelCalculate : public testing::TestWithParam<SurfaceRow> {};

TEST_P(SurfaceTravelCalculate, GivesTravelOrPrompt)
{
    const auto &row = GetParam();
    const auto outcome = calculateSurfaceTravel(row.in, '.');
    if (std::holds_alternative<Prompt>(outcome))
        EXPECT_EQ(promptOf(outcome), row.expected);
    else
        EXPECT_EQ(std::get<SurfaceTravelFields>(outcome).SURFACE_TRAVEL, row.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, SurfaceTravelCalculate, testing::Values(
    SurfaceRow{"one70", {"1", "70", "", true}, "0.940 in"},
    SurfaceRow{"one60", {"1", "60", "", true}, "0.866 in"},
    SurfaceRow{"one45", {"1", "45", "", true}, "0.707 in"},
    SurfaceRow{"ten70mm", {"10", "70", "", false}, "9.396 mm"},
    SurfaceRow{"ten60mm", {"10", "60", "", false}, "8.660 mm"},
    SurfaceRow{"ten45mm", {"10", "45", "", false}, "7.071 mm"},
    SurfaceRow{"hundredUsesChartSine", {"100", "70", "", true}, "93.960 in"},
    SurfaceRow{"zero", {"0", "60", "", true}, "0.000 in"},
    SurfaceRow{"unmatchedKeepsOldSuffix", {"10", "30", "9.396 mm", true}, "9.396 mm"},
    SurfaceRow{"unmatchedFormatsTypedNumber", {"10", "30", "5", true}, "5.000 in"},
    SurfaceRow{"unmatchedLeavesEmpty", {"10", "30", "", true}, ""},
    SurfaceRow{"emptySoundPath", {"", "70", "1.000 in", true}, "Please Enter the Material Sound Path"},
    SurfaceRow{"lettersSoundPath", {"ten", "70", "", true}, "Please Enter the Material Sound Path as a Number"},
    SurfaceRow{"badAngle", {"10", "x", "", true}, "Please Choose a Refracted Angle of 70, 60 or 45"},
    SurfaceRow{"soundPathBeyondDouble", {"2E+308", "70", "", true}, "Please Enter the Material Sound Path as a Number"}
), RowName{});

TEST(SurfaceTravelClear, EmptiesItsFieldsAndKeepsAngleAndUnit)
{
    const auto out = clearSurfaceTravel({"10", "45", "7.071 mm", false});
    EXPECT_EQ(out, (SurfaceTravelFields{"", "45", "", false}));
}

struct DepthRow {
    const char *name;
    IndicationDepthFields in;
    const char *expected; // DEPTH, or the prompt
};

class IndicationDepthCalculate : public testing::TestWithParam<DepthRow> {};

TEST_P(IndicationDepthCalculate, GivesDepthOrPrompt)
{
    const auto &row = GetParam();
    const auto outcome = calculateIndicationDepth(row.in, '.');
    if (std::holds_alternative<Prompt>(outcome))
        EXPECT_EQ(promptOf(outcome), row.expected);
    else
        EXPECT_EQ(std::get<IndicationDepthFields>(outcome).DEPTH, row.expected);
}

constexpr const char *missing =
    "Please Enter the Material Thickness,\nthe A-B Sound Path and the Indication Sound Path";
INSTANTIATE_TEST_SUITE_P(Table, IndicationDepthCalculate, testing::Values(
    DepthRow{"inch", {"20", "40", "30", "", true}, "15.000 in"},
    DepthRow{"millimetre", {"20", "40", "30", "", false}, "15.000 mm"},
    DepthRow{"pastTheBackWall", {"20", "40", "50", "", true}, "25.000 in"},
    DepthRow{"zeroThickness", {"0", "40", "30", "", true}, "0.000 in"},
    DepthRow{"belowHalfThousandth", {"1", "3000", "1", "", true}, "0.000 in"},
    DepthRow{"negativeThickness", {"-20", "40", "30", "", true}, "-15.000 in"},
    DepthRow{"rawHalfRoundsUp", {"1", "2", "0.003", "", true}, "0.002 in"},
    DepthRow{"allEmpty", {"", "", "", "7.000 in", true}, missing},
    DepthRow{"thicknessEmpty", {"", "40", "30", "", true}, missing},
    DepthRow{"abEmpty", {"20", "", "30", "", true}, missing},
    DepthRow{"indicationEmpty", {"20", "40", "", "", true}, missing},
    DepthRow{"thicknessLetters", {"x", "40", "30", "", true}, "Please Enter the Material Thickness as a Number"},
    DepthRow{"badThicknessBeforeEmptyIndication", {"x", "40", "", "", true}, "Please Enter the Material Thickness as a Number"},
    DepthRow{"badAbBeforeEmptyIndication", {"20", "4 0", "", "", true}, "Please Enter the A-B Sound Path as a Number"},
    DepthRow{"zeroAb", {"20", "0", "30", "", true}, "The A-B Sound Path Must Not Be Zero"},
    DepthRow{"zeroOverZero", {"0", "-0", "", "", true}, "The A-B Sound Path Must Not Be Zero"},
    DepthRow{"indicationLetters", {"20", "40", "thirty", "", true}, "Please Enter the Indication Sound Path as a Number"},
    DepthRow{"ratioOverflows", {"1E+300", "1E-300", "1", "", true}, "The Result is Too Large to Display"},
    DepthRow{"depthOverflows", {"1E+300", "1", "1E+300", "", true}, "The Result is Too Large to Display"}
), RowName{});

TEST(IndicationDepthClear, EmptiesAllFourAndKeepsUnit)
{
    const auto out = clearIndicationDepth({"20", "40", "30", "15.000 mm", false});
    EXPECT_EQ(out, (IndicationDepthFields{"", "", "", "", false}));
}

} // namespace
