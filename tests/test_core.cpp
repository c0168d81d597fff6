// SPDX-License-Identifier: MIT

#include "angulon/version.h"
#include "core/fieldrules.h"
#include "core/indicationdepth.h"
#include "core/number.h"
#include "core/soundpath.h"
#include "core/surfacetravel.h"

#include "tests/rows.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

constexpr auto none = std::nullopt;
constexpr Unit inch = Unit::Inch, mm = Unit::Millimetre;

// A row with a unit, or marked inputOnly, is what only an input field takes:
// readInput reads it, readNumber refuses it.
struct ReadOptions {
    std::optional<Unit> unit = none;
    bool inputOnly = false;
    char decimal = '.';
};
struct ReadRow {
    const char *name, *text;
    std::optional<double> expected;
    ReadOptions options = {};
};
using Read = testing::TestWithParam<ReadRow>;

TEST_P(Read, NumberAndInput)
{
    const auto &[name, text, expected, options] = GetParam();
    const auto &[unit, inputOnly, decimal] = options;
    const auto input = readInput(text, decimal), number = readNumber(text, decimal);
    EXPECT_EQ(input ? std::optional(std::pair(input->value, input->unit)) : none,
              expected ? std::optional(std::pair(*expected, unit)) : none);
    EXPECT_EQ(number ? std::optional(number->value) : none, unit || inputOnly ? none : expected);
}

const ReadRow readRows[] = {
    {"leadingPoint", ".5", 0.5},
    {"plusSign", "+3", 3.0},
    {"minusSign", "-5", -5.0},
    {"blanksAndTab", "  60 \t", 60.0},
    {"exponent", "7E1", 70.0},
    {"lowerCaseSignedExponent", "25e-1", 2.5},
    {"commaLocale", "2,5", 2.5, {.decimal = ','}},
    {"largestDouble", "1.7976931348623157E+308", 1.7976931348623157e308},
    {"underflowIsZero", "1E-400", 0.0},
    {"empty", "", none},
    {"exponentWithoutDigits", "1E", none},
    {"pointInCommaLocale", "2.5", none, {.decimal = ','}},
    {"beyondLargestDouble", "1.8E+308", none},
    {"hugeExponent", "1E99999999999999999999", none},
    {"pastedMillimetres", "146.199 mm", 146.199, {.unit = mm}},
    {"unitWithoutBlank", "25in", 25.0, {.unit = inch}},
    {"upperCaseUnitAndBlanks", " 30.000 MM ", 30.0, {.unit = mm}},
    {"inchMark", "0.5\"", 0.5, {.unit = inch}},
    {"otherUnit", "25 cm", none},
    {"unitTwice", "25 in in", none},
    {"eighths", "3/8", 0.375, {.inputOnly = true}},
    {"wholeAndBlank", " 1 1/2 ", 1.5, {.inputOnly = true}},
    {"wholeAndHyphen", "1-1/2", 1.5, {.inputOnly = true}},
    {"blanksAfterWhole", "1  1/2", 1.5, {.inputOnly = true}},
    {"fractionInchMark", "3/8\"", 0.375, {.unit = inch}},
    {"nearestNotWholePlusQuotient", "1 2/3", 1.6666666666666667, {.inputOnly = true}},
    {"improperCarriesIntoWhole", "9 3/2", 10.5, {.inputOnly = true}},
    {"digitsPastAMidpoint", "1 1/9007199254740991", 1.0000000000000002, {.inputOnly = true}},
    {"eighteenDigitDenominator", "1/100000000000000000", 1e-17, {.inputOnly = true}},
    {"nineteenDigitDenominator", "1/1000000000000000000", none},
    {"zeroNumerator", "2 0/4", 2.0, {.inputOnly = true}},
    {"zeroDenominator", "3/0", none},
    {"noDenominator", "1/", none},
    {"twoSlashes", "1/2/3", none},
    {"signedFraction", "-1/2", none},
    {"blankBeforeHyphen", "1 -1/2", none},
};
INSTANTIATE_TEST_SUITE_P(Reading, Read, testing::ValuesIn(readRows), rowName);

// Both ways the reader turns digits into a double, the standard library's and
// the portable one used where the library has none, give the nearest double
// for every text, where it rounds hardest too.
struct ConversionRow {
    const char *name, *scientific;
    long long magnitude; // digits before the decimal point, as the reader counts them
    std::optional<double> expected;
};
using Conversion = testing::TestWithParam<ConversionRow>;
TEST_P(Conversion, GivesTheNearestDoubleEitherWay)
{
    using detail::Conversion::Library, detail::Conversion::Portable;
    const auto &[name, scientific, magnitude, expected] = GetParam();
    for (const auto how : {Library, Portable})
        EXPECT_EQ(detail::nearestDouble(scientific, magnitude, how), expected)
            << (how == Library ? "library" : "portable");
}
const ConversionRow conversionRows[] = {
    {"quotient", "292397660818713e-14", 1, 2.92397660818713},
    {"halfwayToEven", "9007199254740993e0", 16, 9007199254740992.0},
    {"pastHalfwayUp", "90071992547409930000000000000000001e-19", 16, 9007199254740994.0},
    {"negative", "-25e-1", 1, -2.5},
    {"largestNormalNeighbour", "22250738585072011e-324", -307, 2.2250738585072009e-308},
    {"subnormal", "1e-310", -309, 1e-310},
    {"smallestSubnormal", "4940656458412465441765687928682213723651e-363", -323, 4.9406564584124654e-324},
    {"belowHalfTheSmallestIsZero", "24703282292062327e-340", -323, 0.0},
    {"farBelowIsZero", "1e-400", -399, 0.0},
    {"largestDouble", "17976931348623157e292", 309, 1.7976931348623157e308},
    {"pastLargestDouble", "17976931348623159e292", 309, none},
    {"farPastLargest", "1e999999999", 1000000000, none},
};
INSTANTIATE_TEST_SUITE_P(Reading, Conversion, testing::ValuesIn(conversionRows), rowName);

// A rule that writes text, and what it writes for one input.
struct TextRow {
    const char *name;
    std::string (*write)();
    std::string expected;
};
using Text = testing::TestWithParam<TextRow>;

TEST_P(Text, Writes) { EXPECT_EQ(GetParam().write(), GetParam().expected); }

const TextRow rawRows[] = {
    {"quotient", [] { return writeRaw(1 / 0.342, '.'); }, "2.92397660818713"},
    {"negativeZero", [] { return writeRaw(-0.0, '.'); }, "0"},
    {"exponentFromFifteenDigits", [] { return writeRaw(1e15, '.'); }, "1E+15"},
    {"commaLocale", [] { return writeRaw(2.5, ','); }, "2,5"},
};
INSTANTIATE_TEST_SUITE_P(RawText, Text, testing::ValuesIn(rawRows), rowName);

// Half away from zero, on the decimal digits the raw text holds.
const TextRow roundingRows[] = {
    {"exactHalfUp", [] { return formatResult("1.0005", inch, '.'); }, "1.001 in"},
    {"negativeAwayFromZero", [] { return formatResult("-14.6198830409357", inch, '.'); }, "-14.620 in"},
    {"carryIntoNewDigit", [] { return formatResult("999.9999", mm, '.'); }, "1000.000 mm"},
    {"tinyNegativeHasNoSign", [] { return formatResult("-0.0004", inch, '.'); }, "0.000 in"},
    {"allDigitsDropped", [] { return formatResult("1E-05", inch, '.'); }, "0.000 in"},
    {"halfThousandthExponent", [] { return formatResult("5E-04", inch, '.'); }, "0.001 in"},
};
INSTANTIATE_TEST_SUITE_P(Rounding, Text, testing::ValuesIn(roundingRows), rowName);

const TextRow formatRows[] = {
    {"leadingZero", [] { return formatResult("0.9396", inch, '.'); }, "0.940 in"},
    {"zeroWithHugeExponent", [] { return formatResult("0E999999999", inch, '.'); }, "0.000 in"},
    {"largeExponentWrittenOut", [] { return formatResult("1E+16", inch, '.'); }, "10000000000000000.000 in"},
    {"commaLocale", [] { return formatResult("2,5", inch, ','); }, "2,500 in"},
    {"notANumberKept", [] { return formatResult("9.396 mm", inch, '.'); }, "9.396 mm"},
    {"beyondDoubleKept", [] { return formatResult("2E+308", inch, '.'); }, "2E+308"},
};
INSTANTIATE_TEST_SUITE_P(Format, Text, testing::ValuesIn(formatRows), rowName);

// What the version header derives from the project's version and id.
const TextRow versionRows[] = {
    {"version", [] { return std::string(angulon::version); }, "1.00.0003"},
    {"displayName", [] { return std::string(angulon::displayName); }, "[Angulon 1.03]"},
    {"appId", [] { return std::string(angulon::appId); }, "io.github.angulon.Angulon"},
};
INSTANTIATE_TEST_SUITE_P(Version, Text, testing::ValuesIn(versionRows), rowName);

// The prompt that refuses a thickness in a comma locale.
std::string refused(std::string_view text)
{
    return std::get<Prompt>(takeInput(text, "Material Thickness", Unit::Inch, ',')).text;
}

const TextRow takeRows[] = {
    {"pointWhereCommaIsSeparator", [] { return refused("0.5"); },
     "Please Enter the Material Thickness as a Number\n(decimal separator: ,)"},
    {"lettersGetNoHint", [] { return refused("0.5x"); }, "Please Enter the Material Thickness as a Number"},
};
INSTANTIATE_TEST_SUITE_P(TakeInput, Text, testing::ValuesIn(takeRows), rowName);

// What a CALCULATE leaves to read: the panel's results joined by " | ", or
// the prompt. No other field may change.
template <class Fields>
std::string shown(const Fields &in, Outcome<Fields> (*calculate)(Fields, char))
{
    const auto outcome = calculate(in, '.');
    if (const auto *prompt = std::get_if<Prompt>(&outcome))
        return prompt->text;
    const Fields &out = std::get<Fields>(outcome);
    EXPECT_TRUE(changesOnlyResults(in, out)) << "CALCULATE changed a field it does not write";
    std::string text;
    for (const auto &[member, role] : Fields::texts)
        text += role != Role::Result ? "" : (text.empty() ? "" : " | ") + out.*member;
    return text;
}

// A panel's fields before CALCULATE, and what it shows then.
template <class Fields>
struct CalculationRow {
    const char *name;
    Fields in;
    const char *expected;
};
using SoundPath = testing::TestWithParam<CalculationRow<SoundPathFields>>;
using SurfaceTravel = testing::TestWithParam<CalculationRow<SurfaceTravelFields>>;
using IndicationDepth = testing::TestWithParam<CalculationRow<IndicationDepthFields>>;
TEST_P(SoundPath, Calculates) { EXPECT_EQ(shown(GetParam().in, calculateSoundPath), GetParam().expected); }
TEST_P(SurfaceTravel, Calculates) { EXPECT_EQ(shown(GetParam().in, calculateSurfaceTravel), GetParam().expected); }
TEST_P(IndicationDepth, Calculates) { EXPECT_EQ(shown(GetParam().in, calculateIndicationDepth), GetParam().expected); }

constexpr auto angle = "Please Choose a Refracted Angle of 70, 60 or 45";
constexpr auto tooLarge = "The Result is Too Large to Display";
constexpr auto thicknessNaN = "Please Enter the Material Thickness as a Number";
constexpr auto missing = "Please Enter the Material Thickness,\nthe A-B Sound Path and the Indication Sound Path";

const CalculationRow<SoundPathFields> soundPathRows[] = {
    {"one70OverwritesResults",
     {.thickness = "1", .angle = "70", .abSoundPath = "9.000 mm", .abcSoundPath = "x"},
     "2.924 in | 5.848 in"},
    {"typed60", {.thickness = "1", .angle = "60.0"}, "2.000 in | 4.000 in"},
    {"millimetre45", {.thickness = "25", .angle = "45", .inch = false}, "35.356 mm | 70.711 mm"},
    {"pastedThickness", {.thickness = "146.199 mm", .angle = "70", .inch = false}, "427.482 mm | 854.965 mm"},
    {"fractionThickness", {.thickness = "3/8\"", .angle = "60"}, "0.750 in | 1.500 in"},
    {"thicknessInOtherUnit",
     {.thickness = "12.7 mm", .angle = "70"},
     "The Material Thickness Is in mm but Inch Is Selected"},
    {"angleTakesNoUnit", {.thickness = "1", .angle = "60 in"}, angle},
    {"resultTakesNoFraction", {.thickness = "1", .angle = "30", .abSoundPath = "3/1"}, angle},
    // With no angle matched the thickness is not read: A-B-C doubles the A-B typed.
    {"unmatchedDoublesTypedAB", {.thickness = "abc", .angle = "70.5", .abSoundPath = "3"}, "3.000 in | 6.000 in"},
    {"unmatchedFormattedAB",
     {.thickness = "1", .angle = "30", .abSoundPath = "2.924 in", .abcSoundPath = "5.848 in"},
     angle},
    {"emptyAngleDoublesNothing", {.thickness = "1", .angle = "", .abSoundPath = "3"}, angle},
    {"emptyThickness",
     {.thickness = "", .angle = "70", .abSoundPath = "1.000 in", .abcSoundPath = "2.000 in"},
     "Please Enter the Material Thickness"},
    {"blankThickness", {.thickness = "  ", .angle = "70"}, thicknessNaN},
    {"quotientOverflows", {.thickness = "1E+308", .angle = "70"}, tooLarge},
    {"doublingOverflows", {.thickness = "1", .angle = "30", .abSoundPath = "1E+308"}, tooLarge},
};
INSTANTIATE_TEST_SUITE_P(Rows, SoundPath, testing::ValuesIn(soundPathRows), rowName);

const CalculationRow<SurfaceTravelFields> surfaceTravelRows[] = {
    {"chartSine70", {.soundPath = "10", .angle = "70", .surfaceTravel = "5", .inch = false}, "9.396 mm"},
    {"one60", {.soundPath = "1", .angle = "60"}, "0.866 in"},
    {"one45", {.soundPath = "1", .angle = "45"}, "0.707 in"},
    {"pastedSoundPath", {.soundPath = "146.199 mm", .angle = "70", .inch = false}, "137.369 mm"},
    {"soundPathInOtherUnit",
     {.soundPath = "1/2 in", .angle = "70", .inch = false},
     "The Material Sound Path Is in in but Millimeter Is Selected"},
    {"angleTakesNoFraction", {.soundPath = "1", .angle = "120/2"}, angle},
    // With no angle matched only a number typed into the result is formatted.
    {"unmatchedFormatsTypedNumber", {.soundPath = "10", .angle = "30", .surfaceTravel = "5"}, "5.000 in"},
    {"unmatchedEarlierResult", {.soundPath = "10", .angle = "30", .surfaceTravel = "9.396 mm"}, angle},
    {"badAngleWithTypedResult", {.soundPath = "10", .angle = "x", .surfaceTravel = "5"}, angle},
    {"emptySoundPath",
     {.soundPath = "", .angle = "70", .surfaceTravel = "1.000 in"},
     "Please Enter the Material Sound Path"},
    {"lettersSoundPath", {.soundPath = "ten", .angle = "70"}, "Please Enter the Material Sound Path as a Number"},
};
INSTANTIATE_TEST_SUITE_P(Rows, SurfaceTravel, testing::ValuesIn(surfaceTravelRows), rowName);

const CalculationRow<IndicationDepthFields> indicationDepthRows[] = {
    {"firstLeg", {.thickness = "20", .abSoundPath = "40", .indicationSoundPath = "30"}, "15.000 in"},
    {"pastedMillimetres",
     {.thickness = "20 mm", .abSoundPath = "40MM", .indicationSoundPath = " 30 mm", .inch = false},
     "15.000 mm"},
    {"secondLegRisesAgain", {.thickness = "20", .abSoundPath = "40", .indicationSoundPath = "50"}, "15.000 in"},
    {"thirdLegFallsAgain", {.thickness = "20", .abSoundPath = "40", .indicationSoundPath = "90"}, "5.000 in"},
    {"manyBounces", {.thickness = "20", .abSoundPath = "40", .indicationSoundPath = "1000030"}, "15.000 in"},
    {"fractions", {.thickness = "3/4", .abSoundPath = "1-1/2", .indicationSoundPath = "1 1/8\""}, "0.563 in"},
    {"thicknessInOtherUnit",
     {.thickness = "20 mm", .abSoundPath = "40", .indicationSoundPath = "30"},
     "The Material Thickness Is in mm but Inch Is Selected"},
    {"abInOtherUnit",
     {.thickness = "20", .abSoundPath = "40\"", .indicationSoundPath = "30", .inch = false},
     "The A-B Sound Path Is in in but Millimeter Is Selected"},
    {"indicationInOtherUnit",
     {.thickness = "20", .abSoundPath = "40", .indicationSoundPath = "30 MM"},
     "The Indication Sound Path Is in mm but Inch Is Selected"},
    {"zeroThicknessPastAB", {.thickness = "0", .abSoundPath = "40", .indicationSoundPath = "50"}, "0.000 in"},
    {"rawHalfRoundsUp", {.thickness = "1", .abSoundPath = "2", .indicationSoundPath = "0.003"}, "0.002 in"},
    {"thicknessEmpty",
     {.thickness = "", .abSoundPath = "40", .indicationSoundPath = "30", .depth = "7.000 in"},
     missing},
    {"indicationEmpty", {.thickness = "20", .abSoundPath = "40", .indicationSoundPath = ""}, missing},
    {"badThicknessFirst", {.thickness = "x", .abSoundPath = "40"}, thicknessNaN},
    {"badAbFirst", {.thickness = "20", .abSoundPath = "4 0"}, "Please Enter the A-B Sound Path as a Number"},
    {"zeroAb",
     {.thickness = "20", .abSoundPath = "-0", .indicationSoundPath = "30"},
     "The A-B Sound Path Must Not Be Zero"},
    {"badIndication",
     {.thickness = "20", .abSoundPath = "40", .indicationSoundPath = "x"},
     "Please Enter the Indication Sound Path as a Number"},
    {"ratioOverflowsFirst", {.thickness = "1E+300", .abSoundPath = "1E-300"}, tooLarge},
    {"rawTextBeyondLargestDouble",
     {.thickness = "1.7976931348623157E+308", .abSoundPath = "1", .indicationSoundPath = "1"},
     tooLarge},
};
INSTANTIATE_TEST_SUITE_P(Rows, IndicationDepth, testing::ValuesIn(indicationDepthRows), rowName);

TEST(ChangesOnlyResults, TellsAResultFromAnInput)
{
    EXPECT_TRUE(changesOnlyResults(SoundPathFields{.abcSoundPath = "1"}, SoundPathFields{.abcSoundPath = "2"}));
    EXPECT_FALSE(changesOnlyResults(SoundPathFields{.thickness = "1"}, SoundPathFields{.thickness = "2"}));
}

TEST(Clear, EmptiesThePanelsFieldsAndKeepsAngleAndUnit)
{
    const SoundPathFields soundPath{"25", "45", "35.356 mm", "70.711 mm", false};
    EXPECT_EQ(clearSoundPath(soundPath), (SoundPathFields{.angle = "45", .inch = false}));
    const SurfaceTravelFields surfaceTravel{"10", "45", "7.071 mm", false};
    EXPECT_EQ(clearSurfaceTravel(surfaceTravel), (SurfaceTravelFields{.angle = "45", .inch = false}));
    EXPECT_EQ(clearIndicationDepth({"20", "40", "30", "15.000 mm", false}), (IndicationDepthFields{.inch = false}));
}

} // namespace
