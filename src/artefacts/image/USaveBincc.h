#pragma once
#include <string>

// The configuration image of the last successful Compile_Bank; empty before the first one
// and after a build that failed.
extern std::string Bank_Image;

// Builds the image of the open project from its files (File_ParGen and the rule files).
// Raises when a CANopen rule file cannot be taken; Bank_Image is then left empty.
void Compile_Bank();

// Writes Bank_Image to the project's bin/bank.bin, replacing the earlier one. Raises an
// EInOutError naming the file when it cannot be written, so that the update stops there.
void Save_Bank();
