#pragma once
#include <cstdint>
#include <string>

// Where the parts of bank.bin lie. The converter maps the file's first byte at Bank_Base_Address,
// so every device address the image holds is that base plus a file offset.

constexpr uint32_t Bank_Base_Address = 0x5A000;

constexpr uint32_t Rule_Rec_Size = 32;
constexpr uint32_t Gen_Par_Block_Size = 2048;
constexpr uint32_t EIP_Slave_Rec_Size = 40;
constexpr int Max_EIP_Targets = 10;

// Value bytes a key or segment block can hold besides its 4-byte header. The header counts a
// segment in 16-bit words in one byte, so a segment holds at most 510 bytes.
constexpr int Max_Key_Values = 97;
constexpr int Max_Segment_Values = 510;

// File offsets of the general block and of the target records, after the six rule tables.
constexpr uint32_t Gen_Par_Offset = 0xE000;
constexpr uint32_t EIP_Slaves_Offset = Gen_Par_Offset + Gen_Par_Block_Size;
constexpr uint32_t EIP_Slaves_Address = Bank_Base_Address + EIP_Slaves_Offset;

// Appends unsigned little-endian fields to the image.
class TImageWriter {
public:
    explicit TImageWriter(std::string& image) : image_(image) {}

    void U8(uint32_t value) { image_.push_back(static_cast<char>(value & 0xFF)); }
    void U16(uint32_t value)
    {
        U8(value);
        U8(value >> 8);
    }
    void U32(uint32_t value)
    {
        U16(value);
        U16(value >> 16);
    }
    void Bytes(const uint8_t* data, size_t count)
    {
        image_.append(reinterpret_cast<const char*>(data), count);
    }
    void Zeros(size_t count) { image_.append(count, '\0'); }

private:
    std::string& image_;
};
