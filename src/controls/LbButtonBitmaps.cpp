#include "controls/LbButtonBitmaps.h"

#include <vector>

namespace {
constexpr TColor Background = RGB(255, 0, 255);
constexpr TColor DisabledInk = RGB(128, 128, 128);

using TStroke = std::vector<TPoint>;

// A symbol drawn in 2-pixel strokes on an 18-pixel frame.
struct TSymbol {
    const char* Resource;
    int FrameHeight;
    TColor Ink;
    std::vector<TStroke> Strokes;
};

const TStroke Check = {{3, 9}, {7, 13}, {15, 4}};
const TStroke CrossDown = {{4, 4}, {14, 14}};
const TStroke CrossUp = {{14, 4}, {4, 14}};

const TSymbol Symbols[] = {
    {"LBOK", 18, RGB(0, 128, 0), {Check}},
    {"LBCANCEL", 18, RGB(192, 0, 0), {CrossDown, CrossUp}},
    {"LBHELP",
     18,
     RGB(0, 0, 192),
     {{{5, 6}, {6, 4}, {9, 3}, {12, 4}, {13, 6}, {12, 8}, {9, 10}, {9, 12}}, {{9, 14}, {9, 16}}}},
    {"LBYES", 18, RGB(0, 128, 0), {Check}},
    {"LBNO",
     18,
     RGB(192, 0, 0),
     {{{4, 3}, {13, 3}, {15, 6}, {15, 12}, {13, 15}, {4, 15}, {2, 12}, {2, 6}, {4, 3}}, {{5, 13}, {13, 5}}}},
    {"LBCLOSE",
     18,
     RGB(0, 0, 128),
     {{{11, 5}, {11, 2}, {3, 2}, {3, 16}, {11, 16}, {11, 13}},
      {{7, 9}, {16, 9}},
      {{13, 6}, {16, 9}, {13, 12}}}},
    {"LBABORT", 18, RGB(128, 0, 0), {CrossDown, CrossUp, {{2, 9}, {16, 9}}}},
    {"LBRETRY",
     18,
     RGB(0, 96, 160),
     {{{13, 5}, {10, 3}, {6, 4}, {4, 7}, {4, 11}, {6, 14}, {10, 15}, {13, 13}}, {{13, 1}, {13, 6}, {8, 6}}}},
    {"LBIGNORE", 18, RGB(0, 128, 128), {{{2, 9}, {15, 9}}, {{11, 5}, {15, 9}, {11, 13}}}},
    {"LBALL", 19, RGB(0, 128, 0), {{{1, 8}, {4, 11}, {10, 3}}, {{6, 12}, {10, 16}, {17, 6}}}},
};

void DrawSymbol(TCanvas& canvas, const TSymbol& symbol, int left, TColor ink)
{
    canvas.Pen()->SetColor(ink);
    canvas.Pen()->SetWidth(2);
    for (const TStroke& stroke : symbol.Strokes) {
        TStroke moved;
        for (const TPoint& p : stroke)
            moved.push_back({p.X + left, p.Y});
        canvas.Polyline(moved);
    }
}

void Clear(TBitmap& bitmap, int width, int height)
{
    bitmap.SetSize(width, height);
    bitmap.Canvas()->Brush()->SetColor(Background);
    bitmap.Canvas()->Brush()->SetStyle(bsSolid);
    bitmap.Canvas()->FillRect(Rect(0, 0, width, height));
    bitmap.SetTransparent(true);
}

// A small black triangle pointing down, 5 x 3.
void DrawArrow(TBitmap& bitmap)
{
    Clear(bitmap, 5, 3);
    for (int row = 0; row < 3; ++row)
        for (int x = row; x < 5 - row; ++x)
            bitmap.Canvas()->SetPixels(x, row, clBlack);
}
} // namespace

bool LoadLbButtonBitmap(const std::string& resource, TBitmap& bitmap)
{
    if (resource == "LBARROW") {
        DrawArrow(bitmap);
        return true;
    }
    for (const TSymbol& symbol : Symbols) {
        if (resource != symbol.Resource) continue;
        constexpr int FrameWidth = 18;
        Clear(bitmap, 2 * FrameWidth, symbol.FrameHeight);
        DrawSymbol(*bitmap.Canvas(), symbol, 0, symbol.Ink);
        DrawSymbol(*bitmap.Canvas(), symbol, FrameWidth, DisabledInk);
        return true;
    }
    return false;
}
