#include "artefacts/image/UGenParBlock.h"

#include <numeric>

TGen_Par_Block::TGen_Par_Block()
{
    Set_U32(GenPar::Bit_Rate, 250000);
    Set_Octets(GenPar::Master_IP, {192, 168, 2, 205});
    Set_Octets(GenPar::Master_Subnet_Mask, {255, 255, 255, 0});
    Set_Octets(GenPar::Master_Gateway, {255, 255, 255, 255});
    // Fixed values of the converter's serial and port settings, the same in every image.
    Set_U32(0x00C, 9600);
    Set_U32(0x03C, 9600);
    Set_U16(0x034, 10000);
    Set_U16(0x036, 10001);
    Set_U16(0x038, 10001);
}

void TGen_Par_Block::Set_U16(int offset, uint32_t value)
{
    bytes_[offset] = static_cast<uint8_t>(value);
    bytes_[offset + 1] = static_cast<uint8_t>(value >> 8);
}

void TGen_Par_Block::Set_U32(int offset, uint32_t value)
{
    Set_U16(offset, value);
    Set_U16(offset + 2, value >> 16);
}

void TGen_Par_Block::Set_Octets(int offset, const TOctets& octets)
{
    std::copy(octets.begin(), octets.end(), bytes_.begin() + offset);
}

uint32_t TGen_Par_Block::Sum() const
{
    return std::accumulate(bytes_.begin(), bytes_.begin() + GenPar::Checksum, uint32_t{0});
}

void TGen_Par_Block::Seal() { Set_U32(GenPar::Checksum, Sum()); }
