#pragma once
#include <array>
#include <cstdint>
#include <vector>

// What the EDS generator takes from the project's rule files: the receive and transmit
// PDOs of the PDO rules and the application variables of the SDO server rules. The
// tables are refilled at every generation.

struct EDS_PDO_Entry {
    uint32_t COB_ID = 0;
    int32_t Dimension = 8; // data bytes, 1 to 8
};

constexpr int EDS_PDO_Max = 30;
using EDS_PDO_Table = std::array<EDS_PDO_Entry, EDS_PDO_Max>;

extern EDS_PDO_Table EDS_RPDO_Table;
extern EDS_PDO_Table EDS_TPDO_Table;
extern int EDS_RPDO_Count;
extern int EDS_TPDO_Count;

struct SDO_Sub_Type {
    uint8_t Sub = 0;
    int32_t Quantity = 0; // bytes: 1, 2, anything else counts as 4
    bool Readonly = true;
};

struct SDO_Index {
    uint16_t Index = 0;
    std::vector<SDO_Sub_Type> Sub_Indexs;
};

// In the order of the first rule row of each index: read rows before write rows.
extern std::vector<SDO_Index> SDO_Indexes;

// Fills both PDO tables from File_PDO_CANopen; rows past the 30th of a section are left out.
void Read_PDO_Rules();

// Appends the rows of File_SDO_Server_CANopen to SDO_Indexes. Each (Index, SubIndex) pair
// is kept once, from its first row, and is writable when any of its rows is a write row.
// Raises EXMLDocError or EConvertError on a file that can't be read, and EConvertError,
// naming the file and the row, on a write row whose entry the read table gives another size.
void Read_SDO_Server_Rules();

// Position of the entry with that index in SDO_Indexes, -1 when absent.
int Find_SDO_Index(int index);

// Orders the sub-indexes of every entry of SDO_Indexes, rising.
void Sort_Sub_Indexs();
