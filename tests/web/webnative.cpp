// SPDX-License-Identifier: MIT
// The browser page's commands run natively, to compare with the same core
// compiled to WebAssembly: webnative COMMAND TEXT... writes the response.

#include "web/exports.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

int main(int argc, char **argv)
{
    const std::map<std::string, std::size_t (*)()> commands{
        {"angulon_sound_path_calculate", angulon_sound_path_calculate},
        {"angulon_sound_path_clear", angulon_sound_path_clear},
        {"angulon_surface_travel_calculate", angulon_surface_travel_calculate},
        {"angulon_surface_travel_clear", angulon_surface_travel_clear},
        {"angulon_indication_depth_calculate", angulon_indication_depth_calculate},
        {"angulon_indication_depth_clear", angulon_indication_depth_clear},
        {"angulon_chart_html", angulon_chart_html},
        {"angulon_angles", angulon_angles},
        {"angulon_version", angulon_version},
    };
    const auto command = argc > 1 ? commands.find(argv[1]) : commands.end();
    if (command == commands.end())
        return 2;
    std::string request;
    for (int i = 2; i < argc; ++i)
        request.append(i > 2 ? "\xff" : "").append(argv[i]);
    std::memcpy(angulon_request(request.size()), request.data(), request.size());
    const std::size_t size = command->second();
    return std::fwrite(angulon_response(), 1, size, stdout) == size ? 0 : 1;
}
