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

bool TExtStringGrid::PressCellControl(TShiftState Shift, int ADisplCol, int ADisplRow, int ClickedCol,
                                      int ClickedRow, int X, int Y)
{
    const int realCol = RealColIndex(ADisplCol);
    const TRect rect = CellRect(ADisplCol, ADisplRow);
    if (ADisplCol == 0 && ADisplRow >= FixedRows() && IsNode(ADisplRow) && IsNodeGlyphHit(ADisplRow, X)) {
        PressNodeGlyph(Shift, ADisplRow, ClickedCol, ClickedRow, X, Y);
        return true;
    }
    if (IsRadio(realCol, ADisplRow) &&
        (IsEditable(ADisplCol, ADisplRow) || ControlLook()->RadioAlwaysActive)) {
        HideInplaceEdit();
        RadioGroupClick(realCol, ADisplRow, Y - rect.Top, X - rect.Left);
        SetFocus();
        return true;
    }
    if (PressDragSource(Shift, ADisplCol, ADisplRow, ClickedCol, ClickedRow, X, Y)) return true;
    if (HasRating(realCol, ADisplRow) && IsEditable(ADisplCol, ADisplRow)) {
        HideInplaceEdit();
        double value = std::trunc(static_cast<double>(X - rect.Left) / kRatingHalfStarWidth) / 2;
        if (DoRatingChange(realCol, ADisplRow, value)) {
            SetFloats(realCol, ADisplRow, value);
            RepaintCell(ADisplCol, ADisplRow);
        }
        return true;
    }
    const TPoint clicked{ClickedCol, ClickedRow};
    if (HasButton(realCol, ADisplRow) &&
        PressCellButton(ADisplCol, ADisplRow, clicked, GetCellButtonRect(ADisplCol, ADisplRow), {X, Y}))
        return true;
    return HasExpand(realCol, ADisplRow) &&
           PressCellButton(ADisplCol, ADisplRow, clicked, GetExpandRect(realCol, ADisplRow), {X, Y});
}

void TExtStringGrid::PressNodeGlyph(TShiftState Shift, int ADisplRow, int ClickedCol, int ClickedRow, int X,
                                    int Y)
{
    if (OnMouseDown) OnMouseDown(this, mbLeft, Shift, X, Y);
    if (OnClickCell) OnClickCell(this, ClickedRow, ClickedCol);
    const int real = RealRowIndex(ADisplRow);
    const bool collapsed = GetNodeState(ADisplRow);
    bool allow = true;
    const TNodeAllowEvent& before = collapsed ? OnBeforeExpandNode : OnBeforeContractNode;
    if (before) before(this, ADisplRow, real, allow);
    if (allow) {
        if (collapsed)
            ExpandNode(real);
        else
            ContractNode(real);
        const TNodeClickEvent& after = collapsed ? OnExpandNode : OnContractNode;
        if (after) after(this, ADisplRow, real);
    }
    if (MouseActions()->MoveRowOnNodeClick) SetRow(ADisplRow);
}

// The button is drawn pushed and holds the mouse until the release decides whether it clicked.
bool TExtStringGrid::PressCellButton(int ADisplCol, int ADisplRow, TPoint Clicked, const TRect& Button,
                                     TPoint At)
{
    HideInplaceEdit();
    if (!IsFixed(ADisplCol, ADisplRow) && ADisplCol >= FixedCols() && ADisplRow >= FixedRows()) {
        FForceSel = true;
        MoveCurrentCell(ADisplCol, ADisplRow);
        FForceSel = false;
    }
    if (!Button.Contains(At)) return false;
    PushButton(ADisplCol, ADisplRow, true);
    FPushedCellButton = {ADisplCol, ADisplRow};
    SetCapture(this);
    if (OnClickCell) OnClickCell(this, Clicked.Y, Clicked.X);
    return true;
}

void TExtStringGrid::PressDrawnSpinButton(int ARealCol, int ADisplRow, const TRect& Cell, int X, int Y)
{
    if (!ControlLook()->SpinButtonsAlwaysVisible() || X <= Cell.Right - kDrawnSpinButtonWidth ||
        !HasSpinEdit(ARealCol, ADisplRow))
        return;
    if (Y > (Cell.Top + Cell.Bottom) / 2)
        FSpinDnClick = true;
    else
        FSpinUpClick = true;
}

// Only a grid that draws both fixed lines shows fixed cells as buttons; a node glyph stays
// the node's own.
void TExtStringGrid::PushFixedButton(int ADisplCol, int ADisplRow, int X)
{
    const TGridOptions lines{goFixedVertLine, goFixedHorzLine};
    if ((Options() * lines) != lines) return;
    if (ADisplCol == 0 && IsNode(ADisplRow) && IsNodeGlyphHit(ADisplRow, X)) return;
    FPushedFixedCell = CellRect(ADisplCol, ADisplRow);
    FPushedCellButton = {ADisplCol, ADisplRow};
    SetCapture(this);
    RepaintCell(ADisplCol, ADisplRow);
}

void TExtStringGrid::RadioGroupClick(int ARealCol, int ADisplRow, int DY, int DX)
{
    const TPoint base = BaseCell(DisplColIndex(ARealCol), ADisplRow);
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
