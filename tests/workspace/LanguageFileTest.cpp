#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "platform/rtl/CodePage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Utf8.h"
#include "resources/BuiltinTexts.h"
#include "support/HostileFiles.h"
#include "support/TestFiles.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"

namespace {
enum class Encoding { Win1252, Utf8Bom, Utf16LeBom };

// The test texts stay within the basic plane, so every character is one 16-bit unit.
std::string Utf16LeWithBom(const std::string& text)
{
    std::string bytes = "\xFF\xFE";
    for (char32_t c : utf8::Decode(text)) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

std::string Encoded(const std::string& text, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Win1252: return Utf8ToWin1252(text);
    case Encoding::Utf8Bom: return "\xEF\xBB\xBF" + text;
    case Encoding::Utf16LeBom: return Utf16LeWithBom(text);
    }
    return text;
}

// Every entry but `changed` must still hold its built-in text.
void ExpectTableIsBuiltinExcept(int changed, const std::string& expected)
{
    ASSERT_EQ(Lang_Table.Count(), Builtin_Text_Count);
    for (int i = 0; i < Builtin_Text_Count; ++i)
        EXPECT_EQ(Lang_Table[i], i == changed ? expected : std::string(Builtin_Texts[i])) << "entry " << i;
}

class LanguageGlobals : public testing::Test {
protected:
    void SetUp() override { Load_Default_Texts(); }
    void TearDown() override
    {
        Language_Dir = savedDir_;
        Language_Name = savedName_;
    }
    TempDir dir_;

private:
    std::string savedDir_ = Language_Dir;
    std::string savedName_ = Language_Name;
};

struct LineCase {
    const char* name;
    const char* lines;  // joined with CR LF when written
    int entry;          // -1: no entry changes
    const char* text;
};

const LineCase LineCases[] = {
    {"PlainLine", "STR18 = Hello", 18, "Hello"},
    {"LastEntry", "STR2499 = Last", 2499, "Last"},
    {"EntryBeyondTheTable", "STR2500 = Beyond", -1, ""},
    {"NegativeEntry", "STR-1 = Negative", -1, ""},
    {"CommentOnlyText", "STR9 = /#/ just a note", -1, ""},
    {"EmptyText", "STR9 =    ", -1, ""},
    {"SinglePilcrowEmptiesTheEntry", "STR9 = \u00B6", 9, ""},
    {"PilcrowsKeepBlanks", "STR9 = \u00B6  word  \u00B6 /#/ comment", 9, "  word  "},
    {"PilcrowsAroundSlash", "STR306 = \u00B6 / \u00B6", 306, " / "},
    {"LeadingPilcrowOnly", "STR18 = \u00B6 lead", 18, " lead"},
    {"InnerPilcrowCutsAndKeepsBlank", "STR18 = text \u00B6 tail", 18, "text "},
    {"CommentCutBeforePilcrow", "STR18 = Hello /#/ note \u00B6", 18, "Hello"},
    {"BlanksBeforeStr", "   STR18 = Indented", 18, "Indented"},
    {"TabBeforeStr", "\tSTR18 = Tabbed", 18, "Tabbed"},
    {"LowerCaseStr", "str18 = lower", -1, ""},
    {"LaterLineWins", "STR18 = first\r\nSTR18 = second", 18, "second"},
    {"NoSeparatorTakesLastDigit", "STR12=abc", 1, "abc"},
    {"EqualsInsideText", "STR18 = a = b", 18, "a = b"},
    {"NonAsciiText", "STR18 = Stra\u00DFe \u00E9t\u00E9 \u20AC", 18, "Stra\u00DFe \u00E9t\u00E9 \u20AC"},
    {"NonAsciiSeparator", "STR18\u00A0= separator", 18, "separator"},
    {"NoEquals", "STR18 Hello", -1, ""},
    {"NoNumber", "STR = Hello", -1, ""},
    {"NumberNotNumeric", "STRab = Hello", -1, ""},
    {"OtherLinesIgnored", "; STR18 = x\r\n\r\nXSTR18 = y", -1, ""},
};

class LanguageFileLine : public LanguageGlobals,
                         public testing::WithParamInterface<std::tuple<LineCase, Encoding>> {};

TEST_P(LanguageFileLine, SetsOnlyTheEntryItNames)
{
    const auto& [c, encoding] = GetParam();
    const std::string path = dir_.File("Test.lng");
    WriteTestFile(path, Encoded(std::string(c.lines) + "\r\n", encoding));
    Read_Language_File(path);
    ExpectTableIsBuiltinExcept(c.entry, c.text);
}

std::string LineCaseName(const testing::TestParamInfo<std::tuple<LineCase, Encoding>>& info)
{
    static const char* const encodings[] = {"Win1252", "Utf8Bom", "Utf16LeBom"};
    return std::string(std::get<0>(info.param).name) + "_" +
           encodings[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(Lines, LanguageFileLine,
                         testing::Combine(testing::ValuesIn(LineCases),
                                          testing::Values(Encoding::Win1252, Encoding::Utf8Bom,
                                                          Encoding::Utf16LeBom)),
                         LineCaseName);

TEST_F(LanguageGlobals, CrOnlyLineEndsSeparateLines)
{
    const std::string path = dir_.File("Mac.lng");
    WriteTestFile(path, "STR1 = one\rSTR2 = two\rSTR3 = three");
    Read_Language_File(path);
    EXPECT_EQ(Lang_Table[1], "one");
    EXPECT_EQ(Lang_Table[2], "two");
    EXPECT_EQ(Lang_Table[3], "three");
}

TEST_F(LanguageGlobals, UnreadableFileRaisesAndKeepsTheTexts)
{
    WriteTestFile(dir_.File("Set.lng"), "STR18 = Changed\r\n");
    Read_Language_File(dir_.File("Set.lng"));
    EXPECT_THROW(Read_Language_File(dir_.File("Missing.lng")), EFOpenError);
    ExpectTableIsBuiltinExcept(18, "Changed");
}

class LoadLanguage : public LanguageGlobals {
protected:
    void SetUp() override
    {
        Lang_Table.Clear();
        Language_Dir = dir_.Path();
    }
    void WriteLanguage(const std::string& name, const std::string& lines)
    {
        WriteTestFile(dir_.File(name + ".lng"), lines);
    }
};

TEST_F(LoadLanguage, WithoutAnyFileFallsBackToEnglishBuiltins)
{
    Language_Name = "Italian";
    Load_Language();
    EXPECT_EQ(Language_Name, "English");
    ExpectTableIsBuiltinExcept(-1, "");
}

TEST_F(LoadLanguage, ReadsTheChosenLanguage)
{
    WriteLanguage("Italian", "STR0 = Inizio\r\n");
    WriteLanguage("English", "STR0 = Start\r\n");
    Language_Name = "Italian";
    Load_Language();
    EXPECT_EQ(Language_Name, "Italian");
    ExpectTableIsBuiltinExcept(0, "Inizio");
}

TEST_F(LoadLanguage, MissingLanguageFallsBackToEnglishFile)
{
    WriteLanguage("English", "STR0 = Start\r\n");
    Language_Name = "Italian";
    Load_Language();
    EXPECT_EQ(Language_Name, "English");
    ExpectTableIsBuiltinExcept(0, "Start");
}

// The settings file names the language; whoever edits it must not make the program read
// a file outside the language folder.
TEST_F(LoadLanguage, NameThatIsNotAFileNameFallsBackToEnglish)
{
    const TempDir outside;
    WriteTestFile(outside.File("Stolen.lng"), "STR0 = Stolen\r\n");
    WriteLanguage("English", "STR0 = Start\r\n");
    WriteLanguage("NUL", "STR0 = Device\r\n");
    const std::string besideUs = "../" + outside.Path().substr(outside.Path().rfind('/') + 1) + "/Stolen";
    for (const std::string& name : {besideUs, std::string("NUL")}) {
        Language_Name = name;
        Load_Language();
        EXPECT_EQ(Language_Name, "English") << name;
        ExpectTableIsBuiltinExcept(0, "Start");
    }
}

// What stands at the language file's path and is no file is refused at once, naming the
// file: the texts stay the built-in ones and the caller shows the error.
TEST_F(LoadLanguage, AnEntryThatIsNoFileIsRefusedWithItsName)
{
    Language_Name = "Italian";
    for (const THostileEntry& entry : Hostile_Entries()) {
        entry.Place(dir_.File("Italian.lng"));
        EXPECT_EQ(Read_Refusal([] { Load_Language(); }), Refusal_Text(dir_.File("Italian.lng"), entry))
            << entry.Name;
        ExpectTableIsBuiltinExcept(-1, "");
    }
}

TEST_F(LoadLanguage, ReloadDropsTheTextsOfTheFormerLanguage)
{
    WriteLanguage("Italian", "STR0 = Inizio\r\n");
    Language_Name = "Italian";
    Load_Language();
    Language_Name = "German";
    Load_Language();
    ExpectTableIsBuiltinExcept(-1, "");
}
}  // namespace
