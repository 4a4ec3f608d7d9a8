#include <gtest/gtest.h>

#include "EdsSnippet.h"
#include "editors/ethernetip/EdsConnections.h"
#include "support/TestFiles.h"

namespace {
// Parameters that connection paths name.
const char* const kParams = "[Params]\n"
                            "Param14 = 0,,,0x0210,0xC6,1,\"Consuming ID\",\"\",\"\",102,102,102,,,,,,,,,;\n"
                            "Param15 = 0,,,0x0210,0xC6,1,\"Producing ID\",\"\",\"\",0,255,0x65;\n"
                            "Param16 = 0,,,0,0xC7,2,\"Wide point\",\"\",\"\",0,65535,0x1234;\n"
                            "Param17 = 0,,,0,0xC6,1,\"No default\",\"\",\"\",0,255,;\n";

std::string Entry(const std::string& path, const std::string& parameters = "0x44640405",
                  const std::string& name = "\"Owner\"", const std::string& help = "\"\"")
{
    return "0x04010002, " + parameters + ", ,Param1,Assem100, ,Param2,Assem101, ,, 98,Assem199, " + name +
           ", " + help + ", \"" + path + "\"";
}

std::optional<TConnData> Decode(const std::string& entry)
{
    const TEdsDocument eds = EdsFromText(kParams);
    return TConnectionDecoder(eds).DecodeConnStr(entry);
}

struct PathCase {
    const char* path;
    bool usable;
    uint32_t instanceOT, instanceTO, pointOT, pointTO;
};

PathCase Unusable(const char* path) { return PathCase{path, false, 0, 0, 0, 0}; }

class ConnectionPath : public testing::TestWithParam<PathCase> {};

TEST_P(ConnectionPath, GivesInstancesAndConnectionPoints)
{
    const PathCase c = GetParam();
    const std::optional<TConnData> conn = Decode(Entry(c.path));
    ASSERT_EQ(conn.has_value(), c.usable) << c.path;
    if (!conn) return;
    EXPECT_EQ(conn->InstanceOT, c.instanceOT) << c.path;
    EXPECT_EQ(conn->InstanceTO, c.instanceTO) << c.path;
    EXPECT_EQ(conn->ConnPointOT, c.pointOT) << c.path;
    EXPECT_EQ(conn->ConnPointTO, c.pointTO) << c.path;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConnectionPath,
    testing::Values(PathCase{"20 04 24 64 2C 96 2C 64", true, 100, 100, 150, 100},
                    PathCase{"20 04 25 00 E8 03 2C 96 2C 64", true, 1000, 1000, 150, 100},
                    PathCase{"20 04 24 2C 2C 96 2C 64", true, 44, 44, 150, 100},
                    PathCase{"20 04 2C 96 2C 64", true, 1, 1, 150, 100},
                    PathCase{"20 04 24 01 2C 96 24 02 2C 64", true, 1, 2, 150, 100},
                    PathCase{"20 04 24 01 2C 96 2D 00 10 27", true, 1, 1, 150, 10000},
                    PathCase{"20 04 26 00 A0 86 01 00 2C 96 2C 64", true, 100000, 100000, 150, 100},
                    // A 16-bit class: the instance follows its four bytes, and a class number that
                    // looks like a segment type is not taken for one.
                    PathCase{"21 00 04 00 24 01 2C 96 2C 64", true, 1, 1, 150, 100},
                    PathCase{"21 00 2C 00 2C 96 2C 64", true, 1, 1, 150, 100},
                    // A padded 32-bit instance after a 16-bit class starts two bytes after its type.
                    PathCase{"21 00 04 00 26 00 E8 03 00 00 2C 96 2C 64", true, 1000, 1000, 150, 100},
                    // Parameters stand for their default value, as many bytes as their size.
                    PathCase{"20 04 24 01 2C [Param14] 2C [Param15]", true, 1, 1, 102, 101},
                    PathCase{"20 04 24 01 2C param14 2C Param15", true, 1, 1, 102, 101},
                    PathCase{"20 04 24 01 2D 00 [Param16] 2C 64", true, 1, 1, 0x1234, 100},
                    PathCase{"20 04 24 01 0x2C 96 2C 0x64", true, 1, 1, 150, 100},
                    PathCase{"20 04 24 01 2C\" \"96 2C 64", true, 1, 1, 150, 100},
                    // A token that does not resolve makes the connection unusable rather than
                    // letting the bytes after it move up.
                    Unusable("20 04 24 01 2C [Param99] 2C 64"), Unusable("20 04 24 01 2C [Param17] 2C 64"),
                    Unusable("20 04 24 01 2C XY 2C 64"), Unusable("20 04 24 01 2C 100 2C 64"),
                    Unusable("SYMBOL_ANSI"), Unusable("20 01 24 01"), Unusable("20 04 24 01 2C"),
                    Unusable("01 04 24 01 2C 96 2C 64"), Unusable("20 04 24 01 2C 96"),
                    Unusable("20 04 24 01 2C 96 24 02"), Unusable("20 04 24 01 2C 96 2D 10"), Unusable("")));

struct HeaderCase {
    const char* parameters;
    uint8_t dimHeaderOT, dimHeaderTO;
};

class ConnectionHeaders : public testing::TestWithParam<HeaderCase> {};

TEST_P(ConnectionHeaders, TakeThreeBitsEachOfTheParametersWord)
{
    const HeaderCase c = GetParam();
    const std::optional<TConnData> conn = Decode(Entry("20 04 24 01 2C 96 2C 64", c.parameters));
    ASSERT_TRUE(conn);
    EXPECT_EQ(conn->DimHeaderOT, c.dimHeaderOT) << c.parameters;
    EXPECT_EQ(conn->DimHeaderTO, c.dimHeaderTO) << c.parameters;
    EXPECT_EQ(conn->NumClass, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ConnectionHeaders,
                         testing::Values(HeaderCase{"0x44640405", 4, 0}, HeaderCase{"0x44644405", 4, 4},
                                         HeaderCase{"0x44649305", 3, 1}, HeaderCase{" 0x44640405 ", 4, 0},
                                         HeaderCase{"0x4464", 4, 4}, HeaderCase{"junk", 7, 7}));

TEST(ConnectionEntry, KeepsQuotedDelimitersInsideTheirFields)
{
    const std::optional<TConnData> conn = Decode(
        Entry("20 04 24 01 2C 96 2C 64", "0x44640405", "\"Owner, main; $1 [A]\"", "\"Help\" \" text\""));
    ASSERT_TRUE(conn);
    EXPECT_EQ(conn->ConnName, "\"Owner, main; $1 [A]\"");
    EXPECT_EQ(conn->HelpStr, "\"Help text\"");
    EXPECT_EQ(conn->TargetConfSize, "98");
    EXPECT_EQ(conn->TargetConfFormat, "Assem199");
    EXPECT_EQ(conn->InstanceOT, 1u);
}

TEST(ConnectionEntry, KeepsAnEscapedQuoteInsideTheName)
{
    const std::optional<TConnData> conn =
        Decode(Entry("20 04 24 01 2C 96 2C 64", "0x44640405", R"("Valve 1/2\" flow")"));
    ASSERT_TRUE(conn);
    EXPECT_EQ(conn->ConnName, R"("Valve 1/2" flow")");
    EXPECT_EQ(conn->InstanceOT, 1u);
}

// EDS files mean the configuration assembly's own size when the connection leaves it blank.
TEST(ConnectionEntry, ABlankConfigurationSizeIsTheAssemblysSize)
{
    const TEdsDocument eds = EdsFromText(
        std::string(kParams) + "[Assembly]\nAssem120 = \"Configuration\", \"20 04 24 78 30 03\", 408,"
                               " 0x0000,,, 8,Param14;\nAssem121 = \"No size\", \"\", , 0,,, 8,Param14;\n");
    // The configuration size of a connection whose first pair holds the size and format.
    const auto size = [&](const std::string& size, const std::string& format) {
        const std::optional<TConnData> conn =
            TConnectionDecoder(eds).DecodeConnStr("0x04010002, 0x44640405, ,,, ,,, " + size + "," + format +
                                                  ", ,, \"Owner\", \"\", \"20 04 24 01 2C 96 2C 64\"");
        return conn ? conn->TargetConfSize : std::string("no connection");
    };
    EXPECT_EQ(size("", "Assem120"), "408");
    EXPECT_EQ(size("4", "Assem120"), "4");
    EXPECT_EQ(size("", "Assem121"), "");
    EXPECT_EQ(size("", "Assem122"), "");
    EXPECT_EQ(size("", ""), "");
}

// Controller module files list their connections under other keys, which name no
// connection for a scanner.
TEST(ConnectionManager, PassesOverDisplayOnlyConnections)
{
    const TEdsDocument eds =
        EdsFromText(std::string(kParams) +
                    "[Connection Manager]\n"
                    "  1_Display_Only_Connection1 = " +
                    Entry("20 04 24 01 2C 96 2C 64") +
                    ";\n  1_Display_Only_Connection2 = " + Entry("20 04 24 02 2C 97 2C 65") + ";\n");
    EXPECT_TRUE(ReadEdsConnections(eds).List_Conn.empty());
}

TEST(ConnectionEntry, TakesTheFirstConfigurationPairWhenTheSecondIsBlank)
{
    const std::string first = "0x04010002, 0x44640405, ,Param1,Assem100, ,Param2,Assem101, 4,Assem120, ,, "
                              "\"Owner\", \"\", \"20 04 24 78 2C 96 2C 64\"";
    const std::optional<TConnData> conn = Decode(first);
    ASSERT_TRUE(conn);
    EXPECT_EQ(conn->TargetConfSize, "4");
    EXPECT_EQ(conn->TargetConfFormat, "Assem120");
    // A second pair that is written wins.
    EXPECT_EQ(Decode(Entry("20 04 24 01 2C 96 2C 64"))->TargetConfFormat, "Assem199");
}

TEST(ConnectionEntry, DecodesEachPathParameterOnce)
{
    // A path that names a parameter with a 100 KB entry 20,000 times: decoding the entry
    // again for each took seconds.
    const TEdsDocument eds = EdsFromText("[Params]\nParam9 = 0,,,0,0xC6,1,\"" + std::string(100000, 'p') +
                                         "\",\"\",\"\",0,255,0x2C;\n");
    std::string path = "20 04 24 01";
    for (int i = 0; i < 20000; ++i)
        path += " [Param9]";
    const std::optional<TConnData> conn = TConnectionDecoder(eds).DecodeConnStr(Entry(path + " 2C 64"));
    ASSERT_TRUE(conn);
    EXPECT_EQ(conn->InstanceOT, 1u);
    EXPECT_EQ(conn->ConnPointOT, 0x2Cu);
    EXPECT_EQ(conn->ConnPointTO, 0x2Cu);
}

TEST(ConnectionManager, ListsTheUsableConnectionsInFileOrder)
{
    const TEdsDocument eds =
        EdsFromText(std::string(kParams) +
                    "[connection manager]\n"
                    "  Object_Name = \"Connection Manager Object\";\n"
                    "  Connection1 =   $ first, with a comment on its key line\n"
                    "     0x04010002,  $ trigger; transport\n"
                    "     0x44640405,\n"
                    "     ,Param1,Assem100,\n"
                    "     ,Param2,Assem101,\n"
                    "     ,,\n"
                    "     ,,\n"
                    "     \"First\",\n"
                    "     \"\",\n"
                    "     \"20 04 24 01 2C 96 2C 64\";\n"
                    "  Connection2 = " +
                    Entry("20 01 24 01") + ";\n  CONNECTION3 = " +
                    Entry("20 04 24 05 2C [Param14] 2C 66", "0x44640405", "\"Third\"") +
                    ";\n  ConnectionPoints = " + Entry("20 04 24 09 2C 96 2C 64") + ";\n[Capacity]\n");
    const TEdsConnections read = ReadEdsConnections(eds);
    ASSERT_EQ(read.List_Conn.size(), 2u);
    EXPECT_EQ(read.List_Conn[0].ConnIndex, 1);
    EXPECT_EQ(read.List_Conn[0].ConnName, "\"First\"");
    EXPECT_EQ(read.List_Conn[0].TargetConfFormat, "");
    EXPECT_EQ(read.List_Conn[1].ConnIndex, 2);
    EXPECT_EQ(read.List_Conn[1].ConnName, "\"Third\"");
    EXPECT_EQ(read.List_Conn[1].InstanceOT, 5u);
    EXPECT_EQ(read.List_Conn[1].ConnPointOT, 102u);
    EXPECT_EQ(read.List_Conn[1].ConnPointTO, 0x66u);
}

TEST(ConnectionManager, ReadsWindows1252AndUtf8Files)
{
    TempDir dir;
    const std::string entry = "[Connection Manager]\r\nConnection1 = 0, 0x44640405, ,,, ,,, ,, ,, "
                              "\"Ausg\xE4nge $ 1\", \"f\xFCr, \"\"E/A\"\"\", "
                              "\"20 04 24 01 2C 96 2C 64\";\r\n";
    WriteTestFile(dir.File("ansi.eds"), entry);
    const TEdsConnections ansi = ReadEdsConnections(dir.File("ansi.eds"));
    ASSERT_EQ(ansi.List_Conn.size(), 1u);
    EXPECT_EQ(ansi.List_Conn[0].ConnName, "\"Ausg\u00E4nge $ 1\"");
    EXPECT_EQ(ansi.List_Conn[0].HelpStr, "\"f\u00FCr, \"E/A\"\"");
    WriteTestFile(dir.File("utf8.eds"), "\xEF\xBB\xBF[Connection Manager]\nConnection1 = 0, 0, ,,, ,,, ,, ,, "
                                         "\"\u00C5se\", \"\", \"20 04 24 01 2C 96 2C 64\";");
    const TEdsConnections utf8 = ReadEdsConnections(dir.File("utf8.eds"));
    ASSERT_EQ(utf8.List_Conn.size(), 1u);
    EXPECT_EQ(utf8.List_Conn[0].ConnName, "\"\u00C5se\"");
}

TEST(ConnectionManager, WithoutConnectionsOrWithoutFileListsNothing)
{
    EXPECT_TRUE(
        ReadEdsConnections(EdsFromText("[Connection Manager]\nObject_Name = \"x\";")).List_Conn.empty());
    TempDir dir;
    const TEdsConnections missing = ReadEdsConnections(dir.File("none.eds"));
    EXPECT_TRUE(missing.List_Conn.empty());
    EXPECT_FALSE(missing.Identity.IsKnown());
}
} // namespace
