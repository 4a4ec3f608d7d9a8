#include <gtest/gtest.h>

#include <filesystem>

#include "platform/os/FileSystem.h"
#include "support/TestFiles.h"
#include "workspace/UComon.h"
#include "workspace/UProjects.h"

namespace {
// A program directory of its own with an empty PROJECTS folder and no project open.
class ProjectsFixture : public testing::Test {
protected:
    void SetUp() override
    {
        Set_Program_Dirs(exe.Path());
        CreateDir(Projects_Dir);
        Open_Project_Named("");
    }

    TempDir exe;
};
}  // namespace

TEST_F(ProjectsFixture, CreateMakesTheFolderWithBinAndOpensIt)
{
    ASSERT_EQ(Create_Project("Plant1"), 0);
    EXPECT_TRUE(DirectoryExists(Projects_Dir + "/Plant1/bin"));
    EXPECT_EQ(Project_Name, "Plant1");
    EXPECT_EQ(Project_Dir, Projects_Dir + "/Plant1");
    EXPECT_EQ(File_PDO_CANopen, Projects_Dir + "/Plant1/PDO_CANopen.xml");
    EXPECT_EQ(Open_Project_Folder_Name(), "Plant1");
}

struct RefusalCase {
    const char* name;
    int text;
};

class ProjectNameRefusal : public ProjectsFixture, public testing::WithParamInterface<RefusalCase> {};

TEST_P(ProjectNameRefusal, RefusesAndCreatesNothing)
{
    ASSERT_EQ(Create_Project("Plant1"), 0);
    CreateDir(Projects_Dir + "/\xC3\x84rger");  // "Ärger"
    CreateDir(Projects_Dir + "/Line 1");
    WriteTestFile(Projects_Dir + "/notes", "");
    CreateDir(exe.File("outside"));
    const auto before = FindFiles(Projects_Dir, "*").size();

    EXPECT_EQ(Create_Project(GetParam().name), GetParam().text) << GetParam().name;
    EXPECT_EQ(FindFiles(Projects_Dir, "*").size(), before);
    EXPECT_FALSE(DirectoryExists(exe.File("x")));
    EXPECT_FALSE(DirectoryExists(exe.File("outside/bin")));
    EXPECT_EQ(Project_Name, "Plant1") << "the open project stays open";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProjectNameRefusal,
    testing::Values(RefusalCase{"", 107}, RefusalCase{"Plant1", 106}, RefusalCase{"PLANT1", 106},
                    RefusalCase{"plant1", 106}, RefusalCase{"\xC3\xA4rger", 106}, RefusalCase{"../x", 105},
                    RefusalCase{"../outside", 105}, RefusalCase{"a/b", 105}, RefusalCase{"a\\b", 105},
                    RefusalCase{".", 105}, RefusalCase{"..", 105}, RefusalCase{"a<b", 105},
                    RefusalCase{"a>b", 105}, RefusalCase{"a:b", 105}, RefusalCase{"a\"b", 105},
                    RefusalCase{"a|b", 105}, RefusalCase{"a?b", 105}, RefusalCase{"a*b", 105},
                    RefusalCase{"a\tb", 105}, RefusalCase{"a\nb", 105}, RefusalCase{"NOTES", 105},
                    // as the desktop's file system takes names: trailing blanks and dots go
                    RefusalCase{"line 1 ", 106}, RefusalCase{"line 1.", 106}, RefusalCase{"LINE 1. . ", 106},
                    RefusalCase{"notes.", 105}, RefusalCase{" ", 105}, RefusalCase{"   ", 105},
                    RefusalCase{"...", 105}, RefusalCase{". .", 105},
                    // device names, with or without an extension
                    RefusalCase{"CON", 105}, RefusalCase{"con", 105}, RefusalCase{"nul.txt", 105},
                    RefusalCase{"Aux .x", 105}, RefusalCase{"PRN.", 105}, RefusalCase{"COM1", 105},
                    RefusalCase{"lpt9", 105},
                    // not text
                    RefusalCase{"\xC3(", 105}, RefusalCase{"a\xFF", 105},
                    // hidden, so the Open window would never list it
                    RefusalCase{".plant", 105}, RefusalCase{".plant.", 105}, RefusalCase{"..x", 105}));

// The project is the folder the desktop's file system keeps: leading blanks stay, trailing
// blanks and dots go, and the open project is named as its folder.
TEST_F(ProjectsFixture, NamesAreTakenAsTheFileSystemKeepsThem)
{
    const std::pair<const char*, const char*> cases[] = {{" Plant 2 ", " Plant 2"},
                                                         {"  x", "  x"},
                                                         {"x.", "x"},
                                                         {"Anlage-\xC3\xBC.v1", "Anlage-\xC3\xBC.v1"},
                                                         {"line 1.", "line 1"},
                                                         {"CONSOLE", "CONSOLE"},
                                                         {"COM10", "COM10"}};
    for (const auto& [typed, folder] : cases) {
        ASSERT_EQ(Create_Project(typed), 0) << typed;
        EXPECT_TRUE(DirectoryExists(Projects_Dir + "/" + folder + "/bin")) << typed;
        EXPECT_EQ(Project_Name, folder);
        EXPECT_EQ(Project_Dir, Projects_Dir + "/" + folder);
    }
    EXPECT_EQ(FindFiles(Projects_Dir, "*").size(), std::size(cases));
}

// A valid name is not blamed for the folders: the refusal names the folder and the reason.
TEST_F(ProjectsFixture, AProjectsFolderThatCannotBeUsedIsNamedAsTheCause)
{
    std::filesystem::remove_all(Projects_Dir);
    std::string cause;
    EXPECT_EQ(Create_Project("Plant1", &cause), Txt_Projects_Folder_Unusable);
    EXPECT_EQ(cause, Projects_Dir + ". No such file or directory");
    EXPECT_EQ(Project_Dir, "");

    WriteTestFile(Projects_Dir, "a file");
    EXPECT_EQ(Create_Project("Plant1", &cause), Txt_Projects_Folder_Unusable);
    EXPECT_EQ(cause, Projects_Dir + ". Not a directory");
    EXPECT_EQ(ReadTestFile(Projects_Dir), "a file");
    EXPECT_EQ(Project_Dir, "");
}

TEST_F(ProjectsFixture, ListsProjectDirectoriesOnly)
{
    for (const char* name : {"Beta", "Alpha", ".hidden"})
        CreateDir(Projects_Dir + "/" + name);
    WriteTestFile(Projects_Dir + "/readme.txt", "");
    TStringList names;
    names.Add("stale");
    Load_Project_Names(Projects_Dir, names);
    EXPECT_EQ(names.Text(), "Alpha\r\nBeta\r\n");
}

TEST(SearchProjectName, FoldsOnlyAsciiLetters)
{
    TStringList names;
    for (const char* name : {"Alpha", "\xC3\x84rger", "Beta", "beta"})
        names.Add(name);
    EXPECT_EQ(Search_Project_Name(names, "BETA"), 2);
    EXPECT_EQ(Search_Project_Name(names, "alpha"), 0);
    EXPECT_EQ(Search_Project_Name(names, "\xC3\x84RGER"), 1);
    EXPECT_EQ(Search_Project_Name(names, "\xC3\xA4rger"), -1);
    EXPECT_EQ(Search_Project_Name(names, ""), -1);
}

TEST_F(ProjectsFixture, ReopensOnlyAnExistingFolder)
{
    CreateDir(Projects_Dir + "/Plant1");
    Project_Name = "plant1";
    EXPECT_TRUE(Reopen_Last_Project());
    EXPECT_EQ(Project_Dir, Projects_Dir + "/Plant1");

    Project_Name = "Gone";
    EXPECT_FALSE(Reopen_Last_Project());
    EXPECT_EQ(Project_Dir, "");
    EXPECT_EQ(Project_Name, "Gone");

    Project_Name = "";
    EXPECT_FALSE(Reopen_Last_Project());
}

TEST_F(ProjectsFixture, SetFilesNamesTheElevenProjectFiles)
{
    Open_Project_Named("P");
    const std::string dir = Projects_Dir + "/P/";
    const std::pair<const std::string*, const char*> files[] = {
        {&File_ParGen, "ParGen.xml"},
        {&File_EtherNetIP_Master_Rules, "EtherNetIP_Master_Rules.xml"},
        {&File_SNMP_Trap, "SNMP_Trap.xml"},
        {&File_CAN_Rec_Frames, "CAN_Rec_Frames.xml"},
        {&File_CAN_Send_Frames, "CAN_Send_Frames.xml"},
        {&File_BACnet_Slave_SetAccess, "BACnet_Slave_SetAccess.xml"},
        {&File_KNX_SetAccess, "KNX_SetAccess.xml"},
        {&File_MQTT_Set_Topic, "MQTT_Set_Topic.xml"},
        {&File_SDO_Server_CANopen, "SDO_Server_CANopen.xml"},
        {&File_SDO_Client_CANopen, "SDO_Client_CANopen.xml"},
        {&File_PDO_CANopen, "PDO_CANopen.xml"}};
    for (const auto& [path, name] : files)
        EXPECT_EQ(*path, dir + name);
    Open_Project_Named("");
    EXPECT_EQ(Project_Dir, "");
    EXPECT_EQ(Open_Project_Folder_Name(), "");
}
