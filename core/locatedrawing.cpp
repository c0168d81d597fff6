// SPDX-License-Identifier: MIT

#include "core/locate.h"

#include "core/description.h"
#include "core/fieldrules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <tuple>

namespace core {

namespace {

constexpr double pi = 3.141592653589793238462643383279502884;
constexpr double longerSide = 1000.0;
// Legs drawn at most, the last ones; more would only blacken the part.
constexpr std::int64_t legsDrawn = 400;
constexpr int arcPoints = 96, circlePoints = 180;

using Point = Drawing::Point;

// Places points in the part's own units, the index point at the origin, x
// along the outside surface in the beam's direction, y down.
struct Placer {
    const Beam &beam;
    // A point at a depth below the outside surface and a distance along it.
    Point operator()(double depth, double along) const
    {
        if (!beam.part().pipe())
            return {along, depth};
        const double R = beam.part().outsideDiameter / 2.0, rho = R - depth, turn = along / R;
        const double half = std::sin(turn / 2.0);
        // R - rho cos written without the difference of two large numbers.
        return {rho * std::sin(turn), depth + rho * 2.0 * half * half};
    }
};

} // namespace

Drawing drawLocation(const Beam &beam, double soundPath)
{
    const Placer place{beam};
    const Part &part = beam.part();
    const Setup &setup = beam.setup();
    const Location reflector = beam.at(soundPath);
    Drawing drawing;

    // The beam: each leg's end where it meets a wall, then the reflector.
    const double R = part.outsideDiameter / 2.0;
    const double legAlong = setup.reaches ? setup.halfSkip : beam.legAngle() * R;
    for (std::int64_t leg = std::max<std::int64_t>(0, reflector.leg - 1 - legsDrawn); leg < reflector.leg; ++leg) {
        const bool inside = setup.reaches && leg % 2 == 1;
        drawing.beam.push_back(place(inside ? part.wall : 0.0, static_cast<double>(leg) * legAlong));
    }
    drawing.beam.push_back(place(reflector.depth, reflector.surfaceDistance));
    drawing.index = place(0.0, 0.0);
    drawing.reflector = drawing.beam.back();

    // The part around the beam with a margin; a pipe whole once that is
    // half of it or more.
    const double reach = std::max(reflector.surfaceDistance, 0.0);
    const double margin = std::max(1.5 * part.wall, 0.15 * reach);
    if (part.pipe() && reach + 2.0 * margin >= pi * R) {
        for (const double depth : {0.0, part.wall}) {
            auto &circle = drawing.outlines.emplace_back();
            for (int i = 0; i < circlePoints; ++i)
                circle.push_back(place(depth, 2.0 * pi * R * i / circlePoints));
        }
    } else {
        auto &outline = drawing.outlines.emplace_back();
        const double from = -margin, to = reach + margin;
        const int points = part.pipe() ? arcPoints : 1;
        for (int i = 0; i <= points; ++i)
            outline.push_back(place(0.0, from + (to - from) * i / points));
        for (int i = points; i >= 0; --i)
            outline.push_back(place(part.wall, from + (to - from) * i / points));
    }

    // Into the box: the longer side 1000, a little room around.
    double left = drawing.index.x, right = left, top = drawing.index.y, bottom = top;
    const auto extend = [&](const Point &p) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    };
    // Loops, not ranges algorithms: LLVM's libc++ 14 for the page has none.
    for (const auto &outline : drawing.outlines)
        for (const Point &p : outline)
            extend(p);
    for (const Point &p : drawing.beam)
        extend(p);
    const double room = 0.03 * std::max(right - left, bottom - top);
    const double scale = longerSide / (std::max(right - left, bottom - top) + 2.0 * room);
    const auto fit = [&](Point &p) { p = {(p.x - left + room) * scale, (p.y - top + room) * scale}; };
    for (auto &outline : drawing.outlines)
        for (Point &p : outline)
            fit(p);
    for (Point &p : drawing.beam)
        fit(p);
    fit(drawing.index);
    fit(drawing.reflector);
    drawing.width = (right - left + 2.0 * room) * scale;
    drawing.height = (bottom - top + 2.0 * room) * scale;
    return drawing;
}

namespace {

void append(std::string &out, double value)
{
    char buffer[32];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1).ptr);
}

void append(std::string &out, const Point &p, char between)
{
    append(out, p.x);
    out += between;
    append(out, p.y);
}

} // namespace

std::string htmlEscaped(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::string drawingSvg(const Drawing &drawing, std::string_view label)
{
    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 ";
    append(out, {drawing.width, drawing.height}, ' ');
    out += "\" role=\"img\" aria-label=\"" + htmlEscaped(label) + "\">";
    out += "<path class=\"part\" fill=\"#c0c0c0\" fill-rule=\"evenodd\" stroke=\"#000000\" stroke-width=\"1.5\" "
           "vector-effect=\"non-scaling-stroke\" d=\"";
    for (const auto &outline : drawing.outlines) {
        for (std::size_t i = 0; i < outline.size(); ++i) {
            out += i == 0 ? 'M' : 'L';
            append(out, outline[i], ' ');
        }
        out += 'Z';
    }
    out += "\"/><polyline class=\"beam\" fill=\"none\" stroke=\"#c00000\" stroke-width=\"2\" "
           "vector-effect=\"non-scaling-stroke\" points=\"";
    for (std::size_t i = 0; i < drawing.beam.size(); ++i) {
        if (i != 0)
            out += ' ';
        append(out, drawing.beam[i], ',');
    }
    out += "\"/>";
    for (const auto &[name, point, colour] :
         {std::tuple{"index", drawing.index, "#000080"}, std::tuple{"reflector", drawing.reflector, "#c00000"}}) {
        out += std::string("<circle class=\"") + name + "\" fill=\"" + colour + "\" r=\"12\" cx=\"";
        append(out, point.x);
        out += "\" cy=\"";
        append(out, point.y);
        out += "\"/>";
    }
    return out + "</svg>";
}

std::optional<Drawing> drawLocateFields(std::span<const std::string> texts, bool inch, char decimal)
{
    const PanelDescription &panel = locatePanel();
    if (texts.size() != panel.fields.size())
        return std::nullopt;
    LocateFields fields;
    for (std::size_t i = 0; i < texts.size(); ++i)
        fields.*LocateFields::members[i] = texts[i];
    fields.inch = inch;
    if (std::holds_alternative<Prompt>(calculateLocate(fields, decimal)))
        return std::nullopt;
    const Unit unit = unitRule(inch);
    const Beam beam(std::get<Part>(readPart(fields.outsideDiameter, fields.wall, fields.angle, unit, decimal)));
    return drawLocation(beam, std::get<double>(readSoundPath(fields.soundPath, unit, decimal)));
}

} // namespace core
