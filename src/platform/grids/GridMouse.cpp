#include <algorithm>

#include "platform/grids/Grids.h"

// The mouse: selecting cells, sizing columns and rows on the fixed cells' borders, and
// moving columns and rows by their fixed cells.

namespace {

// How near (in pixels) a press must come to a border to size the column or row.
constexpr int kSizingRange = 7;

} // namespace

void TCustomGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                                  TGridDrawInfo& FixedInfo)
{
    State = gsNormal;
    Index = -1;
    const bool colSizing = options_.Contains(goColSizing), rowSizing = options_.Contains(goRowSizing);
    if (!colSizing && !rowSizing) return;
    // Sizing starts on the borders of the scrolling cells, inside the fixed cells only.
    const auto axisState = [&](const TGridAxis& axis, const TGridAxisDrawInfo& info, int pos,
                               TGridState state) {
        int range = info.EffectiveLineWidth, back = 0;
        if (range < kSizingRange) {
            range = kSizingRange;
            back = (range - info.EffectiveLineWidth) / 2;
        }
        int line = info.FixedBoundary;
        for (int i = info.FirstGridCell; i < info.GridCellCount; ++i) {
            line += std::max(0, axis.Extent(i));
            if (line > info.GridBoundary) break;
            if (axis.Extent(i) >= 0 && pos >= line - back && pos <= line - back + range) {
                State = state;
                SizingPos = line;
                SizingOfs = line - pos;
                Index = i;
                return;
            }
            if (axis.Extent(i) >= 0) line += info.EffectiveLineWidth;
        }
    };
    const int x = UseRightToLeftAlignment() ? MirrorX(X) : X;
    if (x > FixedInfo.Horz.FixedBoundary && colSizing) {
        if (Y < FixedInfo.Vert.FixedBoundary) axisState(cols_, FixedInfo.Horz, x, gsColSizing);
    } else if (Y > FixedInfo.Vert.FixedBoundary && rowSizing) {
        if (x < FixedInfo.Horz.FixedBoundary) axisState(rows_, FixedInfo.Vert, Y, gsRowSizing);
    }
}

void TCustomGrid::SetGridState(TGridState state)
{
    InvalidateRect(GuideLineRect());
    gridState_ = state;
    InvalidateRect(GuideLineRect());
}

// Moves the guide (sizing position or move target) by repainting where it was and is.
void TCustomGrid::MoveGuide(int& field, int value)
{
    if (field == value) return;
    InvalidateRect(GuideLineRect());
    field = value;
    InvalidateRect(GuideLineRect());
}

void TCustomGrid::ShowSizingCursor(TGridState state)
{
    const bool sizing = state == gsColSizing || state == gsRowSizing;
    if (sizing)
        ShowCursor(state == gsColSizing ? crHSplit : crVSplit);
    else if (sizingCursor_)
        ShowCursor(Cursor());
    sizingCursor_ = sizing;
}

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (!ComponentState().Contains(csDesigning) && CanFocus() && !Focused()) {
        SetFocus();
        if (!IsActiveControl()) {
            SetMouseCapture(false);
            return;
        }
    }
    if (button == mbLeft && shift.Contains(ssDouble)) {
        DblClick();
    } else if (button == mbLeft) {
        TGridDrawInfo info;
        CalcDrawInfo(info);
        TGridState state = gsNormal;
        CalcSizingState(x, y, state, sizingIndex_, sizingPos_, sizingOfs_, info);
        if (state != gsNormal) {
            SetGridState(state);
        } else {
            const TGridCoord cell = MouseCoord(x, y);
            const bool colMove =
                options_.Contains(goColMoving) && cell.X >= fixedCols_ && cell.Y >= 0 && cell.Y < fixedRows_;
            const bool rowMove =
                options_.Contains(goRowMoving) && cell.Y >= fixedRows_ && cell.X >= 0 && cell.X < fixedCols_;
            if (colMove || rowMove) {
                HideEditor();
                moveIndex_ = movePos_ = colMove ? cell.X : cell.Y;
                SetGridState(colMove ? gsColMoving : gsRowMoving);
            } else if (cell.X >= fixedCols_ && cell.Y >= fixedRows_) {
                if (options_.Contains(goEditing)) {
                    if (cell.X == current_.X && cell.Y == current_.Y) {
                        ShowEditor();
                    } else {
                        MoveCurrent(cell.X, cell.Y, true, true);
                        UpdateEditor();
                    }
                    Click();
                } else {
                    SetGridState(gsSelecting);
                    if (shift.Contains(ssShift))
                        MoveAnchor(cell);
                    else
                        MoveCurrent(cell.X, cell.Y, true, true);
                }
            }
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomGrid::MouseMove(TShiftState shift, int x, int y)
{
    switch (gridState_) {
    case gsSelecting:
    case gsColMoving:
    case gsRowMoving: {
        const TGridCoord cell = MouseCoord(x, y);
        if (cell.X < 0 || cell.Y < 0) break;
        if (gridState_ == gsSelecting) {
            if (cell.X != anchor_.X || cell.Y != anchor_.Y) MoveAnchor(cell);
        } else if (gridState_ == gsColMoving) {
            MoveGuide(movePos_, std::max(fixedCols_, cell.X));
        } else {
            MoveGuide(movePos_, std::max(fixedRows_, cell.Y));
        }
        break;
    }
    case gsColSizing:
        MoveGuide(sizingPos_, (UseRightToLeftAlignment() ? MirrorX(x) : x) + sizingOfs_);
        break;
    case gsRowSizing:
        MoveGuide(sizingPos_, y + sizingOfs_);
        break;
    default: {
        TGridDrawInfo info;
        CalcDrawInfo(info);
        TGridState state = gsNormal;
        int index = -1, pos = 0, ofs = 0;
        CalcSizingState(x, y, state, index, pos, ofs, info);
        ShowSizingCursor(state);
        break;
    }
    }
    TCustomControl::MouseMove(shift, x, y);
}

// The new width or height: from the start of the sized cell to the guide.
int TCustomGrid::SizingExtent() const
{
    const bool col = gridState_ == gsColSizing;
    const int start = col ? AxisPos(cols_, fixedCols_, leftCol_, sizingIndex_)
                          : AxisPos(rows_, fixedRows_, topRow_, sizingIndex_);
    return sizingPos_ - start;
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    const TGridState state = gridState_;
    const int size = state == gsColSizing || state == gsRowSizing ? SizingExtent() : 0;
    SetGridState(gsNormal);
    switch (state) {
    case gsSelecting:
        UpdateEditor();
        Click();
        break;
    case gsColSizing:
        if (size > 1) SetColWidths(sizingIndex_, size);
        break;
    case gsRowSizing:
        if (size > 1) SetRowHeights(sizingIndex_, size);
        break;
    case gsColMoving:
    case gsRowMoving:
        if (moveIndex_ != movePos_) {
            if (state == gsColMoving)
                MoveColumn(moveIndex_, movePos_);
            else
                MoveRow(moveIndex_, movePos_);
        }
        UpdateEditor();
        break;
    default:
        UpdateEditor();
        break;
    }
    TCustomControl::MouseUp(button, shift, x, y);
}
