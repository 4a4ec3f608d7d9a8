#include <gtest/gtest.h>

#include <filesystem>

#include "editors/ethernetip/EdsImport.h"
#include "support/HostileFiles.h"
#include "support/TestFiles.h"

namespace {
const char* const kTarget = "[Device]\n"
                            "VendCode = 42;\n"
                            "MajRev = 3;\n"
                            "[Connection Manager]\n"
                            "Connection1 = 0x04010002, 0x44640405, ,,, ,,, ,, 1,Assem9,\n"
                            "   \"Owner\", \"\", \"20 04 24 78 2C 96 2C 64\";\n"
                            "Connection2 = 0x04010002, 0x44640405, ,,, ,,, ,, ,,\n"
                            "   \"Listen\", \"\", \"20 04 24 79 2C 97 2C 65\";\n"
                            "[Params]\n"
                            "Param1 = 0,,,0x0000,0xC6,1,\"Mode\",\"\",\"\",0,10,5;\n"
                            "[Assembly]\n"
                            "Assem9 = \"Config\",\"\",1,0,,,8,Param1;\n";

TEST(EdsImport, ReadsTheFileOnceForTheConnectionsAndTheChosenConfiguration)
{
    TempDir dir;
    const std::string file = dir.File("target.eds");
    WriteTestFile(file, kTarget);
    const TEdsImport import(file);
    // The user chooses after the file has gone: the import needs it no more.
    std::filesystem::remove(file);
    ASSERT_EQ(import.Connections().List_Conn.size(), 2u);
    EXPECT_EQ(import.Connections().Identity.VendCode, 42);
    const TTargetConfig config = import.TargetConfigOf(import.Connections().List_Conn[0]);
    EXPECT_EQ(config.FileName, file);
    EXPECT_EQ(config.Size, "1");
    EXPECT_EQ(config.Format, "Assem9");
    EXPECT_EQ(config.AO_Name, "Config");
    EXPECT_EQ(config.GetConfigStrData(), "0x05");
    EXPECT_TRUE(import.TargetConfigOf(import.Connections().List_Conn[1]).ListParamObject.empty());
}

// An EDS file chosen in the dialog may be a FIFO, a device or a directory: the import is
// refused at once, naming the file and what stands there.
TEST(EdsImport, OfAnEntryThatIsNoFileIsRefused)
{
    TempDir dir;
    const std::string file = dir.File("target.eds");
    for (const THostileEntry& entry : Hostile_Entries()) {
        entry.Place(file);
        EXPECT_EQ(Read_Refusal([&] { TEdsImport import(file); }), Refusal_Text(file, entry)) << entry.Name;
    }
}

TEST(EdsImport, OfAMissingFileOffersNothing)
{
    TempDir dir;
    const TEdsImport import(dir.File("missing.eds"));
    EXPECT_TRUE(import.Connections().List_Conn.empty());
    EXPECT_FALSE(import.Connections().Identity.IsKnown());
}
} // namespace
