#pragma once
#include <string>

// The settings file Vantrel.xml beside the executable: the last project, the device IP
// address of the last update, the language and the four option flags, kept from one run
// to the next in the program-wide variables of UComon.

extern const std::string Settings_File_Name;    // "Vantrel.xml"
extern const std::string Default_IP_Address;    // "192.168.2.205"
extern const std::string Default_Language_Name;  // "English"

// The settings file's full path inside Exe_Dir.
std::string Settings_File_Path();

// Reads the file leniently: a missing file gives every default, and each item falls back
// to its own default alone when it cannot be read. A damaged file is read as far as it is
// readable: every item whose element was read whole keeps its value, so that the next save
// does not silently put defaults in their place. Project_Dir is emptied: the caller decides
// whether the project named by Project_Name can be reopened.
// Returns what to tell the user once about a damaged or unreadable file, or "".
std::string Read_Settings(const std::string& path);

// Writes the file from the program-wide variables, replacing it; raises EFCreateError.
void Write_Settings(const std::string& path);
