#pragma once
#include <string>

class TExtColumnGrid;

// The checks of a scan list row that go beyond a number range.

// Results of the byte list checks.
enum : int { Byte_List_Good = 255, Byte_List_Wrong_Byte = 1, Byte_List_Wrong_Count = 2 };

// A list of numbers 0 to 255 separated by ","; one trailing "," adds no byte, an empty
// piece anywhere else is a wrong byte. The electronic key holds exactly 8 bytes.
int CheckBytesElectronicKey(const std::string& text);
// The data segment holds at most 510 bytes.
int CheckBytesDataSegment(const std::string& text);

// "Default" in any letter case, blanks around it allowed, or a header format 0 to 7.
bool Is_Dim_Header(const std::string& text);

// The rows 1 .. n that validation walks and the rule file keeps: the walk passes over
// disabled rows and ends at the first enabled row without an IP address, and the rows
// after the last one with an address are left out. Validation and the writer share it,
// so no row that passed the checks is ever dropped on saving.
int Scan_List_Rows(const TExtColumnGrid& Grid);
