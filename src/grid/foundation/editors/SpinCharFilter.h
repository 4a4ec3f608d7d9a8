#pragma once
#include <string>

// Which characters a spin edit lets through, by the kind of value it holds.

enum TEsgSpinType { sptNormal, sptFloat, sptDate, sptTime };

struct TSpinCharContext {
    TEsgSpinType Kind = sptNormal;
    std::string Text;
    int SelStart = 0;   // characters, from 0
    int SelLength = 0;
    int Precision = 0;  // digits after the decimal separator; 0: any
    bool EditorEnabled = true;
};

// True when the character may be typed, with the separators of the format settings.
bool IsValidSpinChar(char32_t key, const TSpinCharContext& context);
