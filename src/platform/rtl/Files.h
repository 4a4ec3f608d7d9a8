#pragma once
#include <string>

// Whole-file reads and writes of raw bytes. Both raise EFOpenError / EFCreateError with
// the system's reason when the file cannot be used.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
