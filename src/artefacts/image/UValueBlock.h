#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The CIP electronic-key and data-segment blocks of a scan-list target, built from the
// comma lists of byte values that the scan-list editor stores. A block is its 4-byte header
// (segment length, segment type, length in 16-bit words) followed by the value bytes.
std::vector<uint8_t> Parse_ElectronicKey(const std::string& list);
std::vector<uint8_t> Parse_DataSegment(const std::string& list);
