// SPDX-License-Identifier: MIT

#include "web/exports.h"

#include "angulon/version.h"
#include "chart/writers.h"
#include "core/anglefactors.h"
#include "core/chart.h"
#include "core/description.h"
#include "core/fieldrules.h"
#include "core/locate.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace {

std::string request;
std::string response;

// Texts travel as UTF-8 joined by a byte that UTF-8 never uses, so a text
// can hold anything a person can type or paste.
constexpr char separator = '\xff';

std::vector<std::string_view> requestTexts()
{
    std::vector<std::string_view> texts;
    std::string_view rest = request;
    for (auto end = rest.find(separator); end != std::string_view::npos; end = rest.find(separator)) {
        texts.push_back(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    texts.push_back(rest);
    return texts;
}

std::size_t respond(std::string_view kind, const std::vector<std::string> &texts)
{
    response = kind;
    for (const std::string &text : texts)
        response.append(1, separator).append(text);
    return response.size();
}

std::size_t respondPrompt(const std::string &text) { return respond("prompt", {text}); }

// What every command starts from: the browser's decimal separator, whether
// inches are chosen, and the texts after them. A request too short for its
// command is the page's own fault; it gets a prompt rather than a crash.
struct Request {
    char decimal = '.';
    bool inch = true;
    std::vector<std::string_view> texts;
};

std::optional<Request> readRequest(std::size_t leastTexts)
{
    const auto all = requestTexts();
    if (all.size() < leastTexts + 2)
        return std::nullopt;
    return Request{core::decimalSeparator(all[0]), all[1] == "1", {all.begin() + 2, all.end()}};
}

constexpr char malformed[] = "The page sent a request the calculator cannot read";

// The Locate panel's field that holds its setup in words.
constexpr auto setupField = std::size_t(
    std::find(core::LocateFields::members.begin(), core::LocateFields::members.end(), &core::LocateFields::setup)
    - core::LocateFields::members.begin());

// How the page shows a panel's field. Locate takes any angle measured on
// the probe, typed ("measured"), and writes its setup a line each ("lines");
// the other panels' angles are chosen from the table.
std::string_view roleName(const core::PanelDescription &panel, std::size_t field)
{
    const bool locate = &panel == &core::locatePanel();
    switch (panel.fields[field].role) {
    case core::Role::Input: return "input";
    case core::Role::Angle: return locate ? "measured" : "angle";
    case core::Role::Result: return locate && field == setupField ? "lines" : "result";
    }
    return "";
}

const char *inputName(core::ChartRefusal::Input input)
{
    switch (input) {
    case core::ChartRefusal::Input::From: return "From";
    case core::ChartRefusal::Input::To:
    case core::ChartRefusal::Input::Row: return "To";
    case core::ChartRefusal::Input::Step: return "Step";
    case core::ChartRefusal::Input::Angles: return "Angles";
    // The page's chart is a plate's: it never gives a diameter to refuse.
    case core::ChartRefusal::Input::OutsideDiameter: break;
    }
    return "";
}

// Locate's CALCULATE answers its drawing after the fields: the part's
// cross-section as an SVG element, named by the setup in words.
void addDrawing(std::vector<std::string> &texts, bool inch, char decimal)
{
    const auto drawing = core::drawLocateFields(texts, inch, decimal);
    if (drawing)
        texts.push_back(core::drawingSvg(*drawing, texts[setupField]));
}

} // namespace

extern "C" {

char *angulon_request(std::size_t size)
{
    request.assign(size, '\0');
    return request.data();
}

const char *angulon_response() { return response.data(); }

std::size_t angulon_description()
{
    std::vector<std::string> texts;
    const auto add = [&texts](const auto &...more) { (texts.emplace_back(more), ...); };
    add(angulon::version, core::prompts::title, std::to_string(core::angleTable.size()));
    for (const core::AngleFactors &angle : core::angleTable)
        add(angle.text);
    add(std::to_string(core::allPanels().size()));
    for (const core::PanelDescription &panel : core::allPanels()) {
        add(panel.name, panel.title, panel.tab);
        for (const core::CommandDescription &command : {panel.calculate, panel.clear})
            add(command.name, command.caption, command.tooltip);
        for (const core::UnitButtonDescription &unit : {panel.inch, panel.millimetre})
            add(unit.name, core::unitCaption(unit.unit));
        add(std::to_string(panel.fields.size()));
        for (std::size_t i = 0; i < panel.fields.size(); ++i) {
            const core::FieldDescription &field = panel.fields[i];
            add(field.name, roleName(panel, i), field.caption, field.tooltip, field.underlined ? "1" : "0");
        }
    }
    return respond("description", texts);
}

std::size_t angulon_panel_command()
{
    const auto read = readRequest(1);
    if (!read)
        return respondPrompt(malformed);
    for (const core::PanelDescription &panel : core::allPanels()) {
        const core::TextCommand command = read->texts[0] == panel.calculate.name ? panel.runCalculate
                                          : read->texts[0] == panel.clear.name   ? panel.runClear
                                                                                 : nullptr;
        if (!command)
            continue;
        const std::vector<std::string> texts(read->texts.begin() + 1, read->texts.end());
        const core::TextOutcome outcome = command(texts, read->inch, read->decimal);
        if (const auto *prompt = std::get_if<core::Prompt>(&outcome))
            return respondPrompt(prompt->text);
        std::vector<std::string> answer = std::get<std::vector<std::string>>(outcome);
        if (&panel == &core::locatePanel() && command == panel.runCalculate)
            addDrawing(answer, read->inch, read->decimal);
        return respond("fields", answer);
    }
    return respondPrompt(malformed);
}

std::size_t angulon_chart_html()
{
    const auto read = readRequest(3);
    if (!read)
        return respondPrompt(malformed);
    const auto &texts = read->texts;
    core::ChartRequest chartRequest{std::string(texts[0]),
                                    std::string(texts[1]),
                                    std::string(texts[2]),
                                    {texts.begin() + 3, texts.end()},
                                    read->inch,
                                    read->decimal};
    const auto made = core::makeChart(chartRequest);
    if (const auto *refusal = std::get_if<core::ChartRefusal>(&made))
        return respondPrompt(std::string(inputName(refusal->input)) + ": " + refusal->problem);
    const chart::Sheet sheet{chartRequest, std::get<core::Chart>(made), angulon::version,
                             chart::defaultPaper(chartRequest.inch)};
    return respond("chart", {chart::writeHtml(sheet)});
}

} // extern "C"
