// SPDX-License-Identifier: MIT

#include "angulon/version.h"
#include "core/description.h"
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
    {"lowerCaseSignedExponent", "25e-1", 2.5},
    {"commaLocale", "2,5", 2.5, {.decimal = ','}},
    {"underflowIsZero", "1E-400", 0.0},
    {"empty", "", none},
    {"exponentWithoutDigits", "1E", none},
    {"pointInCommaLocale", "2.5", none, {.decimal = ','}},
    {"beyondLargestDouble", "1.8E+308", none},
    {"hugeExponent", "1E99999999999999999999", none},
    {"pastedMillimetres", "146.199 mm", 146.199, {.unit = mm}},
    {"unitWithoutBlank", "25in", 25.0, {.unit = inch}},
    {"upperCaseUnitAndBlanks", " 30.000 MM ", 30.0, {.unit = mm}},
    {"otherUnit", "25 cm", none},
    {"unitTwice", "25 in in", none},
    {"eighths", "3/8", 0.375, {.inputOnly = true}},
    {"wholeAndBlanks", " 1  1/2 ", 1.5, {.inputOnly = true}},
    {"wholeAndHyphen", "1-1/2", 1.5, {.inputOnly = true}},
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

// The prompt that refuses a thickness in a comma locale.
std::string refused(std::string_view text)
{
    return std::get<Prompt>(takeInput(text, "Material Thickness", Unit::Inch, ',')).text;
}

// A panel's command over texts, as the page runs it: the texts it gives
// back joined by " | ", or its prompt.
template <class Fields>
std::string overTexts(TextCommand PanelDescription::*command, std::vector<std::string> texts, bool inch)
{
    const TextOutcome outcome = (describe<Fields>().*command)(texts, inch, ',');
    if (const auto *prompt = std::get_if<Prompt>(&outcome))
        return prompt->text;
    std::string joined;
    for (const std::string &text : std::get<std::vector<std::string>>(outcome))
        joined += " | " + text;
    return joined.substr(3);
}
constexpr auto calculate = &PanelDescription::runCalculate;

const TextRow textRows[] = {
    // CALCULATE and CLEAR over texts in the description's order, the unit and separator passed on.
    {"soundPathTextsMm",
     [] {
         return overTexts<SoundPathFields>(calculate, {"25", "45", "", ""}, false);
     },
     "25 | 45 | 35,356 mm | 70,711 mm"},
    {"surfaceTravelTextsInch",
     [] {
         return overTexts<SurfaceTravelFields>(calculate, {"10", "70", ""}, true);
     },
     "10 | 70 | 9,396 in"},
    {"depthTextsCleared",
     [] {
         return overTexts<IndicationDepthFields>(&PanelDescription::runClear, {"20", "40", "30", "1"}, true);
     },
     " |  |  | "},
    {"textsMissing",
     [] {
         return overTexts<SoundPathFields>(calculate, {"25", "45", ""}, true);
     },
     "The panel has 4 fields, not 3"},

    // The raw text of a computed value.
    {"quotient", [] { return writeRaw(1 / 0.342, '.'); }, "2.92397660818713"},
    {"negativeZero", [] { return writeRaw(-0.0, '.'); }, "0"},
    {"exponentFromFifteenDigits", [] { return writeRaw(1e15, '.'); }, "1E+15"},
    {"rawCommaLocale", [] { return writeRaw(2.5, ','); }, "2,5"},
    // Half away from zero, on the decimal digits the raw text holds.
    {"negativeAwayFromZero", [] { return formatResult("-14.6198830409357", inch, '.'); }, "-14.620 in"},
    {"carryIntoNewDigit", [] { return formatResult("999.9999", mm, '.'); }, "1000.000 mm"},
    {"tinyNegativeHasNoSign", [] { return formatResult("-0.0004", inch, '.'); }, "0.000 in"},
    {"allDigitsDropped", [] { return formatResult("1E-05", inch, '.'); }, "0.000 in"},
    {"halfThousandthExponent", [] { return formatResult("5E-04", inch, '.'); }, "0.001 in"},
    {"leadingZero", [] { return formatResult("0.9396", inch, '.'); }, "0.940 in"},
    {"zeroWithHugeExponent", [] { return formatResult("0E999999999", inch, '.'); }, "0.000 in"},
    {"largeExponentWrittenOut", [] { return formatResult("1E+16", inch, '.'); }, "10000000000000000.000 in"},
    {"formatCommaLocale", [] { return formatResult("2,5", inch, ','); }, "2,500 in"},
    {"notANumberKept", [] { return formatResult("9.396 mm", inch, '.'); }, "9.396 mm"},
    {"beyondDoubleKept", [] { return formatResult("2E+308", inch, '.'); }, "2E+308"},
    // What the version header derives from the project's version and id.
    {"version", [] { return std::string(angulon::version); }, "1.00.0003"},
    {"displayName", [] { return std::string(angulon::displayName); }, "[Angulon 1.03]"},
    {"appId", [] { return std::string(angulon::appId); }, "io.github.angulon.Angulon"},
    // The prompt that refuses a thickness in a comma locale.
    {"pointWhereCommaIsSeparator", [] { return refused("0.5"); },
     "Please Enter the Material Thickness as a Number\n(decimal separator: ,)"},
    {"lettersGetNoHint", [] { return refused("0.5x"); }, "Please Enter the Material Thickness as a Number"},
    // The locale's separator as the core takes it: one ASCII character, else the point.
    {"separatorComma", [] { return std::string(1, decimalSeparator(",")); }, ","},
    {"arabicTwoBytes", [] { return std::string(1, decimalSeparator("\u066b")); }, "."},
    {"latin1Byte", [] { return std::string(1, decimalSeparator("\xb7")); }, "."},
};
INSTANTIATE_TEST_SUITE_P(Rules, Text, testing::ValuesIn(textRows), rowName);

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
    for (const auto &[member, role] : roles<Fields>())
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
    {"one70OverwritesResults", {"1", "70", "9.000 mm", "x"}, "2.924 in | 5.848 in"},
    {"typed60", {"1", "60.0"}, "2.000 in | 4.000 in"},
    {"millimetre45", {"25", "45", "", "", false}, "35.356 mm | 70.711 mm"},
    {"pastedThickness", {"146.199 mm", "70", "", "", false}, "427.482 mm | 854.965 mm"},
    {"fractionThickness", {"3/8\"", "60"}, "0.750 in | 1.500 in"},
    {"thicknessInOtherUnit", {"12.7 mm", "70"}, "The Material Thickness Is in Millimeters but Inch Is Selected"},
    {"angleTakesNoUnit", {"1", "60 in"}, angle},
    {"resultTakesNoFraction", {"1", "30", "3/1"}, angle},
    // With no angle matched the thickness is not read: A-B-C doubles the A-B typed.
    {"unmatchedDoublesTypedAB", {"abc", "70.5", "3"}, "3.000 in | 6.000 in"},
    {"unmatchedFormattedAB", {"1", "30", "2.924 in", "5.848 in"}, angle},
    {"emptyAngleDoublesNothing", {"1", "", "3"}, angle},
    {"emptyThickness", {"", "70", "1.000 in", "2.000 in"}, "Please Enter the Material Thickness"},
    {"blankThickness", {"  ", "70"}, thicknessNaN},
    {"quotientOverflows", {"1E+308", "70"}, tooLarge},
    {"doublingOverflows", {"1", "30", "1E+308"}, tooLarge},
};
INSTANTIATE_TEST_SUITE_P(Rows, SoundPath, testing::ValuesIn(soundPathRows), rowName);

const CalculationRow<SurfaceTravelFields> surfaceTravelRows[] = {
    {"chartSine70", {"10", "70", "5", false}, "9.396 mm"},
    {"twentyFive60", {"25", "60"}, "21.650 in"},
    {"ten45", {"10", "45"}, "7.071 in"},
    {"pastedSoundPath", {"146.199 mm", "70", "", false}, "137.369 mm"},
    {"soundPathInOtherUnit",
     {"1/2 in", "70", "", false},
     "The Material Sound Path Is in Inches but Millimeter Is Selected"},
    {"angleTakesNoFraction", {"1", "120/2"}, angle},
    // With no angle matched only a number typed into the result is formatted.
    {"unmatchedFormatsTypedNumber", {"10", "30", "5"}, "5.000 in"},
    {"unmatchedEarlierResult", {"10", "30", "9.396 mm"}, angle},
    {"badAngleWithTypedResult", {"10", "x", "5"}, angle},
    {"emptySoundPath", {"", "70", "1.000 in"}, "Please Enter the Material Sound Path"},
    {"lettersSoundPath", {"ten", "70"}, "Please Enter the Material Sound Path as a Number"},
};
INSTANTIATE_TEST_SUITE_P(Rows, SurfaceTravel, testing::ValuesIn(surfaceTravelRows), rowName);

const CalculationRow<IndicationDepthFields> indicationDepthRows[] = {
    {"pastedMillimetres", {"20 mm", "40MM", " 30 mm", "", false}, "15.000 mm"},
    {"secondLegRisesAgain", {"20", "40", "50"}, "15.000 in"},
    {"thirdLegFallsAgain", {"20", "40", "90"}, "5.000 in"},
    {"manyBounces", {"20", "40", "1000030"}, "15.000 in"},
    {"fractions", {"3/4", "1-1/2", "1 1/8\""}, "0.563 in"},
    {"thicknessInOtherUnit", {"20 mm", "40", "30"}, "The Material Thickness Is in Millimeters but Inch Is Selected"},
    {"abInOtherUnit", {"20", "40\"", "30", "", false}, "The A-B Sound Path Is in Inches but Millimeter Is Selected"},
    {"indicationInOtherUnit",
     {"20", "40", "30 MM"},
     "The Indication Sound Path Is in Millimeters but Inch Is Selected"},
    {"zeroThicknessPastAB", {"0", "40", "50"}, "0.000 in"},
    {"rawHalfRoundsUp", {"1", "2", "0.003"}, "0.002 in"},
    {"thicknessEmpty", {"", "40", "30", "7.000 in"}, missing},
    {"indicationEmpty", {"20", "40"}, missing},
    {"badThicknessFirst", {"x", "40"}, thicknessNaN},
    {"badAbFirst", {"20", "4 0"}, "Please Enter the A-B Sound Path as a Number"},
    {"zeroAb", {"20", "-0", "30"}, "The A-B Sound Path Must Not Be Zero"},
    {"badIndication", {"20", "40", "x"}, "Please Enter the Indication Sound Path as a Number"},
    {"ratioOverflowsFirst", {"1E+300", "1E-300"}, tooLarge},
    {"rawTextBeyondLargestDouble", {"1.7976931348623157E+308", "1", "1"}, tooLarge},
};
INSTANTIATE_TEST_SUITE_P(Rows, IndicationDepth, testing::ValuesIn(indicationDepthRows), rowName);

// CLEAR empties the panel's fields but the angle and keeps the unit; a
// change to any field but a result does not pass for a CALCULATE's.
TEST(Fields, ClearAndResults)
{
    EXPECT_EQ(clearSoundPath({"25", "45", "35.356 mm", "70.711 mm", false}),
              (SoundPathFields{"", "45", "", "", false}));
    EXPECT_EQ(clearSurfaceTravel({"10", "45", "7.071 mm", false}), (SurfaceTravelFields{"", "45", "", false}));
    EXPECT_EQ(clearIndicationDepth({"20", "40", "30", "15.000 mm", false}), (IndicationDepthFields{.inch = false}));
    EXPECT_FALSE(changesOnlyResults(SoundPathFields{"1"}, SoundPathFields{"2"}));
}

} // namespace
