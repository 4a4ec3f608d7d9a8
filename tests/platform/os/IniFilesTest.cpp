#include <gtest/gtest.h>

#include "platform/os/IniFiles.h"
#include "support/TestFiles.h"

TEST(IniFilesTest, ValuesAreWrittenAtOnceAndFoundWithoutRegardToLetterCase)
{
    TempDir dir;
    const std::string path = dir.File("settings.ini");
    {
        TIniFile ini(path);
        ini.WriteInteger("Columns", "CP0", 3);
        ini.WriteString("Columns", "Title", "Größe");
        ini.WriteInteger("columns", "cp0", 4);
    }
    EXPECT_EQ(ReadTestFile(path), "[Columns]\r\nCP0=4\r\nTitle=Größe\r\n");
    const TIniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("COLUMNS", "Cp0", -1), 4);
    EXPECT_EQ(ini.ReadString("Columns", "title", ""), "Größe");
}

TEST(IniFilesTest, MissingFilesValuesAndNumbersGiveTheDefault)
{
    TempDir dir;
    WriteTestFile(dir.File("a.ini"), "stray=1\n; comment\n[S]\nText=abc\n  Number = 12 \nnoequals\n");
    const TIniFile ini(dir.File("a.ini"));
    EXPECT_EQ(ini.ReadInteger("S", "Number", -1), 12);
    EXPECT_EQ(ini.ReadInteger("S", "Text", -1), -1);
    EXPECT_EQ(ini.ReadInteger("S", "stray", -1), -1);
    EXPECT_FALSE(ini.ValueExists("S", "noequals"));
    EXPECT_EQ(TIniFile(dir.File("missing.ini")).ReadString("S", "Text", "none"), "none");
}
