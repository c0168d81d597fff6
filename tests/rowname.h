// SPDX-License-Identifier: MIT

#pragma once

#include <gtest/gtest.h>

// Names each parameterised case after its row, so a failure says which row.
struct RowName {
    template <class Param>
    std::string operator()(const testing::TestParamInfo<Param> &info) const
    {
        return info.param.name;
    }
};
