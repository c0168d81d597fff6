// SPDX-License-Identifier: MIT

#include "core/locate.h"

#include "tests/rows.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

using namespace core;

namespace {

// A ray followed from wall to wall and reflected off each, as a point and a
// direction, its turn round the centre summed segment by segment: no mirror
// rule, no leg formula. A plate's walls are y = 0 and y = wall.
Location trace(const Part &part, double path)
{
    const double a = part.angle * std::numbers::pi / 180, R = part.outsideDiameter / 2;
    double x = 0, y = part.pipe() ? R : 0, dx = std::sin(a), dy = part.pipe() ? -std::cos(a) : std::cos(a);
    double turn = 0;
    Location at;
    for (;;) {
        double step = INFINITY;
        if (!part.pipe())
            step = ((dy > 0 ? part.wall : 0) - y) / dy;
        for (const double radius : {R - part.wall, R}) {
            // |p + s d| = radius: the roots of s^2 + 2 b s + c, the far one without cancellation.
            const double b = x * dx + y * dy, c = (x * x + y * y) - radius * radius, disc = b * b - c;
            if (!part.pipe() || disc < 0)
                continue;
            const double q = -(b + std::copysign(std::sqrt(disc), b));
            for (const double s : {q, c / q})
                if (s > 1e-9 * R && s < step)
                    step = s;
        }
        const double s = std::min(step, path);
        const double nx = x + s * dx, ny = y + s * dy;
        turn += std::atan2(x * ny - y * nx, x * nx + y * ny);
        x = nx, y = ny, path -= s;
        if (step > s)
            break;
        // At a wall, even with no path left: the next leg begins there.
        ++at.leg;
        if (!part.pipe()) {
            dy = -dy;
            continue;
        }
        const double n = (x * dx + y * dy) / (x * x + y * y);
        dx -= 2 * n * x, dy -= 2 * n * y;
    }
    at.depth = part.pipe() ? R - std::hypot(x, y) : y;
    at.surfaceDistance = part.pipe() ? -turn * R : x;
    return at;
}

// Seeded random pipes and plates, reaching and missing, many past half a
// turn; those within a millionth of tangency are left out, where a step of
// the tracer may decide the other way.
TEST(Locate, AgreesWithATracedRay)
{
    std::mt19937_64 random(38);
    std::uniform_real_distribution<double> unit(0, 1);
    int reaching = 0, missing = 0, plates = 0, pastHalfTurn = 0;
    while (reaching + missing + plates < 10000) {
        const double R = 5 * std::pow(1000, unit(random)), wall = R * (0.02 + 0.88 * unit(random));
        const Part part{unit(random) < 0.2 ? 0 : 2 * R, wall, 1 + 88 * unit(random)};
        const double tangency = R * std::sin(part.angle * std::numbers::pi / 180) - (R - wall);
        if (part.pipe() && std::fabs(tangency) < 1e-6 * R)
            continue;
        const Beam beam(part);
        const double path = beam.legPath() * 40 * unit(random);
        const Location core = beam.at(path), traced = trace(part, path);
        ++(!part.pipe() ? plates : beam.setup().reaches ? reaching : missing);
        pastHalfTurn += part.pipe() && core.surfaceDistance > std::numbers::pi * R;
        const double scale = wall + path;
        ASSERT_EQ(core.leg, traced.leg) << R << " " << wall << " " << part.angle << " " << path;
        ASSERT_NEAR(core.depth, traced.depth, 1e-9 * scale) << R << " " << wall << " " << part.angle << " " << path;
        ASSERT_NEAR(core.surfaceDistance, traced.surfaceDistance, 1e-9 * scale) << R << " " << part.angle;
    }
    EXPECT_GT(std::min({reaching, missing, plates, pastHalfTurn}), 1000);
}

// A pipe of 2E14 is a plate to the last digit written.
TEST(Locate, HugePipeIsAPlate)
{
    for (const double angle : {70.0, 45.0, 68.5, 1.0})
        for (const double path : {0.0, 35.0, 58.476, 1000.0}) {
            const auto pipe = writeLocation(Beam({2e14, 20, angle}).at(path), '.');
            const auto plate = writeLocation(Beam({0, 20, angle}).at(path), '.');
            EXPECT_EQ(pipe->depth + " " + pipe->surfaceDistance + " " + pipe->leg,
                      plate->depth + " " + plate->surfaceDistance + " " + plate->leg)
                << angle << " " << path;
        }
}

// Three decimals, rounded once, half away from zero.
using Thousandths = Table<double>;
TEST_P(Thousandths, Written)
{
    EXPECT_EQ(writeThousandths(GetParam().given, ',').value_or("none"), GetParam().expected);
}
const Thousandths::ParamType thousandthsRows[] = {
    {"halfwayAway", 2.0625, "2,063"},
    {"belowHalfway", 0.0624999, "0,062"},
    {"roundedOnceNotTwice", 1.00049999999999994, "1,000"},
    {"tinyNegativeHasNoSign", -0.0004, "0,000"},
    {"negative", -1.5, "-1,500"},
    {"largestWritten", 999999999999.9, "999999999999,900"},
    {"tooLarge", 1e12, "none"},
};
INSTANTIATE_TEST_SUITE_P(Locate, Thousandths, testing::ValuesIn(thousandthsRows), rowName);

// The drawing: its outlines, and the reflector where the beam says, to scale.
using Drawn = Table<Part>;
TEST_P(Drawn, ToScale)
{
    const Beam beam(GetParam().given);
    const Drawing d = drawLocation(beam, 1.5 * beam.legPath());
    const Location at = beam.at(1.5 * beam.legPath());
    // The scale from a point of the outside wall, the centre R below the
    // index point; the reflector's distance from the centre, or on a plate
    // its height over the wall's, gives its depth.
    const double R = beam.part().outsideDiameter / 2, wall = beam.part().wall;
    const auto &outer = d.outlines[0]; // the outside wall is its first half
    const auto far = *std::ranges::max_element(outer.begin(), outer.begin() + outer.size() / 2, {}, &Drawing::Point::y);
    const double dx = far.x - d.index.x, dy = far.y - d.index.y;
    const double scale = R > 0 ? (dx * dx + dy * dy) / (2 * dy * R) : 0;
    const auto depth = [&](Drawing::Point p) {
        const double x = p.x - d.index.x, y = p.y - d.index.y;
        return R > 0 ? R - std::hypot(x, y - R * scale) / scale : y / (d.outlines[0].back().y - d.index.y) * wall;
    };
    EXPECT_EQ(std::to_string(d.outlines.size()) + " " + std::to_string(std::lround(std::max(d.width, d.height))),
              GetParam().expected);
    EXPECT_NEAR(depth(d.reflector), at.depth, 1e-3 * wall);
    // The first leg ends at the inside wall, or back at the outside.
    EXPECT_NEAR(depth(d.beam[1]), beam.setup().reaches ? wall : 0, 1e-3 * wall);
    EXPECT_EQ(d.beam.size(), at.leg + 1);
    EXPECT_TRUE(drawingSvg(d, "a<b").find("aria-label=\"a&lt;b\"><path class=\"part\"") != std::string::npos);
}
const Drawn::ParamType drawnRows[] = {
    {"reachingPipeSegment", {60, 10, 30}, "1 1000"},
    {"missingPipeWhole", {50, 20, 45}, "2 1000"},
    {"plateOneOutline", {0, 20, 45}, "1 1000"},
    {"largePipeSegment", {2000, 20, 45}, "1 1000"},
};
INSTANTIATE_TEST_SUITE_P(Locate, Drawn, testing::ValuesIn(drawnRows), rowName);

} // namespace
