// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace chart {

// Writes contents to the file at path. An ordinary file, new or old, is
// replaced in one step: the contents go to a temporary file beside it, which
// is then renamed over it, so it holds either its old contents or all the new
// ones, and an existing one keeps its permissions. A symbolic link is
// followed and its final target replaced so, the link kept. Anything else (a
// device, a pipe, a terminal) is opened and written as it is, never
// replaced. Answers what went wrong, or nothing.
std::optional<std::string> writeFile(const std::string &path, std::string_view contents);

// Writes contents to standard output; answers what went wrong, or nothing.
std::optional<std::string> writeStandardOutput(std::string_view contents);

} // namespace chart
