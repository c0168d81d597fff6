// SPDX-License-Identifier: MIT

#include "core/chart.h"

#include "core/anglefactors.h"
#include "core/fieldrules.h"
#include "core/soundpath.h"
#include "core/surfacetravel.h"

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
        return "not a number the window reads";
    if (const auto mismatch = unitMismatch(*number, names::thickness, unitRule(request.inch)))
        return mismatch->text;
    if (!number->plain)
        number = readNumber(writeRaw(number->value, decimal), decimal);
    long long mantissa = 0;
    for (const char c : number->digits) {
        if (__builtin_mul_overflow(mantissa, 10, &mantissa) || __builtin_add_overflow(mantissa, c - '0', &mantissa))
            return "too many digits to step exactly";
    }
    for (long long e = 0; e < number->exponent; ++e) {
        if (__builtin_mul_overflow(mantissa, 10, &mantissa))
            return "too many digits to step exactly";
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

// A result as its field shows it, less the unit suffix.
std::string shownNumber(const std::string &field, bool inch)
{
    const std::string_view suffix = unitSuffix(unitRule(inch));
    return field.ends_with(suffix) ? field.substr(0, field.size() - suffix.size()) : field;
}

ChartRefusal refuse(ChartRefusal::Input input, std::string problem) { return ChartRefusal{input, std::move(problem)}; }

// Surface Travel with a sound path pasted in as shown.
std::variant<std::string, Prompt> surfaceTravel(const std::string &soundPath, const std::string &angle, bool inch,
                                                char decimal)
{
    const auto outcome = calculateSurfaceTravel({.soundPath = soundPath, .angle = angle, .inch = inch}, decimal);
    if (const auto *prompt = std::get_if<Prompt>(&outcome))
        return *prompt;
    return std::get<SurfaceTravelFields>(outcome).surfaceTravel;
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
        const auto lookup = lookupAngle(typed, decimal);
        if (lookup.status != AngleLookup::Status::Matched)
            return refuse(Input::Angles, typed + ": " + prompts::angle());
        std::string angle(lookup.factors->text);
        if (std::find(chart.angles.begin(), chart.angles.end(), angle) != chart.angles.end())
            return refuse(Input::Angles, angle + " is given twice");
        chart.angles.push_back(std::move(angle));
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
    std::vector<ChartRow> &rows = chart.rows;
    rows.reserve(static_cast<std::size_t>(count) * chart.angles.size());
    for (long long k = 0; k < count; ++k) {
        const std::string thickness = writeDecimal((*first + k * *stride) / unit, written, decimal);
        for (const std::string &angle : chart.angles) {
            const auto soundPath =
                calculateSoundPath({.thickness = thickness, .angle = angle, .inch = request.inch}, decimal);
            if (const auto *prompt = std::get_if<Prompt>(&soundPath))
                return refuse(Input::Row, thickness + ": " + prompt->text);
            const auto &paths = std::get<SoundPathFields>(soundPath);
            const auto half = surfaceTravel(paths.abSoundPath, angle, request.inch, decimal);
            const auto full = surfaceTravel(paths.abcSoundPath, angle, request.inch, decimal);
            for (const auto *skip : {&half, &full}) {
                if (const auto *prompt = std::get_if<Prompt>(skip))
                    return refuse(Input::Row, thickness + ": " + prompt->text);
            }
            const auto shown = [&request](const std::string &field) { return shownNumber(field, request.inch); };
            rows.push_back({thickness, angle, shown(paths.abSoundPath), shown(paths.abcSoundPath),
                            shown(std::get<std::string>(half)), shown(std::get<std::string>(full))});
        }
    }
    return chart;
}

} // namespace core
