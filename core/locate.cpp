// SPDX-License-Identifier: MIT

#include "core/locate.h"

#include "core/description.h"
#include "core/fieldrules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace core {

namespace {

constexpr double pi = 3.141592653589793238462643383279502884;
constexpr double radiansPerDegree = pi / 180.0;
// Past this a double's steps are above a thousandth's tenth: the third
// decimal would no longer be right.
constexpr double largestWritten = 1e12;

} // namespace

Beam::Beam(const Part &part)
    : part_(part)
{
    const double t = part.wall;
    // The cosine as the sine of the complement, which is exact to the last bit
    // for an angle typed close to 90 degrees, where the cosine's is not.
    sin_ = std::sin(part.angle * radiansPerDegree);
    cos_ = std::sin((90.0 - part.angle) * radiansPerDegree);
    if (!part.pipe()) {
        legPath_ = t / cos_;
        setup_.pathToInside = legPath_;
        setup_.angleAtInside = part.angle;
        setup_.skipPath = 2.0 * legPath_;
        setup_.halfSkip = legPath_ * sin_;
        setup_.fullSkip = 2.0 * setup_.halfSkip;
        return;
    }
    const double R = radius_ = part.outsideDiameter / 2.0;
    const double r = R - t, p = R * sin_;
    // 1 - sin(angle) as twice the squared sine of half the complement: no
    // cancellation near 90 degrees.
    const double halfComplement = std::sin((90.0 - part.angle) * radiansPerDegree / 2.0);
    const double versine = 2.0 * halfComplement * halfComplement;
    setup_.reaches = p <= r;
    if (!setup_.reaches) {
        legPath_ = 2.0 * R * cos_;
        legAngle_ = 2.0 * (90.0 - part.angle) * radiansPerDegree;
        setup_.pathToDeepest = R * cos_;
        setup_.deepest = setup_.thickestWall = R * versine;
        // 90 degrees less acos(r / R), which keeps its digits for a thin wall
        // where asin(r / R) does not.
        setup_.largestAngle = 90.0 - 2.0 * std::asin(std::sqrt(t / (2.0 * R))) / radiansPerDegree;
        return;
    }
    // r - p, written so that a thin wall on a large pipe keeps its digits; at
    // tangency it may round below the zero that the comparison above allowed.
    const double gap = std::max(0.0, R * versine - t);
    // R cos - sqrt(r^2 - p^2) with the difference of squares taken out: the
    // chord to the inside wall, exact for any radius however large.
    legPath_ = t * (2.0 * R - t) / (R * cos_ + std::sqrt(gap) * std::sqrt(r + p));
    legAngle_ = std::atan2(legPath_ * sin_, R - legPath_ * cos_);
    setup_.pathToInside = legPath_;
    setup_.angleAtInside = std::asin(p / r) / radiansPerDegree;
    setup_.skipPath = 2.0 * legPath_;
    setup_.halfSkip = R * legAngle_;
    setup_.fullSkip = 2.0 * setup_.halfSkip;
}

double Beam::depthDown(double along) const
{
    if (!part_.pipe())
        return along * cos_;
    const double R = radius_;
    // R - rho over R + rho: no cancellation for a point just below the surface.
    return along * (2.0 * R * cos_ - along) / (R + std::hypot(R - along * cos_, along * sin_));
}

double Beam::arcDown(double along) const
{
    if (!part_.pipe())
        return along * sin_;
    return radius_ * std::atan2(along * sin_, radius_ - along * cos_);
}

Location Beam::at(double soundPath) const
{
    double legs = std::floor(soundPath / legPath_);
    double along = soundPath - legs * legPath_;
    // The quotient may round across a leg's end; the remainder tells.
    if (along < 0.0) {
        legs -= 1.0;
        along += legPath_;
    } else if (along >= legPath_) {
        legs += 1.0;
        along -= legPath_;
    }
    Location location;
    // Past any count a thousandth can follow, the leg is only a bound.
    location.leg = static_cast<std::int64_t>(std::min(legs, 1e15)) + 1;
    // Legs alternate down and up where the beam meets a back or inside wall;
    // a beam that misses it goes down and up within every leg.
    const bool up = setup_.reaches && std::fmod(legs, 2.0) == 1.0;
    if (!part_.pipe()) {
        location.depth = up ? part_.wall - along * cos_ : along * cos_;
        location.surfaceDistance = soundPath * sin_;
        return location;
    }
    // An up leg is a down leg seen from its end.
    const double turned = radius_ * legAngle_;
    if (up) {
        location.depth = depthDown(legPath_ - along);
        location.surfaceDistance = (legs + 1.0) * turned - arcDown(legPath_ - along);
    } else {
        location.depth = depthDown(along);
        location.surfaceDistance = legs * turned + arcDown(along);
    }
    return location;
}

namespace {

struct Named {
    LocateInput input;
    const char *name; // as prompts name the field
};
constexpr Named outsideDiameter{LocateInput::OutsideDiameter, "Outside Diameter"};
constexpr Named wallThickness{LocateInput::Wall, "Wall Thickness"};
constexpr Named soundPathName{LocateInput::SoundPath, "Indication Sound Path"};
constexpr char angleRange[] = "Please Enter a Refracted Angle Above 0 and Below 90";

LocateRefusal refuse(const Named &field, std::string prompt, std::string problem)
{
    return {field.input, std::move(prompt), std::move(problem)};
}

// A length as the window reads it, or the refusal naming its field.
std::variant<double, LocateRefusal> readLength(std::string_view text, const Named &field, Unit unit, char decimal)
{
    if (isEmpty(text))
        return refuse(field, std::string("Please Enter the ") + field.name, "is missing");
    const auto number = readInput(text, decimal);
    if (!number)
        return refuse(field, std::get<Prompt>(takeInput(text, field.name, unit, decimal)).text, notANumber(decimal));
    if (auto mismatch = unitMismatch(*number, field.name, unit))
        return refuse(field, std::move(mismatch->text),
                      std::string("in ") + (unit == Unit::Inch ? "mm" : "in") + ", not the unit chosen");
    return number->value;
}

} // namespace

std::variant<Part, LocateRefusal> readPart(std::string_view od, std::string_view wall, std::string_view angle,
                                           Unit unit, char decimal)
{
    Part part;
    if (!isEmpty(od)) {
        const auto read = readLength(od, outsideDiameter, unit, decimal);
        if (const auto *refusal = std::get_if<LocateRefusal>(&read))
            return *refusal;
        part.outsideDiameter = std::get<double>(read);
    }
    const auto read = readLength(wall, wallThickness, unit, decimal);
    if (const auto *refusal = std::get_if<LocateRefusal>(&read))
        return *refusal;
    part.wall = std::get<double>(read);
    if (!(part.wall > 0.0))
        return refuse(wallThickness, "The Wall Thickness Must Be Above Zero", "must be above zero");
    // A pipe's bore must be open: its diameter above twice its wall.
    if (!isEmpty(od) && !(part.outsideDiameter > 2.0 * part.wall))
        return LocateRefusal{LocateInput::DiameterForWall,
                             "The Outside Diameter Must Be More Than Twice the Wall Thickness",
                             "must be more than twice the wall"};
    // A degree sign is what an angle is often written with.
    if (angle.ends_with("\u00b0"))
        angle.remove_suffix(2);
    const auto degrees = readNumber(angle, decimal);
    if (!degrees || !(degrees->value > 0.0 && degrees->value < 90.0))
        return LocateRefusal{LocateInput::Angle, angleRange,
                             isEmpty(angle) ? "is missing" : "must be a number above 0 and below 90"};
    part.angle = degrees->value;
    return part;
}

std::variant<double, LocateRefusal> readSoundPath(std::string_view text, Unit unit, char decimal)
{
    auto read = readLength(text, soundPathName, unit, decimal);
    if (const double *path = std::get_if<double>(&read); path && *path < 0.0)
        return refuse(soundPathName, "The Indication Sound Path Must Not Be Negative", "must not be negative");
    return read;
}

std::optional<std::string> writeThousandths(double value, char decimal)
{
    if (!(std::fabs(value) < largestWritten))
        return std::nullopt;
    // A value halfway between two thousandths is an odd number of
    // sixteenths; only there does the nearest-even rounding of the library
    // differ from half away from zero, so it is nudged away.
    double magnitude = std::fabs(value);
    if (const double sixteenths = magnitude * 16.0; std::fmod(sixteenths, 2.0) == 1.0)
        magnitude = std::nextafter(magnitude, 2.0 * magnitude);
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, 3).ptr;
    std::string text(buffer, end);
    text[text.size() - 4] = decimal;
    if (value < 0.0 && text.find_first_not_of("0.,") != std::string::npos)
        text.insert(0, 1, '-');
    return text;
}

std::optional<LocationTexts> writeLocation(const Location &location, char decimal)
{
    auto depth = writeThousandths(location.depth, decimal);
    auto surface = writeThousandths(location.surfaceDistance, decimal);
    if (!depth || !surface || location.leg > static_cast<std::int64_t>(largestWritten))
        return std::nullopt;
    return LocationTexts{std::to_string(location.leg), *std::move(depth), *std::move(surface)};
}

std::optional<std::string> describeSetup(const Beam &beam, Unit unit, char decimal)
{
    const Setup &s = beam.setup();
    bool fits = true;
    const auto length = [&](double value) {
        const auto text = writeThousandths(value, decimal);
        fits = fits && text;
        return text.value_or("") + std::string(unitSuffix(unit));
    };
    const auto degrees = [&](double value) { return writeThousandths(value, decimal).value_or("") + "\u00b0"; };
    std::string text;
    if (s.reaches) {
        text = (beam.part().pipe() ? "Reaches the inside wall at " : "Flat plate: meets the back wall at ")
               + degrees(s.angleAtInside) + "\nA-B " + length(s.pathToInside) + ", half skip " + length(s.halfSkip)
               + "\nA-B-C " + length(s.skipPath) + ", full skip " + length(s.fullSkip);
    } else {
        text = "Misses the inside wall\nDeepest " + length(s.deepest) + ", at a sound path of "
               + length(s.pathToDeepest) + "\nReaches a wall of at most " + length(s.thickestWall) + ", or at most "
               + degrees(s.largestAngle) + " here";
    }
    if (!fits)
        return std::nullopt;
    return text;
}

Outcome<LocateFields> calculateLocate(LocateFields f, char decimal)
{
    const Unit unit = unitRule(f.inch);
    const auto part = readPart(f.outsideDiameter, f.wall, f.angle, unit, decimal);
    if (const auto *refusal = std::get_if<LocateRefusal>(&part))
        return Prompt{refusal->prompt};
    const auto path = readSoundPath(f.soundPath, unit, decimal);
    if (const auto *refusal = std::get_if<LocateRefusal>(&path))
        return Prompt{refusal->prompt};
    const Beam beam(std::get<Part>(part));
    const auto location = writeLocation(beam.at(std::get<double>(path)), decimal);
    const auto setup = describeSetup(beam, unit, decimal);
    if (!location || !setup)
        return Prompt{prompts::tooLarge};
    const std::string suffix(unitSuffix(unit));
    f.leg = location->leg;
    f.depth = location->depth + suffix;
    f.surfaceDistance = location->surfaceDistance + suffix;
    f.setup = *setup;
    return f;
}

LocateFields clearLocate(LocateFields fields) { return cleared(fields); }

} // namespace core
