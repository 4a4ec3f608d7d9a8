#pragma once
#include <array>
#include <string>

// The SNMP MIB module of the family's SNMP converter: a fixed object tree under the maker's
// enterprise number, one object per enabled read and write rule, one notification per
// enabled read rule.

// Entries 0 to 255 belong to the read rows, 256 to 511 to the write rows: true when the
// row's value is an INTEGER, false for an OCTET STRING.
constexpr int MIB_Section_Size = 256;
extern std::array<bool, 2 * MIB_Section_Size> MIB_Integer_Flags;

// Asks for the file and whether to replace it, reads the rules and writes the module.
void Create_SNMP_MIB();

// Fills MIB_Read_Desc_List, MIB_Write_Desc_List and the flags from the enabled rows of
// File_SNMP_Trap, at most MIB_Section_Size per section (the editor never writes more; later
// rows are left out). Raises EXMLDocError on a file that can't be parsed.
void Read_SNMP_Trap_Rules();

// Writes the module from the lists and flags, replacing an existing file; raises
// EFCreateError when the file can't be created.
void Write_MIB_File(const std::string& path);
