#include <gtest/gtest.h>

#include "grid/foundation/model/CellChecker.h"
#include "grid/foundation/text/FileStringList.h"
#include "platform/rtl/Exceptions.h"

namespace {

TEST(FileStringList, WritesLinesInPiecesAndReadsThemBack)
{
    TFileStringList file;
    file.Add("first");
    file.Write("a");
    file.Write("b");
    file.WriteLn("c");
    file.WriteLn("");
    EXPECT_EQ(file.Count(), 3);
    EXPECT_EQ(file[1], "abc");
    EXPECT_EQ(file[2], "");
    file.Write("pending");
    file.Reset();
    file.WriteLn("x");
    EXPECT_EQ(file[3], "x"); // Reset dropped the pending piece
    std::string line;
    file.ReadLn(line);
    EXPECT_EQ(line, "first");
    while (!file.Eof())
        file.ReadLn(line);
    EXPECT_EQ(line, "x");
    EXPECT_THROW(file.ReadLn(line), EListError);
}

// A checker that upper-cases and marks a cell with brackets, to see which steps run.
class UpperChecker : public TExtStringGridCheck {
public:
    UpperChecker() : TExtStringGridCheck(nullptr) {}
    std::string Correct(int, int, const std::string& s) override { return s == "ok" ? "OK" : s; }
    std::string MarkError(int, int, const std::string& s) override { return "[" + s + "]"; }
};

TEST(CellChecker, TheBaseCheckerLeavesEveryTextAsItWas)
{
    TExtStringGridCheck checker(nullptr);
    EXPECT_FALSE(checker.GotoCell || checker.AutoCorrect || checker.AutoMarkError || checker.UseCorrect ||
                 checker.UseMarkError);
    checker.UseCorrect = true;
    checker.UseMarkError = true;
    checker.StartCheck();
    for (const std::string text : {"", "abc", "ünï"})
        EXPECT_EQ(checker.CheckText(1, 2, text), text);
    checker.StopCheck();
}

TEST(CellChecker, CorrectsThenMarksAsTheCheckerIsSetUp)
{
    UpperChecker checker;
    EXPECT_EQ(checker.CheckText(0, 0, "ok"), "ok");
    checker.UseCorrect = true;
    EXPECT_EQ(checker.CheckText(0, 0, "ok"), "OK");
    checker.UseMarkError = true;
    EXPECT_EQ(checker.CheckText(0, 0, "ok"), "[OK]");
    checker.UseCorrect = false;
    EXPECT_EQ(checker.CheckText(0, 0, "ok"), "[ok]");
}

} // namespace
