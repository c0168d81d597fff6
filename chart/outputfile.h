// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace chart {

// Writes contents to the file at path as a shell's redirection would, with
// the same right to and the same effect on an existing file, but never
// leaving an ordinary file half-written where that can be helped. A new file
// is made whole beside its path and renamed to it. An existing file the user
// may not write is refused; one they may write is replaced so, keeping its
// owner, group and permissions, or, where the new file could not keep them
// or the file has other names (hard links) or its folder takes no new files,
// overwritten where it stands. A symbolic link is followed and its final
// target written, the link kept. Anything else (a device, a pipe, a
// terminal) is opened and written as it is. A folder is refused. Answers what
// went wrong, or nothing.
std::optional<std::string> writeFile(const std::string &path, std::string_view contents);

// Writes contents to standard output; answers what went wrong, or nothing.
std::optional<std::string> writeStandardOutput(std::string_view contents);

} // namespace chart
