#pragma once
#include <string>

// File rules of the main window's steps that need no window.

// The BACnet EDE file name: ".csv" is appended unless the name's last four characters
// already are ".csv" in any letter case.
std::string EDE_File_Name(const std::string& chosen);

// The integer value of BACnet_Type under the root of the open project's ParGen.xml; 0 when
// the file, the element or its value cannot be read.
int Get_Type_BACnet();
