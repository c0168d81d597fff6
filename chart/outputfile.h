// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace chart {

// Replaces the file at path with contents in one step: they are written to
// a temporary file beside it, which is then renamed over it, so the file
// holds either its old contents or all the new ones. An existing file keeps
// its permissions. Answers what went wrong, or nothing.
std::optional<std::string> replaceFile(const std::string &path, std::string_view contents);

// Writes contents to standard output; answers what went wrong, or nothing.
std::optional<std::string> writeStandardOutput(std::string_view contents);

} // namespace chart
