// SPDX-License-Identifier: MIT

#include "web/exports.h"

#include "angulon/version.h"
#include "chart/writers.h"
#include "core/anglefactors.h"
#include "core/chart.h"
#include "core/description.h"
#include "core/fieldrules.h"

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

std::optional<Request> readRequest(std::size_t texts)
{
    const auto all = requestTexts();
    if (all.size() != texts + 2)
        return std::nullopt;
    return Request{core::decimalSeparator(all[0]), all[1] == "1", {all.begin() + 2, all.end()}};
}

constexpr char malformed[] = "The page sent a request the calculator cannot read";

// CALCULATE or CLEAR on a panel's field texts, taken and given back in the
// order of the panel's description.
template <class Fields>
std::size_t run(core::TextCommand core::PanelDescription::*command)
{
    const core::PanelDescription &panel = core::describe<Fields>();
    const auto read = readRequest(panel.fields.size());
    if (!read)
        return respondPrompt(malformed);
    const std::vector<std::string> texts(read->texts.begin(), read->texts.end());
    const core::TextOutcome outcome = (panel.*command)(texts, read->inch, read->decimal);
    if (const auto *prompt = std::get_if<core::Prompt>(&outcome))
        return respondPrompt(prompt->text);
    return respond("fields", std::get<std::vector<std::string>>(outcome));
}

const char *inputName(core::ChartRefusal::Input input)
{
    switch (input) {
    case core::ChartRefusal::Input::From: return "From";
    case core::ChartRefusal::Input::To:
    case core::ChartRefusal::Input::Row: return "To";
    case core::ChartRefusal::Input::Step: return "Step";
    case core::ChartRefusal::Input::Angles: return "Angles";
    }
    return "";
}

} // namespace

extern "C" {

char *angulon_request(std::size_t size)
{
    request.assign(size, '\0');
    return request.data();
}

const char *angulon_response() { return response.data(); }

using core::PanelDescription;
std::size_t angulon_sound_path_calculate() { return run<core::SoundPathFields>(&PanelDescription::runCalculate); }
std::size_t angulon_sound_path_clear() { return run<core::SoundPathFields>(&PanelDescription::runClear); }
std::size_t angulon_surface_travel_calculate()
{
    return run<core::SurfaceTravelFields>(&PanelDescription::runCalculate);
}
std::size_t angulon_surface_travel_clear() { return run<core::SurfaceTravelFields>(&PanelDescription::runClear); }
std::size_t angulon_indication_depth_calculate()
{
    return run<core::IndicationDepthFields>(&PanelDescription::runCalculate);
}
std::size_t angulon_indication_depth_clear() { return run<core::IndicationDepthFields>(&PanelDescription::runClear); }

std::size_t angulon_chart_html()
{
    const auto all = requestTexts();
    if (all.size() < 5)
        return respondPrompt(malformed);
    core::ChartRequest chartRequest{std::string(all[2]),          std::string(all[3]), std::string(all[4]),
                                    {all.begin() + 5, all.end()}, all[1] == "1",       core::decimalSeparator(all[0])};
    const auto made = core::makeChart(chartRequest);
    if (const auto *refusal = std::get_if<core::ChartRefusal>(&made))
        return respondPrompt(std::string(inputName(refusal->input)) + ": " + refusal->problem);
    const chart::Sheet sheet{chartRequest, std::get<core::Chart>(made), angulon::version,
                             chart::defaultPaper(chartRequest.inch)};
    return respond("chart", {chart::writeHtml(sheet)});
}

std::size_t angulon_angles()
{
    std::vector<std::string> texts;
    for (const core::AngleFactors &angle : core::angleTable)
        texts.emplace_back(angle.text);
    return respond("angles", texts);
}

std::size_t angulon_version() { return respond("version", {angulon::version}); }

} // extern "C"
