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

ANGULON_EXPORT("angulon_sound_path_calculate") std::size_t angulon_sound_path_calculate();
ANGULON_EXPORT("angulon_sound_path_clear") std::size_t angulon_sound_path_clear();
ANGULON_EXPORT("angulon_surface_travel_calculate") std::size_t angulon_surface_travel_calculate();
ANGULON_EXPORT("angulon_surface_travel_clear") std::size_t angulon_surface_travel_clear();
ANGULON_EXPORT("angulon_indication_depth_calculate") std::size_t angulon_indication_depth_calculate();
ANGULON_EXPORT("angulon_indication_depth_clear") std::size_t angulon_indication_depth_clear();
ANGULON_EXPORT("angulon_chart_html") std::size_t angulon_chart_html();
ANGULON_EXPORT("angulon_angles") std::size_t angulon_angles();
ANGULON_EXPORT("angulon_version") std::size_t angulon_version();
}
