#pragma once
#include <functional>
#include <string>
#include <vector>

#include "grid/foundation/markup/HtmlDraw.h"
#include "grid/foundation/model/GridEnums.h"
#include "platform/grids/Grids.h"
#include "platform/ui/Types.h"

class TExtStringGrid;
class TPrintCanvas;
class TPrintSettings;

// The measures of a print run in page units (tenths of a millimetre, y upwards).
struct TPrintMetrics {
    int HeaderLineHeight = 0;
    int FooterLineHeight = 0;
    int CellLineHeight = 0;
    int CellMargin = 0;
    int ColumnSpacing = 0;
    int HeaderBlock = 0;
    int FooterBlock = 0;
    TRect Page;  // (0, 0, width, bottom); bottom is negative
};

// One printed column of a strip: its left edge and width on the page.
struct TPrintColumn {
    int Col = 0;
    int Left = 0;
    int Width = 0;
};

// The columns printed side by side on the pages of one strip: the repeated fixed columns
// first, then the strip's own.
struct TPrintStrip {
    int First = 0;
    int Last = 0;
    std::vector<TPrintColumn> Columns;
    int RepeatedFixed = 0;  // how many of Columns are repeated fixed columns
    int Width = 0;
};

// What goes on a page: header and footer, the cells of a row, the lines that close a page,
// and the measuring of a cell's printed content.
class TPageContent {
public:
    using TRowHeight = std::function<int(int ARow)>;
    TPageContent(TExtStringGrid& Grid, const TPrintCanvas& Canvas, const TPrintMetrics& Metrics,
                 TRowHeight RowHeight);

    // The size of a cell's printed content in page units.
    TPoint CellContentSize(int ACol, int ARow);
    // The height a row takes on the page.
    int RowExtent(int ARow) const;
    // Draws one row of the strip's columns (or only its repeated fixed columns) with its top
    // at Y; returns the height taken.
    int DrawRow(int ARow, int Y, const TPrintStrip& Strip, bool FixedColumnsOnly);
    void DrawHeaderFooter(const std::string& PageNumber);
    // The title lines as one markup block, and the height it takes on the page.
    bool MarkupTitle() const;
    int MarkupTitleHeight();
    // The lines that close a page from Top to the lower edge of its last row.
    void DrawClosingLines(int Top, int Bottom, const TPrintStrip& Strip);

private:
    struct TPrintCellLook {
        TAlignment HAlign = taLeftJustify;
        TVAlignment VAlign = vtaTop;
        bool WordWrap = false;
    };
    struct TPrintedText {
        std::string Text;
        bool Markup = false;
        // The text is the plain text of a rich-text cell, which draws with its formatting.
        bool Rich = false;
        bool Rotated = false;
        int Angle = 0;  // degrees, when rotated
    };
    TGridDrawState PrintDrawState(int ACol, int ARow) const;
    TPrintCellLook SetPrintFont(int ACol, int ARow);
    TPrintedText PrintedText(int ACol, int ARow);
    THtmlDrawResult DrawMarkup(const std::string& Text, const TRect& PageRect, bool MeasureOnly, bool WordWrap) const;
    void DrawCell(int ACol, int ARow, const TRect& R, unsigned BorderMask, const TPrintStrip& Strip,
                  size_t Index, bool CutAtPage);
    void DrawCellText(const TPrintedText& Printed, const TRect& R, const TPrintCellLook& Look, bool Merged);
    void DrawRotatedText(const TPrintedText& Printed, const TRect& R, const TPrintCellLook& Look);
    void DrawRichText(int ACol, int ARow, const TPrintedText& Printed, const TRect& R, const TPrintCellLook& Look);
    // Loads the cell's rich text into the grid's rich edit in the canvas font; returns the
    // size it takes on the page's device, each paragraph on one line.
    TSize LoadRichText(int ACol, int ARow);
    // The escapement of text turned by Angle degrees on this page.
    int RotatedEscapement(int Angle) const;
    void DrawNodeBox(const TRect& Place, bool Contracted);
    TPoint PrintedGraphicSize(int ACol, int ARow);
    TRect DrawCellGraphic(int ACol, int ARow, const TRect& R, TAlignment EmptyTextAlign);
    void SetSlotFont(bool Header);
    void DrawSlot(const std::string& Text, int Position, int Y);
    int SpanWidth(const TPrintStrip& Strip, size_t Index, int Span) const;
    // The rightmost place for a line drawn with a pen of PenWidth page units.
    int PageRightEdge(int PenWidth) const;

    TExtStringGrid& FGrid;
    const TPrintSettings& FSettings;
    const TPrintCanvas& FCanvas;
    const TPrintMetrics& FMetrics;
    TRowHeight FRowHeight;
};
