// SPDX-License-Identifier: MIT

#include "calc/core/fieldrules.h"
#include "calc/core/indicationdepth.h"
#include "calc/core/soundpath.h"
#include "calc/core/surfacetravel.h"

#include <gtest/gtest.h>

using namespace calc;

namespace {

// Every case is named after its row, so a failure says which row.
constexpr auto rowName = [](const auto &info) { return std::string(info.param.name); };
constexpr auto none = std::nullopt;
constexpr Unit inch = Unit::Inch, mm = Unit::Millimetre;

// A row with a unit, or marked inputOnly, is what only an input field takes:
// readInput reads it, readNumber refuses it.
struct ReadRow {
    const char *name, *text;
    std::optional<double> expected;
    std::optional<Unit> unit = none;
    bool inputOnly = false;
    char decimal = '.';
};
using Read = testing::TestWithParam<ReadRow>;

TEST_P(Read, NumberAndInput)
{
    const auto &[name, text, expected, unit, inputOnly, decimal] = GetParam();
    EXPECT_EQ(readInput(text, decimal), expected ? std::optional(Input{*expected, unit}) : none);
    EXPECT_EQ(readNumber(text, decimal), unit || inputOnly ? none : expected);
}

const ReadRow readRows[] = {
    {"leadingPoint", ".5", 0.5},
    {"plusSign", "+3", 3.0},
    {"minusSign", "-5", -5.0},
    {"blanksAndTab", "  60 \t", 60.0},
    {"exponent", "7E1", 70.0},
    {"lowerCaseSignedExponent", "25e-1", 2.5},
    {"commaLocale", "2,5", 2.5, none, false, ','},
    {"largestDouble", "1.7976931348623157E+308", 1.7976931348623157e308},
    {"underflowIsZero", "1E-400", 0.0},
    {"empty", "", none},
    {"exponentWithoutDigits", "1E", none},
    {"pointInCommaLocale", "2.5", none, none, false, ','},
    {"beyondLargestDouble", "1.8E+308", none},
    {"hugeExponent", "1E99999999999999999999", none},
    {"pastedMillimetres", "146.199 mm", 146.199, mm},
    {"unitWithoutBlank", "25in", 25.0, inch},
    {"upperCaseUnitAndBlanks", " 30.000 MM ", 30.0, mm},
    {"inchMark", "0.5\"", 0.5, inch},
    {"otherUnit", "25 cm", none},
    {"unitTwice", "25 in in", none},
    {"eighths", "3/8", 0.375, none, true},
    {"wholeAndBlank", " 1 1/2 ", 1.5, none, true},
    {"wholeAndHyphen", "1-1/2", 1.5, none, true},
    {"blanksAfterWhole", "1  1/2", 1.5, none, true},
    {"fractionInchMark", "3/8\"", 0.375, inch},
    {"nearestNotWholePlusQuotient", "1 2/3", 1.6666666666666667, none, true},
    {"improperCarriesIntoWhole", "9 3/2", 10.5, none, true},
    {"digitsPastAMidpoint", "1 1/9007199254740991", 1.0000000000000002, none, true},
    {"eighteenDigitDenominator", "1/100000000000000000", 1e-17, none, true},
    {"nineteenDigitDenominator", "1/1000000000000000000", none},
    {"zeroNumerator", "2 0/4", 2.0, none, true},
    {"zeroDenominator", "3/0", none},
    {"noDenominator", "1/", none},
    {"twoSlashes", "1/2/3", none},
    {"signedFraction", "-1/2", none},
    {"blankBeforeHyphen", "1 -1/2", none},
};
INSTANTIATE_TEST_SUITE_P(Reading, Read, testing::ValuesIn(readRows), rowName);

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

using P = SoundPathFields;
using T = SurfaceTravelFields;
using D = IndicationDepthFields;

// What a CALCULATE leaves to read: its result fields joined by " | ", or the
// prompt. Every other field must come back as it went in.
template <class Fields>
std::string shown(Fields in, Outcome<Fields> (*calculate)(Fields, char),
                  std::initializer_list<std::string Fields::*> results)
{
    const auto outcome = calculate(in, '.');
    if (const auto *prompt = std::get_if<Prompt>(&outcome))
        return prompt->text;
    Fields out = std::get<Fields>(outcome);
    std::string text;
    for (std::string Fields::*field : results) {
        text += (text.empty() ? "" : " | ") + out.*field;
        out.*field = in.*field = "";
    }
    EXPECT_EQ(out, in) << "CALCULATE changed a field it does not write";
    return text;
}
std::string soundPath(auto... f) { return shown(P{f...}, calculateSoundPath, {&P::A_B, &P::A_B_C}); }
std::string surfaceTravel(auto... f) { return shown(T{f...}, calculateSurfaceTravel, {&T::SURFACE_TRAVEL}); }
std::string indicationDepth(auto... f) { return shown(D{f...}, calculateIndicationDepth, {&D::DEPTH}); }

constexpr auto angle = "Please Choose a Refracted Angle of 70, 60 or 45";
constexpr auto tooLarge = "The Result is Too Large to Display";
constexpr auto thicknessNaN = "Please Enter the Material Thickness as a Number";
constexpr auto missing = "Please Enter the Material Thickness,\nthe A-B Sound Path and the Indication Sound Path";

const TextRow soundPathRows[] = {
    {"one70OverwritesResults", [] { return soundPath("1", "70", "9.000 mm", "x"); }, "2.924 in | 5.848 in"},
    {"typed60", [] { return soundPath("1", "60.0", "", ""); }, "2.000 in | 4.000 in"},
    {"millimetre45", [] { return soundPath("25", "45", "", "", false); }, "35.356 mm | 70.711 mm"},
    {"pastedThickness", [] { return soundPath("146.199 mm", "70", "", "", false); }, "427.482 mm | 854.965 mm"},
    {"fractionThickness", [] { return soundPath("3/8\"", "60", "", ""); }, "0.750 in | 1.500 in"},
    {"thicknessInOtherUnit", [] { return soundPath("12.7 mm", "70", "", ""); },
     "The Material Thickness Is in mm but Inch Is Selected"},
    {"angleTakesNoUnit", [] { return soundPath("1", "60 in", "", ""); }, angle},
    {"resultTakesNoFraction", [] { return soundPath("1", "30", "3/1", ""); }, angle},
    // With no angle matched the thickness is not read: A-B-C doubles the A-B typed.
    {"unmatchedDoublesTypedAB", [] { return soundPath("abc", "70.5", "3", ""); }, "3.000 in | 6.000 in"},
    {"unmatchedFormattedAB", [] { return soundPath("1", "30", "2.924 in", "5.848 in"); }, angle},
    {"emptyAngleDoublesNothing", [] { return soundPath("1", "", "3", ""); }, angle},
    {"emptyThickness", [] { return soundPath("", "70", "1.000 in", "2.000 in"); },
     "Please Enter the Material Thickness"},
    {"blankThickness", [] { return soundPath("  ", "70", "", ""); }, thicknessNaN},
    {"quotientOverflows", [] { return soundPath("1E+308", "70", "", ""); }, tooLarge},
    {"doublingOverflows", [] { return soundPath("1", "30", "1E+308", ""); }, tooLarge},
};
INSTANTIATE_TEST_SUITE_P(SoundPath, Text, testing::ValuesIn(soundPathRows), rowName);

const TextRow surfaceTravelRows[] = {
    {"chartSine70", [] { return surfaceTravel("10", "70", "5", false); }, "9.396 mm"},
    {"one60", [] { return surfaceTravel("1", "60", ""); }, "0.866 in"},
    {"one45", [] { return surfaceTravel("1", "45", ""); }, "0.707 in"},
    {"pastedSoundPath", [] { return surfaceTravel("146.199 mm", "70", "", false); }, "137.369 mm"},
    {"soundPathInOtherUnit", [] { return surfaceTravel("1/2 in", "70", "", false); },
     "The Material Sound Path Is in in but Millimeter Is Selected"},
    {"angleTakesNoFraction", [] { return surfaceTravel("1", "120/2", ""); }, angle},
    // With no angle matched only a number typed into the result is formatted.
    {"unmatchedFormatsTypedNumber", [] { return surfaceTravel("10", "30", "5"); }, "5.000 in"},
    {"unmatchedEarlierResult", [] { return surfaceTravel("10", "30", "9.396 mm"); }, angle},
    {"badAngleWithTypedResult", [] { return surfaceTravel("10", "x", "5"); }, angle},
    {"emptySoundPath", [] { return surfaceTravel("", "70", "1.000 in"); }, "Please Enter the Material Sound Path"},
    {"lettersSoundPath", [] { return surfaceTravel("ten", "70", ""); },
     "Please Enter the Material Sound Path as a Number"},
};
INSTANTIATE_TEST_SUITE_P(SurfaceTravel, Text, testing::ValuesIn(surfaceTravelRows), rowName);

const TextRow indicationDepthRows[] = {
    {"firstLeg", [] { return indicationDepth("20", "40", "30", ""); }, "15.000 in"},
    {"pastedMillimetres", [] { return indicationDepth("20 mm", "40MM", " 30 mm", "", false); }, "15.000 mm"},
    {"secondLegRisesAgain", [] { return indicationDepth("20", "40", "50", ""); }, "15.000 in"},
    {"thirdLegFallsAgain", [] { return indicationDepth("20", "40", "90", ""); }, "5.000 in"},
    {"manyBounces", [] { return indicationDepth("20", "40", "1000030", ""); }, "15.000 in"},
    {"fractions", [] { return indicationDepth("3/4", "1-1/2", "1 1/8\"", ""); }, "0.563 in"},
    {"thicknessInOtherUnit", [] { return indicationDepth("20 mm", "40", "30", ""); },
     "The Material Thickness Is in mm but Inch Is Selected"},
    {"abInOtherUnit", [] { return indicationDepth("20", "40\"", "30", "", false); },
     "The A-B Sound Path Is in in but Millimeter Is Selected"},
    {"indicationInOtherUnit", [] { return indicationDepth("20", "40", "30 MM", ""); },
     "The Indication Sound Path Is in mm but Inch Is Selected"},
    {"zeroThicknessPastAB", [] { return indicationDepth("0", "40", "50", ""); }, "0.000 in"},
    {"rawHalfRoundsUp", [] { return indicationDepth("1", "2", "0.003", ""); }, "0.002 in"},
    {"thicknessEmpty", [] { return indicationDepth("", "40", "30", "7.000 in"); }, missing},
    {"indicationEmpty", [] { return indicationDepth("20", "40", "", ""); }, missing},
    {"badThicknessFirst", [] { return indicationDepth("x", "40", "", ""); }, thicknessNaN},
    {"badAbFirst", [] { return indicationDepth("20", "4 0", "", ""); }, "Please Enter the A-B Sound Path as a Number"},
    {"zeroAb", [] { return indicationDepth("20", "-0", "30", ""); }, "The A-B Sound Path Must Not Be Zero"},
    {"badIndication", [] { return indicationDepth("20", "40", "x", ""); },
     "Please Enter the Indication Sound Path as a Number"},
    {"ratioOverflowsFirst", [] { return indicationDepth("1E+300", "1E-300", "", ""); }, tooLarge},
    {"rawTextBeyondLargestDouble", [] { return indicationDepth("1.7976931348623157E+308", "1", "1", ""); }, tooLarge},
};
INSTANTIATE_TEST_SUITE_P(IndicationDepth, Text, testing::ValuesIn(indicationDepthRows), rowName);

TEST(Clear, EmptiesThePanelsFieldsAndKeepsAngleAndUnit)
{
    EXPECT_EQ(clearSoundPath({"25", "45", "35.356 mm", "70.711 mm", false}), (P{"", "45", "", "", false}));
    EXPECT_EQ(clearSurfaceTravel({"10", "45", "7.071 mm", false}), (T{"", "45", "", false}));
    EXPECT_EQ(clearIndicationDepth({"20", "40", "30", "15.000 mm", false}), (D{"", "", "", "", false}));
}

} // namespace
