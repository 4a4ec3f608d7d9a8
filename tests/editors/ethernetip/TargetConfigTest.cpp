#include <gtest/gtest.h>

#include <limits>

#include "EdsSnippet.h"
#include "editors/ethernetip/EdsParams.h"
#include "editors/ethernetip/TargetConfig.h"
#include "support/TestFiles.h"

namespace {
// Parameters for the assemblies below; fields: reserved, link path size, link path,
// descriptor, data type, size, name, units, help, min, max, default.
const char* const kParams = "[Params]\n"
                            "Param1 = 0,,,0x0000,0xC6,1,\"Mode\",\"\",\"\",0,10,3;\n"
                            "Enum1 = 0,\"Off\",3,\"Auto, fast\",7;\n"
                            "Param2 =\n"
                            "   0,,,0x0000,0xC7,2,\"Speed\",\"\",\"\",\n"
                            "   0,65535,258;\n"
                            "Param3 = 0,,,0x0000,0xC3,2,\"Offset\",\"\",\"\",-100,100,-1;\n"
                            "Param4 = 0,,,0x0000,0xC1,1,\"Flag\",\"\",\"\",,,1;\n"
                            "Param5 = 0,,,0x0000,0xC6,1,\"Small\",\"\",\"\",,,2;\n"
                            "Param6 = 0,,,0x0000,0xD1,1,\"Bits\",\"\",\"\",,,0xAB;\n"
                            "Param7 = 0,,,0x0000,0xC6,1,\"Short\";\n"
                            "Param8 = 0,,,0x0000,0xCA,4,\"Gain\",\"\",\"\",-2.5,,1.5;\n"
                            "Param9 = 0,,,0x0000,0xCB,8,\"Ratio\",\"\",\"\",,,-0.25;\n"
                            "Param10 = 0,,,0x0000,0xC5,12,\"Wide\",\"\",\"\",,,-2;\n"
                            "Param12 = 0,,,0x0000,0xC6,1,\"Twelve\",\"\",\"\",0,255,5;\n"
                            "Param120 = 0,,,0x0000,0xC6,1,\"Other\",\"\",\"\",0,255,9;\n";

TTargetConfig Decoded(const std::string& assemblies, const std::string& format)
{
    const TEdsDocument eds = EdsFromText(std::string(kParams) + "[Assembly]\n" + assemblies);
    TTargetConfig config;
    config.Format = format;
    config.DecodeAssemblyObj(config.Find_Assembly_Object(eds), eds);
    return config;
}

std::vector<std::string> ParamNames(const TTargetConfig& config)
{
    std::vector<std::string> names;
    for (const TTC_ParamObj& param : config.ListParamObject)
        names.push_back(param.ParamName);
    return names;
}

TEST(TargetConfig, DecodesTheNamedAssemblyAndItsParameters)
{
    const TTargetConfig config = Decoded("Assem100 = \"Big\",\"\",1,0,,,8,Param12;\n"
                                         "Assem1 =\n"
                                         "   \"Config, main\",   $ name\n"
                                         "   \"20 04 24 01\",\n"
                                         "   3,0x0000,,,\n"
                                         "   8,Param1,\n"
                                         "   16,Param2;\n",
                                         "Assem1");
    EXPECT_EQ(config.AO_Name, "Config, main");
    EXPECT_EQ(config.AO_SizeBit, "3");
    ASSERT_EQ(ParamNames(config), (std::vector<std::string>{"Param1", "Param2"}));
    const TTC_ParamObj& mode = config.ListParamObject[0];
    EXPECT_EQ(mode.BitSize, "8");
    EXPECT_EQ(mode.Name, "Mode");
    EXPECT_EQ(mode.DataSizeByte, 1);
    EXPECT_EQ(mode.DataType, 0xC6);
    EXPECT_EQ(mode.Min, 0);
    EXPECT_EQ(mode.Max, 10);
    EXPECT_EQ(mode.Default, 3);
    EXPECT_EQ(mode.Value, 3);
    EXPECT_TRUE(mode.Enum);
    ASSERT_EQ(mode.ListEnum.size(), 2u);  // the unpaired last field is left out
    EXPECT_EQ(mode.ListEnum[1].Value, 3);
    EXPECT_EQ(mode.ListEnum[1].Description, "Auto, fast");
    EXPECT_EQ(mode.EnumString.Items(), (std::vector<std::string>{"Off", "Auto, fast"}));
    EXPECT_EQ(mode.GetEnumString(), "Auto, fast");
    const TTC_ParamObj& speed = config.ListParamObject[1];
    EXPECT_EQ(speed.Name, "Speed");
    EXPECT_EQ(speed.Value, 258);
    EXPECT_FALSE(speed.Enum);
    EXPECT_EQ(config.GetConfigStrData(), "0x03,0x02,0x01");
}

struct MemberCountCase {
    const char* assembly;
    std::vector<std::string> paramNames;
};

class AssemblyMembers : public testing::TestWithParam<MemberCountCase> {};

TEST_P(AssemblyMembers, AreTheSizeAndReferencePairsAfterSixFields)
{
    const MemberCountCase c = GetParam();
    EXPECT_EQ(ParamNames(Decoded(c.assembly, "Assem5")), c.paramNames) << c.assembly;
}

INSTANTIATE_TEST_SUITE_P(Cases, AssemblyMembers,
                         testing::Values(MemberCountCase{"Assem5 = \"A\",\"\",1,0,,;", {}},
                                         MemberCountCase{"Assem5 = \"A\",\"\",1,0,,,8;", {}},
                                         MemberCountCase{"Assem5 = \"A\",\"\",1,0,,,8,Param1;", {"Param1"}},
                                         MemberCountCase{"Assem5 = \"A\",\"\",2,0,,, 8, Param1 ,8,Param1;",
                                                         {"Param1", "Param1"}},
                                         MemberCountCase{"Assem5 = \"A\",\"\",1,0,,,8,param12;", {"param12"}},
                                         MemberCountCase{"Assem50 = \"A\",\"\",1,0,,,8,Param1;", {}}));

TEST(TargetConfig, FindsTheParameterWhoseNameMatchesWhole)
{
    const TTargetConfig config = Decoded("Assem5 = \"A\",\"\",2,0,,,8,Param12,8,Param1;", "assem5");
    ASSERT_EQ(config.ListParamObject.size(), 2u);
    EXPECT_EQ(config.ListParamObject[0].Name, "Twelve");
    EXPECT_FALSE(config.ListParamObject[0].Enum);  // Enum1 belongs to Param1 only
    EXPECT_TRUE(config.ListParamObject[1].Enum);
}

TEST(TargetConfig, RepeatedMembersGetOneEnumerationEach)
{
    TTargetConfig config = Decoded("Assem5 = \"A\",\"\",2,0,,,8,Param1,8,Param1;", "Assem5");
    ASSERT_EQ(config.ListParamObject.size(), 2u);
    config.ListParamObject[0].ListEnum.clear();
    EXPECT_EQ(config.ListParamObject[1].ListEnum.size(), 2u);
    EXPECT_EQ(config.ListParamObject[1].Value, 3);
}

struct SegmentCase {
    const char* members;  // after the six leading fields
    const char* data;     // the data segment text
};

class DataSegment : public testing::TestWithParam<SegmentCase> {};

TEST_P(DataSegment, PacksTheMembersInOrder)
{
    const SegmentCase c = GetParam();
    const TTargetConfig config =
        Decoded(std::string("Assem5 = \"A\",\"\",0,0,,,") + c.members + ";", "Assem5");
    EXPECT_EQ(config.GetConfigStrData(), c.data) << c.members;
}

INSTANTIATE_TEST_SUITE_P(Cases, DataSegment,
                         testing::Values(SegmentCase{"16,Param2,8,Param12", "0x02,0x01,0x05"},
                                         SegmentCase{"16,Param3", "0xFF,0xFF"},
                                         // Bit members share bytes, least significant bit first.
                                         SegmentCase{"1,Param4,2,Param5,5,,8,Param6", "0x05,0xAB"},
                                         // A member without a size takes its parameter's size.
                                         // Beyond the value's 64 bits a member holds zeros, whatever
                                         // the value's sign.
                                         SegmentCase{"96,Param3", "0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,"
                                                                  "0x00,0x00,0x00,0x00"},
                                         SegmentCase{",Param10", "0xFE,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,"
                                                                 "0x00,0x00,0x00,0x00"},
                                         // REAL and LREAL are sent as IEEE-754 numbers.
                                         SegmentCase{",Param8", "0x00,0x00,0xC0,0x3F"},
                                         SegmentCase{"64,Param9", "0x00,0x00,0x00,0x00,0x00,0x00,0xD0,0xBF"},
                                         SegmentCase{",Param2", "0x02,0x01"},
                                         // Fixed values and reserved gaps.
                                         SegmentCase{"16,4660,8,,8,0x7F", "0x34,0x12,0x00,0x7F"},
                                         // An unknown reference is sent as zeros of its size.
                                         SegmentCase{"8,Param99,8,Param12", "0x00,0x05"},
                                         SegmentCase{"8,Param1,", "0x03"}));

TEST(TargetConfig, ReplacesASubAssemblyByItsMembers)
{
    const TTargetConfig config = Decoded("Assem2 = \"Sub\",\"\",3,0,,,8,Param12,16,4660;\n"
                                         "Assem3 = \"Loop\",\"\",1,0,,,8,Assem3;\n"
                                         "Assem5 = \"A\",\"\",6,0,,,8,Param1,32,Assem2,8,Assem3;",
                                         "Assem5");
    EXPECT_EQ(ParamNames(config), (std::vector<std::string>{"Param1", "Param12", "4660", "", "Assem3"}));
    // The sub-assembly is padded up to its 32-bit member; the assembly naming itself is a gap.
    EXPECT_EQ(config.GetConfigStrData(), "0x03,0x05,0x34,0x12,0x00,0x00");
}

TEST(TargetConfig, StopsExpandingAssembliesThatMultiplyWithoutEnd)
{
    // Each level doubles the one below it: thirty levels would make a billion members.
    std::string assemblies = "Assem0 = \"L\",\"\",1,0,,,8,Param12;\n";
    for (int level = 1; level <= 30; ++level) {
        const std::string below = "Assem" + std::to_string(level - 1);
        assemblies +=
            "Assem" + std::to_string(level) + " = \"L\",\"\",1,0,,,," + below + ",," + below + ";\n";
    }
    const TTargetConfig config = Decoded(assemblies, "Assem30");
    EXPECT_LE(config.ListParamObject.size(), 4080u);
    EXPECT_FALSE(config.ListParamObject.empty());
}

TEST(TargetConfig, StopsWalkingEmptyAssembliesNamedOverAndOver)
{
    // No level adds a member, yet every level names the one below it eight times: sixteen
    // levels deep that would be 8^16 visits.
    std::string assemblies = "Assem0 = \"E\",\"\",0,0,,;\n";
    for (int level = 1; level <= 16; ++level) {
        std::string members;
        for (int k = 0; k < 8; ++k)
            members += ",0,Assem" + std::to_string(level - 1);
        assemblies += "Assem" + std::to_string(level) + " = \"L\",\"\",0,0,," + members + ";\n";
    }
    const TTargetConfig config = Decoded(assemblies, "Assem16");
    EXPECT_TRUE(config.ListParamObject.empty());
}

TEST(TargetConfig, SplitsEachAssemblyOnceHoweverOftenItIsNamed)
{
    // Four levels of assemblies with 100 KB names, each naming the one below 256 times and
    // the lowest empty: splitting an assembly again at every visit took minutes.
    const std::string name(100000, 'n');
    std::string assemblies = "Assem0 = \"" + name + "\",\"\",0,0,,;\n";
    for (int level = 1; level <= 3; ++level) {
        std::string members;
        for (int k = 0; k < 256; ++k)
            members += ",0,Assem" + std::to_string(level - 1);
        assemblies += "Assem" + std::to_string(level) + " = \"" + name + "\",\"\",0,0,," + members + ";\n";
    }
    const TTargetConfig config = Decoded(assemblies, "Assem3");
    EXPECT_EQ(config.AO_Name, name);
    EXPECT_TRUE(config.ListParamObject.empty());
}

TEST(TargetConfig, StopsCopyingTextsBeyondAWorkLimit)
{
    // 4000 members name one parameter whose name has 64 KB: copying it for each would
    // take a quarter of a gigabyte.
    std::string members;
    for (int k = 0; k < 4000; ++k)
        members += ",8,Param9";
    const std::string params =
        "[Params]\nParam9 = 0,,,0,0xC6,1,\"" + std::string(65536, 'p') + "\",\"\",\"\",0,9,1;\n";
    const TEdsDocument eds = EdsFromText(params + "[Assembly]\nAssem1 = \"A\",\"\",0,0,," + members + ";\n");
    TTargetConfig config;
    config.Format = "Assem1";
    config.DecodeAssemblyObj(config.Find_Assembly_Object(eds), eds);
    size_t stored = 0;
    for (const TTC_ParamObj& param : config.ListParamObject)
        stored += param.Name.size();
    EXPECT_FALSE(config.ListParamObject.empty());
    EXPECT_LE(stored, size_t{8} << 20);
    EXPECT_EQ(config.ListParamObject.front().Value, 1);
}

// Members are decoded while the segment holds at most 510 bytes: one that takes it past them
// is kept, so that the scan list refuses the segment instead of sending a cut one, and the
// rest of a huge assembly is not decoded at all.
TEST(TargetConfig, StopsDecodingOnceTheMembersPassAWholeDataSegment)
{
    struct Case {
        int members;
        int bitsEach;
        size_t params;       // decoded
        size_t segmentBytes; // of the data segment text
    };
    const Case cases[] = {
        {510, 8, 510, 510}, {511, 8, 511, 511},    {600, 8, 511, 511},
        {3, 4000, 2, 1000}, {4080, 4080, 2, 1020}, {1, 4088, 1, 510},
    };
    for (const Case& c : cases) {
        std::string members;
        for (int k = 0; k < c.members; ++k)
            members += "," + std::to_string(c.bitsEach) + ",";
        const TTargetConfig config = Decoded("Assem1 = \"A\",\"\",0,0,," + members + ";", "Assem1");
        const std::string data = config.GetConfigStrData();
        EXPECT_EQ(config.ListParamObject.size(), c.params) << c.members << " x " << c.bitsEach;
        EXPECT_EQ((data.size() + 1) / 5, c.segmentBytes) << c.members << " x " << c.bitsEach;
    }
}

struct OversizeCase {
    const char* members; // after the six leading fields
    size_t segmentBytes; // what the data segment holds
};

class OversizedMembers : public testing::TestWithParam<OversizeCase> {};

TEST_P(OversizedMembers, AreCutToAWholeDataSegment)
{
    // Sizes whose bit counts overflow 32 or 64 bits once multiplied or rounded up.
    const OversizeCase c = GetParam();
    const TTargetConfig config =
        Decoded("[Params]\nParam50 = 0,,,0,0xC6,536870912,\"Big\",\"\",\"\",0,9,1;\n[Assembly]\n"
                "Assem2 = \"S\",\"\",0,0,,,8,Param12;\n"
                "Assem5 = \"A\",\"\",0,0,,," +
                    std::string(c.members) + ";",
                "Assem5");
    const std::string data = config.GetConfigStrData();
    EXPECT_EQ(data.empty() ? 0 : (data.size() + 1) / 5, c.segmentBytes) << c.members;
    for (const TTC_ParamObj& param : config.ListParamObject) {
        EXPECT_GE(param.BitCount(), 0) << c.members;
        EXPECT_LE(param.BitCount(), 4080) << c.members;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, OversizedMembers,
                         testing::Values(OversizeCase{",Param50", 510},
                                         OversizeCase{"9223372036854775807,", 510},
                                         OversizeCase{"9223372036854775807,Assem2", 510},
                                         OversizeCase{"-9223372036854775808,7", 0}));

TEST(TargetConfig, BlankLimitsAreTheDataTypeRange)
{
    const TTargetConfig config =
        Decoded("Assem5 = \"A\",\"\",3,0,,,1,Param4,8,Param5,8,Param6,8,Param7;", "Assem5");
    ASSERT_EQ(config.ListParamObject.size(), 4u);
    const std::pair<int64_t, int64_t> expected[] = {{0, 1}, {0, 255}, {0, 255}, {0, 255}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(config.ListParamObject[i].Min, expected[i].first) << i;
        EXPECT_EQ(config.ListParamObject[i].Max, expected[i].second) << i;
    }
    // A short entry keeps 0 for the fields it lacks.
    EXPECT_EQ(config.ListParamObject[3].Default, 0);
    EXPECT_EQ(config.ListParamObject[3].Name, "Short");
}

TEST(TargetConfig, FloatingPointParametersKeepTheirNumbers)
{
    const TTargetConfig config = Decoded("Assem5 = \"A\",\"\",12,0,,,32,Param8,64,Param9;", "Assem5");
    ASSERT_EQ(config.ListParamObject.size(), 2u);
    struct Expected {
        double min, max, byDefault;
    };
    const Expected expected[] = {
        {-2.5, std::numeric_limits<float>::max(), 1.5},
        {std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max(), -0.25}};
    for (size_t i = 0; i < 2; ++i) {
        const TTC_ParamObj& param = config.ListParamObject[i];
        EXPECT_EQ(FloatOfBits(param.DataType, param.Min), expected[i].min) << i;
        EXPECT_EQ(FloatOfBits(param.DataType, param.Max), expected[i].max) << i;
        EXPECT_EQ(FloatOfBits(param.DataType, param.Default), expected[i].byDefault) << i;
        EXPECT_EQ(param.Value, param.Default) << i;
    }
}

TEST(TargetConfig, MapsEnumerationTextsAndValues)
{
    TTC_ParamObj param;
    param.Default = 9;
    param.ListEnum = {{1, "One"}, {2, "Two"}, {3, "Two"}};
    param.Value = 3;
    EXPECT_EQ(param.GetEnumString(), "Two");
    EXPECT_EQ(param.SetValueFromEnum("Two"), 2);
    EXPECT_EQ(param.SetValueFromEnum("two"), 9);
    param.Value = 4;
    EXPECT_EQ(param.GetEnumString(), "");
}

TEST(TargetConfig, CopiesShareNothing)
{
    const TTargetConfig source = Decoded("Assem5 = \"A\",\"\",1,0,,,8,Param1;", "Assem5");
    TTargetConfig copy = source;
    copy.ListParamObject[0].Value = 7;
    copy.ListParamObject[0].ListEnum[0].Description = "changed";
    copy.ListParamObject[0].EnumString.Put(0, "changed");
    EXPECT_EQ(source.ListParamObject[0].Value, 3);
    EXPECT_EQ(source.ListParamObject[0].ListEnum[0].Description, "Off");
    EXPECT_EQ(source.ListParamObject[0].EnumString[0], "Off");
}

TEST(TargetConfig, ReadsItsFileAndLeavesNoParametersWithoutOne)
{
    TempDir dir;
    WriteTestFile(dir.File("t.eds"),
                  std::string(kParams) + "[Assembly]\nAssem9 = \"C\",\"\",1,0,,,8,Param12;\n");
    TTargetConfig config;
    config.FileName = dir.File("t.eds");
    config.Format = "Assem9";
    config.DecodeTargetConf();
    EXPECT_EQ(config.GetConfigStrData(), "0x05");
    config.Format = "Assem8";
    config.DecodeTargetConf();
    EXPECT_TRUE(config.ListParamObject.empty());
    config.FileName = dir.File("missing.eds");
    config.Format = "Assem9";
    config.DecodeTargetConf();
    EXPECT_EQ(config.GetConfigStrData(), "");
}
// A parameter name holding an escaped quote ends where its string ends, so the next
// parameter keeps its place and the segment its values.
TEST(TargetConfig, ReadsParameterNamesWithEscapedQuotes)
{
    const TEdsDocument eds =
        EdsFromText("[Params]\n"
                    "Param1 = 0,,,0x0000,0xC7,2,\"Valve 1/2\\\" flow\",\"\",\"\",0,65535,16;\n"
                    "Param2 = 0,,,0x0000,0xC6,1,\"Mode\",\"\",\"\",0,255,5;\n"
                    "[Assembly]\nAssem100 = \"Config\",\"\",3,0,,,16,Param1,8,Param2;\n");
    TTargetConfig config;
    config.Format = "Assem100";
    config.DecodeAssemblyObj(config.Find_Assembly_Object(eds), eds);
    EXPECT_EQ(config.GetConfigStrData(), "0x10,0x00,0x05");
    ASSERT_EQ(config.ListParamObject.size(), 2u);
    EXPECT_EQ(config.ListParamObject[0].Name, "Valve 1/2\" flow");
}
} // namespace
