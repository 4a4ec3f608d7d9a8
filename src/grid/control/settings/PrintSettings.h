#pragma once
#include <memory>
#include <string>

#include "platform/print/Printers.h"
#include "platform/ui/Graphics.h"

class TStringList;

// Header positions 1 to 3, footer positions 4 to 6.
enum TPrintPosition {
    ppNone,
    ppTopLeft,
    ppTopRight,
    ppTopCenter,
    ppBottomLeft,
    ppBottomRight,
    ppBottomCenter
};

enum TPrintBorders {
    pbNoborder,
    pbSingle,
    pbDouble,
    pbVertical,
    pbHorizontal,
    pbAround,
    pbAroundVertical,
    pbAroundHorizontal,
    pbCustom
};

enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };

// The plain print options. Sizes and spacings are tenths of a millimetre.
struct TPrintSettingsValues {
    int FooterSize = 0;
    int HeaderSize = 0;
    TPrintPosition Time = ppNone;
    TPrintPosition Date = ppNone;
    std::string DateFormat = "dd/mm/yyyy";
    TPrintPosition PageNr = ppNone;
    TPrintPosition Title = ppNone;
    std::string TitleText; // empty: TitleLines is the title
    TPrintBorders Borders = pbSingle;
    TPenStyle BorderStyle = psSolid;
    TColor BorderColor = clBlack;
    bool Centered = true;
    bool RepeatFixedRows = false;
    bool RepeatFixedCols = false;
    int LeftSize = 0;
    int RightSize = 0;
    int ColumnSpacing = 0;
    int RowSpacing = 0;
    int TitleSpacing = 0;
    TPrinterOrientation Orientation = poPortrait;
    std::string PagePrefix;
    std::string PageSuffix;
    int PageNumberOffset = 0;
    int MaxPagesOffset = 0;
    int FixedWidth = 0;
    int FixedHeight = 0;
    bool UseFixedHeight = false;
    bool UseFixedWidth = false;
    TFitToPage FitToPage = fpNever;
    std::string JobName;
    std::string PageNumSep = "/"; // empty: the page number without the total
    bool NoAutoSize = false;
    bool NoAutoSizeRow = false;
    bool PrintGraphics = false;
    bool UseDisplayFont = true;
    bool UseDefaultOrientation = false;
};

// Everything the grid's printing and print preview read.
class TPrintSettings : public TPersistent, public TPrintSettingsValues {
public:
    TPrintSettings();
    ~TPrintSettings() override;

    // Fixed rows and columns print also when only a selection prints; never copied.
    bool FixedCellsAlways = false;

    // Owned; the writers copy the given object's contents, never take it over.
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont& Value) { FFont->Assign(Value); }
    TFont* FixedFont() const { return FFixedFont.get(); }
    void SetFixedFont(const TFont& Value) { FFixedFont->Assign(Value); }
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(const TFont& Value) { FHeaderFont->Assign(Value); }
    TFont* FooterFont() const { return FFooterFont.get(); }
    void SetFooterFont(const TFont& Value) { FFooterFont->Assign(Value); }
    TStringList* TitleLines() const { return FTitleLines.get(); }
    void SetTitleLines(const TStringList& Value);

    // From other print settings: every option, the fonts and title lines by value. Any
    // other source is a conversion error.
    void Assign(const TPersistent& Source) override;

private:
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TFont> FFixedFont;
    std::unique_ptr<TFont> FHeaderFont;
    std::unique_ptr<TFont> FFooterFont;
    std::unique_ptr<TStringList> FTitleLines;
};
