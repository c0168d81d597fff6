// SPDX-License-Identifier: MIT

#pragma once

#include <gtest/gtest.h>

#include <string>

// One row of a table-driven test: its name, what the rule is given and what
// it must answer; a Table runs each row as a test of its own.
template <class Given, class Answer = std::string>
struct Row {
    const char *name;
    Given given;
    Answer expected;
};
template <class Given, class Answer = std::string>
using Table = testing::TestWithParam<Row<Given, Answer>>;

// Names each case of a table-driven test after its row, so a failure says
// which row.
inline constexpr auto rowName = [](const auto &info) { return std::string(info.param.name); };
