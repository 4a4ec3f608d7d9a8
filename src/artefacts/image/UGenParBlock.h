#pragma once
#include <array>
#include <cstdint>

#include "artefacts/image/UBankLayout.h"

// Offsets of the general parameter block's fields that the builder sets.
namespace GenPar {
constexpr int Bit_Rate = 0x000;
constexpr int Master_IP = 0x028;
constexpr int Master_Subnet_Mask = 0x02C;
constexpr int Master_Gateway = 0x030;
constexpr int Input_Total = 0x074;
constexpr int Output_Total = 0x078;
constexpr int Node_Id = 0x09C;
constexpr int Startup_Flags = 0x0A0;
constexpr int Network_Start_Delay = 0x0A4;
constexpr int SDO_Client_TimeOut = 0x0A8;
constexpr int Rule_Counts = 0x0AC;
constexpr int Rule_Table_Addresses = 0x0E0;
constexpr int Master_IP_Copy = 0x130;
constexpr int Master_Subnet_Mask_Copy = 0x134;
constexpr int Master_Gateway_Copy = 0x138;
constexpr int Target_Count = 0x278;
constexpr int Target_Records_Address = 0x27C;
constexpr int Checksum = 0x7FC;
} // namespace GenPar

using TOctets = std::array<uint8_t, 4>;

// The general parameter block, kept in its file layout so that its checksum is the plain
// byte sum of what the file will hold. A new block holds the defaults of every image.
class TGen_Par_Block {
public:
    TGen_Par_Block();

    void Set_U16(int offset, uint32_t value);
    void Set_U32(int offset, uint32_t value);
    void Set_Octets(int offset, const TOctets& octets);

    // Sum of the bytes ahead of the checksum field, modulo 2^32.
    uint32_t Sum() const;
    // Stores the checksum; the last change before the block is copied into the image.
    void Seal();

    const uint8_t* Bytes() const { return bytes_.data(); }

private:
    std::array<uint8_t, Gen_Par_Block_Size> bytes_{};
};
