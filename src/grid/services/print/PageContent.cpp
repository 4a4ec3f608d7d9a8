#include "grid/services/print/PageContent.h"

#include <algorithm>
#include <optional>

#include "grid/control/ExtRichEdit.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/PrintSettings.h"
#include "grid/foundation/text/CellText.h"
#include "grid/services/GridTextFormat.h"
#include "grid/services/print/PageText.h"
#include "grid/services/print/PrintCanvas.h"
#include "grid/services/print/PrintCellGraphic.h"
#include "grid/control/CellGraphic.h"
#include "grid/control/settings/CellNode.h"
#include "grid/foundation/painting/RotatedTextPlacement.h"
#include "platform/print/Printers.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/DateFormat.h"
#include "platform/rtl/DateUtils.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/RichTextFormat.h"

namespace {

// Wide and high enough for any content being measured.
constexpr int kUnboundedPageLength = 1000000;

constexpr unsigned kBorderTop = 1, kBorderLeft = 2, kBorderRight = 4, kBorderBottom = 8;

unsigned PrintBorderMask(TPrintBorders Borders)
{
    switch (Borders) {
    case pbSingle:
    case pbDouble:
        return kBorderTop | kBorderLeft | kBorderRight | kBorderBottom;
    case pbVertical:
    case pbAroundVertical:
        return kBorderLeft | kBorderRight;
    case pbHorizontal:
    case pbAroundHorizontal:
        return kBorderTop | kBorderBottom;
    default:
        return 0;
    }
}

TCellBorders BordersOfMask(unsigned Mask)
{
    TCellBorders borders;
    if (Mask & kBorderTop) borders += TCellBorders{cbTop};
    if (Mask & kBorderLeft) borders += TCellBorders{cbLeft};
    if (Mask & kBorderRight) borders += TCellBorders{cbRight};
    if (Mask & kBorderBottom) borders += TCellBorders{cbBottom};
    return borders;
}

unsigned MaskOfBorders(const TCellBorders& Borders)
{
    return (Borders.Contains(cbTop) ? kBorderTop : 0) | (Borders.Contains(cbLeft) ? kBorderLeft : 0) |
           (Borders.Contains(cbRight) ? kBorderRight : 0) | (Borders.Contains(cbBottom) ? kBorderBottom : 0);
}

bool IsTopPosition(TPrintPosition Position) { return Position >= ppTopLeft && Position <= ppTopCenter; }

// Keeps the canvas's font, brush and pen as they were, whatever a cell sets.
class TPrintToolsKeeper {
public:
    explicit TPrintToolsKeeper(TCanvas& Canvas) : FCanvas(Canvas)
    {
        FFont.Assign(*Canvas.Font());
        FBrush.Assign(*Canvas.Brush());
        FPen.Assign(*Canvas.Pen());
    }
    ~TPrintToolsKeeper()
    {
        FCanvas.Font()->Assign(FFont);
        FCanvas.Brush()->Assign(FBrush);
        FCanvas.Pen()->Assign(FPen);
    }
    TPrintToolsKeeper(const TPrintToolsKeeper&) = delete;
    TPrintToolsKeeper& operator=(const TPrintToolsKeeper&) = delete;

private:
    TCanvas& FCanvas;
    TFont FFont;
    TBrush FBrush;
    TPen FPen;
};

// A check box standing alone in its cell keeps to the side the cell's text would.
TCellHAlign PrintedGraphicHAlign(const TCellGraphic& Graphic, TAlignment EmptyTextAlign)
{
    switch (Graphic.CellType) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
        if (EmptyTextAlign == taRightJustify) return haRight;
        if (EmptyTextAlign == taCenter) return haCenter;
        break;
    default:
        break;
    }
    return Graphic.CellHAlign;
}

// The graphic's rectangle on the page, Inset from the cell's sides it keeps to.
TRect PrintedGraphicPlace(const TCellGraphic& Graphic, TCellHAlign Across, const TRect& R, const TPoint& Size,
                          int Inset)
{
    TRect place{0, 0, Size.X, -Size.Y};
    switch (Across) {
    case haRight:
    case haAfterText:
        place = OffsetRect(place, R.Right - Inset - Size.X, 0);
        break;
    case haCenter:
        place = OffsetRect(place, (R.Left + R.Right - Size.X) / 2, 0);
        break;
    case haFull:
        place.Left = R.Left;
        place.Right = R.Right;
        break;
    default:
        place = OffsetRect(place, R.Left + Inset, 0);
        break;
    }
    switch (Graphic.CellVAlign) {
    case vaTop:
    case vaAboveText:
        place = OffsetRect(place, 0, R.Top - Inset);
        break;
    case vaBottom:
    case vaUnderText:
        place = OffsetRect(place, 0, R.Bottom + Inset + Size.Y);
        break;
    case vaFull:
        place.Top = R.Top;
        place.Bottom = R.Bottom;
        break;
    default:
        place = OffsetRect(place, 0, (R.Top + R.Bottom + Size.Y) / 2);
        break;
    }
    return place;
}

} // namespace

TPageContent::TPageContent(TExtStringGrid& Grid, const TPrintCanvas& Canvas, const TPrintMetrics& Metrics,
                           TRowHeight RowHeight)
    : FGrid(Grid), FSettings(*Grid.PrintSettings()), FCanvas(Canvas), FMetrics(Metrics),
      FRowHeight(std::move(RowHeight))
{
}

TGridDrawState TPageContent::PrintDrawState(int ACol, int ARow) const
{
    return ACol < FGrid.FixedCols() || ARow < FGrid.FixedRows() ? TGridDrawState{gdFixed} : TGridDrawState{};
}

int TPageContent::RowExtent(int ARow) const
{
    return FRowHeight(ARow) + 2 * FMetrics.CellMargin + FSettings.RowSpacing;
}

// The print font of the cell at its mapped height on the canvas, with the cell's brush,
// alignments and word wrap from the visual properties.
TPageContent::TPrintCellLook TPageContent::SetPrintFont(int ACol, int ARow)
{
    TCanvas& canvas = FCanvas.Canvas();
    TGridDrawState state = PrintDrawState(ACol, ARow);
    TColor colorTo, mirror, mirrorTo;
    TPrintCellLook look;
    TCellGradientDirection gd = GradientVertical;
    FGrid.GetVisualProperties(ACol, ARow, state, true, false, true, canvas.Brush(), colorTo, mirror, mirrorTo,
                              canvas.Font(), look.HAlign, look.VAlign, look.WordWrap, gd);
    FCanvas.SetFontHeight(*canvas.Font(), MapFontHeight(canvas.Font()->Size(), FGrid.PrintState().FontScale));
    return look;
}

TPageContent::TPrintedText TPageContent::PrintedText(int ACol, int ARow)
{
    const int realCol = FGrid.RealColIndex(ACol);
    if (FGrid.IsDataGraphicCell(realCol, ARow)) return {};
    std::string text = FGrid.GetFormattedCell(realCol, ARow);
    int type = GetTextType(text, FGrid.EnableHTML);
    if (type == ttFormula) {
        FGrid.GetSaveCellText(realCol, ARow, text);
        type = GetTextType(text, FGrid.EnableHTML);
    }
    if (type == ttMarkup) return {text, true};
    // A rich-text cell measures as what it says, not as its RTF source.
    const bool rich = type == ttRichText;
    if (rich) text = RtfPlainText(text);
    // A radio group or progress bar shows the value itself.
    if (FSettings.PrintGraphics && PrintedGraphicHidesText(FGrid, realCol, ARow)) return {};
    TPrintedText printed{FGrid.Multilinecells ? text : CellTextLines(text).front(), false, rich};
    printed.Rotated = FGrid.IsRotated(realCol, ARow, printed.Angle);
    return printed;
}

THtmlDrawResult TPageContent::DrawMarkup(const std::string& Text, const TRect& PageRect, bool MeasureOnly,
                                         bool WordWrap) const
{
    THtmlDrawParams params;
    params.Printing = true;
    params.MeasureOnly = MeasureOnly;
    params.WordWrap = WordWrap;
    return HtmlDraw(&FCanvas.Canvas(), Text, FCanvas.ToDevice(PageRect), params);
}

TPoint TPageContent::CellContentSize(int ACol, int ARow)
{
    TCanvas& canvas = FCanvas.Canvas();
    TPrintToolsKeeper keep(canvas);
    const TPrintCellLook look = SetPrintFont(ACol, ARow);
    const TPrintedText printed = PrintedText(ACol, ARow);
    const std::string& text = printed.Text;
    // Wrapped content keeps the column's screen width; other content is as wide as it is.
    const int screenWidth = PixelsToPageUnits(FGrid.ColWidths(ACol));
    const bool wrapped = look.WordWrap && FSettings.NoAutoSize;
    TPoint size;
    if (printed.Markup) {
        const int width = FSettings.NoAutoSize ? PixelsToPageUnits(FGrid.ColWidths(ACol) + 12) : kUnboundedPageLength;
        const THtmlDrawResult measured = DrawMarkup(text, {0, 0, width, -kUnboundedPageLength}, true, FSettings.NoAutoSize);
        size = {FCanvas.ToPage(measured.MeasuredWidth) - FMetrics.CellMargin,
                FCanvas.ToPage(measured.MeasuredHeight) - FMetrics.CellMargin};
    } else if (printed.Rich) {
        // A rich text takes the room its own sizes give it.
        const TSize extent = LoadRichText(ACol, ARow);
        const TSize onPage{FCanvas.ToPage(extent.cx), FCanvas.ToPage(extent.cy)};
        const TSize bounds = printed.Rotated ? RotatedTextBounds(onPage, printed.Angle) : onPage;
        size = {bounds.cx, bounds.cy};
    } else if (printed.Rotated) {
        const std::vector<std::string> lines = CellTextLines(text.empty() ? "gh" : text);
        int widest = 0;
        for (const std::string& line : lines) widest = std::max(widest, FCanvas.TextWidth(line));
        const TSize bounds = RotatedTextBounds(
            {widest, FCanvas.TextHeight("gh") * static_cast<int>(lines.size())}, printed.Angle);
        size = {bounds.cx, bounds.cy};
    } else if (wrapped && !text.empty()) {
        TRect area{0, 0, FCanvas.ToDeviceLength(screenWidth), 0};
        ::DrawText(&canvas, text, area, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
        size = {FCanvas.ToPage(area.Width()), FCanvas.ToPage(area.Height())};
    } else {
        const std::vector<std::string> lines = CellTextLines(text.empty() ? "gh" : text);
        for (const std::string& line : lines) size.X = std::max(size.X, FCanvas.TextWidth(line));
        size.Y = FCanvas.TextHeight("gh") * static_cast<int>(lines.size());
    }
    const TPoint graphic = PrintedGraphicSize(ACol, ARow);
    if (graphic.X > 0 && !printed.Markup && !wrapped) {
        // A picture above or under the text stacks with it rather than standing beside it.
        const TCellVAlign along = FGrid.GetCellGraphic(FGrid.RealColIndex(ACol), ARow)->CellVAlign;
        if (along == vaAboveText || along == vaUnderText)
            size.Y += graphic.Y;
        else
            size.X += graphic.X;
    }
    size = {std::max(size.X, graphic.X), std::max(size.Y, graphic.Y)};
    if (FGrid.OnCustomCellSize) FGrid.OnCustomCellSize(&FGrid, &canvas, ACol, ARow, size, true);
    return size;
}

TPoint TPageContent::PrintedGraphicSize(int ACol, int ARow)
{
    if (!FSettings.PrintGraphics) return {0, 0};
    const TPoint pixels = PrintedCellGraphicSize(FGrid, FGrid.RealColIndex(ACol), ARow);
    const double scale = FGrid.PrintState().FontScale;
    return {static_cast<int>(PixelsToPageUnits(pixels.X) * scale), static_cast<int>(PixelsToPageUnits(pixels.Y) * scale)};
}

// Draws the cell's graphic in its place and returns the room left for the text. A check box
// without text goes where the text would, by EmptyTextAlign.
TRect TPageContent::DrawCellGraphic(int ACol, int ARow, const TRect& R, TAlignment EmptyTextAlign)
{
    const TPoint size = PrintedGraphicSize(ACol, ARow);
    const int realCol = FGrid.RealColIndex(ACol);
    if (size.X <= 0) return R;
    const TCellGraphic& graphic = *FGrid.GetCellGraphic(realCol, ARow);
    const TCellHAlign across = PrintedGraphicHAlign(graphic, EmptyTextAlign);
    // A progress bar fills the printed cell, however wide the column prints.
    const TRect place =
        graphic.CellType == ctProgress ? R : PrintedGraphicPlace(graphic, across, R, size, FMetrics.CellMargin);
    if (graphic.CellType == ctNode) {
        DrawNodeBox(place, graphic.CellBoolean);
    } else {
        TBitmap bitmap;
        if (!RenderPrintedCellGraphic(FGrid, realCol, ARow, FCanvas.Canvas().Brush()->Color(), bitmap)) return R;
        FCanvas.Canvas().StretchDraw(FCanvas.ToDevice(place), &bitmap);
    }
    TRect text = R;
    if (graphic.CellType == ctProgress) return text;
    // A picture above or under the text leaves it the rest of the cell's height.
    if (graphic.CellVAlign == vaAboveText) {
        text.Top = place.Bottom;
        return text;
    }
    if (graphic.CellVAlign == vaUnderText) {
        text.Bottom = place.Top;
        return text;
    }
    switch (across) {
    case haRight:
    case haAfterText:
        text.Right = place.Left;
        break;
    case haCenter:
    case haFull:
        break;
    default:
        text.Left = place.Right;
        break;
    }
    return text;
}

// A node prints as a plain box of fixed size with a minus, or a plus while contracted.
void TPageContent::DrawNodeBox(const TRect& Place, bool Contracted)
{
    constexpr int kBox = 20;
    TCanvas& canvas = FCanvas.Canvas();
    const TColor color = FGrid.CellNode()->NodeColor;
    const TRect box{Place.Left, Place.Top, Place.Left + kBox, Place.Top - kBox};
    canvas.Pen()->SetColor(color);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clWhite);
    canvas.Rectangle(FCanvas.ToDevice(box));
    const int midX = box.Left + kBox / 2, midY = box.Top - kBox / 2, arm = kBox / 2 - 4;
    FCanvas.Line(midX - arm, midY, midX + arm + 1, midY);
    if (Contracted) FCanvas.Line(midX, midY + arm, midX, midY - arm - 1);
}

int TPageContent::SpanWidth(const TPrintStrip& Strip, size_t Index, int Span) const
{
    int width = 0;
    for (size_t i = Index; i < Strip.Columns.size() && i <= Index + static_cast<size_t>(Span); ++i)
        width += Strip.Columns[i].Width + FMetrics.ColumnSpacing;
    return width;
}

int TPageContent::DrawRow(int ARow, int Y, const TPrintStrip& Strip, bool FixedColumnsOnly)
{
    const int height = RowExtent(ARow);
    const unsigned mask = PrintBorderMask(FSettings.Borders);
    const size_t count = FixedColumnsOnly ? static_cast<size_t>(Strip.RepeatedFixed) : Strip.Columns.size();
    for (size_t i = 0; i < count; ++i) {
        const int col = Strip.Columns[i].Col;
        const TPoint span = FGrid.IsBaseCell(col, ARow) ? FGrid.CellSpan(col, ARow) : TPoint{0, 0};
        int spanHeight = 0;
        for (int r = ARow; r <= ARow + span.Y; ++r) spanHeight += RowExtent(r);
        const int left = Strip.Columns[i].Left;
        const TRect R{left, Y, left + SpanWidth(Strip, i, span.X), Y - spanHeight};
        DrawCell(col, ARow, R, mask, Strip, i, R.Bottom < FMetrics.Page.Bottom + FSettings.FooterSize);
    }
    return height;
}

void TPageContent::DrawCell(int ACol, int ARow, const TRect& R, unsigned BorderMask, const TPrintStrip& Strip,
                            size_t Index, bool CutAtPage)
{
    TCanvas& canvas = FCanvas.Canvas();
    TPrintToolsKeeper keep(canvas);
    canvas.Pen()->SetColor(FSettings.BorderColor);
    FCanvas.SetPenWidth(1);
    TCellBorders borders = BordersOfMask(BorderMask);
    FGrid.GetCellPrintBorder(FGrid.RealColIndex(ACol), ARow, canvas.Pen(), borders);
    unsigned mask = MaskOfBorders(borders);

    const bool covered = FGrid.IsMergedNonBaseCell(ACol, ARow);
    const int penWidth = FCanvas.ToPage(canvas.Pen()->Width());
    TRect cell = R;
    if (CutAtPage) {
        cell.Bottom = R.Top - RowExtent(ARow);
        mask &= ~kBorderBottom;
    }
    // A column wider than the page ends at the page's edge: its right line is drawn there and
    // its content is cut there, rather than running off the paper.
    const int pageEdge = PageRightEdge(penWidth);
    std::optional<TRect> keptClip;
    if (cell.Right > pageEdge) {
        cell.Right = std::max(cell.Left, pageEdge);
        keptClip = canvas.ClipRect();
        canvas.IntersectClipRect(FCanvas.ToDevice(cell));
    }
    if (!covered) {
        const TPrintCellLook look = SetPrintFont(ACol, ARow);
        if (canvas.Brush()->Style() != bsClear) FCanvas.FillRect(cell);
        const TPrintedText printed = PrintedText(ACol, ARow);
        const TRect textRect = DrawCellGraphic(ACol, ARow, cell, printed.Text.empty() ? look.HAlign : taLeftJustify);
        canvas.Brush()->SetStyle(bsClear);
        if (printed.Rich)
            DrawRichText(ACol, ARow, printed, textRect, look);
        else
            DrawCellText(printed, textRect, look, FGrid.IsMergedCell(ACol, ARow));
        if (FGrid.OnCustomCellDraw) {
            FGrid.OnCustomCellDraw(&FGrid, &canvas, ACol, ARow, PrintDrawState(ACol, ARow), FCanvas.ToDevice(cell),
                                   true);
        }
    } else {
        const TPoint base = FGrid.BaseCell(ACol, ARow);
        if (FGrid.IsXMergedCell(ACol, ARow)) mask &= ~(base.X == ACol ? 0u : kBorderLeft | kBorderRight);
        if (FGrid.IsYMergedCell(ACol, ARow)) mask &= ~(base.Y == ARow ? 0u : kBorderTop | kBorderBottom);
    }
    if (keptClip) canvas.SetClipRect(*keptClip);
    const int left = Index == 0 ? cell.Left : cell.Left - penWidth;
    const int lastEdge = Strip.Columns.back().Left + Strip.Columns.back().Width + FMetrics.ColumnSpacing;
    const int right = std::min(cell.Right, lastEdge);
    if (mask & kBorderTop) FCanvas.Line(left, cell.Top, right, cell.Top);
    if (mask & kBorderLeft) FCanvas.Line(left, cell.Top, left, cell.Bottom);
    if (mask & kBorderRight) FCanvas.Line(right, cell.Top, right, cell.Bottom - 1);
    if (mask & kBorderBottom) FCanvas.Line(left, cell.Bottom, right + 1, cell.Bottom);
}

void TPageContent::DrawCellText(const TPrintedText& Printed, const TRect& R, const TPrintCellLook& Look,
                                bool Merged)
{
    const std::string& Text = Printed.Text;
    const TAlignment ha = Look.HAlign;
    const TVAlignment va = Look.VAlign;
    if (Printed.Markup) {
        DrawMarkup(Text, R, false, !FGrid.EnhTextSize);
        return;
    }
    if (Printed.Rotated) {
        DrawRotatedText(Printed, R, Look);
        return;
    }
    const int inset = FCanvas.TextWidth("g") / 2;
    const TRect area{R.Left + inset, R.Top - FMetrics.CellMargin, R.Right - inset, R.Bottom + FMetrics.CellMargin};
    const unsigned horizontal = ha == taRightJustify ? DT_RIGHT : ha == taCenter ? DT_CENTER : DT_LEFT;
    if (Look.WordWrap && FSettings.NoAutoSize) {
        FCanvas.DrawText(Text, area, DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | horizontal);
        return;
    }
    const std::vector<std::string> lines = CellTextLines(Text);
    if (lines.size() == 1 && FGrid.EnhTextSize && FSettings.NoAutoSize &&
        FCanvas.TextWidth(Text) > area.Right - area.Left) {
        const unsigned vertical = va == vtaBottom ? DT_BOTTOM : va == vtaCenter ? DT_VCENTER : DT_TOP;
        FCanvas.DrawText(Text, area, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | horizontal | vertical);
        return;
    }
    const int lineHeight = FCanvas.TextHeight("gh");
    const int step = lineHeight + FSettings.RowSpacing + lineHeight / 8;
    const int freeHeight = (area.Top - area.Bottom) - static_cast<int>(lines.size()) * step;
    int y = area.Top;
    // The lines of a merged cell start at its top.
    if ((lines.size() == 1 || !Merged) && freeHeight > 0)
        y -= va == vtaBottom ? freeHeight : va == vtaCenter ? freeHeight / 2 : 0;
    for (const std::string& line : lines) {
        const int width = FCanvas.TextWidth(line);
        const int x = ha == taRightJustify ? area.Right - width
                      : ha == taCenter     ? (area.Left + area.Right - width) / 2
                                           : area.Left;
        FCanvas.TextOut(x, y, line);
        y -= step;
    }
}

int TPageContent::RotatedEscapement(int Angle) const
{
    const TGridPrintState& state = FGrid.PrintState();
    return PrintedTextEscapement(Angle, state.IsPreview, FGrid.PrinterDriverFix,
                                 FGrid.PrinterDriverFix && !state.IsPreview ? Printer()->LandscapeRotation() : 270);
}

void TPageContent::DrawRotatedText(const TPrintedText& Printed, const TRect& R, const TPrintCellLook& Look)
{
    if (Printed.Text.empty()) return;
    const TSize extent{FCanvas.TextWidth(Printed.Text), FCanvas.TextHeight(Printed.Text)};
    const TPoint origin = PlaceRotatedText(R, extent, Printed.Angle, Look.HAlign, Look.VAlign, true);
    FCanvas.TextOutRotated(origin.X, origin.Y, Printed.Text, RotatedEscapement(Printed.Angle));
}

void TPageContent::DrawRichText(int ACol, int ARow, const TPrintedText& Printed, const TRect& R,
                                const TPrintCellLook& Look)
{
    const int realCol = FGrid.RealColIndex(ACol);
    TCanvas& canvas = FCanvas.Canvas();
    if (!Printed.Rotated) {
        FGrid.DrawRichTextCell(realCol, ARow, FCanvas.ToDevice(R), &canvas);
        return;
    }
    // A turned cell's text keeps each paragraph on one line and turns and lands as a plain
    // cell's text does.
    const TSize extent = LoadRichText(ACol, ARow);
    const TPoint place = PlaceRotatedText(R, {FCanvas.ToPage(extent.cx), FCanvas.ToPage(extent.cy)}, Printed.Angle,
                                          Look.HAlign, Look.VAlign, true);
    const TPoint origin = FCanvas.ToDevice(place.X, place.Y);
    // The page's escapement turns the other way to the device's, whose y axis points down.
    FGrid.RichEdit()->DrawTo(canvas, {origin.X, origin.Y, origin.X + extent.cx, origin.Y + extent.cy},
                             {FGrid.PrintState().FontScale, -RotatedEscapement(Printed.Angle)});
}

TSize TPageContent::LoadRichText(int ACol, int ARow)
{
    TCanvas& canvas = FCanvas.Canvas();
    TExtRichEdit* edit = FGrid.RichEdit();
    FGrid.CellToRich(FGrid.RealColIndex(ACol), ARow, edit);
    edit->SetFont(canvas.Font());
    return edit->DrawnExtent(canvas, FGrid.PrintState().FontScale);
}

bool TPageContent::MarkupTitle() const
{
    return FSettings.Title != ppNone && FSettings.TitleText.empty() &&
           GetTextType(FSettings.TitleLines()->Text(), FGrid.EnableHTML) == ttMarkup;
}

int TPageContent::MarkupTitleHeight()
{
    if (!MarkupTitle()) return 0;
    TPrintToolsKeeper keep(FCanvas.Canvas());
    SetSlotFont(IsTopPosition(FSettings.Title));
    const TRect area{FSettings.LeftSize, 0, FMetrics.Page.Right, -kUnboundedPageLength};
    return FCanvas.ToPage(DrawMarkup(FSettings.TitleLines()->Text(), area, true, true).MeasuredHeight);
}

void TPageContent::DrawHeaderFooter(const std::string& PageNumber)
{
    TPageItems items;
    items.Time = FormatDateTime("hh:nn", Now());
    items.Date = FormatDateTime(FSettings.DateFormat, Now());
    items.PageNumber = PageNumber;
    const TStringList& titleLines = *FSettings.TitleLines();
    const bool markupTitle = MarkupTitle();
    if (FSettings.TitleText.empty() && titleLines.Count() > 0 && !markupTitle) items.TitleFirstLine = titleLines[0];
    const TPageSlots slots = HeaderFooterSlots(FSettings, items);

    TCanvas& canvas = FCanvas.Canvas();
    TPrintToolsKeeper keep(canvas);
    canvas.Brush()->SetStyle(bsClear);
    const int bottomY = FMetrics.Page.Bottom + FMetrics.FooterLineHeight + FMetrics.CellMargin + FSettings.FooterSize;
    for (int position = ppTopLeft; position <= ppBottomCenter; ++position) {
        if (slots[position - 1].empty()) continue;
        DrawSlot(slots[position - 1], position, position <= ppTopCenter ? -FSettings.HeaderSize : bottomY);
    }
    if (FSettings.Title == ppNone || !FSettings.TitleText.empty()) return;
    const bool top = IsTopPosition(FSettings.Title);
    if (markupTitle) {
        const int height = MarkupTitleHeight();
        SetSlotFont(top);
        const TRect area = top ? TRect{FSettings.LeftSize, -FSettings.HeaderSize, FMetrics.Page.Right,
                                       -FSettings.HeaderSize - height}
                               : TRect{FSettings.LeftSize, FMetrics.Page.Bottom + FSettings.FooterSize,
                                       FMetrics.Page.Right, FMetrics.Page.Bottom};
        DrawMarkup(titleLines.Text(), area, false, true);
        return;
    }
    const int lineHeight = top ? FMetrics.HeaderLineHeight : FMetrics.FooterLineHeight;
    int y = top ? -FSettings.HeaderSize : bottomY;
    for (int i = 1; i < titleLines.Count(); ++i) {
        y -= lineHeight;
        DrawSlot(titleLines[i], FSettings.Title, y);
    }
}

void TPageContent::SetSlotFont(bool Header)
{
    TCanvas& canvas = FCanvas.Canvas();
    canvas.Font()->Assign(Header ? *FSettings.HeaderFont() : *FSettings.FooterFont());
    FCanvas.SetFontHeight(*canvas.Font(), MapFontHeight(canvas.Font()->Size(), FGrid.PrintState().FontScale));
}

void TPageContent::DrawSlot(const std::string& Text, int Position, int Y)
{
    SetSlotFont(Position <= ppTopCenter);
    const int pageWidth = FMetrics.Page.Right;
    const int width = FCanvas.TextWidth(Text);
    int x = (pageWidth - width) / 2;
    if (Position == ppTopLeft || Position == ppBottomLeft) x = FSettings.LeftSize;
    if (Position == ppTopRight || Position == ppBottomRight) x = pageWidth - width - FSettings.RightSize - 20;
    FCanvas.TextOut(x, Y, Text);
}

int TPageContent::PageRightEdge(int PenWidth) const
{
    // A line is drawn about its position: the whole pen's width keeps it on the page.
    return FMetrics.Page.Right - FSettings.RightSize - std::max(1, PenWidth);
}

void TPageContent::DrawClosingLines(int Top, int Bottom, const TPrintStrip& Strip)
{
    if (Strip.Columns.empty()) return;
    const int left = Strip.Columns.front().Left;
    const int right = std::min(Strip.Columns.back().Left + Strip.Columns.back().Width + FMetrics.ColumnSpacing,
                               PageRightEdge(FCanvas.ToPage(FCanvas.Canvas().Pen()->Width())));
    const TPrintBorders borders = FSettings.Borders;
    if (borders == pbAround || borders == pbAroundVertical || borders == pbAroundHorizontal) {
        FCanvas.Line(left, Top, right, Top);
        FCanvas.Line(right, Top, right, Bottom);
        FCanvas.Line(right, Bottom, left, Bottom);
        FCanvas.Line(left, Bottom, left, Top);
    }
    if (borders == pbDouble || borders == pbHorizontal || borders == pbAroundHorizontal)
        FCanvas.Line(left, Bottom, right, Bottom);
    if (borders == pbDouble || borders == pbVertical || borders == pbAroundVertical)
        for (int i = 0; i < Strip.RepeatedFixed; ++i)
            FCanvas.Line(Strip.Columns[i].Left, Top, Strip.Columns[i].Left, Bottom);
}
