// SPDX-License-Identifier: MIT

// Time per call of the calculator core's hot paths: each panel's CALCULATE on
// the inputs an inspector typically types, and the field rules they are built
// from (reading a number, writing a raw result, formatting it for display);
// a whole chart, 1 to 1000 by 0.1 at the three angles, written as CSV; and
// locating one point of a beam in a pipe, alone and as the Locate CALCULATE.

#include "chart/writers.h"
#include "core/chart.h"
#include "core/fieldrules.h"
#include "core/indicationdepth.h"
#include "core/locate.h"
#include "core/soundpath.h"
#include "core/surfacetravel.h"

#include <benchmark/benchmark.h>

#include <string>
#include <variant>

namespace {

template <class Fields, class Calculate>
void calculateLoop(benchmark::State &state, const Fields &typed, Calculate calculate)
{
    // A prompt instead of results would time the wrong path.
    if (!std::holds_alternative<Fields>(calculate(typed, '.')))
        state.SkipWithError("typical input did not calculate");
    for (auto _ : state) {
        auto outcome = calculate(typed, '.');
        benchmark::DoNotOptimize(outcome);
    }
}

void CalculateSoundPath(benchmark::State &state)
{
    calculateLoop(state, core::SoundPathFields{"1.5", "70", "", "", true}, core::calculateSoundPath);
}
BENCHMARK(CalculateSoundPath);

void CalculateSurfaceTravel(benchmark::State &state)
{
    calculateLoop(state, core::SurfaceTravelFields{"4.386", "60", "", false}, core::calculateSurfaceTravel);
}
BENCHMARK(CalculateSurfaceTravel);

void CalculateIndicationDepth(benchmark::State &state)
{
    calculateLoop(state, core::IndicationDepthFields{"25.4", "74.269", "37.5", "", false},
                  core::calculateIndicationDepth);
}
BENCHMARK(CalculateIndicationDepth);

void CalculateLocate(benchmark::State &state)
{
    calculateLoop(state, core::LocateFields{"219.1", "12.7", "68.5", "41.3", "", "", "", "", false},
                  core::calculateLocate);
}
BENCHMARK(CalculateLocate);

// One point of a beam already worked out for its pipe, as angulon-locate
// takes each path; the paths vary over six legs so no branch is always taken.
void LocateOnePoint(benchmark::State &state)
{
    const core::Beam beam({219.1, 12.7, 68.5});
    double path = 0.0;
    for (auto _ : state) {
        path = path < 200.0 ? path + 0.37 : 0.0;
        auto location = beam.at(path);
        benchmark::DoNotOptimize(location);
    }
}
BENCHMARK(LocateOnePoint);

void ReadNumber(benchmark::State &state)
{
    const std::string typed = " 12.375 ";
    for (auto _ : state) {
        auto value = core::readNumber(typed, '.');
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(ReadNumber);

void WriteRaw(benchmark::State &state)
{
    double value = 4.38596491228070;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        std::string text = core::writeRaw(value, '.');
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(WriteRaw);

void FormatResult(benchmark::State &state)
{
    const std::string raw = "4.38596491228070";
    for (auto _ : state) {
        std::string shown = core::formatResult(raw, core::Unit::Inch, '.');
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(FormatResult);

void ChartCsv1To1000By0_1(benchmark::State &state)
{
    const core::ChartRequest request{"1", "1000", "0.1", {"70", "60", "45"}, false, '.'};
    for (auto _ : state) {
        const auto chart = std::get<core::Chart>(core::makeChart(request));
        std::string csv = chart::writeCsv({request, chart, ""});
        benchmark::DoNotOptimize(csv);
    }
}
BENCHMARK(ChartCsv1To1000By0_1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
