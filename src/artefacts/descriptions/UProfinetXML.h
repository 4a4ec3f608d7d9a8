#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <utility>

// The PROFINET GSDML description of the family's PROFINET converter: a fixed device access
// point and one module per EtherNet/IP target of the project, or one module with the sums.

constexpr int PROFINET_Max_Modules = 10;

extern std::string PROFINET_Station_Name;
extern bool PROFINET_Single_Module;
extern int PROFINET_Module_Count;
// Input and output length in bytes of each module.
extern std::array<std::pair<int32_t, int32_t>, PROFINET_Max_Modules> PROFINET_Module_Sizes;

// Asks for the folder (the name is always fileName) and whether to replace the file, then
// writes it. Raises EFCreateError when fileName is no plain file name of the desktop.
void Create_PROFINET_XML(const std::string& fileName);

// Fills the state above from File_ParGen and File_EtherNetIP_Master_Rules; targets past the
// tenth are left out. Raises EXMLDocError on a file that can't be parsed.
void Read_PROFINET_Par();

// Reads the parameters and writes the document as UTF-8 with CR LF, replacing an existing
// file; raises EFCreateError when the file can't be created.
void Write_GSDML_File(const std::string& path);
