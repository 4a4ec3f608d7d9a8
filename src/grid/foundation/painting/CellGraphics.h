#pragma once
#include <string>

#include "platform/ui/Graphics.h"

// Graphics the grid draws in a cell from its value: shapes, progress bars, a progress pie,
// a balance bar and the red wavy line that marks a misspelt word.

enum TCellShape {
    csRectangle,
    csCircle,
    csTriangleLeft,
    csTriangleRight,
    csTriangleUp,
    csTriangleDown,
    csDiamond,
    csLineVert,
    csLineHorz,
    csRoundRect,
    csEllips,
    csSquare,
    csRoundSquare,
    csStar,
    csArrowUp,
    csArrowDown,
    csArrowLeft,
    csArrowRight,
    csHalfStar
};

// How a level progress bar looks: the colour pair of each level, where the levels begin,
// and what is drawn around the bar. The defaults are those of the grid's progress look.
struct ProgressLook {
    TColor Level0Color = clLime;
    TColor Level0ColorTo = 0xE1FFE1;
    TColor Level1Color = clYellow;
    TColor Level1ColorTo = 0xCAFFFF;
    TColor Level2Color = 0x53A9FF;
    TColor Level2ColorTo = 0xA8D3FF;
    TColor Level3Color = clRed;
    TColor Level3ColorTo = 0xCACAFF;
    int Level1Perc = 70;
    int Level2Perc = 90;
    TColor BorderColor = clBlack;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = true;
    const TFont* Font = nullptr; // the percentage's name, size and style; the canvas font when nullptr
    TColor FontColor = clBlack;
    bool CompletionSmooth = true;
    bool ShowGradient = true;
    int Steps = 11;
    TColor BackgroundColor = clNone;
    bool Vertical = false;
};

// A shape in the box (X, Y, Width, Height), filled in BrushColor and outlined in PenColor.
void DrawCellShape(TCanvas* Canvas, int X, int Y, int Width, int Height, TCellShape Shape, TColor BrushColor,
                   TColor PenColor);

// A bar done up to Value within Minimum..Maximum (or, without a Format, Value as a
// percentage), with its text centred across both parts in their own text colours. A
// Format holding "d" or "u" gets the value rounded to an integer. An empty range counts as
// 0 % below Maximum and 100 % from it on.
void DrawProgressBar(TCanvas* Canvas, TRect R, TColor Color, TColor TextColor, TColor RestColor,
                     TColor RestTextColor, double Value, int MarginX, int MarginY, int Minimum, int Maximum,
                     const std::string& Format, TColor FrameColor, bool YAxisUp);

// A bar coloured by level, plain or stacked, smooth or in blocks.
void DrawLevelProgress(TCanvas* Canvas, const TRect& R, int Percent, const ProgressLook& Look);

// A grey circle filled clockwise from the top up to Percent.
void DrawProgressPie(TCanvas* Canvas, const TRect& R, TColor FillColor, int Percent, bool YAxisUp);

// A bar from the middle: left in NegativeColor for values below 0, right in PositiveColor
// otherwise, full at -Maximum and Maximum. With ShowValue the value is written in the
// middle on a transparent background. Without a positive Maximum the bar is full to the
// right from Maximum on and empty below it.
void DrawBalanceBar(TCanvas* Canvas, const TRect& R, double Value, double Maximum, bool ShowValue,
                    TColor NegativeColor, TColor PositiveColor);

// A red wavy line under Count characters of Text from character FirstChar (from 0), as
// the text stands in the canvas font at R's left edge, YOffset below R's top.
void DrawWavyUnderline(TCanvas* Canvas, const std::string& Text, const TRect& R, int YOffset, int FirstChar,
                       int Count);
