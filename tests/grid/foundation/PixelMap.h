#pragma once
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/Graphics.h"

// The pixels of a bitmap as lines of characters, one character per pixel after a legend
// of colours; "." for a colour the legend lacks.
inline std::vector<std::string> PixelMap(TBitmap& bitmap, const std::vector<std::pair<TColor, char>>& legend)
{
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x) {
            char c = '.';
            for (const auto& [color, mark] : legend)
                if (bitmap.Canvas()->Pixels(x, y) == color) c = mark;
            row += c;
        }
        rows.push_back(row);
    }
    return rows;
}

// A white bitmap of the given size.
inline void Blank(TBitmap& bitmap, int width, int height)
{
    bitmap.SetSize(width, height);
    bitmap.Canvas()->Brush()->SetColor(clWhite);
    bitmap.Canvas()->FillRect(Rect(0, 0, width, height));
}
