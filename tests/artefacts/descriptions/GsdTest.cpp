#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "DescriptionProject.h"
#include "artefacts/descriptions/UProfibus_GSD.h"

namespace {
class Gsd : public DescriptionProject {
protected:
    std::string Write(int32_t nbIn, int32_t nbOut)
    {
        GSD_NB_IN = nbIn;
        GSD_NB_OUT = nbOut;
        Write_GSD_File(dir.File("out.gsd"));
        return ReadTestFile(dir.File("out.gsd"));
    }
};

// The slave's 100 input and 10 output bytes: two input modules, one output module.
TEST_F(Gsd, WritesTheExpectedFile) { EXPECT_EQ(Write(10, 100), Golden_File("gsd/in100_out10.gsd")); }

struct ModuleCase {
    int32_t nbIn, nbOut;
    std::vector<std::string> modules; // the Module= lines in order
    const char* maxModule;
};

TEST_F(Gsd, CutsTheLengthsIntoModulesOfAtMost64Bytes)
{
    const ModuleCase cases[] = {
        {0, 64, {"Module=\"DI  (PORT1)    \" 0x42,0x3F,0x00,0x01"}, "Max_Module=1"},
        {0,
         65,
         {"Module=\"DI  (PORT1)    \" 0x42,0x3F,0x00,0x01", "Module=\"DI  (PORT2)    \" 0x42,0x00,0x00,0x02"},
         "Max_Module=2"},
        {128,
         0,
         {"Module=\"DO  (PORT1)    \" 0x82,0x3F,0x00,0x01", "Module=\"DO  (PORT2)    \" 0x82,0x3F,0x00,0x02"},
         "Max_Module=2"},
        {-5, 0, {}, "Max_Module=0"},
    };
    for (const ModuleCase& c : cases) {
        const std::string text = Write(c.nbIn, c.nbOut);
        std::vector<std::string> modules;
        for (size_t at = text.find("Module=\""); at != std::string::npos; at = text.find("Module=\"", at + 1))
            modules.push_back(text.substr(at, text.find("\r\n", at) - at));
        EXPECT_EQ(modules, c.modules) << c.nbIn << "/" << c.nbOut;
        EXPECT_THAT(text, ::testing::HasSubstr("\r\n" + std::string(c.maxModule) + "\r\n"));
    }
}

TEST_F(Gsd, EmptyLengthsGiveAnEmptySlotDefinition)
{
    EXPECT_THAT(Write(0, 0), ::testing::HasSubstr("\r\nSlotDefinition\r\nEndSlotDefinition\r\n"));
}

TEST_F(Gsd, HugeLengthsStopAtTheLastModuleNumber)
{
    const std::string text = Write(2147483647, 2147483647);
    // The lengths are those of the 255 input modules listed, 64 bytes each.
    EXPECT_THAT(text, ::testing::HasSubstr("\r\nMax_Input_Len=16320\r\nMax_Output_Len=0\r\n"
                                           "Max_Data_Len=16320\r\n"));
    EXPECT_THAT(text, ::testing::HasSubstr("\r\nMax_Module=255\r\n"));
    EXPECT_THAT(text, ::testing::HasSubstr("0x42,0x3F,0x00,0xFF\r\n255\r\nEndModule\r\n\r\n"));
    EXPECT_THAT(text, ::testing::HasSubstr("Slot(255) = \"Slot 255\" 255 255\r\nEndSlotDefinition"));
    EXPECT_THAT(text, ::testing::Not(::testing::HasSubstr("Slot(256)")));
}

// The list stops at module 255 part-way through the outputs: the lengths count what it lists.
TEST_F(Gsd, CappedLengthsAreTheSumsOfTheModulesListed)
{
    struct Case {
        int32_t nbIn, nbOut;
        const char* lengths;
    };
    const Case cases[] = {
        {300, 250 * 64 + 10, "Max_Input_Len=16010\r\nMax_Output_Len=256\r\nMax_Data_Len=16266"},
        {100, 255 * 64, "Max_Input_Len=16320\r\nMax_Output_Len=0\r\nMax_Data_Len=16320"},
        {300, 100, "Max_Input_Len=100\r\nMax_Output_Len=300\r\nMax_Data_Len=400"},
        {-5, 0, "Max_Input_Len=0\r\nMax_Output_Len=0\r\nMax_Data_Len=0"},
    };
    for (const Case& c : cases)
        EXPECT_THAT(Write(c.nbIn, c.nbOut), ::testing::HasSubstr("\r\n" + std::string(c.lengths) + "\r\n"))
            << c.nbIn << "/" << c.nbOut;
}

TEST(GsdFileName, AppendsTheExtensionOnlyWhenMissing)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/p/Slave", "/p/Slave.gsd"},
        {"/p/SLAVE.GSD", "/p/SLAVE.GSD"},
        {"/p/a.gsd.txt", "/p/a.gsd.txt.gsd"},
    };
    for (const auto& [chosen, expected] : cases)
        EXPECT_EQ(GSD_File_Name(chosen), expected) << chosen;
}

TEST_F(Gsd, WithoutCommunicationParametersReportsAndWritesNothing)
{
    Create_PROFIBUS_GSD();
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].Text,
              "Error! Please set the Set Communication Parameter before to create the GSD file");
    EXPECT_TRUE(dialogs.FileRequests().empty());
}

TEST_F(Gsd, ReadsTheLengthsAndAsksBeforeReplacing)
{
    Write_ParGen("<PROFINET_NB_IN>$0A</PROFINET_NB_IN><PROFINET_NB_OUT>100</PROFINET_NB_OUT>");
    const std::string path = dir.File("Slave.gsd");
    WriteTestFile(path, "old");

    dialogs.AnswerFile(dir.File("Slave"));
    dialogs.AnswerMessage(mrNo);
    Create_PROFIBUS_GSD();
    EXPECT_EQ(ReadTestFile(path), "old");
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].Text, "File already exists! Do you want to overwrite the file?");
    EXPECT_EQ(dialogs.FileRequests().at(0).InitialDir, dir.Path());

    dialogs.AnswerFile(dir.File("Slave"));
    dialogs.AnswerMessage(mrYes);
    Create_PROFIBUS_GSD();
    EXPECT_EQ(ReadTestFile(path), Golden_File("gsd/in100_out10.gsd"));
}
} // namespace
