#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "DescriptionProject.h"
#include "artefacts/descriptions/UProfinetXML.h"
#include "artefacts/descriptions/UXmlLines.h"
#include "platform/os/FileSystem.h"
#include "platform/rtl/Exceptions.h"
#include "platform/xml/XMLDoc.h"

namespace {
using ::testing::ElementsAre;
using ::testing::Pair;

class Gsdml : public DescriptionProject {
protected:
    // Writes the file and loads it back through the XML layer.
    std::string Generate(TXMLDocument& doc)
    {
        Write_GSDML_File(dir.File("out.xml"));
        const std::string text = ReadTestFile(dir.File("out.xml"));
        doc.LoadFromXML(text);
        return text;
    }

    void Write_Targets(const std::vector<std::pair<const char*, const char*>>& targets)
    {
        std::string xml = "<EtherNetIP_Master_Rules>";
        for (const auto& [in, out] : targets)
            xml += std::string("<row Num_Input=\"") + in + "\" Num_Output=\"" + out + "\"/>";
        WriteTestFile(File_EtherNetIP_Master_Rules, xml + "</EtherNetIP_Master_Rules>");
    }

    static std::vector<std::pair<int32_t, int32_t>> Sizes()
    {
        return {PROFINET_Module_Sizes.begin(), PROFINET_Module_Sizes.begin() + PROFINET_Module_Count};
    }
};

// The element below parent reached by the names in order, each the first of its name.
TXMLNode Path(TXMLNode node, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        node = node ? node.FindNode(name) : TXMLNode();
    return node;
}

std::vector<TXMLNode> Elements(const TXMLNode& parent, const std::string& name)
{
    std::vector<TXMLNode> found;
    for (TXMLNode child = parent.FirstChild(); child; child = child.NextSibling())
        if (child.NodeType() == TXMLNodeType::ntElement && child.NodeName() == name) found.push_back(child);
    return found;
}

// Three targets of (8, 4), (0, 16) and (2, 0) bytes on station gw-line1.
TEST_F(Gsdml, WritesTheExpectedDocument)
{
    Write_ParGen("<PROFINET_NAME_STA>gw-line1</PROFINET_NAME_STA>");
    File_EtherNetIP_Master_Rules =
        std::string(TEST_DATA_DIR) + "/descriptions/gsdml/EtherNetIP_Master_Rules.xml";
    TXMLDocument doc;
    EXPECT_EQ(Generate(doc), Golden_File("gsdml/expected.xml"));

    const TXMLNode process = Path(doc.DocumentElement(), {"ProfileBody", "ApplicationProcess"});
    EXPECT_EQ(Elements(Path(process, {"ExternalTextList", "PrimaryLanguage"}), "Text").size(), 48u);
    const std::vector<TXMLNode> modules = Elements(Path(process, {"ModuleList"}), "ModuleItem");
    ASSERT_EQ(modules.size(), 3u);
    const auto io = [&](int k) {
        return Path(modules[k], {"VirtualSubmoduleList", "VirtualSubmoduleItem", "IOData"});
    };
    EXPECT_EQ(Path(io(0), {"Input", "DataItem"}).Attribute("Length"), "8");
    EXPECT_EQ(Path(io(0), {"Output", "DataItem"}).Attribute("Length"), "4");
    EXPECT_FALSE(io(1).FindNode("Input"));
    EXPECT_FALSE(io(2).FindNode("Output"));
    EXPECT_EQ(
        Path(modules[2], {"VirtualSubmoduleList", "VirtualSubmoduleItem"}).Attribute("SubmoduleIdentNumber"),
        "0x00000003");
    const std::vector<TXMLNode> slots = Elements(
        Path(process, {"DeviceAccessPointList", "DeviceAccessPointItem", "UseableModules"}), "ModuleItemRef");
    ASSERT_EQ(slots.size(), 3u);
    EXPECT_EQ(slots[2].Attribute("ModuleItemTarget"), "IDM_3");
    EXPECT_EQ(slots[2].Attribute("FixedInSlots"), "3");
}

TEST_F(Gsdml, ReadsTargetsAndStation)
{
    struct Case {
        const char* parGen;
        std::vector<std::pair<const char*, const char*>> targets;
        const char* station;
        std::vector<std::pair<int32_t, int32_t>> sizes;
    };
    const std::vector<std::pair<const char*, const char*>> three = {{"8", "4"}, {"0", "16"}, {"2", "0"}};
    const Case cases[] = {
        {"<PROFINET_NAME_STA>   </PROFINET_NAME_STA>", three, "SERIAL", {{8, 4}, {0, 16}, {2, 0}}},
        {"<PROFINET_NAME_STA> a "
         "</PROFINET_NAME_STA><PROFINET_Create_Single_Module>1</PROFINET_Create_Single_Module>",
         three,
         " a ",
         {{10, 20}}},
        {"<PROFINET_Create_Single_Module>1</PROFINET_Create_Single_Module>",
         {{"x", "2147483647"}, {"-3", "1"}},
         "SERIAL",
         {{-3, 2147483647}}},
        {"<PROFINET_Create_Single_Module>yes</PROFINET_Create_Single_Module>",
         {{"", "$10"}},
         "SERIAL",
         {{0, 16}}},
        {nullptr, {}, "SERIAL", {}},
    };
    for (const Case& c : cases) {
        File_ParGen = dir.File(c.parGen ? "ParGen.xml" : "missing.xml");
        if (c.parGen) Write_ParGen(c.parGen);
        Write_Targets(c.targets);
        Read_PROFINET_Par();
        EXPECT_EQ(PROFINET_Station_Name, c.station) << c.station;
        EXPECT_EQ(Sizes(), c.sizes) << c.station;
    }
}

TEST_F(Gsdml, TargetsPastTheTenthAreLeftOut)
{
    Write_Targets(std::vector<std::pair<const char*, const char*>>(12, {"1", "1"}));
    TXMLDocument doc;
    Generate(doc);
    EXPECT_EQ(PROFINET_Module_Count, 10);
    const TXMLNode list = Path(doc.DocumentElement(), {"ProfileBody", "ApplicationProcess", "ModuleList"});
    EXPECT_EQ(Elements(list, "ModuleItem").size(), 10u);
}

TEST_F(Gsdml, StationNameReadsBackAsWritten)
{
    for (const std::string station : {"a\"<&>'b", "Línea_1"}) {
        Write_ParGen("<PROFINET_NAME_STA>" + Xml_Escape(station) + "</PROFINET_NAME_STA>");
        TXMLDocument doc;
        Generate(doc);
        const TXMLNode dap = Path(doc.DocumentElement(), {"ProfileBody", "ApplicationProcess",
                                                          "DeviceAccessPointList", "DeviceAccessPointItem"});
        EXPECT_EQ(dap.Attribute("ImplementationType"), station);
        EXPECT_EQ(dap.Attribute("DNS_CompatibleName"), station);
    }
}

TEST_F(Gsdml, WithoutProjectFilesWritesNoModules)
{
    TXMLDocument doc;
    const std::string text = Generate(doc);
    EXPECT_THAT(text, ::testing::StartsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"));
    const TXMLNode process = Path(doc.DocumentElement(), {"ProfileBody", "ApplicationProcess"});
    EXPECT_TRUE(Elements(Path(process, {"ModuleList"}), "ModuleItem").empty());
    EXPECT_EQ(Elements(Path(process, {"ExternalTextList", "PrimaryLanguage"}), "Text").size(), 36u);
}

TEST_F(Gsdml, KeepsTheComposedNameInTheChosenFolderAndAsksBeforeReplacing)
{
    const std::string name = "GSDML-V2.31-Quorvane-GW30628-20240105.xml";
    CreateDir(dir.File("sub"));
    dialogs.AnswerFile(dir.File("sub/typed.xml"));
    Create_PROFINET_XML(name);
    EXPECT_TRUE(FileExists(dir.File("sub/" + name)));
    EXPECT_FALSE(FileExists(dir.File("sub/typed.xml")));
    const TFileDialogRequest& request = dialogs.FileRequests().at(0);
    EXPECT_EQ(request.Filter, "PROFINET XML (*.xml)|" + name);
    EXPECT_EQ(request.FileName, name);
    EXPECT_EQ(request.InitialDir, dir.Path());

    WriteTestFile(dir.File("sub/" + name), "old");
    dialogs.AnswerFile(dir.File("sub/" + name));
    dialogs.AnswerMessage(mrNo);
    Create_PROFINET_XML(name);
    EXPECT_EQ(ReadTestFile(dir.File("sub/" + name)), "old");
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].Text, "File already exists! Do you want to overwrite the file?");
}
TEST_F(Gsdml, ANameTheDesktopRefusesIsReportedAndWritesNothing)
{
    for (const char* user : {"a/b", "..\\x", "a:b", "a?b"}) {
        const std::string name = "GSDML-V2.31-Quorvane-GW30628_" + std::string(user) + "-20240105.xml";
        dialogs.AnswerFile(dir.File("typed.xml"));
        EXPECT_THROW(Create_PROFINET_XML(name), EFCreateError) << user;
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}
} // namespace
