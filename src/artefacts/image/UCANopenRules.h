#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "artefacts/image/UBankLayout.h"

// One rule of the converter's CANopen side; every rule table of the image uses this record.
struct CANopen_Rule_Rec {
    uint32_t COB_ID = 0;
    uint16_t Index = 0;
    uint8_t SubIndex = 0;
    uint8_t Device_ID = 0;
    uint32_t Time = 0;                 // poll time, timeout or send time
    std::array<uint16_t, 8> Address{}; // exchange-array positions of the data bytes
    uint8_t NByte = 0;
    uint8_t Mode = 0;
};

enum TRule_Table {
    SDO_Server_Read,
    SDO_Server_Write,
    SDO_Client_Read,
    SDO_Client_Write,
    Receive_PDO,
    Transmit_PDO,
    Rule_Table_Count
};

// The six tables in image order, each at its full size; a record no row fills keeps
// the default contents (zero, with every position word 0xFFFF).
struct TCANopen_Tables {
    TCANopen_Tables();

    std::array<std::vector<CANopen_Rule_Rec>, Rule_Table_Count> Records;
    std::array<uint32_t, Rule_Table_Count> Counts{};
};

// Device address of a table's first record.
uint32_t Rule_Table_Address(TRule_Table table);

struct TCANopen_Rule_Files {
    std::string SDO_Server;
    std::string SDO_Client;
    std::string PDO;
};

// Fills the tables from the rows of the three CANopen rule files, in file order. These files
// have no defaults: a missing section, attribute or number raises, and the build stops.
// Rows past a table's size are ignored.
void Read_CANopen_Rules(const TCANopen_Rule_Files& files, TCANopen_Tables& tables);

void Copy_CANopen_Tables(const TCANopen_Tables& tables, TImageWriter& writer);
