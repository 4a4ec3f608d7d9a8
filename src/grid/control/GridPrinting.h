#pragma once
#include <climits>
#include <functional>
#include <string>

#include "platform/grids/Grids.h"

class TCanvas;
class TObject;

// The grid's print events.
struct TExtGridPrintEvents {
    // Before drawing; FromPage or ToPage set to 0, or a reversed range, cancels.
    std::function<void(TObject* Sender, int NrOfPages, int& FromPage, int& ToPage)> OnPrintStart;
    std::function<void(TObject* Sender, TCanvas* Canvas, int PageNr, int PageXSize, int PageYSize)> OnPrintPage;
    // After each printed row; NewPage set to true forces a page break.
    std::function<void(TObject* Sender, int ARow, bool& NewPage)> OnPrintNewPage;
    std::function<void(TObject* Sender, TCanvas* Canvas, int LastRow, int LastRowOffset, bool LastPage,
                       int PageXSize, int PageYSize)>
        OnPrintPageDone;
    std::function<void(TObject* Sender, int PageNr, bool& Cancel)> OnPrintCancel;
    std::function<void(TObject* Sender, int ACol, int& Width)> OnPrintSetColumnWidth;
    std::function<void(TObject* Sender, int ARow, int& Height)> OnPrintSetRowHeight;
    // With fpCustom: may change the scale, or refuse it with Allow false.
    std::function<void(TObject* Sender, double& ScaleFactor, bool& Allow)> OnFitToPage;
    std::function<void(TObject* Sender, int PageNum, int PageColNum, std::string& PageNumString)> OnPrintGetPageNum;
    // When a cell's printed content is measured, in page units.
    std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TPoint& ASize, bool Printing)>
        OnCustomCellSize;
};

// The page total while fast printing, where no counting pass ran.
constexpr int kUnknownPageTotal = INT_MAX;

// What one print run leaves in the grid. Page units are tenths of a millimetre.
struct TGridPrintState {
    TGridRect PrintRect{};
    TRect PageRect{};  // (0, 0, width, bottom), bottom negative: y grows upwards on paper
    int PageFrom = 1;
    int PageTo = 1;
    int PageNum = 0;
    int ColStart = 0;
    int ColEnd = 0;
    int PageWidth = 0;
    bool IsPreview = false;
    // While a printout or preview draws: cells show no selection on paper.
    bool Printing = false;
    // Font sizes follow the fit-to-page scale while a page is laid out; 1 otherwise.
    double FontScale = 1.0;
};
