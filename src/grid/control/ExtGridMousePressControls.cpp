#include <algorithm>
#include <cmath>

#include "grid/control/CellGraphic.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/foundation/model/MouseActions.h"
#include "platform/ui/Capture.h"

// Presses on the controls a cell draws: node glyphs, radio groups, ratings, in-cell buttons and
// expand buttons. A button stays pushed until the release, which clicks it only when the
// pointer is still on it.

namespace {

// The spin buttons drawn in a cell take this many pixels at its right edge.
constexpr int kDrawnSpinButtonWidth = 18;
// Half a star per this many pixels from the cell's left border.
constexpr int kRatingHalfStarWidth = 9;
// Radio groups in the picture styles leave this much room per option.
constexpr int kPictureRadioSpacing = 16;

} // namespace

bool TExtStringGrid::PressCellControl(TShiftState Shift, int ACol, int ARow, int ClickedCol, int ClickedRow,
                                      int X, int Y)
{
    const int realCol = RealColIndex(ACol);
    const TRect rect = CellRect(ACol, ARow);
    if (ACol == 0 && ARow >= FixedRows() && IsNode(ARow) && IsNodeGlyphHit(ARow, X)) {
        PressNodeGlyph(Shift, ARow, ClickedCol, ClickedRow, X, Y);
        return true;
    }
    if (IsRadio(realCol, ARow) && (IsEditable(ACol, ARow) || ControlLook()->RadioAlwaysActive)) {
        HideInplaceEdit();
        RadioGroupClick(realCol, ARow, Y - rect.Top, X - rect.Left);
        SetFocus();
        return true;
    }
    if (PressDragSource(Shift, ACol, ARow, ClickedCol, ClickedRow, X, Y)) return true;
    if (HasRating(realCol, ARow) && IsEditable(ACol, ARow)) {
        HideInplaceEdit();
        double value = std::trunc(static_cast<double>(X - rect.Left) / kRatingHalfStarWidth) / 2;
        if (DoRatingChange(realCol, ARow, value)) {
            SetFloats(realCol, ARow, value);
            RepaintCell(ACol, ARow);
        }
        return true;
    }
    const TPoint clicked{ClickedCol, ClickedRow};
    if (HasButton(realCol, ARow) &&
        PressCellButton(ACol, ARow, clicked, GetCellButtonRect(ACol, ARow), {X, Y}))
        return true;
    return HasExpand(realCol, ARow) &&
           PressCellButton(ACol, ARow, clicked, GetExpandRect(realCol, ARow), {X, Y});
}

void TExtStringGrid::PressNodeGlyph(TShiftState Shift, int ARow, int ClickedCol, int ClickedRow, int X, int Y)
{
    if (OnMouseDown) OnMouseDown(this, mbLeft, Shift, X, Y);
    if (OnClickCell) OnClickCell(this, ClickedRow, ClickedCol);
    const int real = RealRowIndex(ARow);
    const bool collapsed = GetNodeState(ARow);
    bool allow = true;
    const TNodeAllowEvent& before = collapsed ? OnBeforeExpandNode : OnBeforeContractNode;
    if (before) before(this, ARow, real, allow);
    if (allow) {
        if (collapsed)
            ExpandNode(real);
        else
            ContractNode(real);
        const TNodeClickEvent& after = collapsed ? OnExpandNode : OnContractNode;
        if (after) after(this, ARow, real);
    }
    if (MouseActions()->MoveRowOnNodeClick) SetRow(ARow);
}

// The button is drawn pushed and holds the mouse until the release decides whether it clicked.
bool TExtStringGrid::PressCellButton(int ACol, int ARow, TPoint Clicked, const TRect& Button, TPoint At)
{
    HideInplaceEdit();
    if (!IsFixed(ACol, ARow) && ACol >= FixedCols() && ARow >= FixedRows()) {
        FForceSel = true;
        MoveCurrentCell(ACol, ARow);
        FForceSel = false;
    }
    if (!Button.Contains(At)) return false;
    PushButton(ACol, ARow, true);
    FPushedCellButton = {ACol, ARow};
    SetCapture(this);
    if (OnClickCell) OnClickCell(this, Clicked.Y, Clicked.X);
    return true;
}

void TExtStringGrid::PressDrawnSpinButton(int RealCol, int ARow, const TRect& Cell, int X, int Y)
{
    if (!ControlLook()->SpinButtonsAlwaysVisible() || X <= Cell.Right - kDrawnSpinButtonWidth ||
        !HasSpinEdit(RealCol, ARow))
        return;
    if (Y > (Cell.Top + Cell.Bottom) / 2)
        FSpinDnClick = true;
    else
        FSpinUpClick = true;
}

// Only a grid that draws both fixed lines shows fixed cells as buttons; a node glyph stays
// the node's own.
void TExtStringGrid::PushFixedButton(int ACol, int ARow, int X)
{
    const TGridOptions lines{goFixedVertLine, goFixedHorzLine};
    if ((Options() * lines) != lines) return;
    if (ACol == 0 && IsNode(ARow) && IsNodeGlyphHit(ARow, X)) return;
    FPushedFixedCell = CellRect(ACol, ARow);
    FPushedCellButton = {ACol, ARow};
    SetCapture(this);
    RepaintCell(ACol, ARow);
}

void TExtStringGrid::RadioGroupClick(int ACol, int ARow, int DY, int DX)
{
    const TPoint base = BaseCell(DisplColIndex(ACol), ARow);
    const int realCol = RealColIndex(base.X);
    TCellGraphic* graphic = GetCellGraphic(realCol, base.Y);
    if (!graphic || graphic->CellType != ctRadio || !graphic->CellStrings) return;
    // The options are measured in the font they are painted in.
    Canvas()->Font()->Assign(*Font());
    TBrush brush;
    GetCellColor(realCol, base.Y, {}, &brush, Canvas()->Font());
    if (!IsFixed(base.X, base.Y)) MoveCurrentCell(base.X, base.Y);
    const TControlLook& look = *ControlLook();
    const bool frameStyle =
        look.ControlStyle() == TControlLook::csClassic || look.ControlStyle() == TControlLook::csFlat;
    const int spacing = frameStyle ? look.RadioSize() : kPictureRadioSpacing;
    const int itemHeight = std::max(spacing, Canvas()->TextHeight("gh"));
    const TStringList& captions = *graphic->CellStrings;
    const int offset = graphic->CellBoolean ? DX : DY;
    int sum = 0;
    for (int i = 0; i < captions.Count(); ++i) {
        const int prev = sum;
        sum += graphic->CellBoolean ? Canvas()->TextWidth(captions[i]) + spacing : itemHeight;
        if (offset <= prev || offset >= sum) continue;
        // A group that stores its choice as the cell text keeps doing so at every click.
        const bool storesText = graphic->CellIndex == -1;
        if (storesText) SetCells(realCol, base.Y, captions[i]);
        SetCells(realCol, base.Y, Cells(realCol, base.Y));
        if (storesText)
            RepaintGraphicCell(realCol, base.Y);
        else
            SetRadioIdx(realCol, base.Y, i);
        if (OnRadioClick) OnRadioClick(this, base.X, base.Y, i);
        return;
    }
}

// The pushed button comes up at every release; it clicks only when let go on it, or anywhere
// for a button in a header (or a fixed column shown as buttons). Returns whether the release
// landed on the release cell's button.
bool TExtStringGrid::ReleaseCellButton(int ACol, int ARow, int X, int Y)
{
    const bool valid = ACol >= 0 && ARow >= 0;
    if (!FPushedFixedCell.IsEmpty()) {
        FPushedFixedCell = {};
        RepaintCell(FPushedCellButton.X, FPushedCellButton.Y);
    }
    if (FPushedCellButton.X >= 0) {
        const TPoint pushed = FPushedCellButton;
        const bool fixedRow = pushed.Y < FixedRows();
        const bool clicksAnywhere = fixedRow || (FixedAsButtons && pushed.X < FixedCols());
        // Cells have no enabled state of their own here: a release on a cell counts as enabled.
        const bool enabled = valid || Options().Contains(goEditing);
        const bool inFixed = pushed.X < FixedCols() || fixedRow;
        if (enabled || ControlLook()->NoDisabledButtonLook() || inFixed) {
            if (!IsNode(pushed.Y)) PushButton(pushed.X, pushed.Y, false);
            if (valid) ClickReleasedButton(pushed, ACol, ARow, {X, Y}, clicksAnywhere);
        }
        FPushedCellButton = {-1, -1};
        ReleaseCapture();
    }
    return valid && OnCellButton(ACol, ARow, {X, Y});
}

void TExtStringGrid::ClickReleasedButton(TPoint Pushed, int ACol, int ARow, TPoint At, bool FixedCell)
{
    const TPoint base = BaseCell(ACol, ARow);
    // Let go over another cell's button, a pushed button does not click.
    if (!FixedCell && base != BaseCell(Pushed.X, Pushed.Y)) return;
    const int realCol = RealColIndex(base.X);
    if ((HasButton(realCol, base.Y) && GetCellButtonRect(base.X, base.Y).Contains(At)) || FixedCell)
        DoButtonClick(Pushed.X, Pushed.Y);
    if (HasExpand(realCol, base.Y) && (GetExpandRect(realCol, base.Y).Contains(At) || FixedCell)) {
        const bool expanded = ToggleExpand(RealColIndex(Pushed.X), Pushed.Y);
        DoExpandClick(Pushed.X, Pushed.Y, expanded);
    }
}

bool TExtStringGrid::OnCellButton(int ACol, int ARow, TPoint At) const
{
    const TPoint base = BaseCell(ACol, ARow);
    const int realCol = RealColIndex(base.X);
    return (HasButton(realCol, base.Y) && GetCellButtonRect(base.X, base.Y).Contains(At)) ||
           (HasExpand(realCol, base.Y) && GetExpandRect(realCol, base.Y).Contains(At));
}
