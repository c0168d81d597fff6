// SPDX-License-Identifier: MIT

#include "core/anglefactors.h"

#include "core/number.h"

namespace core {

AngleLookup lookupAngle(std::string_view angleText, char decimal)
{
    const auto angle = readNumber(angleText, decimal);
    if (!angle)
        return {AngleLookup::Status::NotANumber, nullptr};
    for (const AngleFactors &row : angleTable) {
        if (angle->value == row.degrees)
            return {AngleLookup::Status::Matched, &row};
    }
    return {AngleLookup::Status::NoMatch, nullptr};
}

} // namespace core
