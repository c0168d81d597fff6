// SPDX-License-Identifier: MIT

#include "core/chart.h"

#include "core/anglefactors.h"
#include "core/fieldrules.h"
#include "core/locate.h"

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>

namespace core {

namespace {

// A decimal number as the chart steps it: mantissa x 10^-scale.
struct Decimal {
    long long mantissa;
    int scale;
};

// The exact decimal a range field names, or why the chart refuses it.
// Digits typed plainly are taken as typed; a fraction or an exponent is
// taken as the window's 15-digit text of its value, which a sheet can only
// print if it has at most six decimals.
std::variant<Decimal, std::string> rangeDecimal(const std::string &text, const ChartRequest &request)
{
    const char decimal = request.decimal;
    auto number = readInput(text, decimal);
    if (!number)
        return notANumber(decimal);
    if (const auto mismatch = unitMismatch(*number, names::thickness, unitRule(request.inch)))
        return mismatch->text;
    if (!number->plain)
        number = readNumber(writeRaw(number->value, decimal), decimal);
    // Past 19 digits in all the chart cannot step; past 18 before the
    // separator, it is the size that is at fault, not the decimals.
    const bool large = static_cast<long long>(number->digits.size()) + number->exponent > 18;
    const char *const overflow =
        large ? "too large for a chart: at most 18 digits before the separator" : "too many digits to step exactly";
    long long mantissa = 0;
    for (const char c : number->digits) {
        if (__builtin_mul_overflow(mantissa, 10, &mantissa) || __builtin_add_overflow(mantissa, c - '0', &mantissa))
            return overflow;
    }
    for (long long e = 0; e < number->exponent; ++e) {
        if (__builtin_mul_overflow(mantissa, 10, &mantissa))
            return overflow;
    }
    long long scale = std::max(0LL, -number->exponent);
    // Zeros typed after the sixth decimal add nothing to the value.
    for (; scale > maxChartDecimals && mantissa % 10 == 0; --scale)
        mantissa /= 10;
    if (scale > maxChartDecimals)
        return text + " has no exact decimal of at most six places";
    return Decimal{number->negative ? -mantissa : mantissa, static_cast<int>(scale)};
}

std::optional<long long> rescale(Decimal d, int scale)
{
    long long value = d.mantissa;
    for (int s = d.scale; s < scale; ++s) {
        if (__builtin_mul_overflow(value, 10, &value))
            return std::nullopt;
    }
    return value;
}

std::string writeDecimal(long long mantissa, int scale, char decimal)
{
    const bool negative = mantissa < 0;
    std::string digits = std::to_string(negative ? -mantissa : mantissa);
    if (digits.size() <= static_cast<std::size_t>(scale))
        digits.insert(0, static_cast<std::size_t>(scale) + 1 - digits.size(), '0');
    if (scale > 0)
        digits.insert(digits.size() - static_cast<std::size_t>(scale), 1, decimal);
    return negative ? '-' + digits : digits;
}

// A cell of its text, read by the window's number rules.
ChartCell cell(std::string text, char decimal)
{
    const Number number = readNumber(text, decimal).value();
    return {std::move(text), number.value, static_cast<int>(std::max(0LL, -number.exponent))};
}

ChartRefusal refuse(ChartRefusal::Input input, std::string problem) { return ChartRefusal{input, std::move(problem)}; }

// A pipe's row at its wall and the angle as typed: the beam's setup, each
// value rounded once; the angle as the locator reads it. A refused part is
// refused by the input at fault: the wall by the end of the range it is
// reached from, the first row's wall by the start.
std::optional<ChartRefusal> pipeRow(ChartRow &row, const ChartRequest &request, const std::string &angle, bool first,
                                    std::string &outsideDiameter)
{
    using Input = ChartRefusal::Input;
    const char decimal = request.decimal;
    const Unit unit = unitRule(request.inch);
    const auto read = readPart(request.outsideDiameter, row.thickness.text, angle, unit, decimal);
    if (const auto *refusal = std::get_if<LocateRefusal>(&read)) {
        const Input wall = first ? Input::From : Input::To;
        switch (refusal->input) {
        case LocateInput::Angle: return refuse(Input::Angles, angle + ": " + refusal->problem);
        case LocateInput::Wall: return refuse(wall, row.thickness.text + ": " + refusal->problem);
        // The range reached a wall too thick for the diameter.
        case LocateInput::DiameterForWall:
            return refuse(wall, "wall " + row.thickness.text + ": the outside diameter " + refusal->problem);
        default: return refuse(Input::OutsideDiameter, refusal->problem);
        }
    }
    const Beam beam(std::get<Part>(read));
    const Setup &setup = beam.setup();
    outsideDiameter = writeRaw(beam.part().outsideDiameter, decimal);
    row.angle = cell(writeRaw(beam.part().angle, decimal), decimal);
    if (!setup.reaches) {
        row.angleAtInside.text = chartMisses;
        return std::nullopt;
    }
    for (const auto &[target, value] :
         {std::pair{&row.abSoundPath, setup.pathToInside}, std::pair{&row.abcSoundPath, setup.skipPath},
          std::pair{&row.halfSkip, setup.halfSkip}, std::pair{&row.fullSkip, setup.fullSkip},
          std::pair{&row.angleAtInside, setup.angleAtInside}}) {
        const auto text = writeThousandths(value, decimal);
        if (!text)
            return refuse(Input::OutsideDiameter, tooLargeProblem);
        *target = cell(*text, decimal);
    }
    return std::nullopt;
}

} // namespace

std::variant<Chart, ChartRefusal> makeChart(const ChartRequest &request)
{
    using Input = ChartRefusal::Input;
    const char decimal = request.decimal;
    std::array<Decimal, 3> range{};
    for (const auto &[text, input, at] :
         {std::tuple{&request.from, Input::From, 0}, std::tuple{&request.to, Input::To, 1},
          std::tuple{&request.step, Input::Step, 2}}) {
        auto read = rangeDecimal(*text, request);
        if (auto *problem = std::get_if<std::string>(&read))
            return refuse(input, std::move(*problem));
        range[at] = std::get<Decimal>(read);
    }
    const auto &[from, to, step] = range;
    if (from.mantissa <= 0)
        return refuse(Input::From, "a thickness must be greater than zero");
    if (step.mantissa <= 0)
        return refuse(Input::Step, "the step must be greater than zero");
    Chart chart{writeDecimal(from.mantissa, from.scale, decimal), writeDecimal(to.mantissa, to.scale, decimal),
                writeDecimal(step.mantissa, step.scale, decimal)};
    if (request.angles.empty())
        return refuse(Input::Angles, "no angle given");
    for (const std::string &typed : request.angles) {
        if (typed.empty())
            return refuse(Input::Angles, "an angle is missing between the commas");
        // A pipe's angles are read with its first wall, below.
        if (request.pipe()) {
            chart.angles.emplace_back();
            continue;
        }
        const auto lookup = lookupAngle(typed, decimal);
        if (lookup.status != AngleLookup::Status::Matched)
            return refuse(Input::Angles, typed + ": " + prompts::angle());
        const AngleFactors &angle = *lookup.factors;
        const auto same = [&angle](const AngleFactors &given) { return given.text == angle.text; };
        if (std::find_if(chart.angles.begin(), chart.angles.end(), same) != chart.angles.end())
            return refuse(Input::Angles, std::string(angle.text) + " is given twice");
        chart.angles.push_back(angle);
    }

    // Everything in whole units of the finest scale the three are typed in;
    // a thickness is written with the decimals of the finer of from and step.
    const int scale = std::max({from.scale, to.scale, step.scale});
    const int written = std::max(from.scale, step.scale);
    const auto first = rescale(from, scale);
    const auto last = rescale(to, scale);
    const auto stride = rescale(step, scale);
    if (!first || !last || !stride)
        return refuse(Input::To, "too many digits to step exactly");
    if (*first > *last)
        return refuse(Input::From, "greater than the end of the range");
    // Both ends are above zero, so the span between them fits.
    const long long count = (*last - *first) / *stride + 1;
    if (count > static_cast<long long>(maxChartThicknesses))
        return refuse(Input::Step, "more than 10000 thicknesses");

    long long unit = 1;
    for (int s = written; s < scale; ++s)
        unit *= 10;
    // A range the steps do not end on is named by its last row.
    if (const long long end = *first + (count - 1) * *stride; end != *last)
        chart.to = writeDecimal(end / unit, written, decimal);
    const Unit results = unitRule(request.inch);
    const std::size_t suffix = unitSuffix(results).size();
    // A raw result as its field shows it, less the unit suffix.
    const auto shown = [&](const std::string &raw) {
        const std::string field = formatResult(raw, results, decimal);
        return cell(field.substr(0, field.size() - suffix), decimal);
    };
    // The window's steps for a row, each from the number its field reads as:
    // Sound Path stores A-B from the thickness typed and A-B-C from what A-B
    // stores; Surface Travel reads each sound path pasted as shown. A range
    // of at most 19 digits keeps every result far below the largest double,
    // so none is refused as too large to show.
    std::string ab, abc, half, full;
    std::vector<ChartRow> &rows = chart.rows;
    rows.reserve(static_cast<std::size_t>(count) * chart.angles.size());
    for (long long k = 0; k < count; ++k) {
        const ChartCell thickness = cell(writeDecimal((*first + k * *stride) / unit, written, decimal), decimal);
        if (request.pipe()) {
            for (std::size_t a = 0; a < chart.angles.size(); ++a) {
                ChartRow &row = rows.emplace_back();
                row.thickness = thickness;
                if (auto refusal = pipeRow(row, request, request.angles[a], k == 0, chart.outsideDiameter))
                    return std::move(*refusal);
                chart.angles[a].degrees = row.angle.value;
                if (k == 0 && std::count_if(chart.angles.begin(), chart.angles.end(), [&](const AngleFactors &given) {
                                  return given.degrees == row.angle.value;
                              }) > 1)
                    return refuse(Input::Angles, row.angle.text + " is given twice");
            }
            continue;
        }
        for (const AngleFactors &factors : chart.angles) {
            const double b = storeRaw(ab, thickness.value / factors.soundPathDivisor, decimal).value();
            storeRaw(abc, b + b, decimal).value();
            ChartCell abShown = shown(ab), abcShown = shown(abc);
            storeRaw(half, abShown.value * factors.surfaceTravelMultiplier, decimal).value();
            storeRaw(full, abcShown.value * factors.surfaceTravelMultiplier, decimal).value();
            ChartRow &row = rows.emplace_back();
            row.thickness = thickness;
            row.angle = {std::string(factors.text), factors.degrees, 0};
            row.abSoundPath = std::move(abShown);
            row.abcSoundPath = std::move(abcShown);
            row.halfSkip = shown(half);
            row.fullSkip = shown(full);
        }
    }
    return chart;
}

} // namespace core
