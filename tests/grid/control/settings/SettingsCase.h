#pragma once
#include <gtest/gtest.h>

#include <cstdint>

// One row of a defaults or copy table: every bool, number, colour and enumeration value of
// a settings object compares as an integer, named so that a failure says which one.
struct SettingsCase {
    const char* name;
    int64_t actual;
    int64_t expected;
};

inline void ExpectCases(std::initializer_list<SettingsCase> cases)
{
    for (const auto& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.name;
}
