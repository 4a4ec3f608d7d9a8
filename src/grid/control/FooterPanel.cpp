#include "grid/control/FooterPanel.h"

#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/control/settings/FooterTemplate.h"
#include "grid/foundation/markup/HtmlDraw.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Hints.h"

TFooterPanel::TFooterPanel(TExtStringGrid* AGrid) : TPanel(AGrid), FGrid(AGrid)
{
    SetBevelOuter(bvNone);
    SetBorderWidth(0);
}

void TFooterPanel::CreateWnd()
{
    TPanel::CreateWnd();
    if (FGrid->OnCreatedFloatingFooter) FGrid->OnCreatedFloatingFooter(FGrid);
}

int TFooterPanel::ColumnAt(int X) const
{
    int right = 0;
    const auto passes = [&](int ACol) {
        right += FGrid->ColWidths(ACol);
        return X < right;
    };
    for (int c = 0; c < FGrid->FixedCols(); ++c)
        if (passes(c)) return c;
    for (int c = FGrid->LeftCol(); c < FGrid->ColCount(); ++c)
        if (passes(c)) return c;
    return -1;
}

int TFooterPanel::ContentWidth() const
{
    int width = 0;
    for (int c = 0; c < FGrid->FixedCols(); ++c)
        width += FGrid->ColWidths(c);
    for (int c = FGrid->LeftCol(); c < FGrid->ColCount(); ++c)
        width += FGrid->ColWidths(c);
    return width;
}

void TFooterPanel::PaintPreviewFrame(int Width)
{
    TCanvas* canvas = Canvas();
    const TColor color = FGrid->FloatingFooter()->Color();
    canvas->Brush()->SetColor(color);
    canvas->Pen()->SetColor(color);
    canvas->FillRect({0, 0, Width, ClientHeight()});
    TRect frame{0, 0, Width, ClientHeight()};
    Frame3D(canvas, frame, clWhite, clGray, 1);
}

namespace {

// The looks whose fixed cells have a white edge on their left.
bool FooterLookHasLightEdge(const TExtStringGrid& Grid)
{
    const TGridLook look = Grid.Look();
    return (look == glSoft || look == glSuite || look == glXP || look == glVista) && !Grid.Flat;
}

} // namespace

// The columns the footer shows, left to right: the fixed ones, then those from LeftCol on.
std::vector<int> TFooterPanel::FooterColumns() const
{
    std::vector<int> columns;
    for (int c = 0; c < FGrid->FixedCols(); ++c)
        columns.push_back(c);
    for (int c = FGrid->LeftCol(); c < FGrid->ColCount(); ++c)
        columns.push_back(c);
    return columns;
}

void TFooterPanel::PaintFooterLines(const std::vector<int>& Columns)
{
    TCanvas* canvas = Canvas();
    const TGridOptions options = FGrid->Options();
    const bool vertLines = options.Contains(goFixedVertLine);
    const bool lightEdge = vertLines && FooterLookHasLightEdge(*FGrid);
    const int bottom = ClientHeight();
    int x = 0;
    for (int c : Columns) {
        const int width = FGrid->ColWidths(c);
        if (lightEdge) {
            canvas->Pen()->SetColor(clWhite);
            canvas->MoveTo(x, bottom);
            canvas->LineTo(x, 0);
        }
        if (options.Contains(goFixedHorzLine)) {
            canvas->Pen()->SetColor(FGrid->GridLineColor());
            canvas->MoveTo(x, 0);
            canvas->LineTo(x + width - 1, 0);
        }
        if (vertLines) {
            const bool scrolled = c >= FGrid->FixedCols();
            canvas->Pen()->SetColor(scrolled && FGrid->Look() != glVista ? clGray : FGrid->GridLineColor());
            canvas->MoveTo(x + width - 1, 0);
            canvas->LineTo(x + width - 1, bottom);
        }
        x += width;
    }
}

// Returns the right edge of the last cell.
int TFooterPanel::PaintFooterCells(const std::vector<int>& Columns)
{
    TCanvas* canvas = Canvas();
    const TFloatingFooter& footer = *FGrid->FloatingFooter();
    const TGridOptions options = FGrid->Options();
    const int row = FGrid->RowCount() - 1;
    const int top = options.Contains(goFixedHorzLine) ? 1 : 0;
    int left = options.Contains(goFixedHorzLine) && FooterLookHasLightEdge(*FGrid) ? 1 : 0;
    int right = 0;
    for (int c : Columns) {
        right = left + FGrid->ColWidths(c) - 1;
        const TRect cell{left, top, right, ClientHeight()};
        left = right + 1;
        if (row < 0 || FGrid->BaseCell(c, row) != TPoint{c, row}) continue;
        if (c >= FGrid->FixedCols()) {
            const int realCol = FGrid->RealColIndex(c);
            TColor fill = clNone;
            if (FGrid->OnGetCellColor) {
                TBrush brush;
                brush.SetColor(clNone);
                TFont font;
                font.Assign(*FGrid->Font());
                FGrid->OnGetCellColor(FGrid, row, realCol, {gdFixed}, &brush, &font);
                fill = brush.Color();
            }
            if (FGrid->Colors(realCol, row) != clNone) fill = FGrid->Colors(realCol, row);
            if (fill != clNone) {
                canvas->Brush()->SetColor(fill);
                canvas->FillRect(cell);
            }
            if (FGrid->OnFooterPaint) {
                FGrid->OnFooterPaint(this, c, canvas, cell);
                continue;
            }
        }
        canvas->Brush()->SetColor(footer.Color());
        FGrid->DrawCellContent(canvas, c, row, cell, {gdFixed});
    }
    return right;
}

void TFooterPanel::Paint()
{
    const TFloatingFooter& footer = *FGrid->FloatingFooter();
    TCanvas* canvas = Canvas();
    const int width = ContentWidth();
    int usedWidth = width;
    switch (footer.FooterStyle()) {
    case fsCustomPaint:
        usedWidth = ClientWidth();
        if (FGrid->OnFooterPaint) FGrid->OnFooterPaint(this, footer.Column(), canvas, ClientRect());
        break;
    case fsCustomPreview: {
        PaintPreviewFrame(width);
        const int row = FGrid->Row();
        const std::string text = ExpandFooterTemplate(footer.CustomTemplate(), FGrid->TotalColCount(),
                                                      [&](int ACol) { return FGrid->Cells(ACol, row); });
        THtmlDrawParams params;
        params.LinkColor = FGrid->URLColor;
        canvas->Brush()->SetStyle(bsClear);
        HtmlDraw(canvas, text, {0, 2, width, ClientHeight() + 2}, params);
        break;
    }
    case fsColumnPreview:
        PaintPreviewFrame(width);
        if (FGrid->OnFooterPaint)
            FGrid->OnFooterPaint(this, footer.Column(), canvas, {0, 0, width, ClientHeight()});
        else if (footer.Column() >= 0 && footer.Column() < FGrid->ColCount())
            FGrid->DrawCellContent(canvas, footer.Column(), FGrid->Row(), {0, 0, width, ClientHeight()}, {});
        break;
    default: {
        canvas->Brush()->SetColor(footer.Color());
        canvas->Pen()->SetColor(footer.Color());
        canvas->FillRect({0, 0, width, ClientHeight()});
        const std::vector<int> columns = FooterColumns();
        PaintFooterLines(columns);
        usedWidth = PaintFooterCells(columns);
        break;
    }
    }
    if (usedWidth < ClientWidth()) {
        canvas->Brush()->SetColor(FGrid->Color());
        canvas->FillRect({std::max(usedWidth, width), 0, ClientWidth(), ClientHeight()});
    }
    if (footer.BorderColor() != clNone) {
        canvas->Pen()->SetColor(footer.BorderColor());
        canvas->MoveTo(0, 0);
        canvas->LineTo(usedWidth, 0);
    }
}

void TFooterPanel::ShowHintFor(THintInfo& Info, TMessage& Message)
{
    const int column = ColumnAt(Info.CursorPos.X);
    if (FGrid->OnGridHint && column >= 0)
        FGrid->OnGridHint(FGrid, FGrid->RowCount() - 1, column, Info.HintStr);
    FLastHintX = ShowHint() && column >= 0 ? column : -1;
    Message.Result = ShowHint() ? 0 : 1;
}

void TFooterPanel::WndProc(TMessage& Message)
{
    if (Message.Msg == CM_HINTSHOW) {
        ShowHintFor(*reinterpret_cast<THintInfo*>(Message.LParam), Message);
        return;
    }
    if (Message.Msg == CM_MOUSELEAVE) FLastHintX = -1;
    TPanel::WndProc(Message);
}

void TFooterPanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TPanel::MouseMove(Shift, X, Y);
    if (!ShowHint() || FLastHintX < 0) return;
    const int column = ColumnAt(X);
    if (column == FLastHintX) return;
    Application->CancelHint();
    FLastHintX = column;
}

void TFooterPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TPanel::MouseUp(Button, Shift, X, Y);
    if (FGrid->OnClick) FGrid->OnClick(FGrid);
    if (FGrid->OnClickCell) FGrid->OnClickCell(FGrid, FGrid->RowCount() - 1, ColumnAt(X));
}

void TExtStringGrid::CreateFooterPanel()
{
    FFooterPanel = new TFooterPanel(this);
    FFooterPanel->SetParent(this);
    FFooterPanel->SetAlign(alBottom);
    FFooterPanel->SetHeight(0);
    FFooterPanel->SetVisible(false);
}

// The panel is one pixel lower than the footer, and takes no room while hidden.
void TExtStringGrid::FooterSettingChanged(TFloatingFooterChange Change)
{
    const TFloatingFooter& footer = *FloatingFooter();
    switch (Change) {
    case ffcVisible:
        FFooterPanel->SetHeight(footer.Visible() ? footer.Height() - 1 : 0);
        FFooterPanel->SetVisible(footer.Visible());
        break;
    case ffcHeight:
        if (footer.Height() > 0) FFooterPanel->SetHeight(footer.Height() - 1);
        break;
    case ffcShowHint:
        FFooterPanel->SetShowHint(footer.ShowHint());
        break;
    default:
        FFooterPanel->Invalidate();
        break;
    }
}
