#pragma once
#include <cstdint>
#include <string>

class TEdsDocument;
class TEdsSection;

// The identity of a target device, from the [Device] section of its EDS file.
struct TEdsIdentity {
    uint16_t VendCode = 0;
    uint16_t ProdType = 0;
    uint16_t ProdCode = 0;
    uint8_t MajRev = 0;
    uint8_t MinRev = 0;

    // True when the file gave any of the five values.
    bool IsKnown() const;
    // The eight electronic key bytes as the scan list stores them: vendor code, device
    // type and product code (low byte first), major revision with the compatibility bit
    // set, minor revision; "0x" and two upper-case hexadecimal digits each, joined by ", ".
    std::string ElectronicKeyText() const;
};

// The number of a [Device] entry, read by the number rule; 0 when the entry is missing or
// does not read.
int32_t GetDeviceValue(const TEdsSection* device, const std::string& key);

TEdsIdentity ReadDeviceIdentity(const TEdsDocument& eds);
