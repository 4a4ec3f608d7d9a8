#pragma once
#include <array>
#include <string>

struct TPrintSettingsValues;

// The texts of a printed page that need no canvas: font heights in page units, the page
// number and the six header and footer slots.

// The character height in page units of a font of Points points: negative, halves to even.
int MapFontHeight(int Points, double FontScale);
// A page-unit height in points.
int MapFontSize(int Height);

// A + " " + B, or either alone when the other is empty.
std::string JoinWithBlank(const std::string& A, const std::string& B);

// Where a page stands in the print. Pages and strips count from 0.
struct TPageNumbering {
    int Page = 0;         // within the whole print
    int PageInStrip = 0;  // within its column strip
    int Strip = 0;
    int StripCount = 1;
    int PageTotal = 1;    // kUnknownPageTotal when no counting pass ran
};

// "3/7", or "2-1" for the second page of the first of several column strips.
std::string PageNumberText(const TPrintSettingsValues& Settings, const TPageNumbering& Numbering);

// What the header and footer may show on one page.
struct TPageItems {
    std::string Time;
    std::string Date;
    std::string PageNumber;
    std::string TitleFirstLine;  // the first title line, used when there is no title text
};

// The texts of ppTopLeft .. ppBottomCenter (index = position - 1).
using TPageSlots = std::array<std::string, 6>;
TPageSlots HeaderFooterSlots(const TPrintSettingsValues& Settings, const TPageItems& Items);

