#include <gtest/gtest.h>

#include "platform/os/IniFiles.h"
#include "platform/rtl/Exceptions.h"
#include "support/DiskFull.h"
#include "support/HostileFiles.h"
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

// However far a write got when the disk filled up, the earlier file stays whole and the
// error names the file.
TEST(IniFilesTest, FullDiskKeepsTheEarlierFileWhole)
{
    TempDir dir;
    const std::string path = dir.File("grid.ini");
    const std::string earlier = "[Columns]\r\nCP0=3\r\nCP1=1\r\n[Print]\r\nOrientation=1\r\nTitle=Plant1\r\n";
    for (const size_t room : {size_t{0}, size_t{40}, size_t{4096}}) {
        WriteTestFile(path, earlier);
        TIniFile ini(path);
        {
            TDiskFull disk(room);
            try {
                ini.WriteString("Print", "Footer", std::string(5000, 'f'));
                ADD_FAILURE() << "no error with room for " << room << " bytes";
            } catch (const EFCreateError& e) {
                EXPECT_EQ(e.Message(), "Cannot write file \"" + path + "\". No space left on device") << room;
            }
        }
        EXPECT_EQ(ReadTestFile(path), earlier) << room;
    }
}

TEST(IniFilesTest, ReadsOnlyARegularFileAndNamesWhatElseStandsThere)
{
    TempDir dir;
    const std::string path = dir.File("grid.ini");
    for (const THostileEntry& entry : Hostile_Entries()) {
        entry.Place(path);
        EXPECT_EQ(Read_Refusal([&] { TIniFile ini(path); }), Refusal_Text(path, entry)) << entry.Name;
    }
}
