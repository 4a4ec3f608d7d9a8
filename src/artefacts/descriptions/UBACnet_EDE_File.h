#pragma once
#include <string>
#include <vector>

#include "platform/rtl/DateUtils.h"

// The engineering data exchange (EDE) list of the family's BACnet converter: one
// semicolon-separated line per BACnet object of the project's BACnet rules, numbered per
// object type from 0.

struct TBACnet_EDE_Obj {
    std::string Keyname;
    std::string DevObjInstance;
    std::string ObjectName;
    std::string ObjectType;
    std::string ObjectInstance;
    std::string Description;
    std::string UnitCode;
};

extern std::vector<TBACnet_EDE_Obj> EDE_Object_List;
extern std::string EDE_Device_Instance;
// Object names of up to 32 characters when set, else 16.
extern bool EDE_Desc_Chars_Limit;

// Writes the list under that name, replacing an existing file. Raises EXMLDocError on a
// file that can't be parsed (before anything is written) and EFCreateError when the file
// can't be created.
void Create_BACnet_EDE(const std::string& fileName);
void Build_EDE_File(const std::string& fileName);

// Device instance and name limit from File_ParGen.
void Read_BACnet_Par();
// One object per row of both sections of File_BACnet_Slave_SetAccess, appended to the list.
void Read_BACnet_Objects();

// The ASHRAE 135 object type of a data type text (trimmed, upper case); 0 for any other text.
int Get_Object_Type(const std::string& dataType);
// The type's next instance number, from 0; 0 for a type without a counter.
int Next_Object_Instance(int objectType);
void Reset_Instance_Counters();
// The time as hh:mm:ss dd/mm/yyyy.
std::string Get_Time_Stamp(TDateTime value);
void Write_EDE_File(const std::string& fileName);
