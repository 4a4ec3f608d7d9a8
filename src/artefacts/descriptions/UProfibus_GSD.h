#pragma once
#include <cstdint>
#include <string>

// The PROFIBUS DP description (GSD) of the family's PROFIBUS slave converter. Its module
// list follows the slave's data lengths from the communication parameters.

extern int32_t GSD_NB_IN;  // PROFINET_NB_IN: the slave's output length in bytes
extern int32_t GSD_NB_OUT; // PROFINET_NB_OUT: the slave's input length in bytes

// Reads the two lengths, asks for the file and whether to replace it, and writes it. Without
// communication parameters it reports text 1104 and writes nothing.
void Create_PROFIBUS_GSD();

// The chosen name with ".gsd" appended unless it already ends so (in any case).
std::string GSD_File_Name(const std::string& chosen);

// Writes the description for GSD_NB_IN and GSD_NB_OUT, replacing an existing file; raises
// EFCreateError when the file can't be created.
void Write_GSD_File(const std::string& path);
