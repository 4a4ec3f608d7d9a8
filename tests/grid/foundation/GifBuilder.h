#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Builds small GIF files for tests: a logical screen with a four-colour table (0 red,
// 1 green, 2 blue, 3 white) and frames of one colour each, every frame behind its own
// graphic control extension with the given delay, on a white background.
class TGifBuilder {
public:
    TGifBuilder(int width, int height)
    {
        data_ = "GIF89a";
        Word(width);
        Word(height);
        data_ += char(0x81); // a global table of 4 colours
        data_ += char(3);    // white background
        data_ += char(0);
        for (uint8_t c : {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255})
            data_ += char(c);
    }

    TGifBuilder& Frame(int left, int top, int width, int height, int colorIndex, int delay)
    {
        for (uint8_t b : {0x21, 0xF9, 0x04, 0x00})
            data_ += char(b);
        Word(delay);
        data_ += char(0);
        data_ += char(0);
        data_ += char(0x2C);
        Word(left);
        Word(top);
        Word(width);
        Word(height);
        data_ += char(0);
        data_ += char(2); // minimum code size
        // Every pixel follows a clear code, so the codes stay 3 bits wide.
        std::vector<int> codes;
        for (int i = 0; i < width * height; ++i) {
            codes.push_back(4);
            codes.push_back(colorIndex);
        }
        codes.push_back(5);
        std::string packed;
        unsigned bits = 0, count = 0;
        for (int code : codes) {
            bits |= unsigned(code) << count;
            count += 3;
            while (count >= 8) {
                packed += char(bits & 0xFF);
                bits >>= 8;
                count -= 8;
            }
        }
        if (count > 0) packed += char(bits & 0xFF);
        for (size_t at = 0; at < packed.size(); at += 255) {
            const std::string block = packed.substr(at, 255);
            data_ += char(block.size());
            data_ += block;
        }
        data_ += char(0);
        return *this;
    }

    std::string Bytes() const { return data_ + char(0x3B); }

private:
    void Word(int value)
    {
        data_ += char(value & 0xFF);
        data_ += char((value >> 8) & 0xFF);
    }
    std::string data_;
};
