// SPDX-License-Identifier: MIT

#pragma once

#include <string>

// Names each case of a table-driven test after its row, so a failure says
// which row.
inline constexpr auto rowName = [](const auto &info) { return std::string(info.param.name); };
