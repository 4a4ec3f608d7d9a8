#pragma once
#include <string>
#include <vector>

// An entry of the converter's object dictionary has one size. Engineering tools learn it
// from the EDS, which describes the entry once, so a read rule and a write rule of the same
// index and sub-index that move different numbers of bytes would have a CANopen master
// write more or fewer bytes than the converter takes. The SDO server window refuses such a
// pair, and so do the steps that read its file.

struct TSDO_Row {
    int Index;
    int SubIndex;
    int NByte;
};

// The row number (from 1) of the first write row whose index and sub-index stand in a read
// row with another byte count; 0 when there is none.
int First_Resized_Write_Row(const std::vector<TSDO_Row>& Reads, const std::vector<TSDO_Row>& Writes);

// The text of the rule, as it follows "Error row " and the row number.
std::string SDO_Resized_Entry_Text();

// The refusal of a file that holds such a pair: the file, the row and the rule.
std::string SDO_Resized_Entry_Refusal(const std::string& File, int Row);
