// SPDX-License-Identifier: MIT

#include "calc/core/anglefactors.h"
#include "calc/core/fieldrules.h"
#include "rowname.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <regex>

using calc::Unit;

namespace {

struct ReadRow {
    const char *name, *text;
    char decimal;
    std::optional<double> expected;
};
class ReadNumber : public testing::TestWithParam<ReadRow> {};

TEST_P(ReadNumber, AcceptsOnlyPlainDecimalNotation)
{
    EXPECT_EQ(calc::readNumber(GetParam().text, GetParam().decimal), GetParam().expected)
        << '"' << GetParam().text << '"';
}

constexpr auto none = std::nullopt;
constexpr double dblMax = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(
    Table, ReadNumber,
    testing::Values(ReadRow{"integer", "25", '.', 25.0}, ReadRow{"fraction", "2.5", '.', 2.5},
                    ReadRow{"leadingPoint", ".5", '.', 0.5}, ReadRow{"trailingPoint", "5.", '.', 5.0},
                    ReadRow{"plusSign", "+3", '.', 3.0}, ReadRow{"minusSign", "-5", '.', -5.0},
                    ReadRow{"blanksAround", "  60 \t", '.', 60.0}, ReadRow{"exponentUpper", "7E1", '.', 70.0},
                    ReadRow{"exponentLowerSigned", "25e-1", '.', 2.5},
                    ReadRow{"largestDouble", "1.7976931348623157E+308", '.', dblMax},
                    ReadRow{"underflowIsZero", "1E-400", '.', 0.0}, ReadRow{"commaLocale", "2,5", ',', 2.5},
                    ReadRow{"empty", "", '.', none}, ReadRow{"blanksOnly", "   ", '.', none},
                    ReadRow{"formattedResult", "2.924 in", '.', none}, ReadRow{"pointOnly", ".", '.', none},
                    ReadRow{"twoSigns", "--5", '.', none}, ReadRow{"blankAfterSign", "- 5", '.', none},
                    ReadRow{"twoPoints", "1.2.3", '.', none}, ReadRow{"grouping", "1,000", '.', none},
                    ReadRow{"pointInCommaLocale", "2.5", ',', none}, ReadRow{"exponentWithoutDigits", "1E", '.', none},
                    ReadRow{"infinity", "inf", '.', none}, ReadRow{"hexadecimal", "0x10", '.', none},
                    ReadRow{"beyondLargestDouble", "1.8E+308", '.', none},
                    ReadRow{"hugeExponent", "1E99999999999999999999", '.', none},
                    ReadRow{"nonAsciiDigit", "\xd9\xa3", '.', none}),
    RowName{});

class ReadInput : public testing::TestWithParam<ReadRow> {};

TEST_P(ReadInput, TakesAPastedResultAsItsNumber)
{
    EXPECT_EQ(calc::readInput(GetParam().text, GetParam().decimal), GetParam().expected)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadInput,
    testing::Values(ReadRow{"plain", "25", '.', 25.0}, ReadRow{"resultInMillimetres", "146.199 mm", '.', 146.199},
                    ReadRow{"unitWithoutBlank", "25in", '.', 25.0},
                    ReadRow{"upperCaseWithBlanks", " 30.000 MM ", '.', 30.0},
                    ReadRow{"mixedCaseComma", "2,5 In", ',', 2.5}, ReadRow{"otherUnit", "25 cm", '.', none},
                    ReadRow{"unitTwice", "25 in in", '.', none}, ReadRow{"unitOnly", "mm", '.', none},
                    ReadRow{"unitFirst", "in 25", '.', none}, ReadRow{"oneLetter", "25 m", '.', none}),
    RowName{});

struct RawRow {
    const char *name;
    double value;
    char decimal;
    const char *expected;
};
class WriteRaw : public testing::TestWithParam<RawRow> {};

TEST_P(WriteRaw, GivesShortestFifteenDigitText)
{
    EXPECT_EQ(calc::writeRaw(GetParam().value, GetParam().decimal), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, WriteRaw,
                         testing::Values(RawRow{"quotient", 1 / 0.342, '.', "2.92397660818713"},
                                         RawRow{"whole", 50.0, '.', "50"}, RawRow{"negativeZero", -0.0, '.', "0"},
                                         RawRow{"commaLocale", 2.5, ',', "2,5"},
                                         RawRow{"fifteenDigitsWhole", 123456789012345.0, '.', "123456789012345"},
                                         RawRow{"fifteenDigitBoundary", 1e15, '.', "1E+15"},
                                         RawRow{"smallToExponent", 1e-5, '.', "1E-05"},
                                         RawRow{"roundsToFifteen", 0.1 + 0.2, '.', "0.3"}),
                         RowName{});

struct FormatRow {
    const char *name, *raw;
    Unit unit;
    char decimal;
    std::string expected;
};
class FormatResult : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatResult, RoundsTheWrittenDigits)
{
    EXPECT_EQ(calc::formatResult(GetParam().raw, GetParam().unit, GetParam().decimal), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatResult,
                         testing::Values(FormatRow{"quotient", "2.92397660818713", Unit::Inch, '.', "2.924 in"},
                                         FormatRow{"whole", "2", Unit::Inch, '.', "2.000 in"},
                                         FormatRow{"zero", "0", Unit::Inch, '.', "0.000 in"},
                                         FormatRow{"roundsUp", "0.9396", Unit::Inch, '.', "0.940 in"},
                                         FormatRow{"negative", "-14.6198830409357", Unit::Inch, '.', "-14.620 in"},
                                         FormatRow{"empty", "", Unit::Inch, '.', ""},
                                         FormatRow{"millimetre", "50", Unit::Millimetre, '.', "50.000 mm"},
                                         FormatRow{"halfFromText", "1.0005", Unit::Inch, '.', "1.001 in"},
                                         FormatRow{"carryFromNines", "999.9999", Unit::Millimetre, '.', "1000.000 mm"},
                                         FormatRow{"tinyNegativeHasNoSign", "-0.0004", Unit::Inch, '.', "0.000 in"},
                                         FormatRow{"tinyExponent", "1E-05", Unit::Inch, '.', "0.000 in"},
                                         FormatRow{"halfThousandthExponent", "5E-04", Unit::Inch, '.', "0.001 in"},
                                         FormatRow{"largeExponentAllDigits", "1E+16", Unit::Inch, '.',
                                                   "10000000000000000.000 in"},
                                         FormatRow{"blanksAndPlus", " +7.5 ", Unit::Inch, '.', "7.500 in"},
                                         FormatRow{"commaLocale", "2,5", Unit::Inch, ',', "2,500 in"},
                                         FormatRow{"alreadyFormatted", "9.396 mm", Unit::Inch, '.', "9.396 mm"},
                                         FormatRow{"beyondDouble", "2E+308", Unit::Inch, '.', "2E+308"},
                                         FormatRow{"largestDoubleEveryDigit", "1.79769313486231E+308", Unit::Inch, '.',
                                                   "179769313486231" + std::string(294, '0') + ".000 in"}),
                         RowName{});

struct AngleRow {
    const char *name, *text;
    calc::AngleLookup::Status status;
    double degrees;
};
class LookupAngle : public testing::TestWithParam<AngleRow> {};

TEST_P(LookupAngle, ComparesNumerically)
{
    const auto got = calc::lookupAngle(GetParam().text, '.');
    EXPECT_EQ(got.status, GetParam().status);
    EXPECT_EQ(got.factors ? got.factors->degrees : 0.0, GetParam().degrees);
}

using S = calc::AngleLookup::Status;
INSTANTIATE_TEST_SUITE_P(Table, LookupAngle,
                         testing::Values(AngleRow{"entry70", "70", S::Matched, 70},
                                         AngleRow{"exponent", "7E1", S::Matched, 70},
                                         AngleRow{"otherNumber", "30", S::NoMatch, 0},
                                         AngleRow{"nearlySeventy", "70.0000001", S::NoMatch, 0},
                                         AngleRow{"empty", "", S::NotANumber, 0}),
                         RowName{});

// Random doubles across the whole range: the raw text reads back to the value
// rounded to 15 significant digits, and the formatted text has the fixed shape.
TEST(RoundTrip, RawTextReadsBackAndFormatsCleanly)
{
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<std::uint64_t> bits;
    const std::regex shape(R"(-?[0-9]+[.,][0-9]{3} (in|mm))");
    int checked = 0;
    for (int i = 0; i < 20000; ++i) {
        double value;
        const std::uint64_t b = bits(random);
        std::memcpy(&value, &b, sizeof value);
        if (!std::isfinite(value))
            continue;
        if (i % 2)
            value = std::ldexp(std::fmod(value, 1.0), i % 60 - 20); // everyday sizes too
        const char decimal = i % 3 ? '.' : ',';
        const std::string raw = calc::writeRaw(value, decimal);
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.15G", value);
        const auto back = calc::readNumber(raw, decimal);
        const double fifteen = std::strtod(expected, nullptr);
        if (std::isinf(fifteen)) {
            EXPECT_FALSE(back) << raw;
            continue;
        }
        ASSERT_TRUE(back) << raw;
        EXPECT_EQ(*back, fifteen == 0 ? 0.0 : fifteen) << raw;
        const std::string shown = calc::formatResult(raw, i % 5 ? Unit::Inch : Unit::Millimetre, decimal);
        EXPECT_TRUE(std::regex_match(shown, shape)) << raw << " -> " << shown.substr(0, 40);
        ++checked;
    }
    EXPECT_GT(checked, 15000);
}

} // namespace
