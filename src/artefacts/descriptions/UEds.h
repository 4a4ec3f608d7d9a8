#pragma once
#include <string>

// Writes the CANopen Electronic Data Sheet of the converter under the given name, from the
// project's PDO and SDO server rules, replacing an existing file. Raises EXMLDocError or
// EConvertError on a rule file that can't be read (then nothing is written) and
// EFCreateError when the file can't be created.
void Create_EDS_File(const std::string& fileName);
