// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>

// What the browser page calls in the core compiled to WebAssembly. The page
// writes a request into the buffer angulon_request hands it: UTF-8 texts
// joined by the byte 0xFF, which UTF-8 never uses. A command answers the
// size of its response at angulon_response: a kind ("description",
// "fields", "prompt", "chart") and its texts, joined the same way.
//
// angulon_description describes the page the core runs: the version, the
// prompts' title, the number of angles and each angle's text, the number of
// panels and, for each in the tab strip's order with Locate last, its name,
// title and tab label; its CALCULATE and CLEAR, each a name, caption and
// tooltip; its unit buttons for inches and millimetres, each a name and
// caption; the number of its fields and, for each in the order its commands take them,
// the name, role ("input"; "angle", chosen from the angles; "measured", an
// angle typed; "result"; "lines", a result of several lines), caption,
// tooltip and "1" when the caption is underlined ("0" when not).
//
// The other commands read the decimal separator of the browser's language
// and "1" when inches are chosen, then: angulon_panel_command the name of a
// panel's CALCULATE or CLEAR and the panel's field texts in its order (the
// Locate panel's CALCULATE answers its drawing, an SVG element, after
// them); angulon_chart_html from, to, step and each angle.
//
// ANGULON_EXPORT marks what the module exports under the name given; the
// linker keeps those and nothing else the page could reach. Natively (the
// test's webnative) they are plain C functions.
#ifdef __wasm__
#define ANGULON_EXPORT(name) __attribute__((export_name(name)))
#else
#define ANGULON_EXPORT(name)
#endif

extern "C" {
ANGULON_EXPORT("angulon_request") char *angulon_request(std::size_t size);
ANGULON_EXPORT("angulon_response") const char *angulon_response();

ANGULON_EXPORT("angulon_description") std::size_t angulon_description();
ANGULON_EXPORT("angulon_panel_command") std::size_t angulon_panel_command();
ANGULON_EXPORT("angulon_chart_html") std::size_t angulon_chart_html();
}
