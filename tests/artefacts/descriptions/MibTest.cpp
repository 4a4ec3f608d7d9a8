#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "DescriptionProject.h"
#include "artefacts/descriptions/USNMP_MIB.h"
#include "editors/snmp/MibNames.h"
#include "platform/os/FileSystem.h"
#include "platform/rtl/Exceptions.h"
#include "platform/xml/XMLDoc.h"

namespace {
using ::testing::HasSubstr;
using ::testing::Not;

class Mib : public DescriptionProject {
protected:
    std::string Generate()
    {
        Read_SNMP_Trap_Rules();
        Write_MIB_File(dir.File("out.mib"));
        return ReadTestFile(dir.File("out.mib"));
    }

    // Rule file with these row elements (XML text) in the read and write sections.
    void Write_Rules(const std::string& readRows, const std::string& writeRows)
    {
        WriteTestFile(File_SNMP_Trap, "<SNMP_Trap><SNMP_Trap_Read>" + readRows +
                                          "</SNMP_Trap_Read><SNMP_Trap_Write>" + writeRows +
                                          "</SNMP_Trap_Write></SNMP_Trap>");
    }

    static std::string Rows(int count, const std::string& type, const std::string& prefix)
    {
        std::string rows;
        for (int k = 1; k <= count; ++k)
            rows += "<row Enable=\"Y\" Type=\"" + type + "\" Description=\"" + prefix + std::to_string(k) +
                    "\"/>";
        return rows;
    }
};

// Enabled rows in any case, an empty description, "int" and "String" types, two write rows.
TEST_F(Mib, WritesTheExpectedModule)
{
    File_SNMP_Trap = std::string(TEST_DATA_DIR) + "/descriptions/mib/SNMP_Trap.xml";
    EXPECT_EQ(Generate(), Golden_File("mib/expected.mib"));
}

TEST_F(Mib, WithoutRulesWritesTheFixedPartOnly)
{
    const std::string text = Generate();
    EXPECT_THAT(text, HasSubstr("\r\n bufferinval OBJECT IDENTIFIER::= { bufferin 9 }\r\nbufferout "));
    EXPECT_THAT(text, HasSubstr("\r\n trapsval OBJECT IDENTIFIER::= { traps 1 }\r\nEND\r\n"));
}

TEST_F(Mib, WriteRowsAloneGiveNoNotification)
{
    Write_Rules("", Rows(2, "Int", "w"));
    const std::string text = Generate();
    EXPECT_THAT(text, HasSubstr("w2 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-write STATUS current "
                                "DESCRIPTION \"w2\" ::= { bufferoutval 2 }\r\n"));
    EXPECT_THAT(text, Not(HasSubstr("trapval1")));
}

TEST_F(Mib, ExtraRowsAreLeftOutAndNeverChangeTheWriteEntries)
{
    Write_Rules(Rows(300, "Int", "r"), Rows(1, "String", "w"));
    const std::string text = Generate();
    EXPECT_EQ(MIB_Read_Desc_List.Count(), 256);
    EXPECT_THAT(text, HasSubstr("\"r256\" ::= { bufferinval 256 }\r\n"));
    EXPECT_THAT(text, Not(HasSubstr("r257")));
    EXPECT_THAT(text, HasSubstr("w1 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-write"));
    EXPECT_THAT(text, HasSubstr("trapval256 NOTIFICATION-TYPE OBJECTS { r256 } STATUS current"));
}

TEST_F(Mib, AFileThatCannotBeParsedStopsBeforeWriting)
{
    WriteTestFile(File_SNMP_Trap, "<SNMP_Trap><SNMP_Trap_Read>");
    const std::string path = dir.File("out.mib");
    dialogs.AnswerFile(path);
    EXPECT_THROW(Create_SNMP_MIB(), EXMLDocError);
    EXPECT_FALSE(FileExists(path));
}

TEST_F(Mib, AsksBeforeReplacing)
{
    const std::string path = dir.File("out.mib");
    WriteTestFile(path, "old");
    dialogs.AnswerFile(path);
    dialogs.AnswerMessage(mrNo);
    Create_SNMP_MIB();
    EXPECT_EQ(ReadTestFile(path), "old");
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].Text, "File already exists! Do you want to overwrite the file?");
    EXPECT_EQ(dialogs.FileRequests().at(0).Filter, "Management Information Base (*.mib)|*.mib");

    dialogs.AnswerFile(path);
    dialogs.AnswerMessage(mrYes);
    Create_SNMP_MIB();
    EXPECT_THAT(ReadTestFile(path), HasSubstr("\r\nEND\r\n"));
}
// What smilint says of a module at level 3 (errors and severe warnings), with the base
// modules of the shared fixtures on its path.
std::string Smilint(const std::string& Module, const std::string& Output)
{
    const std::string command =
        "SMIPATH='" + FixturePath("snmp-mibs") + "' smilint -l 3 '" + Module + "' > '" + Output + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return ReadTestFile(Output);
}

// SNMP tools compile the module: SMIv2 notifications with their imports, no name twice.
TEST_F(Mib, SmilintFindsNoErrorInTheGeneratedModules)
{
    if (FixturePath("snmp-mibs").empty() || !DirectoryExists(FixturePath("snmp-mibs")))
        GTEST_SKIP() << "the base MIB modules of the shared fixtures (snmp-mibs) are missing";
    if (std::system("command -v smilint > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "smilint (smitools) is not installed";
    EXPECT_EQ(Smilint(std::string(TEST_DATA_DIR) + "/descriptions/mib/expected.mib", dir.File("golden.txt")),
              "");
    Write_Rules(Rows(300, "Int", "r") + "<row Enable=\"Y\" Type=\"String\" Description=\"\"/>",
                Rows(3, "String", "w"));
    Generate();
    EXPECT_EQ(Smilint(dir.File("out.mib"), dir.File("large.txt")), "");
}

// Every name the module defines or imports in lower case is one the SNMP editor refuses as a
// description, so no rule can define it a second time.
TEST_F(Mib, TheSnmpEditorRefusesEveryNameTheModuleDefines)
{
    Write_Rules(Rows(2, "Int", "r") + "<row Enable=\"Y\" Type=\"Int\" Description=\"\"/>",
                "<row Enable=\"Y\" Type=\"Int\" Description=\"\"/>");
    const std::string text = Generate();
    const std::regex defined(
        R"((?:^|\n) *([a-z][A-Za-z0-9]*) +(?:OBJECT|NOTIFICATION-TYPE|MODULE-IDENTITY))");
    std::vector<std::string> names{"enterprises"};
    for (auto it = std::sregex_iterator(text.begin(), text.end(), defined); it != std::sregex_iterator();
         ++it)
        names.push_back((*it)[1]);
    ASSERT_EQ(names.size(), 38u);
    for (const std::string& name : names) {
        const bool ruleName = name == "r1" || name == "r2";
        EXPECT_EQ(Is_MIB_Name(name), !ruleName) << name;
    }
    for (const char* free : {"temp", "trapvalue", "bufferin2x", "datas", "trapval"})
        EXPECT_FALSE(Is_MIB_Name(free)) << free;
    for (const char* taken : {"Data", "cOUNTIN", "trapval300", "bufferoutblk9"})
        EXPECT_TRUE(Is_MIB_Name(taken)) << taken;
}
} // namespace
