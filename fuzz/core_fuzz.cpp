// SPDX-License-Identifier: MIT

// Feeds arbitrary bytes to the calculator core as a user's panel state and
// checks what every click must guarantee, not only that nothing crashes.
//
// Input: the first byte chooses the panel (bits 0-1, taken modulo 3), CLEAR
// instead of CALCULATE (bit 2), the inch button (bit 3) and a comma instead of
// a point as the decimal separator (bit 4). The rest is the panel's field
// texts in declaration order, separated by line feeds; the last field takes
// whatever remains. The last eight bytes, read as a double, also go through
// the raw-result writer.

#include "calc/core/anglefactors.h"
#include "calc/core/fieldrules.h"
#include "calc/core/indicationdepth.h"
#include "calc/core/soundpath.h"
#include "calc/core/surfacetravel.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

using namespace calc;

namespace {

[[noreturn]] void fail(const char *what, std::string_view detail)
{
    std::fprintf(stderr, "invariant broken: %s [%.*s]\n", what, int(std::min<std::size_t>(detail.size(), 400)),
                 detail.data());
    std::abort();
}

void require(bool holds, const char *what, std::string_view detail = {})
{
    if (!holds)
        fail(what, detail);
}

std::vector<std::string> splitFields(std::string_view rest, std::size_t count)
{
    std::vector<std::string> fields(count);
    for (std::size_t i = 0; i < count && !rest.empty(); ++i) {
        const auto cut = rest.find('\n');
        if (i + 1 == count || cut == std::string_view::npos) {
            fields[i] = std::string(rest);
            break;
        }
        fields[i] = std::string(rest.substr(0, cut));
        rest.remove_prefix(cut + 1);
    }
    return fields;
}

// A raw text must read back as the value it was written from, to the 15
// significant digits it carries; only values that cannot be shown at all may
// be refused, and a refusal must leave the field alone.
void checkRawRoundTrip(double value, char decimal)
{
    std::string field = "earlier";
    const auto stored = storeRaw(field, value, decimal);
    if (!stored) {
        require(field == "earlier", "refused raw write changed the field");
        require(!std::isfinite(value) || std::fabs(value) > 1.7976931348623e308, "finite value refused",
                std::to_string(value));
        return;
    }
    const auto back = readNumber(field, decimal);
    require(back.has_value(), "raw text does not read back", field);
    require(*back == *stored, "stored value is not what the field reads", field);
    require(writeRaw(*back, decimal) == field, "raw text changes when written again", field);
    require(std::fabs(*back - value) <= 1e-14 * std::fabs(value), "raw text reads back to another value", field);
}

// -?[0-9]+D[0-9]{3} (in|mm), D being the separator given.
bool isFormatted(std::string_view text, char decimal)
{
    if (text.starts_with('-'))
        text.remove_prefix(1);
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t integerDigits = 0;
    while (integerDigits < text.size() && isDigit(text[integerDigits]))
        ++integerDigits;
    if (integerDigits == 0 || text.size() != integerDigits + 7 || text[integerDigits] != decimal)
        return false;
    const std::string_view tail = text.substr(integerDigits + 1);
    return isDigit(tail[0]) && isDigit(tail[1]) && isDigit(tail[2])
           && (tail.substr(3) == " in" || tail.substr(3) == " mm");
}

// A result that a click has just formatted: three decimals with this click's
// separator and unit, and no minus sign on a zero.
void requireFreshResult(const std::string &text, char decimal, bool inch, const char *field)
{
    require(isFormatted(text, decimal), field, text);
    require(text.ends_with(inch ? " in" : " mm"), "result carries the wrong unit", text);
    require(!text.starts_with("-0") || text.find_first_of("123456789") != std::string::npos,
            "zero shown with a minus sign", text);
}

void checkPrompt(const Prompt &prompt) { require(!prompt.text.empty(), "empty prompt"); }

void soundPath(const std::vector<std::string> &texts, bool clear, bool inch, char decimal)
{
    const SoundPathFields in{texts[0], texts[1], texts[2], texts[3], inch};
    if (clear) {
        const SoundPathFields out = clearSoundPath(in);
        require(out.T.empty() && out.A_B.empty() && out.A_B_C.empty(), "sound path CLEAR left text");
        require(out.ANGLE_BOX == in.ANGLE_BOX && out.inch == in.inch, "sound path CLEAR changed a choice");
        return;
    }
    const auto outcome = calculateSoundPath(in, decimal);
    if (const auto *prompt = std::get_if<Prompt>(&outcome))
        return checkPrompt(*prompt);
    const auto &out = std::get<SoundPathFields>(outcome);
    require(out.T == in.T && out.ANGLE_BOX == in.ANGLE_BOX && out.inch == in.inch, "sound path input changed");
    // A-B is always formatted: either written from the angle, or the number
    // the user left in it, which A-B-C doubled.
    requireFreshResult(out.A_B, decimal, inch, "A-B not a formatted result");
    requireFreshResult(out.A_B_C, decimal, inch, "A-B-C not a formatted result");
}

void surfaceTravel(const std::vector<std::string> &texts, bool clear, bool inch, char decimal)
{
    const SurfaceTravelFields in{texts[0], texts[1], texts[2], inch};
    if (clear) {
        const SurfaceTravelFields out = clearSurfaceTravel(in);
        require(out.SP_TEXT.empty() && out.SURFACE_TRAVEL.empty(), "surface travel CLEAR left text");
        require(out.ANGLE_BOX_2 == in.ANGLE_BOX_2 && out.inch == in.inch, "surface travel CLEAR changed a choice");
        return;
    }
    const auto outcome = calculateSurfaceTravel(in, decimal);
    if (const auto *prompt = std::get_if<Prompt>(&outcome))
        return checkPrompt(*prompt);
    const auto &out = std::get<SurfaceTravelFields>(outcome);
    require(out.SP_TEXT == in.SP_TEXT && out.ANGLE_BOX_2 == in.ANGLE_BOX_2 && out.inch == in.inch,
            "surface travel input changed");
    // Without a matching angle only a number the user typed there is
    // formatted; anything else must have been a prompt.
    requireFreshResult(out.SURFACE_TRAVEL, decimal, inch, "surface travel not a formatted result");
}

void indicationDepth(const std::vector<std::string> &texts, bool clear, bool inch, char decimal)
{
    const IndicationDepthFields in{texts[0], texts[1], texts[2], texts[3], inch};
    if (clear) {
        const IndicationDepthFields out = clearIndicationDepth(in);
        require(out.MAT_T.empty() && out.A_B_SND_PATH.empty() && out.IND_SP.empty() && out.DEPTH.empty(),
                "indication depth CLEAR left text");
        require(out.inch == in.inch, "indication depth CLEAR changed the unit");
        return;
    }
    const auto outcome = calculateIndicationDepth(in, decimal);
    if (const auto *prompt = std::get_if<Prompt>(&outcome))
        return checkPrompt(*prompt);
    const auto &out = std::get<IndicationDepthFields>(outcome);
    require(out.MAT_T == in.MAT_T && out.A_B_SND_PATH == in.A_B_SND_PATH && out.IND_SP == in.IND_SP
                && out.inch == in.inch,
            "indication depth input changed");
    requireFreshResult(out.DEPTH, decimal, inch, "depth not a formatted result");

    // For an indication in a real plate the depth folds at the back wall and
    // the scanning surface, so it never leaves the plate: 0 <= depth <= t, up
    // to the 15-digit raw text and the rounding to thousandths.
    const double t = *readInput(in.MAT_T, decimal), p = *readInput(in.A_B_SND_PATH, decimal);
    const double s = *readInput(in.IND_SP, decimal);
    if (t > 0 && p > 0 && s >= 0) {
        const auto depth = readNumber(std::string_view(out.DEPTH).substr(0, out.DEPTH.size() - 3), decimal);
        require(depth && *depth >= 0 && *depth <= t * (1 + 1e-14) + 0.0005, "depth outside the plate", out.DEPTH);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t control = data[0];
    const int panel = (control & 0x03) % 3;
    const bool clear = control & 0x04;
    const bool inch = control & 0x08;
    const char decimal = (control & 0x10) ? ',' : '.';
    const std::string_view rest(reinterpret_cast<const char *>(data + 1), size - 1);

    const std::size_t fieldCount = panel == 1 ? 3 : 4;
    const std::vector<std::string> texts = splitFields(rest, fieldCount);
    switch (panel) {
    case 0: soundPath(texts, clear, inch, decimal); break;
    case 1: surfaceTravel(texts, clear, inch, decimal); break;
    default: indicationDepth(texts, clear, inch, decimal); break;
    }

    // The values a click can write: every field's number, and what each
    // panel's arithmetic makes of it, including overflow and underflow.
    for (const std::string &text : texts) {
        const auto value = readNumber(text, decimal);
        if (!value)
            continue;
        // A result pasted with its unit reads as its number.
        require(readInput(text + " mm", decimal) == value && readInput(text + "IN", decimal) == value,
                "a number with its unit reads differently", text);
        checkRawRoundTrip(*value, decimal);
        checkRawRoundTrip(*value + *value, decimal);
        for (const AngleFactors &row : angleTable) {
            checkRawRoundTrip(*value / row.soundPathDivisor, decimal);
            checkRawRoundTrip(*value * row.surfaceTravelMultiplier, decimal);
        }
    }
    if (size >= 9) {
        double raw;
        std::memcpy(&raw, data + size - 8, sizeof raw);
        checkRawRoundTrip(raw, decimal);
    }
    return 0;
}
