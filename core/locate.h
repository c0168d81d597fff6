// SPDX-License-Identifier: MIT

#pragma once

#include "core/number.h"
#include "core/outcome.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace core {

// A part scanned from its outside surface with the beam running round the
// circumference: a pipe of an outside diameter, or a flat plate (no
// diameter), its wall, and the probe's refracted angle as measured, in
// degrees from the normal at the index point. The numbers are in one unit.
struct Part {
    double outsideDiameter = 0.0; // 0 for a flat plate
    double wall = 0.0;            // above zero; below half the diameter
    double angle = 0.0;           // above 0 and below 90
    bool pipe() const { return outsideDiameter != 0.0; }
};

// Where the beam goes in a part, by true trigonometry. On a plate it always
// meets the back wall. In a pipe it meets the inside wall exactly when
// R sin(angle) <= R - wall (R the outside radius); when it does not, each
// chord from the outside surface back to it is one leg.
struct Setup {
    bool reaches = true;
    // When it reaches: the sound path to the inside wall (A-B), the angle it
    // meets it at (from that wall's normal, in degrees), the path back to the
    // outside surface (A-B-C) and the distance along the outside surface to
    // the point above where it meets the inside wall (half skip) and to where
    // it comes back (full skip).
    double pathToInside = 0.0, angleAtInside = 0.0, skipPath = 0.0, halfSkip = 0.0, fullSkip = 0.0;
    // When it misses: its deepest point below the outside surface and the
    // sound path to it, the thickest wall and the largest angle that would
    // reach the inside wall of this pipe.
    double deepest = 0.0, pathToDeepest = 0.0, thickestWall = 0.0, largestAngle = 0.0;
};

// A point of the beam: its leg (1 for the first, going down; a point exactly
// at a leg's end begins the next), its depth along the radius below the
// outside surface, and the surface distance: the arc on the outside surface
// from the index point to the point radially above it, growing past half a
// turn.
struct Location {
    std::int64_t leg = 1;
    double depth = 0.0, surfaceDistance = 0.0;
    bool operator==(const Location &) const = default;
};

// The beam in one part, worked out once, so that locating each point along
// it takes a few operations. The part must be one readPart accepts.
class Beam {
public:
    explicit Beam(const Part &part);
    const Part &part() const { return part_; }
    const Setup &setup() const { return setup_; }
    // A sound path of zero or more.
    Location at(double soundPath) const;
    // The central angle of one leg, in radians (0 on a plate), and its path.
    double legAngle() const { return legAngle_; }
    double legPath() const { return legPath_; }

private:
    // Depth and arc at a distance along a leg going down from the outside surface.
    double depthDown(double along) const;
    double arcDown(double along) const;

    Part part_;
    Setup setup_;
    double radius_ = 0.0, sin_ = 0.0, cos_ = 0.0;
    double legPath_ = 0.0, legAngle_ = 0.0;
};

// The inputs a location is read from; a diameter not above twice the wall
// is the two together at fault, which the window names by the diameter and
// a chart of walls by the wall.
enum class LocateInput { OutsideDiameter, Wall, Angle, SoundPath, DiameterForWall };

// Why a location cannot be given: the input at fault, the prompt the window
// shows and the problem the command line states after naming the input.
struct LocateRefusal {
    LocateInput input;
    std::string prompt;
    std::string problem;
    bool operator==(const LocateRefusal &) const = default;
};

// Reads a part as the window reads its fields: numbers in the window's rules
// (either separator, inch fractions, a unit typed that must be the selected
// one); an empty diameter is a flat plate; the angle is a plain decimal.
std::variant<Part, LocateRefusal> readPart(std::string_view outsideDiameter, std::string_view wall,
                                           std::string_view angle, Unit unit, char decimal);
// Reads a sound path by the same rules: zero or more.
std::variant<double, LocateRefusal> readSoundPath(std::string_view text, Unit unit, char decimal);

// What a command line says where prompts::tooLarge is shown.
inline constexpr char tooLargeProblem[] = "too large for results of three decimals";

// Results as the locator writes them: the true value rounded once, half away
// from zero, to exactly three decimals (no unit), or none when it is too
// large for three decimals to be right.
std::optional<std::string> writeThousandths(double value, char decimal);

// The located point's results as written: none when one is too large.
struct LocationTexts {
    std::string leg, depth, surfaceDistance;
};
std::optional<LocationTexts> writeLocation(const Location &location, char decimal);

// The setup in words, a line each, every length with its unit's suffix.
std::optional<std::string> describeSetup(const Beam &beam, Unit unit, char decimal);

// The Locate calculator's field texts, in its description's order
// (core/description.h): the part, the sound path, and the results.
struct LocateFields {
    std::string outsideDiameter = {};
    std::string wall = {};
    std::string angle = {};
    std::string soundPath = {};
    std::string leg = {};
    std::string depth = {};
    std::string surfaceDistance = {};
    std::string setup = {};
    bool inch = true;
    static constexpr std::array<std::string LocateFields::*, 8> members{
        &LocateFields::outsideDiameter, &LocateFields::wall, &LocateFields::angle,
        &LocateFields::soundPath,       &LocateFields::leg,  &LocateFields::depth,
        &LocateFields::surfaceDistance, &LocateFields::setup};
    static constexpr std::size_t panel = 3; // its place in allPanels()
    bool operator==(const LocateFields &) const = default;
};

Outcome<LocateFields> calculateLocate(LocateFields fields, char decimal);
LocateFields clearLocate(LocateFields fields);

// A cross-section of the part drawn to scale in a box of width by height
// (the longer side 1000), y pointing down, the index point on the outside
// surface: the material's outlines (inside an odd number of them is metal),
// the beam's legs from the index point to the located point, both points.
struct Drawing {
    struct Point {
        double x = 0.0, y = 0.0;
    };
    double width = 0.0, height = 0.0;
    std::vector<std::vector<Point>> outlines;
    std::vector<Point> beam;
    Point index, reflector;
};
Drawing drawLocation(const Beam &beam, double soundPath);
// Text safe inside HTML or SVG elements and attribute values.
std::string htmlEscaped(std::string_view text);
// The drawing as an SVG element, its look in presentation attributes that
// a style sheet may override (classes part, beam, index, reflector).
std::string drawingSvg(const Drawing &drawing, std::string_view label);
// The drawing of what the Locate calculator's texts (in its description's
// order) say, once CALCULATE has given them; none where it would prompt.
std::optional<Drawing> drawLocateFields(std::span<const std::string> texts, bool inch, char decimal);

} // namespace core
