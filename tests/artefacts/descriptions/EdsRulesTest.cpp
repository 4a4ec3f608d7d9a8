#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "EdsProject.h"
#include "artefacts/descriptions/UEds.h"
#include "artefacts/descriptions/UEdsRules.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "support/EdsChecker.h"

using ::testing::HasSubstr;
using ::testing::Not;

namespace {
std::string Pdo_Row(const std::string& cobId, const std::string& dimension)
{
    return "<row COB-ID=\"" + cobId + "\" Dimension=\"" + dimension + "\"/>";
}

std::string Pdo_File(const std::string& receiveRows, const std::string& transmitRows)
{
    return "<PDO_CANopen><Receive_PDO>" + receiveRows + "</Receive_PDO><Transmit_PDO>" + transmitRows +
           "</Transmit_PDO></PDO_CANopen><!--SW_VERSION = 1.002-->";
}

std::string Sdo_Row(const std::string& index, const std::string& sub, const std::string& nbyte)
{
    return "<row Index=\"" + index + "\" SubIndex=\"" + sub + "\" NByte=\"" + nbyte + "\"/>";
}

std::string Sdo_File(const std::string& readRows, const std::string& writeRows)
{
    return "<SDO_Server_CANopen><SDO_Read>" + readRows + "</SDO_Read><SDO_Write>" + writeRows +
           "</SDO_Write></SDO_Server_CANopen><!--SW_VERSION = 1.002-->";
}

std::string Rows(int count, const std::function<std::string(int)>& row)
{
    std::string rows;
    for (int i = 0; i < count; ++i)
        rows += row(i);
    return rows;
}

class EdsRules : public EdsProject {
protected:
    void Generate_From(const std::string& pdo, const std::string& sdo)
    {
        WriteTestFile(File_PDO_CANopen, pdo);
        WriteTestFile(File_SDO_Server_CANopen, sdo);
        Create_EDS_File(output);
        Expect_Clean_CANopen_EDS(output);
    }
};

TEST_F(EdsRules, PdoValuesReadLeniently)
{
    // COB-ID and Dimension as typed, missing, no number, or a size no PDO has.
    WriteTestFile(File_PDO_CANopen,
                  Pdo_File(Pdo_Row("0x201", "2") + Pdo_Row("$1FF", "") + Pdo_Row("385", "x") + "<row/>" +
                               Pdo_Row(" 0x7FF", "0") + Pdo_Row("-", "9") + Pdo_Row("1", "2000000000"),
                           Pdo_Row("0x181", " 8")));
    Read_PDO_Rules();
    const uint32_t cobIds[] = {0x201, 0x1FF, 385, 0, 0x7FF, 0, 1};
    const int32_t dimensions[] = {2, 8, 8, 8, 8, 8, 8};
    ASSERT_EQ(EDS_RPDO_Count, 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(EDS_RPDO_Table[i].COB_ID, cobIds[i]) << i;
        EXPECT_EQ(EDS_RPDO_Table[i].Dimension, dimensions[i]) << i;
    }
    ASSERT_EQ(EDS_TPDO_Count, 1);
    EXPECT_EQ(EDS_TPDO_Table[0].Dimension, 8);
}

TEST_F(EdsRules, RowsPastThirtyAreLeftOut)
{
    const auto row = [](int i) { return Pdo_Row(IntToStr(0x200 + i), IntToStr(i % 8 + 1)); };
    Generate_From(Pdo_File(Rows(30, row), Rows(30, row)), Sdo_File("", ""));
    const std::string thirty = ReadTestFile(output);

    Generate_From(Pdo_File(Rows(45, row), Rows(31, row)), Sdo_File("", ""));
    EXPECT_EQ(EDS_RPDO_Count, 30);
    EXPECT_EQ(EDS_TPDO_Count, 30);
    EXPECT_EQ(ReadTestFile(output), thirty);
}

TEST_F(EdsRules, RootIsTheFirstElementAndOnlyElementsAreRows)
{
    Generate_From("<?xml version=\"1.0\"?><!-- edited by hand -->" +
                      Pdo_File("<!-- spare -->" + Pdo_Row("0x201", "1"), "text" + Pdo_Row("0x181", "1")),
                  "<!-- edited by hand -->" + Sdo_File("<!-- spare -->" + Sdo_Row("0x2000", "1", "1"), ""));
    EXPECT_EQ(EDS_RPDO_Count, 1);
    EXPECT_EQ(EDS_TPDO_Count, 1);
    ASSERT_EQ(SDO_Indexes.size(), 1u);
    EXPECT_EQ(SDO_Indexes[0].Sub_Indexs.size(), 1u);
}

TEST_F(EdsRules, MissingFilesAndSectionsGiveNoObjects)
{
    Create_EDS_File(output);
    Expect_Clean_CANopen_EDS(output);
    EXPECT_EQ(EDS_RPDO_Count, 0);
    EXPECT_TRUE(SDO_Indexes.empty());

    Generate_From("<PDO_CANopen/>", "<SDO_Server_CANopen><SDO_Write/></SDO_Server_CANopen>");
    EXPECT_EQ(EDS_RPDO_Count + EDS_TPDO_Count, 0);
    EXPECT_TRUE(SDO_Indexes.empty());
}

TEST_F(EdsRules, FindSdoIndexSearchesTheWholeNumber)
{
    WriteTestFile(File_SDO_Server_CANopen, Sdo_File(Sdo_Row("0x2100", "1", "1") + Sdo_Row("0x2000", "1", "1"),
                                                    Sdo_Row("0x5FFF", "0", "4")));
    SDO_Indexes.clear();
    Read_SDO_Server_Rules();
    EXPECT_EQ(Find_SDO_Index(0x2100), 0);
    EXPECT_EQ(Find_SDO_Index(0x2000), 1);
    EXPECT_EQ(Find_SDO_Index(0x5FFF), 2);
    EXPECT_EQ(Find_SDO_Index(0x2001), -1);
    EXPECT_EQ(Find_SDO_Index(0x12000), -1);
}

TEST_F(EdsRules, ReadsTwentyThousandRowsWithoutRescanning)
{
    // Finding each row by its index in the child list, and each object index by a scan of
    // the objects read so far, made this take seconds.
    const auto sdoRow = [](int i) { return Sdo_Row(IntToStr(i), "1", "1"); };
    WriteTestFile(File_SDO_Server_CANopen, Sdo_File(Rows(20000, sdoRow), Rows(20000, sdoRow)));
    WriteTestFile(File_PDO_CANopen,
                  Pdo_File(Rows(20000, [](int i) { return Pdo_Row(IntToStr(i), "1"); }), ""));
    SDO_Indexes.clear();
    Read_SDO_Server_Rules();
    Read_PDO_Rules();
    ASSERT_EQ(SDO_Indexes.size(), 20000u);
    EXPECT_EQ(SDO_Indexes[19999].Index, 19999);
    ASSERT_EQ(SDO_Indexes[19999].Sub_Indexs.size(), 1u);
    EXPECT_FALSE(SDO_Indexes[19999].Sub_Indexs[0].Readonly); // its write row came last
    EXPECT_EQ(Find_SDO_Index(12345), 12345);
    EXPECT_EQ(EDS_RPDO_Count, 30);
    EXPECT_EQ(EDS_RPDO_Table[29].COB_ID, 29u);
}

TEST_F(EdsRules, RepeatedPairIsWrittenOnceFromItsFirstRow)
{
    // Index 0x3000 sub 1: twice read, then written with the same size; sub 2: written twice.
    Generate_From(Pdo_File("", ""), Sdo_File(Sdo_Row("0x3000", "1", "2") + Sdo_Row("0x3000", "1", "2"),
                                             Sdo_Row("0x3000", "2", "1") + Sdo_Row("12288", "0x01", "2") +
                                                 Sdo_Row("0x3000", "2", "2")));
    ASSERT_EQ(SDO_Indexes.size(), 1u);
    const std::vector<SDO_Sub_Type>& subs = SDO_Indexes[0].Sub_Indexs;
    ASSERT_EQ(subs.size(), 2u);
    EXPECT_EQ(subs[0].Sub, 1);
    EXPECT_EQ(subs[0].Quantity, 2);
    EXPECT_FALSE(subs[0].Readonly);
    EXPECT_EQ(subs[1].Sub, 2);
    EXPECT_EQ(subs[1].Quantity, 1);

    const std::string written = ReadTestFile(output);
    EXPECT_THAT(written, HasSubstr("[3000]\r\nSubNumber=3\r\n"));
    EXPECT_THAT(written, HasSubstr("[3000sub1]\r\nParameterName=Application Variable\r\nObjectType=0x7\r\n"
                                   "DataType=0x0006\r\nLowLimit=0x0000\r\nHighLimit=0xFFFF\r\n"
                                   "DefaultValue=0x0000\r\nAccessType=rw\r\n"));
}

TEST_F(EdsRules, EachGenerationStartsAfresh)
{
    Generate_From(Pdo_File(Pdo_Row("0x201", "1"), ""), Sdo_File(Sdo_Row("0x2000", "1", "1"), ""));
    const std::string first = ReadTestFile(output);
    Create_EDS_File(output);
    EXPECT_EQ(ReadTestFile(output), first);
    EXPECT_EQ(SDO_Indexes.size(), 1u);
}

struct BadSdoRow {
    const char* name;
    std::string row;
};

std::ostream& operator<<(std::ostream& out, const BadSdoRow& c) { return out << c.name; }

class EdsBadSdoRow : public EdsRules, public ::testing::WithParamInterface<BadSdoRow> {};

// A value that is no number, an index or sub-index that would land in another object's
// section, or the reserved sub-index 255, which no tool reads as an entry, stops the
// generation before anything is written.
TEST_P(EdsBadSdoRow, RaisesAndLeavesTheOldFile)
{
    WriteTestFile(output, "old");
    WriteTestFile(File_PDO_CANopen, Pdo_File(Pdo_Row("0x201", "1"), ""));
    WriteTestFile(File_SDO_Server_CANopen, Sdo_File(Sdo_Row("0x2000", "1", "1"), GetParam().row));
    EXPECT_THROW(Create_EDS_File(output), EConvertError);
    EXPECT_EQ(ReadTestFile(output), "old");
}

INSTANTIATE_TEST_SUITE_P(Cases, EdsBadSdoRow,
                         ::testing::Values(BadSdoRow{"IndexNoNumber", Sdo_Row("abc", "1", "1")},
                                           BadSdoRow{"IndexEmpty", Sdo_Row("", "1", "1")},
                                           BadSdoRow{"IndexTooLarge", Sdo_Row("0x12000", "1", "1")},
                                           BadSdoRow{"IndexNegative", Sdo_Row("-1", "1", "1")},
                                           BadSdoRow{"SubIndexTooLarge", Sdo_Row("0x2000", "256", "1")},
                                           BadSdoRow{"SubIndexReserved", Sdo_Row("0x2000", "0xFF", "1")},
                                           BadSdoRow{"NByteMissing",
                                                     "<row Index=\"0x2000\" SubIndex=\"2\"/>"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EdsRules, UnreadableFilesRaiseBeforeWriting)
{
    WriteTestFile(output, "old");
    WriteTestFile(File_PDO_CANopen, "<PDO_CANopen><Receive_PDO>");
    EXPECT_THROW(Create_EDS_File(output), EXMLDocError);
    WriteTestFile(File_PDO_CANopen, Pdo_File("", ""));
    WriteTestFile(File_SDO_Server_CANopen, "<SDO_Server_CANopen><SDO_Read><row Index=\"1\"</SDO_Read>");
    EXPECT_THROW(Create_EDS_File(output), EXMLDocError);
    EXPECT_EQ(ReadTestFile(output), "old");

    WriteTestFile(File_SDO_Server_CANopen, Sdo_File("", ""));
    EXPECT_THROW(Create_EDS_File(dir.File("missing/out.eds")), EFCreateError);
}
} // namespace
