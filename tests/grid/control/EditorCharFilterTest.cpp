#include <gtest/gtest.h>

#include "grid/control/EditorCharFilter.h"
#include "platform/rtl/SysUtils.h"

namespace {

class EditorCharFilterTest : public testing::Test {
protected:
    void SetUp() override { saved = FormatSettings(); }
    void TearDown() override { FormatSettings() = saved; }
    TFormatSettings saved;
};

TEST_F(EditorCharFilterTest, TypedCharactersByEditorKind)
{
    FormatSettings().DecimalSeparator = ',';
    FormatSettings().ThousandSeparator = '.';
    const struct {
        TEditorType kind;
        const char* text;
        int selStart, selLength;
        char32_t ch;
        TCharVerdict verdict;
        char32_t passed;
    } cases[] = {
        {edNumeric, "", 0, 0, '-', TCharVerdict::Pass, '-'},
        {edNumeric, "12", 1, 0, '-', TCharVerdict::Beep, '-'},
        {edNumeric, "-12", 0, 0, '-', TCharVerdict::Beep, '-'},
        {edNumeric, "1", 1, 0, 'a', TCharVerdict::Beep, 'a'},
        {edNumeric, "1", 1, 0, 8, TCharVerdict::Pass, 8},
        {edPositiveNumeric, "", 0, 0, '-', TCharVerdict::Beep, '-'},
        {edPositiveNumeric, "", 0, 0, '7', TCharVerdict::Pass, '7'},
        {edFloat, "1,5", 3, 0, ',', TCharVerdict::Drop, ','},
        {edFloat, "1,5", 1, 1, ',', TCharVerdict::Pass, ','},
        {edFloat, "15", 2, 0, '.', TCharVerdict::Drop, '.'},
        {edFloat, "15", 1, 0, '-', TCharVerdict::Beep, '-'},
        {edFloat, "-15", 0, 1, '-', TCharVerdict::Pass, '-'},
        {edFloat, "15", 2, 0, 'x', TCharVerdict::Drop, 'x'},
        {edPositiveFloat, "", 0, 0, '-', TCharVerdict::Drop, '-'},
        {edUpperCase, "", 0, 0, 'q', TCharVerdict::Pass, 'Q'},
        {edCapital, "", 0, 0, 'q', TCharVerdict::Pass, 'Q'},
        {edLowerCase, "", 0, 0, 'Q', TCharVerdict::Pass, 'q'},
        {edNormal, "", 0, 0, U'\u00e9', TCharVerdict::Pass, U'\u00e9'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("kind ") + std::to_string(c.kind) + " text '" + c.text + "' char " +
                     std::to_string(static_cast<int>(c.ch)));
        const TCharFilterResult r =
            FilterTypedChar({c.kind, c.text, c.selStart, c.selLength, c.ch, false, ""});
        EXPECT_EQ(r.Verdict, c.verdict);
        if (r.Verdict == TCharVerdict::Pass) {
            EXPECT_EQ(r.Ch, c.passed);
        }
    }
}

TEST_F(EditorCharFilterTest, ValidCharactersComeFromTheListOrTheCharacterSet)
{
    const auto verdict = [](const std::string& valid, char32_t ch) {
        return FilterTypedChar({edValidChars, "", 0, 0, ch, false, valid}).Verdict;
    };
    EXPECT_EQ(verdict("ab\u00e9", U'\u00e9'), TCharVerdict::Pass);
    EXPECT_EQ(verdict("ab", 'c'), TCharVerdict::Beep);
    EXPECT_EQ(verdict("ab", 8), TCharVerdict::Pass);
    EXPECT_EQ(verdict("", 'z'), TCharVerdict::Pass);
    EXPECT_EQ(verdict("", U'\u20ac'), TCharVerdict::Beep);
}

TEST_F(EditorCharFilterTest, PastedTextsByEditorKind)
{
    FormatSettings().DecimalSeparator = ',';
    FormatSettings().ThousandSeparator = '.';
    const struct {
        TEditorType kind;
        const char* valid;
        const char* text;
        bool accepted;
        const char* result;
    } cases[] = {
        {edNumeric, "", "-12", true, "-12"},
        {edNumeric, "", "1a", false, ""},
        {edPositiveNumeric, "", "-12", false, ""},
        {edPositiveFloat, "", "12,5", true, "12,5"},
        {edPositiveFloat, "", "-12,5", false, ""},
        {edFloat, "", "1e5", false, ""},
        {edUpperCase, "", "\u00e9t\u00e9", true, "\u00c9T\u00c9"},
        {edLowerCase, "", "ABC", true, "abc"},
        {edValidChars, "ab", "abba", true, "abba"},
        {edValidChars, "ab", "abc", false, ""},
        {edValidChars, "", "a", false, ""},
        {edCapital, "", "mixed Text", true, "mixed Text"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string text = c.text;
        EXPECT_EQ(AcceptPastedText(c.kind, c.valid, text), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(text, c.result);
        }
    }
}

} // namespace
