#include <gtest/gtest.h>

#include "editors/canopen/RuleWindowHarness.h"
#include "editors/canopen/USet_PDO_Access.h"
#include "editors/canopen/USet_SDO_Client_Access.h"
#include "editors/canopen/USet_SDO_Server_Access.h"
#include "workspace/UComon.h"

namespace {
using Rows = std::vector<std::vector<std::string>>;

struct Case {
    int Table;
    Rows Rules;
    std::string Expected; // "" when OK passes
};

std::vector<std::string> Row_With(std::vector<std::string> Row, size_t Col, const std::string& Text)
{
    Row[Col - 1] = Text;
    return Row;
}

template <class TWindow> void Expect_Checks(TRuleWindowHarness<TWindow>& h, const std::vector<Case>& Cases)
{
    for (const Case& c : Cases) {
        TModalResult result = mrNone;
        const auto shown = h.Check(c.Table, c.Rules, &result);
        EXPECT_EQ(shown,
                  c.Expected.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.Expected})
            << "table " << c.Table << ", last row starting " << c.Rules.back()[0];
        EXPECT_EQ(result, c.Expected.empty() ? mrOk : mrCancel);
    }
}

// Fills both tables, presses OK and compares the file written with its golden copy.
template <class TWindow>
void Expect_Golden(TRuleWindowHarness<TWindow>& h, const Rows& First, const Rows& Second,
                   const std::string& Golden)
{
    TModalResult result = mrNone;
    EXPECT_TRUE(h.Ok_Messages(
                     [&](TWindow& w) {
                         for (size_t r = 0; r < First.size(); ++r)
                             Fill_Row(*w.Grids[0], static_cast<int>(r) + 1, First[r]);
                         for (size_t r = 0; r < Second.size(); ++r)
                             Fill_Row(*w.Grids[1], static_cast<int>(r) + 1, Second[r]);
                     },
                     &result)
                    .empty());
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(ReadTestFile(h.File), ReadTestFile(std::string(TEST_DATA_DIR) + "/canopen/golden/" + Golden));
}

const std::vector<std::string> Client_Read{"5", "0x1000", "1", "4", "100", "0", "1", "2", "3", "Temp"};
const std::vector<std::string> Client_Write{"127", "0xFFFF", "0", "4", "0", "", "4", "5", "6", "7", "Set"};
const std::vector<std::string> Receive{"0x181", "8", "0", "1", "2", "3", "4", "5", "6", "7", "100", "In"};
const std::vector<std::string> Transmit{"$201", "8",  "8",  "9", "10", "11", "12",
                                        "13",   "14", "15", "0", "Y",  "Out"};
} // namespace

TEST(SDOClientWindow, ChecksEveryRuleOfBothTables)
{
    TRuleWindowHarness<TFSet_SDO_Client_Access> h{File_SDO_Client_CANopen, "SDO_Client_CANopen.xml"};
    const std::string read = "Error row 1!! [SDO Read] ";
    const std::string write = "Error row 1!! [SDO Write] ";
    Expect_Checks(
        h, {
               {0, {Client_Read, Row_With(Client_Read, 2, "0x3000")}, ""},
               {0, {Row_With(Client_Read, 5, "0")}, read + "Poll Time must be between 1 and 100000000"},
               {1, {Row_With(Client_Write, 5, "0")}, ""},
               {1,
                {Row_With(Client_Write, 5, "100000001")},
                write + "Poll Time must be between 0 and 100000000"},
               {0, {Row_With(Client_Read, 1, "0")}, read + "Device ID must be between 1 and 127"},
               {1, {Row_With(Client_Write, 1, "128")}, write + "Device ID must be between 1 and 127"},
               {0, {Row_With(Client_Read, 2, "0x0FFF")}, read + "Index must be between 0x1000 and 0xFFFF"},
               {0, {Row_With(Client_Read, 3, "256")}, read + "SubIndex must be between 0x00 and 0xFF"},
               {1, {Row_With(Client_Write, 4, "3")}, write + "N Byte must be 1 or 2 or 4"},
               {1,
                {Row_With(Row_With(Client_Write, 4, "2"), 8, "1440")},
                write + "Address Byte2 must be between 0 and 1439"},
               {1, {Row_With(Row_With(Client_Write, 4, "1"), 8, "1440")}, ""},
               {0, {Row_With(Client_Read, 9, "-1")}, read + "Address Byte4 must be between 0 and 1439"},
           });
}

TEST(SDOClientWindow, WritesTheGoldenFile)
{
    TRuleWindowHarness<TFSet_SDO_Client_Access> h{File_SDO_Client_CANopen, "SDO_Client_CANopen.xml"};
    Expect_Golden(h, {Client_Read, Row_With(Client_Read, 4, "1")},
                  {Client_Write, Row_With(Client_Write, 6, "Y"), Row_With(Client_Write, 6, "N")},
                  "SDO_Client_CANopen.xml");
}

TEST(PDOWindow, ChecksEveryRuleOfBothTables)
{
    TRuleWindowHarness<TFSet_PDO_Access> h{File_PDO_CANopen, "PDO_CANopen.xml"};
    const std::string receive = "Error row 1!! [Receive PDO] ";
    const std::string transmit = "Error row 1!! [Transmit PDO] ";
    Expect_Checks(
        h, {
               {0, {Row_With(Receive, 1, "0"), Row_With(Receive, 1, "0x7FF")}, ""},
               {0, {Row_With(Receive, 1, "0x800")}, receive + "COB-ID must be between 0x000 and 0x7FF"},
               {0, {Row_With(Row_With(Receive, 2, "3"), 6, "letters")}, ""},
               {0, {Row_With(Receive, 2, "9")}, receive + "Dimension must be between 1 and 8"},
               {0, {Row_With(Receive, 10, "1440")}, receive + "Address Byte8 must be between 0 and 1439"},
               {1, {Row_With(Transmit, 10, "1440")}, transmit + "Address Byte8 must be between 0 and 1439"},
               {0, {Row_With(Receive, 11, "65535")}, ""},
               {0, {Row_With(Receive, 11, "65536")}, receive + "TimeOut must be between 0 and 65535"},
               {1,
                {Row_With(Transmit, 11, "100000001")},
                transmit + "Send Time must be between 0 and 100000000"},
               // A PDO without its COB-ID would be dropped with every PDO after it.
               {1, {Transmit, Row_With(Transmit, 1, "")}, "Error row 2" + Lang_Table[2099]},
           });
}

TEST(PDOWindow, WritesTheGoldenFile)
{
    TRuleWindowHarness<TFSet_PDO_Access> h{File_PDO_CANopen, "PDO_CANopen.xml"};
    Expect_Golden(h, {Receive, Row_With(Receive, 2, "2")}, {Transmit, Row_With(Transmit, 12, "")},
                  "PDO_CANopen.xml");
}

TEST(SDOServerWindowFile, WritesTheGoldenFile)
{
    TRuleWindowHarness<TFSet_SDO_Server_Access> h{File_SDO_Server_CANopen, "SDO_Server_CANopen.xml"};
    Expect_Golden(
        h, {{"0x2000", "1", "4", "0", "1", "2", "3", "Speed"}, {"$2001", "2", "1", "4", "x", "", "", ""}},
        {{"8194", "0", "2", "10", "11", "", "", "Set point"}}, "SDO_Server_CANopen.xml");
}

TEST(PDOWindow, InsertRowOnAFullTableLosesTheLastPDO)
{
    TRuleWindowHarness<TFSet_PDO_Access> h{File_PDO_CANopen, "PDO_CANopen.xml"};
    h.Show([](TFSet_PDO_Access& w) {
        TExtColumnGrid& grid = Go_To(w, 1, 1);
        for (int r = 1; r <= 30; ++r)
            Fill_Row(grid, r, Row_With(Transmit, 13, "PDO " + std::to_string(r)));
        w.Btn_InsRowClick();
        EXPECT_EQ(Row_Cells(grid, 1), std::vector<std::string>(13, ""));
        EXPECT_EQ(grid.Cells(13, 30), "PDO 29");
        EXPECT_EQ(grid.Cells(0, 30), "30");
    });
}
