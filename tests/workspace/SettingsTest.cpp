#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "platform/xml/XMLDoc.h"
#include "support/DiskFull.h"
#include "support/TestFiles.h"
#include "workspace/UComon.h"
#include "workspace/USettings.h"

namespace {
// The program-wide values that the settings file carries, in one comparable line.
std::string Settings_Values()
{
    return "proj=" + Project_Name + " ip=" + Last_IP_Address + " lang=" + Language_Name +
           " flags=" + std::to_string(Opt_Enable_Internet) + std::to_string(Opt_Enable_Update) +
           std::to_string(Opt_Jump_Field_Tables) + std::to_string(Opt_Double_Click_Auto_Size);
}

// Values that no read would produce, so that every item a read leaves alone shows.
void Scramble_Settings()
{
    Project_Name = "stale";
    Project_Dir = "/stale";
    Last_IP_Address = "stale";
    Language_Name = "stale";
    Opt_Enable_Internet = Opt_Enable_Update = Opt_Jump_Field_Tables = Opt_Double_Click_Auto_Size = 7;
}

// Every leaf element of a document as "path=text" lines in document order.
void Flatten(const TXMLNode& node, const std::string& path, std::string& out)
{
    const std::string here = path + "/" + node.NodeName();
    const TXMLNodeList children = node.ChildNodes();
    bool hasElements = false;
    for (int i = 0; i < children.Count(); ++i)
        if (children[i].NodeType() == TXMLNodeType::ntElement) {
            hasElements = true;
            Flatten(children[i], here, out);
        }
    if (!hasElements) out += here + "=" + node.Text() + "\n";
}

std::string Flatten_File(const std::string& path)
{
    TXMLDocument doc;
    doc.LoadFromFile(path);
    std::string out;
    Flatten(doc.DocumentElement(), "", out);
    return out;
}

const char* const Default_Settings_Values = "proj= ip=192.168.2.205 lang=English flags=0000";

// The program-wide values these tests change go back afterwards: other tests read their
// start values.
class TSavedSettings {
public:
    ~TSavedSettings()
    {
        Project_Name = project_;
        Project_Dir = dir_;
        Last_IP_Address = ip_;
        Language_Name = language_;
        Opt_Enable_Internet = flags_[0];
        Opt_Enable_Update = flags_[1];
        Opt_Jump_Field_Tables = flags_[2];
        Opt_Double_Click_Auto_Size = flags_[3];
    }

private:
    std::string project_ = Project_Name, dir_ = Project_Dir, ip_ = Last_IP_Address, language_ = Language_Name;
    int flags_[4] = {Opt_Enable_Internet, Opt_Enable_Update, Opt_Jump_Field_Tables, Opt_Double_Click_Auto_Size};
};

class SettingsFile : public testing::Test {
    TSavedSettings saved_;
};
}  // namespace

TEST_F(SettingsFile, MissingFileGivesTheDefaults)
{
    TempDir dir;
    Scramble_Settings();
    Read_Settings(dir.File("Vantrel.xml"));
    EXPECT_EQ(Settings_Values(), Default_Settings_Values);
    EXPECT_EQ(Project_Dir, "");
}

struct SettingsCase {
    const char* name;
    const char* xml;
    const char* expected;
    std::string told = "";  // what the user is told about the file, once
};

const std::string Kept = ". The settings that could be read are kept; the others are back at their defaults.";
const std::string Lost = ". The settings are back at their defaults.";

class SettingsRead : public testing::TestWithParam<SettingsCase> {
    TSavedSettings saved_;
};

TEST_P(SettingsRead, EachItemFallsBackAlone)
{
    TempDir dir;
    WriteTestFile(dir.File("Vantrel.xml"), GetParam().xml);
    Scramble_Settings();
    EXPECT_EQ(Read_Settings(dir.File("Vantrel.xml")), GetParam().told);
    EXPECT_EQ(Settings_Values(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsRead,
    testing::Values(
        SettingsCase{"Full",
                     "<Conf_Settings><lastproj><projectname>Plant1</projectname></lastproj>"
                     "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>"
                     "<lastlang><language>Deutsch</language></lastlang>"
                     "<lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
                     "<enable_jump_field_tables>1</enable_jump_field_tables>"
                     "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet></Conf_Settings>",
                     "proj=Plant1 ip=10.0.0.7 lang=Deutsch flags=1111"},
        SettingsCase{"OnlyLanguage",
                     "<Conf_Settings><lastlang><language>Deutsch</language></lastlang></Conf_Settings>",
                     "proj= ip=192.168.2.205 lang=Deutsch flags=0000"},
        SettingsCase{"NoEnableUpdate",
                     "<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
                     "<enable_jump_field_tables>1</enable_jump_field_tables>"
                     "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet></Conf_Settings>",
                     "proj= ip=192.168.2.205 lang=English flags=1011"},
        SettingsCase{
            "OnlyExactOneIsOn",
            "<Conf_Settings><lastinternet><enable_internet>true</enable_internet>"
            "<enable_update> 1</enable_update><enable_jump_field_tables>yes</enable_jump_field_tables>"
            "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet></Conf_Settings>",
            "proj= ip=192.168.2.205 lang=English flags=0001"},
        SettingsCase{"EmptyElementsGiveEmptyTexts",
                     "<Conf_Settings><lastproj><projectname/></lastproj><lastipadd><ipaddress/></lastipadd>"
                     "</Conf_Settings>",
                     "proj= ip= lang=English flags=0000"},
        SettingsCase{"AnyRootNameAfterDeclarationCommentAndInstruction",
                     "<?xml version=\"1.0\"?><!-- saved --><?app x?>\n<Other><lastproj>"
                     "<projectname>Anlage \xC3\xBC\x62</projectname></lastproj></Other>",
                     "proj=Anlage \xC3\xBC\x62 ip=192.168.2.205 lang=English flags=0000"},
        SettingsCase{"ItemOutsideItsGroupIsMissing",
                     "<Conf_Settings><language>Deutsch</language><lastlang/></Conf_Settings>",
                     "proj= ip=192.168.2.205 lang=English flags=0000"},
        SettingsCase{"NotWellFormed", "<Conf_Settings><lastlang><language>Deutsch</lastlang>",
                     "proj= ip=192.168.2.205 lang=English flags=0000",
                     "Vantrel.xml: the file is damaged (line 1: start and end tags do not match)" + Lost},
        SettingsCase{"EmptyFile", "", "proj= ip=192.168.2.205 lang=English flags=0000",
                     "Vantrel.xml: the file is damaged (line 1: the file is empty)" + Lost},
        SettingsCase{"CutInTheAddress",
                     "<Conf_Settings>\n<lastproj><projectname>Plant1</projectname></lastproj>\n"
                     "<lastipadd><ipaddress>10.0.",
                     "proj=Plant1 ip=192.168.2.205 lang=English flags=0000",
                     "Vantrel.xml: the file is damaged (line 3: the file ends too early)" + Kept},
        SettingsCase{"CutInAFlag",
                     "<Conf_Settings><lastproj><projectname>Plant1</projectname></lastproj>"
                     "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>"
                     "<lastlang><language>Deutsch</language></lastlang>"
                     "<lastinternet><enable_internet>1</enable_internet><enable_update>1",
                     "proj=Plant1 ip=10.0.0.7 lang=Deutsch flags=1000",
                     "Vantrel.xml: the file is damaged (line 1: the file ends too early)" + Kept},
        SettingsCase{"CutBeforeTheGroupsClose",
                     "<Conf_Settings><lastproj><projectname>Plant1</projectname></lastproj>"
                     "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>"
                     "<lastlang><language>Deutsch</language></lastlang>"
                     "<lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
                     "<enable_jump_field_tables>1</enable_jump_field_tables>"
                     "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastint",
                     "proj=Plant1 ip=10.0.0.7 lang=Deutsch flags=1111",
                     "Vantrel.xml: the file is damaged (line 1: the file ends too early)" + Kept}),
    [](const testing::TestParamInfo<SettingsCase>& info) { return std::string(info.param.name); });

TEST_F(SettingsFile, WritesTheSevenItemsInOrderUnderConfSettings)
{
    TempDir dir;
    Read_Settings(dir.File("none.xml"));
    Write_Settings(dir.File("Vantrel.xml"));
    EXPECT_EQ(Flatten_File(dir.File("Vantrel.xml")),
              "/Conf_Settings/lastproj/projectname=\n"
              "/Conf_Settings/lastipadd/ipaddress=192.168.2.205\n"
              "/Conf_Settings/lastlang/language=English\n"
              "/Conf_Settings/lastinternet/enable_internet=0\n"
              "/Conf_Settings/lastinternet/enable_update=0\n"
              "/Conf_Settings/lastinternet/enable_jump_field_tables=0\n"
              "/Conf_Settings/lastinternet/Double_Click_Auto_Size=0\n");
    const std::string bytes = ReadTestFile(dir.File("Vantrel.xml"));
    EXPECT_EQ(bytes.rfind("<Conf_Settings>", 0), 0u) << "no declaration, no comment before the root";
    EXPECT_EQ(bytes.find('='), std::string::npos) << "no attributes";
}

TEST_F(SettingsFile, WrittenValuesReadBack)
{
    TempDir dir;
    Project_Name = "Anlage <1> & \xC3\xBC";
    Last_IP_Address = "10.1.2.3";
    Language_Name = "Italiano";
    Opt_Enable_Internet = 1;
    Opt_Enable_Update = 0;
    Opt_Jump_Field_Tables = 1;
    Opt_Double_Click_Auto_Size = 0;
    const std::string written = Settings_Values();
    Write_Settings(dir.File("Vantrel.xml"));
    Scramble_Settings();
    Read_Settings(dir.File("Vantrel.xml"));
    EXPECT_EQ(Settings_Values(), written);
}

TEST_F(SettingsFile, FullDiskKeepsTheEarlierFile)
{
    TempDir dir;
    WriteTestFile(dir.File("Vantrel.xml"), "<Conf_Settings/>");
    Language_Name = "Italiano";
    {
        TDiskFull disk(10);
        EXPECT_THROW(Write_Settings(dir.File("Vantrel.xml")), EFCreateError);
    }
    EXPECT_EQ(ReadTestFile(dir.File("Vantrel.xml")), "<Conf_Settings/>");
}

TEST_F(SettingsFile, PathIsBesideTheExecutable)
{
    Set_Program_Dirs("/opt/vantrel");
    EXPECT_EQ(Settings_File_Path(), "/opt/vantrel/Vantrel.xml");
}
