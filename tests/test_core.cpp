// SPDX-License-Identifier: MIT

#include "angulon/version.h"
#include "core/description.h"
#include "core/fieldrules.h"
#include "core/indicationdepth.h"
#include "core/locate.h"
#include "core/number.h"
#include "core/soundpath.h"
#include "core/surfacetravel.h"

#include "tests/rows.h"

#include <charconv>
#include <cstdio>
#include <numeric>
#include <variant>

using namespace core;

namespace {

constexpr Unit inch = Unit::Inch, mm = Unit::Millimetre;

// A rule's answer, written as text.
using Rule = Table<std::string (*)()>;
TEST_P(Rule, Answers) { EXPECT_EQ(GetParam().given(), GetParam().expected); }

// Two ways to the same answer: it once where they agree, else both.
std::string either(const std::string &a, const std::string &b) { return a == b ? a : a + " / " + b; }

// The shortest text that reads back as the double, or "none".
std::string shortest(std::optional<double> value)
{
    char text[32];
    return value ? std::string(text, std::to_chars(text, text + sizeof text, *value).ptr) : "none";
}

// The value and unit an input field reads, then a plain number's where that differs.
std::string read(std::string_view text)
{
    const auto shown = [](const std::optional<Number> &n) {
        return shortest(n ? std::optional(n->value) : std::nullopt)
               + std::string(n && n->unit ? unitSuffix(*n->unit) : "");
    };
    return either(shown(readInput(text, '.')), shown(readNumber(text, '.')));
}

// A number's exact decimal as the reader keeps it: sign, digits and exponent.
std::string exact(std::string_view text)
{
    const auto n = readNumber(text, '.');
    return (n->negative ? "-" : "") + n->digits + "E" + std::to_string(n->exponent);
}

const Rule::ParamType readRows[] = {
    {"leadingPoint", [] { return read(".5"); }, "0.5"},
    {"plusSign", [] { return read("+3"); }, "3"},
    {"blanksAndTab", [] { return read("  60 \t"); }, "60"},
    {"lowerCaseSignedExponent", [] { return read("25e-1"); }, "2.5"},
    {"underflowIsZero", [] { return read("1E-400"); }, "0"},
    {"exponentWithoutDigits", [] { return read("1E"); }, "none"},
    {"hugeExponent", [] { return read("1E99999999999999999999"); }, "none"},
    // A unit or a fraction only an input field takes.
    {"unitWithoutBlank", [] { return read("25in"); }, "25 in / none"},
    {"upperCaseUnitAndBlanks", [] { return read(" 30.000 MM "); }, "30 mm / none"},
    {"otherUnit", [] { return read("25 cm"); }, "none"},
    {"unitTwice", [] { return read("25 in in"); }, "none"},
    {"wholeAndBlanks", [] { return read(" 1  1/2 "); }, "1.5 / none"},
    {"wholeAndHyphen", [] { return read("1-1/2"); }, "1.5 / none"},
    {"nearestNotWholePlusQuotient", [] { return read("1 2/3"); }, "1.6666666666666667 / none"},
    {"improperCarriesIntoWhole", [] { return read("9 3/2"); }, "10.5 / none"},
    {"digitsPastAMidpoint", [] { return read("1 1/9007199254740991"); }, "1.0000000000000002 / none"},
    {"eighteenDigitDenominator", [] { return read("1/100000000000000000"); }, "1e-17 / none"},
    {"nineteenDigitDenominator", [] { return read("1/1000000000000000000"); }, "none"},
    {"zeroNumerator", [] { return read("2 0/4"); }, "2 / none"},
    {"zeroDenominator", [] { return read("3/0"); }, "none"},
    {"twoSlashes", [] { return read("1/2/3"); }, "none"},
    {"signedFraction", [] { return read("-1/2"); }, "none"},
    {"blankBeforeHyphen", [] { return read("1 -1/2"); }, "none"},
    // Past 40 digits, the last one decides the rounding.
    {"manyDigits", [] { return read("9007199254740993.000000000000000000000000000000000000001"); }, "9007199254740994"},
    // The decimals typed are kept, a zero's too, which the chart's cells show;
    // a zero's exponent is not, or its result would be written a billion digits long.
    {"exactDecimals", [] { return exact("-001.250E3"); }, "-1250E0"},
    {"zeroKeepsDecimals", [] { return exact("0.00"); }, "E-2"},
    {"zeroDropsExponent", [] { return exact("0.0E999999999"); }, "E-1"},
};
INSTANTIATE_TEST_SUITE_P(Reading, Rule, testing::ValuesIn(readRows), rowName);

// The double both conversions, the standard library's and the portable one
// used where the library has none, make of "[-]digitsEexponent" (magnitude:
// digits before the decimal point), up to the edges of the double.
std::string nearest(const char *scientific, long long magnitude)
{
    using enum detail::Conversion;
    return either(shortest(detail::nearestDouble(scientific, magnitude, Library)),
                  shortest(detail::nearestDouble(scientific, magnitude, Portable)));
}
const Rule::ParamType conversionRows[] = {
    {"subnormal", [] { return nearest("1e-310", -309); }, "1e-310"},
    {"belowHalfTheSmallestIsZero", [] { return nearest("24703282292062327e-340", -323); }, "0"},
    {"largestDouble", [] { return nearest("17976931348623157e292", 309); }, "1.7976931348623157e+308"},
    {"pastLargestDouble", [] { return nearest("17976931348623159e292", 309); }, "none"},
};
INSTANTIATE_TEST_SUITE_P(Conversion, Rule, testing::ValuesIn(conversionRows), rowName);

// The prompt that refuses a thickness in a comma locale.
std::string refused(std::string_view text) { return std::get<Prompt>(takeInput(text, "Thickness", inch, ',')).text; }

std::string joined(const std::vector<std::string> &texts)
{
    return std::accumulate(texts.begin() + 1, texts.end(), texts[0], [](auto all, auto &t) { return all + " | " + t; });
}

// A panel's command over texts, as the page runs it: the texts it gives
// back, or its prompt.
template <class Fields, class... Texts>
std::string texts(TextCommand PanelDescription::*command, bool inch, Texts... texts)
{
    const TextOutcome outcome = (describe<Fields>().*command)(std::vector<std::string>{texts...}, inch, ',');
    const auto *prompt = std::get_if<Prompt>(&outcome);
    return prompt ? prompt->text : joined(std::get<std::vector<std::string>>(outcome));
}
constexpr auto calculate = &PanelDescription::runCalculate, clear = &PanelDescription::runClear;
using SP = SoundPathFields;
using ST = SurfaceTravelFields;
using ID = IndicationDepthFields;
using LF = LocateFields;

// clang-format off
const Rule::ParamType textRows[] = {
    // CALCULATE and CLEAR over texts in the description's order, the unit and separator passed on; CLEAR
    // empties every field but the angle.
    {"soundPathMm", [] { return texts<SP>(calculate, false, "25", "45", "", ""); }, "25 | 45 | 35,356 mm | 70,711 mm"},
    {"surfaceTravelInch", [] { return texts<ST>(calculate, true, "10", "70", ""); }, "10 | 70 | 9,396 in"},
    {"soundPathCleared", [] { return texts<SP>(clear, false, "25", "45", "35.356 mm", "70.711 mm"); }, " | 45 |  | "},
    {"depthCleared", [] { return texts<ID>(clear, true, "20", "40", "30", "1"); }, " |  |  | "},
    {"surfaceTravelCleared", [] { return texts<ST>(clear, false, "10", "45", "7.071 mm"); }, " | 45 | "},
    {"locateCleared", [] { return texts<LF>(clear, true, "6", "1", "68,5", "2", "1", "1 in", "1 in", "x"); }, " |  | 68,5 |  |  |  |  | "},
    {"textsMissing", [] { return texts<SP>(calculate, true, "25", "45", ""); }, "The panel has 4 fields, not 3"},
    // CLEAR keeps the unit; a change to an input does not pass for a CALCULATE's.
    {"clearKeepsUnit", [] { return std::to_string(clearSurfaceTravel({"10", "45", "7.071 mm", false}).inch); }, "0"},
    {"inputChanged", [] { return std::to_string(changesOnlyResults(SP{"1"}, SP{"2"})); }, "0"},
    // The raw text of a computed value.
    {"negativeZero", [] { return writeRaw(-0.0, '.'); }, "0"},
    {"exponentFromFifteenDigits", [] { return writeRaw(1e15, '.'); }, "1E+15"},
    // Half away from zero, on the decimal digits the raw text holds.
    {"negativeAwayFromZero", [] { return formatResult("-14.6198830409357", inch, '.'); }, "-14.620 in"},
    {"carryIntoNewDigit", [] { return formatResult("999.9999", mm, '.'); }, "1000.000 mm"},
    {"tinyNegativeHasNoSign", [] { return formatResult("-0.0004", inch, '.'); }, "0.000 in"},
    {"allDigitsDropped", [] { return formatResult("1E-05", inch, '.'); }, "0.000 in"},
    {"halfThousandthExponent", [] { return formatResult("5E-04", inch, '.'); }, "0.001 in"},
    {"leadingZero", [] { return formatResult("0.9396", inch, '.'); }, "0.940 in"},
    {"largeExponentWrittenOut", [] { return formatResult("1E+16", inch, '.'); }, "10000000000000000.000 in"},
    {"beyondDoubleKept", [] { return formatResult("2E+308", inch, '.'); }, "2E+308"},
    // A point where the comma is the separator gets a hint, a unit after it too.
    {"pointAndUnitGetHint", [] { return refused("2.5 mm"); },
     "Please Enter the Thickness as a Number\n(decimal separator: ,)"},
    {"lettersGetNoHint", [] { return refused("0.5x"); }, "Please Enter the Thickness as a Number"},
    // The locale's separator as the core takes it: one ASCII character, else the point.
    {"separatorComma", [] { return std::string(1, decimalSeparator(",")); }, ","},
    {"arabicTwoBytes", [] { return std::string(1, decimalSeparator("\u066b")); }, "."},
    {"latin1Byte", [] { return std::string(1, decimalSeparator("\xb7")); }, "."},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Writing, Rule, testing::ValuesIn(textRows), rowName);

// What a CALCULATE leaves to read: the prompt, or the result fields. No
// other field may change.
template <class Fields>
std::string shown(const Fields &in, const Outcome<Fields> &outcome)
{
    if (const auto *prompt = std::get_if<Prompt>(&outcome))
        return prompt->text;
    const Fields &out = std::get<Fields>(outcome);
    EXPECT_TRUE(changesOnlyResults(in, out)) << "CALCULATE changed a field it does not write";
    std::vector<std::string> results;
    for (const auto &[member, role] : roles<Fields>())
        if (role == Role::Result)
            results.push_back(out.*member);
    return joined(results);
}
std::string shown(const SP &in) { return shown(in, calculateSoundPath(in, '.')); }
std::string shown(const ST &in) { return shown(in, calculateSurfaceTravel(in, '.')); }
std::string shown(const ID &in) { return shown(in, calculateIndicationDepth(in, '.')); }
std::string shown(const LF &in) { return shown(in, calculateLocate(in, '.')); }

// A panel's fields before CALCULATE, and what it shows then.
using Panel = Table<std::variant<SP, ST, ID, LF>>;
TEST_P(Panel, Calculates)
{
    EXPECT_EQ(std::visit([](const auto &in) { return shown(in); }, GetParam().given), GetParam().expected);
}

const Panel::ParamType panelRows[] = {
    {"one70OverwritesResults", SP{"1", "70", "9.000 mm", "x"}, "2.924 in | 5.848 in"},
    {"typed60", SP{"1", "60.0"}, "2.000 in | 4.000 in"},
    {"thicknessInOtherUnit", SP{"12.7 mm", "70"}, "The Material Thickness Is in Millimeters but Inch Is Selected"},
    // With no angle matched the thickness is not read: A-B-C doubles the A-B typed.
    {"unmatchedDoublesTypedAB", SP{"abc", "70.5", "3"}, "3.000 in | 6.000 in"},
    {"unmatchedFormattedAB", SP{"1", "30", "2.924 in", "5.848 in"}, "Please Choose a Refracted Angle of 70, 60 or 45"},
    {"emptyAngleDoublesNothing", SP{"1", "", "3"}, prompts::angle()},
    {"emptyThickness", SP{"", "70", "1.000 in", "2.000 in"}, "Please Enter the Material Thickness"},
    {"blankThickness", SP{"  ", "70"}, "Please Enter the Material Thickness as a Number"},
    {"quotientOverflows", SP{"1E+308", "70"}, "The Result is Too Large to Display"},
    {"doublingOverflows", SP{"1", "30", "1E+308"}, prompts::tooLarge},
    {"twentyFive60", ST{"25", "60"}, "21.650 in"},
    {"ten45", ST{"10", "45"}, "7.071 in"},
    {"otherUnit", ST{"1/2 in", "70", "", false}, "The Material Sound Path Is in Inches but Millimeter Is Selected"},
    {"angleTakesNoFraction", ST{"1", "120/2"}, prompts::angle()},
    // With no angle matched only a number typed into the result is formatted.
    {"unmatchedFormatsTypedNumber", ST{"10", "30", "5"}, "5.000 in"},
    {"unmatchedEarlierResult", ST{"10", "30", "9.396 mm"}, prompts::angle()},
    {"unmatchedEmptyResult", ST{"10", "30"}, prompts::angle()},
    {"badAngleWithTypedResult", ST{"10", "x", "5"}, prompts::angle()},
    {"emptySoundPath", ST{"", "70", "1.000 in"}, "Please Enter the Material Sound Path"},
    {"lettersSoundPath", ST{"ten", "70"}, "Please Enter the Material Sound Path as a Number"},
    {"pastedMillimetres", ID{"20 mm", "40MM", " 30 mm", "", false}, "15.000 mm"},
    {"secondLegRisesAgain", ID{"20", "40", "50"}, "15.000 in"},
    {"thirdLegFallsAgain", ID{"20", "40", "90"}, "5.000 in"},
    {"fractions", ID{"3/4", "1-1/2", "1 1/8\""}, "0.563 in"},
    {"abInOtherUnit", ID{"20", "40\"", "30", "", false}, "The A-B Sound Path Is in Inches but Millimeter Is Selected"},
    {"indicationUnit", ID{"20", "40", "30 MM"}, "The Indication Sound Path Is in Millimeters but Inch Is Selected"},
    {"zeroThicknessPastAB", ID{"0", "40", "50"}, "0.000 in"},
    {"thicknessEmpty", ID{"", "40", "30", "7.000 in"}, missingDepthInput},
    // clang-format off
    {"indicationEmpty", ID{"20", "40"}, "Please Enter the Material Thickness,\nthe A-B Sound Path and the Indication Sound Path"},
    // clang-format on
    {"badThicknessFirst", ID{"x", "40"}, "Please Enter the Material Thickness as a Number"},
    {"badAbFirst", ID{"20", "4 0"}, "Please Enter the A-B Sound Path as a Number"},
    {"zeroAb", ID{"20", "-0", "30"}, "The A-B Sound Path Must Not Be Zero"},
    {"badIndication", ID{"20", "40", "x"}, "Please Enter the Indication Sound Path as a Number"},
    {"ratioOverflowsFirst", ID{"1E+300", "1E-300"}, prompts::tooLarge},
    {"rawTextBeyondLargestDouble", ID{"1.7976931348623157E+308", "1", "1"}, prompts::tooLarge},
    // Locate by true trigonometry. A white paper's 45 degree beam, 20 mm wall, 35 mm path: 15.2 deep and 24.8
    // along on a plate; 19.2 and 31.7 on a pipe it calls 100 mm, which its figures make a radius of 100.
    {"pipePublished", LF{"200", "20", "45", "35", "", "", "", "", false},
     "2 | 19.188 mm | 31.736 mm | Reaches the inside wall at 62.114\u00b0\nA-B 33.294 mm, half skip 29.870 mm\n"
     "A-B-C 66.588 mm, full skip 59.741 mm"},
    {"platePublished", LF{"", "20", "45", "35 mm", "", "", "", "", false},
     "2 | 15.251 mm | 24.749 mm | Flat plate: meets the back wall at 45.000\u00b0\nA-B 28.284 mm, half skip 20.000 mm\n"
     "A-B-C 56.569 mm, full skip 40.000 mm"},
    {"diameter100Misses", LF{"100", "20", "45", "35", "", "", "", "", false},
     "1 | 14.643 mm | 38.767 mm | Misses the inside wall\nDeepest 14.645 mm, at a sound path of 35.355 mm\n"
     "Reaches a wall of at most 14.645 mm, or at most 36.870\u00b0 here"},
    // Study notes: OD 6", wall 3/4": at most asin(2.25 / 3) = 48.6 degrees. A forum: a 25 mm wall, a 100 mm
    // radius: 60 degrees misses, 45 reaches.
    {"sixInchAt50Misses", LF{"6", "3/4\"", "50", "1"},
     "1 | 0.521 in | 0.943 in | Misses the inside wall\n"
     "Deepest 0.702 in, at a sound path of 1.928 in\nReaches a wall of at most 0.702 in, or at most 48.590\u00b0 here"},
    {"sixInchAt48_5Reaches", LF{"6", "0.75 in", "48.5\u00b0", "1"},
     "1 | 0.546 in | 0.930 in | Reaches the inside wall "
     "at 86.976\u00b0\nA-B 1.869 in, half skip 2.015 in\nA-B-C 3.738 in, full skip 4.029 in"},
    {"radius100At60Misses", LF{"200", "25", "60", "30"},
     "1 | 11.118 in | 29.664 in | Misses the inside wall\n"
     "Deepest 13.397 in, at a sound path of 50.000 in\nReaches a wall of at most 13.397 in, or at most 48.590\u00b0 "
     "here"},
    {"radius100At45Reaches", LF{"200", "25", "45", "30"},
     "1 | 18.407 in | 26.301 in | Reaches the inside wall at "
     "70.529\u00b0\nA-B 45.711 in, half skip 44.556 in\nA-B-C 91.421 in, full skip 89.112 in"},
    // 20 / cos 70 is 58.476; the Sound Path panel's factor 0.342 makes it 58.480.
    {"seventyTrue", LF{"", "20", "70", "0"},
     "1 | 0.000 in | 0.000 in | Flat plate: meets the back wall at 70.000\u00b0\n"
     "A-B 58.476 in, half skip 54.950 in\nA-B-C 116.952 in, full skip 109.899 in"},
    // R sin 30 rounds just below r: the beam touches the inside wall, where 1 - sin rounds it just short.
    {"tangent", LF{"4", "1", "30", "1"},
     "1 | 0.761 in | 0.831 in | Reaches the inside wall at 90.000\u00b0\n"
     "A-B 1.732 in, half skip 2.094 in\nA-B-C 3.464 in, full skip 4.189 in"},
    // Past half a turn the arc keeps growing, missing (six chords) and reaching (fifteen legs).
    {"missPastHalfTurn", LF{"100", "20", "70", "200"},
     "6 | 1.535 in | 204.378 in | Misses the inside wall\nDeepest 3.015 in, at a sound path of 17.101 in\n"
     "Reaches a wall of at most 3.015 in, or at most 36.870\u00b0 here"},
    {"reachPastHalfTurn", LF{"100", "20", "30", "400"},
     "15 | 19.566 in | 345.077 in | Reaches the inside wall at "
     "56.443\u00b0\nA-B 26.718 in, half skip 23.076 in\nA-B-C 53.436 in, full skip 46.151 in"},
    {"wallMissing", LF{"100", "", "45", "1"}, "Please Enter the Wall Thickness"},
    {"wallZero", LF{"", "0", "45", "1"}, "The Wall Thickness Must Be Above Zero"},
    {"wallLetters", LF{"", "x", "45", "1"}, "Please Enter the Wall Thickness as a Number"},
    {"diameterTwiceWall", LF{"40", "20", "45", "1"}, "The Outside Diameter Must Be More Than Twice the Wall Thickness"},
    {"diameterUnit", LF{"8 mm", "1", "45", "1"}, "The Outside Diameter Is in Millimeters but Inch Is Selected"},
    {"diameterBlank", LF{" ", "1", "45", "1"}, "Please Enter the Outside Diameter as a Number"},
    {"angle90", LF{"", "1", "90", "1"}, "Please Enter a Refracted Angle Above 0 and Below 90"},
    {"angle0", LF{"", "1", "0", "1"}, "Please Enter a Refracted Angle Above 0 and Below 90"},
    {"angleFraction", LF{"", "1", "1/2", "1"}, "Please Enter a Refracted Angle Above 0 and Below 90"},
    {"pathMissing", LF{"", "1", "45"}, "Please Enter the Indication Sound Path"},
    {"pathNegative", LF{"", "1", "45", "-0.001"}, "The Indication Sound Path Must Not Be Negative"},
    {"pathTooLarge", LF{"", "1", "45", "1E13"}, prompts::tooLarge},
};
INSTANTIATE_TEST_SUITE_P(Rows, Panel, testing::ValuesIn(panelRows), rowName);

// The name the windows show is the version without its zero padding: 1.00.0003 is 1.03.
TEST(Version, NameDropsThePadding)
{
    int major = -1, minor = -1, patch = -1;
    ASSERT_EQ(std::sscanf(angulon::version, "%d.%d.%d", &major, &minor, &patch), 3);
    EXPECT_EQ(angulon::displayName,
              "[Angulon " + std::to_string(major) + "." + std::to_string(minor) + std::to_string(patch) + "]");
}

} // namespace
