#include "grid/control/FooterPanel.h"

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

// The footer row and the column preview show only the footer colour and the application's
// painting: the panel does not draw grid lines or cell contents yet.
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
        break;
    default:
        canvas->Brush()->SetColor(footer.Color());
        canvas->FillRect({0, 0, width, ClientHeight()});
        break;
    }
    if (usedWidth < ClientWidth()) {
        canvas->Brush()->SetColor(FGrid->Color());
        canvas->FillRect({usedWidth, 0, ClientWidth(), ClientHeight()});
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
