#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/HTMLHintWindow.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "grid/foundation/text/CellText.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Hints.h"

// What the pointer does over the grid: hover highlights, the select mode of the next press,
// header drag selections, fixed borders that size, row and column move feedback, the sizing
// events with their hint, and the cell hint that goes when the pointer changes cell.

namespace {

// The pointer this near a fixed column's (row's) far border sizes it.
constexpr int kFixedBorderRange = 3;
// The bottom strip of the grid that scrolls a row-header drag down.
constexpr int kAutoScrollStrip = 4;
// The hint of a cell shows this far below it.
constexpr int kHintBelowCell = 6;

} // namespace

void TExtStringGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    FMousePos = TPoint{X, Y};
    int ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    const TGridRect entrySel = Selection();
    const bool designing = ComponentState().Contains(csDesigning);
    if (FMouseDownMove && MouseActions()->RangeSelectAndEdit && Options().Contains(goEditing) &&
        !EditorMode())
        SetOptions(Options() - TGridOptions{goEditing});
    if (ACol >= 0 && ARow >= 0 && !designing && HoverRow() && ARow != FHoverRowIdx) {
        const int old = FHoverRowIdx;
        FHoverRowIdx = ARow;
        RepaintRow(ARow);
        if (old >= 0 && old < RowCount()) RepaintRow(old);
    }
    if (ACol >= 0 && ARow >= 0 && !designing) PlaceCellScrollBar(ACol, ARow);
    HoverFixedCell(ACol, ARow);
    if (!designing) HoverCellButton(ACol, ARow, X, Y);
    const bool scrolledUp = HeaderDragSelect(ACol, ARow, Y);
    TrackFixedBorders(ACol, ARow, X, Y);
    if (!designing && StartCellDrag(ACol, ARow, X, Y)) return;
    if (!designing) {
        MoveFeedback(ACol, ARow, X, Y);
        UpdateSelectMode(ACol, ARow, X, Y, scrolledUp);
        HoverAnchor(ACol, ARow, X, Y);
    }
    if (FLastHintPos.X >= 0 && FLastHintPos.Y >= 0) {
        int baseCol = ACol, baseRow = ARow;
        if (ACol >= 0 && ARow >= 0) FindBaseCell(ACol, ARow, baseCol, baseRow);
        if (TPoint{baseCol, baseRow} != FLastHintPos) {
            Application->CancelHint();
            FLastHintPos = {-1, -1};
        }
    }
    TrackBalloon({X, Y});
    TBaseGrid::MouseMove(Shift, X, Y);
    // The base grid shows the split cursor over a sizable line; elsewhere the grid's own.
    if (!ShowsSizingCursor()) ShowCursor(CursorAt({X, Y}));
    if (Navigation()->KeepHorizScroll && FMouseKeepDown && GridState() != gsColMoving &&
        LeftCol() != FOldKeepLeftCol) {
        StartUpdate();
        SetLeftCol(FOldKeepLeftCol);
        ResetUpdate();
    }
    SizingFeedback(X, Y);
    const TGridRect sel = Selection();
    if (!(sel == entrySel)) SelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
}

void TExtStringGrid::HoverFixedCell(int ADisplCol, int ADisplRow)
{
    if (HoverFixedCells() == hfNone || FNoMouseLeave) return;
    const TPoint old = FHoverFixed;
    if (old == TPoint{ADisplCol, ADisplRow}) return;
    FHoverFixed = {ADisplCol, ADisplRow};
    const auto repaintIfFixed = [this](TPoint Cell) {
        if (Cell.X >= 0 && Cell.Y >= 0 && (Cell.Y <= FixedRows() || Cell.X <= FixedCols()))
            RepaintCell(Cell.X, Cell.Y);
    };
    repaintIfFixed(old);
    repaintIfFixed(FHoverFixed);
}

void TExtStringGrid::PushFixedCell(int X, int Y, bool Pushed)
{
    int ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    const bool onFixed = ACol >= 0 && ARow >= 0 && (ARow < FixedRows() || ACol < FixedCols());
    if ((Pushed && !onFixed) || FFixedCellPushed == Pushed) return;
    FFixedCellPushed = Pushed;
    // Only the last header row has a pressed look, and only when the look gives it colours.
    if (onFixed && ARow == FixedRows() - 1 && IsHoverFixedCell(ACol, ARow) &&
        ControlLook()->FixedGradientDownTo() != clNone)
        RepaintCell(ACol, ARow);
}

void TExtStringGrid::HoverCellButton(int ACol, int ARow, int X, int Y)
{
    const bool onButton = ACol >= 0 && ARow >= 0 && OnCellButton(ACol, ARow, {X, Y});
    SetHoverButton(onButton ? TPoint{ACol, ARow} : TPoint{-1, -1});
}

void TExtStringGrid::SetHoverButton(TPoint Cell)
{
    if (Cell == FHoverButton) return;
    const TPoint old = FHoverButton;
    FHoverButton = Cell;
    if (old.X >= 0 && old.Y >= 0) RepaintCell(old.X, old.Y);
    if (Cell.X >= 0 && Cell.Y >= 0) RepaintCell(Cell.X, Cell.Y);
}

// A drag that started on a row (column) header selects whole rows (columns) up to the
// pointer; a row drag scrolls one row per movement at the grid's top and bottom.
bool TExtStringGrid::HeaderDragSelect(int ADisplCol, int ADisplRow, int Y)
{
    if (FMouseSelectStart == -1) return false;
    const TMouseActions& ma = *MouseActions();
    if (ma.RowSelect && MouseSelectMode() == msRow) {
        if (ADisplRow >= FixedRows() && ADisplRow <= RowCount() - FixedFooters - 1) {
            const int to = std::max(FixedRows(), ADisplRow);
            SetSelection({FixedCols(), std::min(FMouseSelectStart, to), ColCount() - 1,
                          std::max(FMouseSelectStart, to)});
        }
        if (Y > Height() - kAutoScrollStrip && TopRow() + VisibleRowCount() < RowCount()) {
            SetTopRow(TopRow() + 1);
        } else if (FixedRows() > 0 && RowCount() > 0 && Y < RowHeights(0) && TopRow() > FixedRows()) {
            SetTopRow(TopRow() - 1);
            return true;
        }
    } else if (ma.ColSelect && MouseSelectMode() == msColumn) {
        const int to = std::max(FixedCols(), ADisplCol);
        SetSelection(
            {std::min(FMouseSelectStart, to), FixedRows(), std::max(FMouseSelectStart, to), RowCount() - 1});
    }
    return false;
}

int TExtStringGrid::FixedBorderAt(bool Cols, int Pos) const
{
    const int count = Cols ? FixedCols() : FixedRows();
    int border = 0;
    for (int i = 0; i < count; ++i) {
        border += Cols ? ColWidths(i) : RowHeights(i);
        if (std::abs(border - Pos) < kFixedBorderRange) return i;
        ++border;
    }
    return -1;
}

void TExtStringGrid::TrackFixedBorders(int ADisplCol, int ADisplRow, int X, int Y)
{
    const bool valid = ADisplCol >= 0 && ADisplRow >= 0 && !ComponentState().Contains(csDesigning);
    const TMouseActions& ma = *MouseActions();
    FSizeFixed = valid && ma.SizeFixedCol && FixedBorderAt(true, X) >= 0;
    FSizeFixedR = valid && ma.SizeFixedRow && FixedBorderAt(false, Y) >= 0;
    // A fixed border being sized shows no line: the new size appears at the release.
    if (FSizingFixed) FSizeFixedX = X;
    if (FSizingFixedR) FSizeFixedY = Y;
}

void TExtStringGrid::MoveFeedback(int ADisplCol, int ADisplRow, int X, int Y)
{
    const bool colMoving = GridState() == gsColMoving, rowMoving = GridState() == gsRowMoving;
    if (!colMoving && !rowMoving) return;
    bool allow = true;
    if (colMoving && OnColumnMove) OnColumnMove(this, Movecell, allow);
    if (rowMoving && OnRowMove) OnRowMove(this, Movecell, allow);
    if (!allow) {
        SetGridState(gsNormal);
        Screen->SetCursor(crDefault);
        return;
    }
    if (RowCount() <= 1 || (X == Clickposx && Y == Clickposy) || !EnhRowColMove || FSizingFixed ||
        FSizingFixedR)
        return;
    MoveImageFeedback(colMoving, ADisplCol, ADisplRow, X, Y);
    // The arrows mark the target of the movement before, so the first one shows none.
    if (colMoving && ADisplCol >= 0) {
        if (FMoveColInd >= FixedCols())
            FMoveMarkers.MarkColumn(CellRect(FMoveColInd, 0), FMoveColInd < Movecell,
                                    FMoveColInd - LeftCol() < VisibleColCount());
        FMoveColInd = ADisplCol;
        FMoveRowInd = 0;
        if (OnColumnMoving) OnColumnMoving(this, ADisplCol, allow);
        if (VisibleColCount() < ColCount()) {
            int fixedWidth = 0;
            for (int c = 0; c < FixedCols(); ++c)
                fixedWidth += ColWidths(c);
            if (X < fixedWidth && LeftCol() > FixedCols())
                SetLeftCol(LeftCol() - 1);
            else if (X > Width() && LeftCol() + VisibleColCount() < ColCount())
                SetLeftCol(LeftCol() + 1);
        }
    } else if (rowMoving && ADisplRow >= 0) {
        const bool footer = FloatingFooter()->Visible() &&
                            FloatingFooter()->FooterStyle() == fsFixedLastRow &&
                            FMoveRowInd == RowCount() - 1;
        if (!footer && FMoveRowInd >= FixedRows())
            FMoveMarkers.MarkRow(CellRect(0, FMoveRowInd), FMoveRowInd < Movecell,
                                 FMoveRowInd - TopRow() < VisibleRowCount());
        FMoveColInd = 0;
        FMoveRowInd = ADisplRow;
        if (OnRowMoving) OnRowMoving(this, ADisplRow, allow);
    }
    FMoveAllowed = allow;
    Screen->SetCursor(allow ? crDrag : crNoDrop);
}

bool TExtStringGrid::IsOnSizingEdge(int X, int Y)
{
    TGridDrawInfo info;
    CalcDrawInfo(info);
    TGridState state = gsNormal;
    int index = -1, pos = 0, ofs = 0;
    TBaseGrid::CalcSizingState(X, Y, state, index, pos, ofs, info);
    return state != gsNormal;
}

// The select mode chooses what the next press on a header selects, and the cursor shows it.
void TExtStringGrid::UpdateSelectMode(int ADisplCol, int ADisplRow, int X, int Y, bool ScrolledUp)
{
    if (GridState() != gsNormal && GridState() != gsSelecting) return;
    const TMouseActions& ma = *MouseActions();
    const bool valid = ADisplCol >= 0 && ADisplRow >= 0;
    const bool footer = FloatingFooter()->Visible() && FloatingFooter()->FooterStyle() == fsFixedLastRow;
    const int lastRow = RowCount() - (footer ? 2 : 1);
    // The row mode wins over the corner's while a row drag scrolls up over the header row.
    TMouseSelectMode mode = msNormal;
    if (valid && ADisplCol < FixedCols() && ADisplRow <= lastRow &&
        (ADisplRow >= FixedRows() || ScrolledUp) && ma.RowSelect && !IsOnSizingEdge(X, Y))
        mode = msRow;
    else if (valid && ADisplRow < FixedRows() && ADisplCol >= FixedCols() && ma.ColSelect &&
             !IsOnSizingEdge(X, Y))
        mode = msColumn;
    else if (valid && ADisplRow < FixedRows() && ADisplCol < FixedCols() && ma.AllSelect)
        mode = msAll;
    else if (SelectionResizeHandle().Contains({X, Y}))
        mode = msResize;
    if (mode != MouseSelectMode()) SetMouseSelectMode(mode, Cursor());
}

// While a column or row is sized its prospective size goes to the sizing events and, with
// HintShowSizing, into a hint at the sized cell.
void TExtStringGrid::SizingFeedback(int X, int Y)
{
    const bool colSizing = GridState() == gsColSizing, rowSizing = GridState() == gsRowSizing;
    if (!colSizing && !rowSizing && !FSizingFixed && !FSizingFixedR) return;
    const bool cols = colSizing || FSizingFixed;
    std::string text;
    TPoint at;
    int size = 0;
    if (FSizingFixed || FSizingFixedR) {
        size = FSizingFixed ? FSizeFixedX : FSizeFixedY;
        const TRect r = CellRect(0, 0);
        at = {r.Left, r.Top};
        if (cols && OnColumnSizing) OnColumnSizing(this, 0, size);
        if (!cols && OnRowSizing) OnRowSizing(this, 0, size);
    } else if (cols) {
        const int c = Colclicked >= 0 ? Colclicked : ColCount() - 1, r = Colclicked >= 0 ? Rowclicked : 0;
        const TRect rect = CellRect(c, r);
        size = X - rect.Left - Clickposdx;
        at = {rect.Left, rect.Top};
        if (OnColumnSizing) OnColumnSizing(this, Colclicked, size);
    } else {
        const int r = Rowclicked >= 0 ? Rowclicked : RowCount() - 1, c = Rowclicked >= 0 ? Colclicked : 0;
        const TRect rect = CellRect(c, r);
        size = Y - rect.Top - Clickposdy;
        at = {rect.Left, rect.Top};
        if (OnRowSizing) OnRowSizing(this, Rowclicked, size);
    }
    ColSizeFlg = true;
    if (HintShowSizing || ComponentState().Contains(csDesigning))
        ShowSizingHint((cols ? "cw=<b>" : "rh=<b>") + std::to_string(size) + "</b>", at);
}

void TExtStringGrid::ShowSizingHint(const std::string& Text, TPoint At)
{
    // The size shows in bold: the hint is markup.
    if (!FSizingHint) FSizingHint = new THTMLHintWindow(this);
    FSizingHint->SetColor(HintColor);
    const TRect size = FSizingHint->CalcHintRect(200, Text, nullptr);
    const TPoint screen = ClientToScreen(At);
    FSizingHint->ActivateHint(Bounds(screen.X, screen.Y, size.Width(), size.Height()), Text);
}

void TExtStringGrid::HideSizingHint()
{
    if (FSizingHint && FSizingHint->Visible()) FSizingHint->Hide();
}

void TExtStringGrid::LargeTextHint(int ARealCol, int ADisplRow, const TRect& R, std::string& HintStr,
                                   TPoint& Pos)
{
    // The text is measured at full length, not cut with an ellipsis.
    const bool ellipsis = EnhTextSize;
    EnhTextSize = false;
    const TSize size = GetCellTextSize(ARealCol, ADisplRow, false, false);
    EnhTextSize = ellipsis;
    if (size.cx <= R.Width() && size.cy <= R.Height()) return;
    if (HintShowLargeTextPos == hpCell) Pos = {R.Left, R.Top};
    const std::string text = GridCells(ARealCol, ADisplRow);
    HintStr =
        GetTextType(text, EnableHTML) != ttMarkup || HTMLHint ? text : StrippedCells(ARealCol, ADisplRow);
}

void TExtStringGrid::CMMouseLeave(TMessage& Message)
{
    TBaseGrid::CMMouseLeave(Message);
    PopBalloon();
    SetHoverButton({-1, -1});
    SetMouseSelectMode(msNormal, Cursor());
    FSizeFixed = FSizeFixedR = false;
    if (!FNoMouseLeave && HoverFixedCells() != hfNone && (FHoverFixed.X != -1 || FHoverFixed.Y != -1)) {
        const TPoint old = FHoverFixed;
        FHoverFixed = {-1, -1};
        RepaintCell(old.X, old.Y);
    }
    if (HoverRow() && FHoverRowIdx != -1) {
        const int old = FHoverRowIdx;
        FHoverRowIdx = -1;
        if (old < RowCount()) RepaintRow(old);
    }
}

void TExtStringGrid::SetUseHTMLHints(bool Value)
{
    FUseHTMLHints = Value;
    Application->SetHintWindowClass(Value ? HintWindowClassOf<THTMLHintWindow>() : THintWindowClass());
}

void TExtStringGrid::PrepareCellHint(std::string& HintStr, THintInfo& HintInfo)
{
    int ACol = -1, ARow = -1;
    MouseToCell(HintInfo.CursorPos.X, HintInfo.CursorPos.Y, ACol, ARow);
    if (ControlLook()->HintMaxWidth > 0) HintInfo.HintMaxWidth = ControlLook()->HintMaxWidth;
    HintInfo.HintColor = HintColor;
    if (ACol < 0 || ARow < 0) return;
    FindBaseCell(ACol, ARow, ACol, ARow);
    FLastHintPos = {ACol, ARow};
    const TRect rect = CellRect(ACol, ARow);
    const int col = RealColIndex(ACol);
    // A comment shows at the cell's top-right corner.
    std::string comment;
    TPoint pos{HintInfo.CursorPos.X, rect.Bottom + kHintBelowCell};
    if (IsComment(col, ARow, comment)) {
        HintStr = comment;
        pos = {rect.Right, rect.Top};
    }
    AnchorHintAt(ACol, ARow, HintInfo.CursorPos, HintStr, pos);
    const bool normal = ACol >= FixedCols() && ACol < ColCount() - FixedRightCols && ARow >= FixedRows() &&
                        ARow < RowCount() - FixedFooters;
    if (HintShowCells && normal) {
        pos.Y = rect.Top;
        HintStr = HTMLHint ? GridCells(col, ARow) : StrippedCells(col, ARow);
    }
    if (HintShowLargeText) LargeTextHint(col, ARow, rect, HintStr, pos);
    const bool footerRow = FloatingFooter()->Visible() && ARow == RowCount() - 1;
    std::string wide;
    if (!footerRow) GetCellHint(col, ARow, HintStr, wide);
    HintInfo.HintPos = ClientToScreen(pos);
}
