// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>

// What the browser page calls in the core compiled to WebAssembly. The page
// writes a request into the buffer angulon_request hands it: UTF-8 texts
// joined by the byte 0xFF, which UTF-8 never uses. For a panel they are the
// decimal separator of the browser's language, "1" when inches are chosen,
// then the panel's field texts in its order; for the chart the separator,
// the inch flag, from, to, step and each angle. A command answers the size
// of its response at angulon_response: a kind ("fields", "prompt", "chart",
// "angles", "version") and its texts, joined the same way.
extern "C" {
char *angulon_request(std::size_t size);
const char *angulon_response();

std::size_t angulon_sound_path_calculate();
std::size_t angulon_sound_path_clear();
std::size_t angulon_surface_travel_calculate();
std::size_t angulon_surface_travel_clear();
std::size_t angulon_indication_depth_calculate();
std::size_t angulon_indication_depth_clear();
std::size_t angulon_chart_html();
std::size_t angulon_angles();
std::size_t angulon_version();
}
