// SPDX-License-Identifier: MIT

#pragma once

#include "chart/locateoptions.h"

#include <string>
#include <string_view>
#include <variant>

namespace chart {

// Where each sound path the options give puts the reflector, written as the
// options ask: text (the beam's setup in words, then aligned columns) or CSV
// (a header line and a CRLF-terminated record a path). Without paths in the
// options, they are input's lines, blank ones skipped. Every path is read
// before anything is written: the first one refused, or the part, refuses
// the whole, naming the option, the argument or the line at fault.
std::variant<std::string, UsageError> writeLocations(const LocateOptions &options, std::string_view input);

} // namespace chart
