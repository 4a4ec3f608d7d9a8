#include <gtest/gtest.h>

#include "platform/rtl/Classes.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Exceptions.h"
#include "support/TestFiles.h"

struct EncodingCase {
    const char* name;
    std::string bytes;
};

class LoadFromFileEncodings : public testing::TestWithParam<EncodingCase> {};

TEST_P(LoadFromFileEncodings, GiveTheSameLines)
{
    TempDir dir;
    WriteTestFile(dir.File("f.txt"), GetParam().bytes);
    TStringList list;
    list.LoadFromFile(dir.File("f.txt"));
    ASSERT_EQ(list.Count(), 3) << GetParam().name;
    EXPECT_EQ(list[0], "a€b");
    EXPECT_EQ(list[1], "");
    EXPECT_EQ(list[2], "ü");
}

INSTANTIATE_TEST_SUITE_P(Cases, LoadFromFileEncodings, testing::Values(
    EncodingCase{"ansi-crlf", "a\x80" "b\r\n\r\n\xFC\r\n"},
    EncodingCase{"utf8-lf", "a€b\n\nü"},
    EncodingCase{"utf8-bom-cr", "\xEF\xBB\xBF" "a€b\r\rü\r"},
    EncodingCase{"utf16le", std::string("\xFF\xFE" "a\0\xAC\x20" "b\0\n\0\n\0\xFC\0", 14)},
    EncodingCase{"utf16be", std::string("\xFE\xFF\0a\x20\xAC\0b\0\r\0\n\0\r\0\n\0\xFC", 18)}),
    [](const auto& info) { std::string n = info.param.name; for (char& c : n) if (c == '-') c = '_'; return n; });

TEST(StringList, SortedListsFindWithoutCaseAndKeepOrder)
{
    TStringList list;
    list.SetSorted(true);
    list.Add("b.lng");
    list.Add("A.lng");
    list.Add("c.lng");
    EXPECT_EQ(list[0], "A.lng");
    EXPECT_EQ(list.IndexOf("C.LNG"), 2);
    EXPECT_THROW(list[3], EListError);
}

TEST(StringList, SavesAnsiWithCrLf)
{
    TempDir dir;
    TStringList list;
    list.Add("€");
    list.Add("x");
    list.SaveToFile(dir.File("o.txt"));
    EXPECT_EQ(ReadTestFile(dir.File("o.txt")), "\x80\r\nx\r\n");
    EXPECT_EQ(Utf8ToWin1252("Ω"), "?");
    EXPECT_THROW(list.LoadFromFile(dir.File("missing.txt")), EFOpenError);
}

TEST(StringList, LoadingADirectoryRaises)
{
    TempDir dir;
    TStringList list;
    EXPECT_THROW(list.LoadFromFile(dir.Path()), EFOpenError);
}

// Every change of the list reaches its owner; a copy starts without the owner's handler, and
// copying into a list is a change of that list.
TEST(StringListChange, EveryChangeIsToldAndACopyHasItsOwnHandler)
{
    TStringList list;
    int changes = 0;
    list.OnChange = [&] { ++changes; };
    list.Add("b");
    list.Insert(0, "a");
    list.Put(1, "c");
    list.Exchange(0, 1);
    list.Delete(0);
    list.SetText("x\r\ny");
    list.SetCommaText("p,q");
    list.Sort();
    list.Clear();
    EXPECT_EQ(changes, 9);
    TStringList copy(list);
    copy.Add("own");
    EXPECT_EQ(changes, 9);
    list = copy;
    EXPECT_EQ(changes, 10);
    EXPECT_EQ(list.Text(), "own\r\n");
}
