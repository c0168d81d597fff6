// SPDX-License-Identifier: MIT

#pragma once

#include "core/anglefactors.h"

#include <string>
#include <variant>
#include <vector>

namespace core {

// An inspector's chart: for each thickness of a range and each refracted
// angle, the cells the window shows when the row is done by hand. The
// thickness goes into Sound Path for A-B and A-B-C; each of those, as shown,
// is pasted into Surface Travel for the half-skip and full-skip distances.
// For a pipe (an outside diameter given) the thicknesses are its walls and
// each cell is the true value of the beam's setup (core/locate.h) rounded
// once to three decimals.
struct ChartRequest {
    // Read by the window's number rules, a unit typed being the chart's
    // own; the thicknesses, each above zero, step in decimal from the typed
    // digits, from `from` up to and including `to`.
    std::string from = {};
    std::string to = {};
    std::string step = {};
    std::vector<std::string> angles = {}; // each an angle of the table, in the order wanted
    bool inch = true;                     // names the results; nothing is converted
    char decimal = '.';
    // Empty for a plate; a pipe's angles are any above 0 and below 90.
    std::string outsideDiameter = {};
    bool pipe() const { return !outsideDiameter.empty(); }
};

// A cell of the chart: the text its field shows, without the unit suffix,
// the number that text reads as, and its count of decimals.
struct ChartCell {
    std::string text = {};
    double value = 0.0;
    int decimals = 0;
    bool operator==(const ChartCell &) const = default;
};

// One thickness at one angle. In a pipe, A-B is the path to the inside wall,
// the half skip the arc on the outside surface to the point above where the
// beam meets it; where the beam misses the inside wall, the four path cells
// are empty and the angle at the inside wall says "misses".
struct ChartRow {
    ChartCell thickness = {}; // the text typed into the thickness field
    ChartCell angle = {};
    ChartCell abSoundPath = {};
    ChartCell abcSoundPath = {};
    ChartCell halfSkip = {};
    ChartCell fullSkip = {};
    ChartCell angleAtInside = {}; // a pipe's only
    bool operator==(const ChartRow &) const = default;
};

// A chart to write: the range as its rows step it ("6.50 mm" gives "6.50",
// "1/2" gives "0.5"; an end the steps miss gives the last row's thickness),
// the angles in the order asked for, and the rows, ordered by thickness, then
// by angle. A pipe's angles have no factors; the diameter is written as its
// wall is ("200 mm" gives "200").
struct Chart {
    std::string from = {};
    std::string to = {};
    std::string step = {};
    std::vector<AngleFactors> angles = {};
    std::vector<ChartRow> rows = {};
    std::string outsideDiameter = {};

    std::size_t thicknesses() const { return angles.empty() ? 0 : rows.size() / angles.size(); }
    // The row of the n-th thickness at the a-th angle.
    const ChartRow &row(std::size_t n, std::size_t a) const { return rows[n * angles.size() + a]; }
    // The a-th angle as its rows write it ("70", "68.5").
    const std::string &angleText(std::size_t a) const { return rows[a].angle.text; }
};

// Why no chart: the input at fault and what is wrong with it (for an angle
// not in the table, the window's prompt after the angle). No row is refused:
// a range of at most 19 digits keeps every result far below the largest
// double, and a pipe whose results are too large for three decimals is
// refused by its diameter; Row stays for the callers that name it.
struct ChartRefusal {
    enum class Input { From, To, Step, Angles, Row, OutsideDiameter };
    Input input;
    std::string problem;
    bool operator==(const ChartRefusal &) const = default;
};

// What a pipe's last column says where the beam misses the inside wall.
inline constexpr std::string_view chartMisses = "misses";

inline constexpr std::size_t maxChartThicknesses = 10000;
// A thickness on a sheet is an exact decimal of at most this many places.
inline constexpr int maxChartDecimals = 6;

std::variant<Chart, ChartRefusal> makeChart(const ChartRequest &request);

} // namespace core
