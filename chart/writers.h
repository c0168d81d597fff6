// SPDX-License-Identifier: MIT

#pragma once

#include "core/chart.h"

#include <string>
#include <string_view>
#include <vector>

namespace chart {

// A chart ready to write: what was asked for and the rows the core gave.
struct Sheet {
    const core::ChartRequest &request;
    const std::vector<core::ChartRow> &rows;
    std::string_view version; // the program's, named at the foot of the page
};

// Aligned columns under a title line, for a terminal or a plain printer.
std::string writeText(const Sheet &sheet);

// One header line and a record per row, CRLF-terminated; comma-separated,
// or semicolon-separated where the decimal separator is the comma.
std::string writeCsv(const Sheet &sheet);

// A self-contained printable page: a table per angle with a drawing of the
// beam's path.
std::string writeHtml(const Sheet &sheet);

// Text safe inside HTML elements and attribute values.
std::string htmlEscaped(std::string_view text);

} // namespace chart
