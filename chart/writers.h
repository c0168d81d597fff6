// SPDX-License-Identifier: MIT

#pragma once

#include "core/chart.h"
#include "core/locate.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace chart {

// The paper a printed chart is laid out for.
enum class Paper { A4, Letter };

// The paper a chart is printed on unless asked otherwise: Letter for one in
// inches, A4 for one in millimetres.
inline Paper defaultPaper(bool inch) { return inch ? Paper::Letter : Paper::A4; }

// A chart ready to write: what was asked for (the unit and the decimal
// separator), the chart the core made of it, and the paper it is printed on.
struct Sheet {
    const core::ChartRequest &request;
    const core::Chart &chart;
    std::string_view version; // the program's, named at the foot of the page
    Paper paper = Paper::A4;
};

// A chart's columns: six, and for a pipe a seventh, the angle at the inside
// wall.
inline constexpr std::size_t maxColumns = 7;
std::size_t columns(const core::ChartRequest &request);

// The columns' headers, naming the unit, and a row's cells, in that order;
// a plate's row has no seventh.
std::vector<std::string> headers(const core::ChartRequest &request);
std::array<const core::ChartCell *, maxColumns> cells(const core::ChartRow &row);

// The chart's range and angles in words ("thickness 1 to 2 by 1 mm, angles
// 70, 45" with degree after each angle; "OD 200, wall 10 to 20 by 5 mm,
// angles ..." for a pipe).
std::string rangeText(const Sheet &sheet, std::string_view degree);

// How A-B-C is reached, for a reader who would check it by doubling A-B,
// and how a pipe's cells are.
extern const char abcNote[];
extern const char pipeNote[];
// The one that fits the sheet.
std::string_view note(const Sheet &sheet);

// Aligned columns under a title line and a line on how A-B-C is reached,
// for a terminal or a plain printer.
std::string writeText(const Sheet &sheet);

// One header line and a record per row, CRLF-terminated; comma-separated,
// or semicolon-separated where the decimal separator is the comma.
std::string writeCsv(const Sheet &sheet);

// A self-contained printable page: a block for the technique sheet's
// entries, then a table per angle with a drawing of the beam's path, the
// chart and the angle named at the top of every page, its number at the foot.
std::string writeHtml(const Sheet &sheet);

// An Office Open XML workbook: a sheet per angle, every number a numeric
// cell shown with the decimals of the chart, the header row frozen, the
// title and range in the document's properties. Printed, each sheet is one
// page wide on the chart's paper, its header row on every page, the chart and
// angle at the top and "page N of M" at the foot. Throws std::runtime_error
// when the workbook cannot be made.
std::string writeXlsx(const Sheet &sheet);

using core::htmlEscaped;

} // namespace chart
