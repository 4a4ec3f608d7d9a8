#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class TEdsDocument;

// The bytes that a parameter reference stands for in a connection path: the parameter's
// default value, as many little-endian bytes as its data size. Each parameter is decoded
// once, however many paths name it and however long its entry is.
class TPathParams {
public:
    explicit TPathParams(const TEdsDocument& eds) : eds_(eds) {}

    // nullptr when the reference ("Param5") names no parameter with a default of 1 to 8
    // bytes.
    const std::vector<uint8_t>* Bytes(const std::string& reference);

private:
    const TEdsDocument& eds_;
    std::unordered_map<std::string, std::optional<std::vector<uint8_t>>> cache_; // by upper-cased name
};

// Turns the path field of a connection entry into bytes: the path is a list of
// hexadecimal bytes ("20 04 24 01 2C 96 2C 64", with or without quotes, a byte also
// written 0x2C), in which a parameter reference ("[Param5]" or "Param5") stands for that
// parameter's bytes. False, with `path` undefined, when a token is neither a byte nor a
// parameter that resolves.
bool ReadPathBytes(const std::string& pathField, TPathParams& params, std::vector<uint8_t>& path);

// Reads the logical segments of a decoded connection path. Positions are byte indexes;
// a segment's position is that of its type byte, and reading a value leaves the position
// on the value's last byte. 16- and 32-bit values start on an even byte (padded paths).
class TConnectionPath {
public:
    explicit TConnectionPath(std::vector<uint8_t> bytes) : path_(std::move(bytes)) {}

    int Count() const { return static_cast<int>(path_.size()); }
    uint8_t operator[](int index) const { return path_[index]; }

    // The instance segment (0x24, 0x25, 0x26) at `pos`, stored into the directions whose
    // flag is set. Any other byte there gives instance 1 and moves the position back one
    // byte, so that a search from the next byte looks at that byte again. False when the
    // value runs past the end of the path.
    bool Get_Instance(int& pos, uint32_t& instanceOT, uint32_t& instanceTO, bool BoolInsOT,
                      bool BoolInsTO) const;
    // The connection point segment (0x2C, 0x2D, 0x2E) at `pos`; any other byte changes
    // nothing. False when the value runs past the end of the path.
    bool Get_ConnectionPoint(int& pos, uint32_t& connPoint) const;

    // The first byte from `from` on that is one of the segment types of the given kinds;
    // Count() when there is none.
    int FindSegment(int from, bool instances, bool connectionPoints) const;

    static bool IsInstance(uint8_t type) { return type >= 0x24 && type <= 0x26; }
    static bool IsConnectionPoint(uint8_t type) { return type >= 0x2C && type <= 0x2E; }

private:
    // The value of a logical segment whose type byte is `pos`: the format is given by the
    // type's two low bits (0 8-bit, 1 16-bit, 2 32-bit).
    bool ReadValue(int& pos, uint32_t& value) const;

    std::vector<uint8_t> path_;
};
