#include <gtest/gtest.h>

#include <algorithm>

#include "editors/ethernetip/EdsConnections.h"
#include "editors/ethernetip/EdsDocument.h"
#include "editors/ethernetip/EdsImport.h"
#include "editors/ethernetip/TargetConfig.h"
#include "platform/rtl/SysUtils.h"
#include "support/TestFiles.h"

namespace {
// What each maker's file holds, read off the files themselves.
struct FixtureCase {
    const char* file;
    uint16_t vendCode, prodType, prodCode;
    uint8_t majRev, minRev;
    size_t connections;  // 0: the import refuses the file
    // The first connection.
    const char* name;
    uint32_t instance, pointOT, pointTO;
    uint8_t dimHeaderOT, dimHeaderTO;
    const char* configSize;
    const char* configFormat;
};

const FixtureCase kFixtures[] = {
    {"mettler_toledo_ind131_ethip.eds", 666, 12, 9, 1, 35, 1, "\"Discrete Exclusive Owner\"", 1, 150, 100, 4,
     0, "", ""},
    {"sick_inspectorpi50.eds", 808, 12, 131, 1, 1, 19, "\"Exclusive Owner 1\"", 1, 102, 101, 4, 0, "", ""},
    {"hilscher_netx90_re_eis.eds", 283, 12, 297, 1, 1, 3, "\"Exclusive Owner \"", 1, 100, 101, 4, 4, "", ""},
    // A blank configuration size beside an assembly is the assembly's own size.
    {"rockwell_e1plus_00010003012C0100.eds", 1, 3, 300, 1, 2, 25, "\"Exclusive Owner 2/50\"", 120, 2, 50, 4,
     0, "26", "Assem120"},
    {"rockwell_193-eio_00010003028B0100.eds", 1, 3, 651, 1, 1, 9, "\"Full Exclusive Owner\"", 120, 144, 199,
     4, 0, "408", "Assem120"},
    {"automationdirect_gs4_enetip_rev4_5.eds", 660, 12, 516, 1, 1, 2, "\"Drive Control and Status\"", 102,
     100, 101, 4, 0, "", ""},
    {"murrelektronik_stride_siol-ei8b_rev1_6.eds", 640, 12, 46020, 1, 5, 3, "\"Exclusive Owner (32B)\"", 170,
     111, 101, 4, 0, "384", "Assem170"},
    {"ifm_al1322_iol_master.eds", 322, 12, 1322, 1, 6, 5, "\"Exclusive Owner IO-Acyc-Diag\"", 199, 150, 100,
     4, 0, "98", "Assem199"},
    {"opener_sample_app.eds", 1, 12, 65001, 2, 3, 3, "\"Exlusive Owner\"", 151, 150, 100, 4, 0, "10",
     "Assem151"},
    // A controller: its connections use a symbolic path and a four-byte path.
    {"rockwell_5069-l306er_0001000E00C42000.eds", 1, 14, 196, 32, 1, 0, "", 0, 0, 0, 0, 0, "", ""},
    // A rack module: it lists only display-only connections, which no scanner opens.
    {"rockwell_1756-ia16i_display_only_0001000700050100.eds", 1, 7, 5, 1, 1, 0, "", 0, 0, 0, 0, 0, "", ""},
    // A DeviceNet file: it has no connection manager.
    {"vat_apc_devicenet_476297.eds", 404, 29, 650, 2, 1, 0, "", 0, 0, 0, 0, 0, "", ""},
};

class EdsFixture : public testing::TestWithParam<FixtureCase> {};

TEST_P(EdsFixture, ImportsIdentityAndConnections)
{
    REQUIRE_FIXTURES();
    const FixtureCase c = GetParam();
    const TEdsConnections read = ReadEdsConnections(FixturePath(std::string("eds-eip/") + c.file));
    EXPECT_EQ(read.Identity.VendCode, c.vendCode);
    EXPECT_EQ(read.Identity.ProdType, c.prodType);
    EXPECT_EQ(read.Identity.ProdCode, c.prodCode);
    EXPECT_EQ(read.Identity.MajRev, c.majRev);
    EXPECT_EQ(read.Identity.MinRev, c.minRev);
    ASSERT_EQ(read.List_Conn.size(), c.connections);
    if (c.connections == 0) return;
    const TConnData& first = read.List_Conn[0];
    EXPECT_EQ(first.ConnIndex, 1);
    EXPECT_EQ(first.ConnName, c.name);
    EXPECT_EQ(first.InstanceOT, c.instance);
    EXPECT_EQ(first.InstanceTO, c.instance);
    EXPECT_EQ(first.ConnPointOT, c.pointOT);
    EXPECT_EQ(first.ConnPointTO, c.pointTO);
    EXPECT_EQ(first.DimHeaderOT, c.dimHeaderOT);
    EXPECT_EQ(first.DimHeaderTO, c.dimHeaderTO);
    EXPECT_EQ(first.TargetConfSize, c.configSize);
    EXPECT_EQ(first.TargetConfFormat, c.configFormat);
    EXPECT_EQ(read.List_Conn.back().ConnIndex, static_cast<int32_t>(c.connections));
}

INSTANTIATE_TEST_SUITE_P(Makers, EdsFixture, testing::ValuesIn(kFixtures));

// The single parse of an import must give what reading the file for each part gives.
TEST_P(EdsFixture, ImportsFromOneParseWhatSeparateReadsGive)
{
    REQUIRE_FIXTURES();
    const std::string file = FixturePath(std::string("eds-eip/") + GetParam().file);
    const TEdsImport import(file);
    const std::vector<TConnData>& conns = import.Connections().List_Conn;
    ASSERT_EQ(conns.size(), ReadEdsConnections(file).List_Conn.size());
    for (const TConnData& conn : conns) {
        TTargetConfig separate;
        separate.FileName = file;
        separate.Format = conn.TargetConfFormat;
        separate.DecodeTargetConf();
        const TTargetConfig imported = import.TargetConfigOf(conn);
        EXPECT_EQ(imported.AO_Name, separate.AO_Name) << conn.ConnName;
        EXPECT_EQ(imported.GetConfigStrData(), separate.GetConfigStrData()) << conn.ConnName;
    }
}

TEST(EdsFixtures, ReadParametersAndOtherConnectionsAsWritten)
{
    REQUIRE_FIXTURES();
    const TEdsConnections hilscher = ReadEdsConnections(FixturePath("eds-eip/hilscher_netx90_re_eis.eds"));
    ASSERT_EQ(hilscher.List_Conn.size(), 3u);
    EXPECT_EQ(hilscher.List_Conn[1].ConnPointOT, 192u);  // [Param8]
    EXPECT_EQ(hilscher.List_Conn[1].DimHeaderOT, 3);
    const TEdsConnections ifm = ReadEdsConnections(FixturePath("eds-eip/ifm_al1322_iol_master.eds"));
    EXPECT_EQ(ifm.List_Conn[0].HelpStr, "\" In/Out Data\"");
    const TEdsConnections opener = ReadEdsConnections(FixturePath("eds-eip/opener_sample_app.eds"));
    EXPECT_EQ(opener.List_Conn[1].TargetConfSize, "0");
    EXPECT_EQ(opener.List_Conn[1].ConnPointOT, 0x98u);
}

TEST(EdsFixtures, CanOpenFilesHaveNoConnections)
{
    REQUIRE_FIXTURES();
    for (const char* file : {"elmo_gold_drive.dcf", "esacademy_cia401_io_node3.eds", "schunk_prl120.eds",
                             "sick_ols20_co.eds", "technosoft_ipos_v1_04.eds"}) {
        EXPECT_TRUE(ReadEdsConnections(FixturePath(std::string("eds-canopen/") + file)).List_Conn.empty())
            << file;
    }
}

struct ConfigCase {
    const char* file;
    const char* format;
    const char* sizeField;  // the assembly's own size in bytes
    size_t members;
    const char* golden;  // folder of the expected data segment text, or "" to check the length only
};

class EdsConfiguration : public testing::TestWithParam<ConfigCase> {};

TEST_P(EdsConfiguration, FillsTheDeclaredSizeOfTheAssembly)
{
    REQUIRE_FIXTURES();
    const ConfigCase c = GetParam();
    TTargetConfig config;
    config.FileName = FixturePath(std::string("eds-eip/") + c.file);
    config.Format = c.format;
    config.DecodeTargetConf();
    EXPECT_EQ(config.AO_SizeBit, c.sizeField);
    EXPECT_EQ(config.ListParamObject.size(), c.members);
    const std::string data = config.GetConfigStrData();
    EXPECT_EQ(std::count(data.begin(), data.end(), ',') + 1, StrToInt(c.sizeField));
    if (*c.golden) {
        const std::string path =
            std::string(TEST_DATA_DIR) + "/ethernetip/golden/" + c.golden + "/DataSegment.txt";
        EXPECT_EQ(data, Trim(ReadTestFile(path)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Makers, EdsConfiguration,
    testing::Values(ConfigCase{"rockwell_e1plus_00010003012C0100.eds", "Assem120", "26", 21,
                               "e1plus_assem120"},
                    ConfigCase{"opener_sample_app.eds", "Assem151", "10", 10, "opener_assem151"},
                    ConfigCase{"ifm_al1322_iol_master.eds", "Assem199", "98", 66, ""},
                    ConfigCase{"rockwell_193-eio_00010003028B0100.eds", "Assem120", "408", 393, ""},
                    ConfigCase{"murrelektronik_stride_siol-ei8b_rev1_6.eds", "Assem170", "384", 189, ""}));

TEST(EdsFixtures, ExpandsSubAssembliesAndFixedValues)
{
    REQUIRE_FIXTURES();
    TTargetConfig config;
    config.FileName = FixturePath("eds-eip/murrelektronik_stride_siol-ei8b_rev1_6.eds");
    config.Format = "Assem170";
    config.DecodeTargetConf();
    // Param1, a reserved byte, then Assem1: Param3, Param4, the fixed 17500, Param6, 17500.
    EXPECT_EQ(config.GetConfigStrData().substr(0, 44), "0x00,0x00,0x01,0x01,0x5C,0x44,0x01,0x5C,0x44");
    ASSERT_GT(config.ListParamObject.size(), 2u);
    EXPECT_EQ(config.ListParamObject[2].ParamName, "Param3");
    EXPECT_TRUE(config.ListParamObject[2].Enum);
    EXPECT_EQ(config.ListParamObject[2].GetEnumString(), "Global Diagnostic Reporting Enabled");
}
} // namespace
