#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "EdsProject.h"
#include "artefacts/descriptions/UEds.h"
#include "platform/os/FileSystem.h"
#include "support/EdsChecker.h"
#include "support/HostileFiles.h"

namespace {
struct GoldenCase {
    const char* folder;
    TDateTime clock;
};

std::ostream& operator<<(std::ostream& out, const GoldenCase& c) { return out << c.folder; }

// Each folder holds the project's rule files (none for the empty project) and the file the
// generator must write from them at the given time.
const GoldenCase kGoldenCases[] = {
    {"empty", EncodeDate(2024, 3, 7) + EncodeTime(0, 40, 0, 0)},
    {"mixed", EncodeDate(2024, 12, 31) + EncodeTime(12, 5, 59, 0)},
    {"max_pdo", EncodeDate(2025, 1, 9) + EncodeTime(13, 10, 0, 0)},
    {"variables", EncodeDate(2026, 2, 3) + EncodeTime(8, 15, 0, 0)},
};

class EdsGolden : public EdsProject, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(EdsGolden, WritesTheExpectedFile)
{
    const std::string folder = std::string(TEST_DATA_DIR) + "/descriptions/eds/" + GetParam().folder;
    File_PDO_CANopen = folder + "/PDO_CANopen.xml";
    File_SDO_Server_CANopen = folder + "/SDO_Server_CANopen.xml";
    const TDateTime clock = GetParam().clock;
    SetClock([clock] { return clock; });

    Create_EDS_File(output);

    EXPECT_EQ(ReadTestFile(output), ReadTestFile(folder + "/expected.eds"));
    Expect_Clean_CANopen_EDS(output);
}

INSTANTIATE_TEST_SUITE_P(Cases, EdsGolden, ::testing::ValuesIn(kGoldenCases),
                         [](const auto& info) { return std::string(info.param.folder); });

TEST(EdsChecker, FindsWhatToolsRefuse)
{
    const std::string good = "[MandatoryObjects]\r\nSupportedObjects=1\r\n1=0x1000\r\n\r\n"
                             "[OptionalObjects]\r\nSupportedObjects=0\r\n\r\n"
                             "[ManufacturerObjects]\r\nSupportedObjects=0\r\n\r\n"
                             "[1000]\r\nSubNumber=1\r\nObjectType=0x9\r\n\r\n"
                             "[1000sub0]\r\nPDOMapping=0\r\nDataType=0x0005\r\n\r\n";
    EXPECT_THAT(Check_EDS_Text(good), ::testing::IsEmpty());

    const std::pair<std::string, std::string> faults[] = {
        {"\r\n[1000sub0]", "\n[1000sub0]"},               // a bare LF
        {"[1000sub0]\r\nPDOMapping=0", "[1000]\r\nX=0"},  // a repeated section
        {"SubNumber=1", "SubNumber=2"},                   // a missing sub-object
        {"1=0x1000", "1=0x1001"},                         // a listed object without a section
        {"Mandatory", "Optional"},                        // a missing list
        {"PDOMapping=0", "PDOMapping=0\r\nPDOMapping=1"}, // a repeated key
        {"ObjectType=0x9", "ObjectType=0x07"},            // a variable with a sub-object
        {"DataType=0x0005", "DataType=0x0007"},           // a record counted by an UNSIGNED32
    };
    for (const auto& [from, to] : faults) {
        std::string bad = good;
        bad.replace(bad.find(from), from.size(), to);
        EXPECT_THAT(Check_EDS_Text(bad), ::testing::Not(::testing::IsEmpty())) << to;
    }
}
} // namespace

// A rule file may start with a comment or a declaration; the generator takes the rules under
// the root element all the same.
TEST_F(EdsProject, RuleFilesAfterALeadingCommentGiveTheSameFile)
{
    const std::string folder = std::string(TEST_DATA_DIR) + "/descriptions/eds/mixed";
    for (const char* name : {"PDO_CANopen.xml", "SDO_Server_CANopen.xml"})
        WriteTestFile(dir.File(name), "<?xml version=\"1.0\"?>\n<!-- edited by hand -->\n" +
                                          ReadTestFile(folder + "/" + name));
    SetClock([] { return EncodeDate(2024, 12, 31) + EncodeTime(12, 5, 59, 0); });
    Create_EDS_File(output);
    EXPECT_EQ(ReadTestFile(output), ReadTestFile(folder + "/expected.eds"));
    Expect_Clean_CANopen_EDS(output);
}

// Anything but a regular file in place of a rule file stops the generator with an error that
// names the file and what stands there; no EDS file is written.
TEST_F(EdsProject, AnEntryThatIsNoFileStopsTheGenerator)
{
    for (const std::string& path : {File_PDO_CANopen, File_SDO_Server_CANopen}) {
        for (const THostileEntry& entry : Hostile_Entries()) {
            entry.Place(path);
            const std::string error = Read_Refusal([&] { Create_EDS_File(output); });
            EXPECT_NE(error.find(Refusal_Text(path, entry)), std::string::npos)
                << entry.Name << ": " << error;
            EXPECT_FALSE(PathExists(output)) << entry.Name;
            Remove_Entry(path);
        }
    }
}
