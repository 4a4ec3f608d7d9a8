#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/TestFiles.h"

// A project directory with its bin folder, the program-wide project file paths pointing into it.
class BankProject : public testing::Test {
protected:
    void SetUp() override;

    // Points the project file paths at a folder of input files (the project keeps its own bin).
    void Read_Project_Files_From(const std::string& folder);
    void Write(const std::string& name, const std::string& xml) { WriteTestFile(dir.File(name), xml); }
    std::string Bank_Path() const { return dir.File("bin/bank.bin"); }

    // Compile_Bank and Save_Bank as the Update Device step runs them; the written file.
    std::string Build();

    TempDir dir;
};

uint32_t U32_At(const std::string& image, size_t offset);
uint16_t U16_At(const std::string& image, size_t offset);
std::string Hex_Bytes(const std::string& image, size_t offset, size_t count);

// File offsets of the image's parts.
constexpr size_t Gen_Block = 0xE000;
constexpr size_t Target_Records = 0xE800;
