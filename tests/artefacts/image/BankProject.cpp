#include "BankProject.h"

#include "artefacts/image/USaveBincc.h"
#include "platform/os/FileSystem.h"
#include "workspace/UComon.h"

void BankProject::SetUp()
{
    Project_Dir = dir.Path();
    ASSERT_TRUE(CreateDir(dir.File("bin")));
    Read_Project_Files_From(dir.Path());
}

void BankProject::Read_Project_Files_From(const std::string& folder)
{
    File_ParGen = folder + "/ParGen.xml";
    File_EtherNetIP_Master_Rules = folder + "/EtherNetIP_Master_Rules.xml";
    File_SDO_Server_CANopen = folder + "/SDO_Server_CANopen.xml";
    File_SDO_Client_CANopen = folder + "/SDO_Client_CANopen.xml";
    File_PDO_CANopen = folder + "/PDO_CANopen.xml";
}

std::string BankProject::Build()
{
    Compile_Bank();
    Save_Bank();
    return ReadTestFile(Bank_Path());
}

uint32_t U32_At(const std::string& image, size_t offset)
{
    return U16_At(image, offset) | static_cast<uint32_t>(U16_At(image, offset + 2)) << 16;
}

uint16_t U16_At(const std::string& image, size_t offset)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(image.at(offset)) |
                                 static_cast<uint8_t>(image.at(offset + 1)) << 8);
}

std::string Hex_Bytes(const std::string& image, size_t offset, size_t count)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        const auto byte = static_cast<uint8_t>(image.at(offset + i));
        if (i) text += ' ';
        text += digits[byte >> 4];
        text += digits[byte & 15];
    }
    return text;
}
