// SPDX-License-Identifier: MIT

#include "chart/writers.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>
#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace chart {

namespace {

// A file of the system's temporary folder, gone with this object: the
// library writes a workbook only to a named file.
class TemporaryFile {
public:
    TemporaryFile()
    {
#ifdef _WIN32
        char folder[MAX_PATH + 1] = {};
        char name[MAX_PATH + 1] = {};
        if (GetTempPathA(sizeof folder, folder) == 0 || GetTempFileNameA(folder, "ang", 0, name) == 0)
            throw std::runtime_error("cannot create a temporary file for the spreadsheet");
        path_ = name;
        folder_ = folder;
#else
        const char *tmpdir = std::getenv("TMPDIR");
        folder_ = tmpdir && *tmpdir ? tmpdir : "/tmp";
        path_ = folder_ + "/angulon-chart.XXXXXX";
        const int fd = ::mkstemp(path_.data());
        if (fd < 0)
            throw std::runtime_error("cannot create a temporary file for the spreadsheet in " + folder_);
        ::close(fd);
#endif
    }
    ~TemporaryFile() { std::remove(path_.c_str()); }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    const std::string &path() const { return path_; }
    std::string &folder() { return folder_; }

private:
    std::string path_;
    std::string folder_;
};

// The number format that shows a cell with its decimals (2 gives 0.00).
std::string numberFormat(const core::ChartCell &cell)
{
    const auto decimals = static_cast<std::size_t>(cell.decimals);
    return decimals ? "0." + std::string(decimals, '0') : "0";
}

void check(lxw_error error)
{
    if (error != LXW_NO_ERROR)
        throw std::runtime_error(std::string("cannot write the spreadsheet: ") + lxw_strerror(error));
}

} // namespace

std::string writeXlsx(const Sheet &sheet)
{
    TemporaryFile file;
    lxw_workbook_options options{};
    options.tmpdir = file.folder().data();
    std::unique_ptr<lxw_workbook, decltype(&workbook_close)> workbook(workbook_new_opt(file.path().c_str(), &options),
                                                                      workbook_close);
    if (!workbook)
        throw std::runtime_error("cannot start the spreadsheet");

    std::string title = "Angulon chart";
    std::string subject = rangeText(sheet, "\u00b0");
    std::string comments = std::string(note(sheet)) + " Written by angulon-chart " + std::string(sheet.version) + ".";
    std::string author = "angulon-chart";
    lxw_doc_properties properties{};
    properties.title = title.data();
    properties.author = author.data();
    properties.subject = subject.data();
    properties.comments = comments.data();
    check(workbook_set_properties(workbook.get(), &properties));

    lxw_format *bold = workbook_add_format(workbook.get());
    format_set_bold(bold);
    format_set_text_wrap(bold);
    // One format per number format, as the library shares them by pointer.
    std::vector<std::pair<std::string, lxw_format *>> formats;
    const auto formatOf = [&](const std::string &numberFormat) {
        for (const auto &[text, format] : formats) {
            if (text == numberFormat)
                return format;
        }
        lxw_format *format = workbook_add_format(workbook.get());
        format_set_num_format(format, numberFormat.c_str());
        formats.emplace_back(numberFormat, format);
        return format;
    };

    // Printed, each page says what the HTML page's margins say. None of these
    // texts can hold an '&', which the header would read as a code, nor reach
    // the header's 255 characters.
    const std::string footer = "&LWritten by angulon-chart " + std::string(sheet.version) + ".&Rpage &P of &N";
    const std::string pageTitle = "&LAngulon chart: " + subject;

    const auto names = headers(sheet.request);
    const core::Chart &chart = sheet.chart;
    for (std::size_t angle = 0; angle < chart.angles.size(); ++angle) {
        const std::string name = chart.angleText(angle) + "\u00b0";
        lxw_worksheet *worksheet = workbook_add_worksheet(workbook.get(), name.c_str());
        if (!worksheet)
            throw std::runtime_error("cannot add the sheet " + name);
        for (lxw_col_t column = 0; column < names.size(); ++column) {
            check(worksheet_set_column(worksheet, column, column, 12, nullptr));
            check(worksheet_write_string(worksheet, 0, column, names[column].c_str(), bold));
        }
        worksheet_freeze_panes(worksheet, 1, 0);
        // Each page as wide as the sheet, under the header row, on the HTML
        // page's paper (Letter and A4 by their numbers in the file).
        check(worksheet_repeat_rows(worksheet, 0, 0));
        worksheet_fit_to_pages(worksheet, 1, 0);
        worksheet_set_paper(worksheet, sheet.paper == Paper::A4 ? 9 : 1);
        check(worksheet_set_header(worksheet, (pageTitle + "&R" + name + " probe").c_str()));
        check(worksheet_set_footer(worksheet, footer.c_str()));
        for (std::size_t k = 0; k < chart.thicknesses(); ++k) {
            const auto line = static_cast<lxw_row_t>(k + 1);
            const auto row = cells(chart.row(k, angle));
            for (lxw_col_t column = 0; column < names.size(); ++column) {
                const core::ChartCell &cell = *row[column];
                // A pipe's missed wall: four cells left empty and a word.
                if (cell.text.empty())
                    continue;
                if (cell.text == core::chartMisses) {
                    check(worksheet_write_string(worksheet, line, column, cell.text.c_str(), nullptr));
                    continue;
                }
                check(worksheet_write_number(worksheet, line, column, cell.value, formatOf(numberFormat(cell))));
            }
        }
    }
    check(workbook_close(workbook.release()));

    std::ifstream written(file.path(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
    if (!written.good() && !written.eof())
        throw std::runtime_error("cannot read back the spreadsheet from " + file.path());
    return bytes;
}

} // namespace chart
