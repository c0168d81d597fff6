// SPDX-License-Identifier: MIT

// Feeds arbitrary bytes to the calculator core as a user's panel state and
// checks what every click must guarantee, not only that nothing crashes.
// The first byte chooses the panel (bits 0-1: the three, then Locate), CLEAR (bit 2), the
// inch button (bit 3) and a comma as the separator (bit 4); the rest is the
// panel's field texts, one a line, the last taking whatever remains.

#include "core/anglefactors.h"
#include "core/description.h"
#include "core/fieldrules.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>

using namespace core;

namespace {

void require(bool holds, const char *what, std::string_view detail = {})
{
    if (!holds)
        std::fprintf(stderr, "invariant broken: %s [%.*s]\n", what, int(detail.size()), detail.data()), std::abort();
}

// Only a value that cannot be shown may be refused, and the field keeps what
// it held; any other reads back as itself to the 15 digits the text carries.
void checkRaw(double value, char decimal)
{
    std::string field = "earlier";
    const auto stored = storeRaw(field, value, decimal);
    if (!stored)
        return require(field == "earlier" && !(std::fabs(value) <= 1.7976931348623e308), "refused", field);
    const auto read = readNumber(field, decimal);
    require(read && read->value == *stored && writeRaw(*stored, decimal) == field, "no read back", field);
    require(std::fabs(*stored - value) <= 1e-14 * std::fabs(value), "reads back to another value", field);
}

// A CALCULATE either prompts or writes into each result field three
// decimals with the click's separator and unit, a zero unsigned, and changes
// no other field. After a CLEAR the results are empty and there is nothing to
// calculate. Gives the fields after the click, if it wrote them.
std::optional<std::vector<std::string>> click(const PanelDescription &panel, std::vector<std::string> in, bool clear,
                                              bool inch, char decimal)
{
    static const std::regex shape(R"((-(?=.*[1-9]))?[0-9]+[.,][0-9]{3} (in|mm))");
    if (clear)
        in = std::get<std::vector<std::string>>(panel.runClear(in, inch, decimal));
    const auto outcome = panel.runCalculate(in, inch, decimal);
    const auto *out = std::get_if<std::vector<std::string>>(&outcome);
    require(out || !std::get<Prompt>(outcome).text.empty(), "empty prompt");
    require(!clear || !out, "CALCULATE after CLEAR wrote a result");
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (panel.fields[i].role != Role::Result)
            require(!out || (*out)[i] == in[i], "CALCULATE changed a field it does not write", in[i]);
        else if (out)
            require(std::regex_match((*out)[i], shape) && (*out)[i][(*out)[i].size() - 7] == decimal
                        && (*out)[i].ends_with(inch ? "in" : "mm"),
                    "not a fresh result", (*out)[i]);
        else
            require(!clear || in[i].empty(), "CLEAR left a result", in[i]);
    }
    return out ? std::optional(*out) : std::nullopt;
}

// Locate prompts, or finds its point within the part, on the leg its sound
// path reaches, and draws it with finite coordinates in its box.
void locate(const std::vector<std::string> &f, bool inch, char decimal)
{
    const auto outcome = locatePanel().runCalculate(f, inch, decimal);
    const auto *out = std::get_if<std::vector<std::string>>(&outcome);
    const auto drawing = drawLocateFields(f, inch, decimal);
    require(!out == !drawing, "a drawing without results, or results without one");
    if (!out)
        return;
    const Unit unit = inch ? Unit::Inch : Unit::Millimetre;
    const Part part = std::get<Part>(readPart(f[0], f[1], f[2], unit, decimal));
    const Beam beam(part);
    const double depth = readInput((*out)[5], decimal)->value, along = readInput((*out)[6], decimal)->value;
    require(depth >= 0 && depth <= (beam.setup().reaches ? part.wall : beam.setup().deepest) + 0.0005, "depth outside",
            (*out)[5]);
    require(along >= 0 && std::stoll((*out)[4]) >= 1, "surface distance or leg", (*out)[6]);
    for (const Drawing::Point &p : drawing->beam)
        require(p.x >= -0.5 && p.x <= drawing->width + 0.5 && p.y >= -0.5 && p.y <= drawing->height + 0.5,
                "a point outside the drawing", (*out)[6]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int panel = data[0] & 3;
    const bool clear = data[0] & 4, inch = data[0] & 8;
    const char decimal = data[0] & 16 ? ',' : '.';
    std::string_view rest(reinterpret_cast<const char *>(data + 1), size - 1);
    const PanelDescription &described = allPanels()[panel];
    std::vector<std::string> f(described.fields.size());
    for (std::size_t i = 0; i < f.size() && !rest.empty(); ++i) {
        const auto cut = i + 1 == f.size() ? rest.npos : rest.find('\n');
        f[i] = rest.substr(0, cut);
        rest.remove_prefix(cut == rest.npos ? rest.size() : cut + 1);
    }

    if (&described == &locatePanel())
        return locate(f, inch, decimal), 0;

    // How many of the first fields a result was computed from: with no angle
    // matched, Sound Path and Surface Travel read none.
    const auto out = click(described, f, clear, inch, decimal);
    std::size_t inputs = out && lookupAngle(f[1], decimal).status == AngleLookup::Status::Matched;
    if (out && panel == 2) {
        inputs = 3;
        // Folded at the back wall and the scanning surface, the depth stays in
        // a real plate, up to the raw text's 15 digits and the rounding.
        const double t = readInput(f[0], decimal)->value, p = readInput(f[1], decimal)->value,
                     s = readInput(f[2], decimal)->value, depth = readInput((*out)[3], decimal)->value;
        require(!(t > 0 && p > 0 && s >= 0) || (depth >= 0 && depth <= t * (1 + 1e-14) + 0.0005),
                "depth outside the plate", (*out)[3]);
    }
    // A result never stands under the unit other than the one typed in an input.
    for (std::size_t i = 0; i < inputs; ++i) {
        const auto input = readInput(f[i], decimal);
        require(!input || !input->unit || *input->unit == (inch ? Unit::Inch : Unit::Millimetre),
                "a result under the other unit", f[i]);
    }

    // Every number a field holds, pasted with a unit and as each panel
    // computes with it; its exact digits give the same double by the
    // portable conversion as by the standard library's.
    for (const std::string &text : f) {
        const auto read = readNumber(text, decimal);
        if (!read)
            continue;
        const Number &n = *read;
        const double value = n.value;
        for (const auto &[suffix, unit] :
             {std::pair{" mm", Unit::Millimetre}, {"IN", Unit::Inch}, {"\"", Unit::Inch}}) {
            const auto input = readInput(text + suffix, decimal);
            require(input && input->value == value && input->unit == unit, "the unit changes the number", text);
        }
        const std::string scientific = (n.negative ? "-" : "") + n.digits + 'e' + std::to_string(n.exponent);
        const long long magnitude = static_cast<long long>(n.digits.size()) + n.exponent;
        require(n.digits.empty()
                    || detail::nearestDouble(scientific.c_str(), magnitude, detail::Conversion::Portable) == value,
                "the portable conversion reads another double", text);
        for (const AngleFactors &a : angleTable)
            for (const double x : {value, value + value, value / a.soundPathDivisor, value * a.surfaceTravelMultiplier})
                checkRaw(x, decimal);
    }
    return 0;
}
