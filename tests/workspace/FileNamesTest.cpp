#include <gtest/gtest.h>

#include "workspace/UFileNames.h"

namespace {
struct NameCase {
    const char* typed;
    const char* kept; // "" when refused
};

class DesktopFileName : public testing::TestWithParam<NameCase> {};

TEST_P(DesktopFileName, KeepsWhatTheFileSystemKeeps)
{
    EXPECT_EQ(Desktop_File_Name(GetParam().typed), GetParam().kept) << '"' << GetParam().typed << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesktopFileName,
    testing::Values(
        // kept as typed
        NameCase{"Plant1", "Plant1"}, NameCase{"  x", "  x"}, NameCase{"..x", "..x"}, NameCase{"a.b", "a.b"},
        NameCase{"Anlage-\xC3\xBC", "Anlage-\xC3\xBC"}, NameCase{"CONSOLE", "CONSOLE"},
        NameCase{"COM10", "COM10"}, NameCase{"LPT0", "LPT0"}, NameCase{"xnul", "xnul"},
        NameCase{"English.lng", "English.lng"},
        // trailing blanks and dots dropped
        NameCase{"line 1 ", "line 1"}, NameCase{"line 1.", "line 1"}, NameCase{"x. . ", "x"},
        NameCase{"\xC3\x84rger \xC2\xA0", "\xC3\x84rger \xC2\xA0"}, NameCase{"a.b.", "a.b"},
        // refused
        NameCase{"", ""}, NameCase{" ", ""}, NameCase{"...", ""}, NameCase{". .", ""}, NameCase{".", ""},
        NameCase{"..", ""}, NameCase{"../x", ""}, NameCase{"a\\b", ""}, NameCase{"a:b", ""},
        NameCase{"a*", ""}, NameCase{"a\x7F", ""}, NameCase{"a\tb", ""}, NameCase{"CON", ""},
        NameCase{"con", ""}, NameCase{"nul.txt", ""}, NameCase{"Aux .x", ""}, NameCase{"PRN.", ""},
        NameCase{"COM1", ""}, NameCase{"lpt9.lng", ""}, NameCase{"\xC3(", ""}, NameCase{"a\xFF", ""},
        NameCase{"\xED\xA0\x80", ""}));

TEST(PlainFileName, IsOneTheFileSystemKeepsAsItStands)
{
    EXPECT_TRUE(Is_Plain_File_Name("Deutsch.lng"));
    EXPECT_TRUE(Is_Plain_File_Name(" Deutsch .lng"));
    for (const char* name : {"", "../x.lng", "x/..lng", "Deutsch.", "Deutsch ", "NUL.lng", "/etc/passwd"})
        EXPECT_FALSE(Is_Plain_File_Name(name)) << name;
}
} // namespace
