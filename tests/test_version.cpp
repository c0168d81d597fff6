// SPDX-License-Identifier: MIT
// The strings angulon/version.h derives from the project's version and id.

#include "angulon/version.h"

#include <gtest/gtest.h>

#include <string_view>

TEST(Version, FollowsTheProject)
{
    const struct {
        const char *name;
        std::string_view actual, expected;
    } rows[] = {
        {"version", angulon::version, "1.00.0003"},
        {"displayName", angulon::displayName, "[Angulon 1.03]"},
        {"appId", angulon::appId, "io.github.angulon.Angulon"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.actual, row.expected) << row.name;
}
