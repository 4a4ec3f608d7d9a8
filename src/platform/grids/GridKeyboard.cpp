#include <algorithm>

#include "platform/grids/Grids.h"

// Keys, characters, the wheel and the focus.

namespace {

TGridCoord Restricted(TGridCoord c, int minX, int minY, int maxX, int maxY)
{
    return {std::clamp(c.X, minX, std::max(minX, maxX)), std::clamp(c.Y, minY, std::max(minY, maxY))};
}

} // namespace

void TCustomGrid::KeyDown(Word& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    if (key == 0) return;
    if (UseRightToLeftAlignment() && (key == VK_LEFT || key == VK_RIGHT))
        key = key == VK_LEFT ? VK_RIGHT : VK_LEFT;
    TGridDrawInfo info;
    CalcDrawInfo(info);
    const int pageWidth = std::max(1, info.Horz.LastFullVisibleCell - leftCol_);
    const int pageHeight = std::max(1, info.Vert.LastFullVisibleCell - topRow_);
    const bool rowSelect = options_.Contains(goRowSelect);
    TGridCoord next = current_;
    TGridCoord topLeft{leftCol_, topRow_};
    bool moveAnchor = !shift.Contains(ssShift);
    if (shift.Contains(ssCtrl)) {
        switch (key) {
        case VK_UP:
            --topLeft.Y;
            break;
        case VK_DOWN:
            ++topLeft.Y;
            break;
        case VK_LEFT:
            if (!rowSelect) next.X -= pageWidth, topLeft.X -= pageWidth;
            break;
        case VK_RIGHT:
            if (!rowSelect) next.X += pageWidth, topLeft.X += pageWidth;
            break;
        case VK_PRIOR:
            next.Y = topRow_;
            break;
        case VK_NEXT:
            next.Y = info.Vert.LastFullVisibleCell;
            break;
        case VK_HOME:
            next = {fixedCols_, fixedRows_};
            break;
        case VK_END:
            next = {ColCount() - 1, RowCount() - 1};
            break;
        default:
            break;
        }
    } else {
        switch (key) {
        case VK_UP:
            --next.Y;
            break;
        case VK_DOWN:
            ++next.Y;
            break;
        case VK_LEFT:
            rowSelect ? --next.Y : --next.X;
            break;
        case VK_RIGHT:
            rowSelect ? ++next.Y : ++next.X;
            break;
        case VK_NEXT:
            next.Y += pageHeight, topLeft.Y += pageHeight;
            break;
        case VK_PRIOR:
            next.Y -= pageHeight, topLeft.Y -= pageHeight;
            break;
        case VK_HOME:
            if (rowSelect)
                next.Y = fixedRows_;
            else
                next.X = fixedCols_;
            break;
        case VK_END:
            if (rowSelect)
                next.Y = RowCount() - 1;
            else
                next.X = ColCount() - 1;
            break;
        case VK_TAB:
            if (!options_.Contains(goTabs) || shift.Contains(ssAlt)) break;
            // Tab walks the cells row by row and wraps at both ends; it always moves the anchor.
            if (shift.Contains(ssShift)) {
                if (--next.X < fixedCols_) {
                    next.X = ColCount() - 1;
                    if (--next.Y < fixedRows_) next.Y = RowCount() - 1;
                }
            } else if (++next.X >= ColCount()) {
                next.X = fixedCols_;
                if (++next.Y >= RowCount()) next.Y = fixedRows_;
            }
            moveAnchor = true;
            break;
        case VK_F2:
            SetEditorMode(true);
            break;
        default:
            break;
        }
    }
    const TRect client = ClientRect();
    topLeft = Restricted(topLeft, fixedCols_, fixedRows_, MaxTopLeft(cols_, fixedCols_, client.Width()),
                         MaxTopLeft(rows_, fixedRows_, client.Height()));
    if (topLeft.X != leftCol_ || topLeft.Y != topRow_) SetTopLeft(topLeft.X, topLeft.Y);
    next = Restricted(next, fixedCols_, fixedRows_, ColCount() - 1, RowCount() - 1);
    if (next.X != current_.X || next.Y != current_.Y) FocusCell(next.X, next.Y, moveAnchor);
}

void TCustomGrid::KeyPress(char32_t& key)
{
    TCustomControl::KeyPress(key);
    if (key == U'\r' && !options_.Contains(goAlwaysShowEditor)) {
        if (editorMode_)
            HideEditor();
        else
            ShowEditor();
        key = 0;
    }
}

// A typed character opens the editor with that character; others go the usual way.
void TCustomGrid::WMChar(TMessage& message)
{
    const auto ch = static_cast<char32_t>(message.WParam);
    if (options_.Contains(goEditing) && (ch == U'\b' || ch >= 32))
        ShowEditorChar(ch);
    else
        TCustomControl::WMChar(message);
}

void TCustomGrid::WMGetDlgCode(TMessage& message)
{
    message.Result = DLGC_WANTARROWS;
    if (options_.Contains(goRowSelect)) return;
    if (options_.Contains(goTabs)) message.Result |= DLGC_WANTTAB;
    if (options_.Contains(goEditing)) message.Result |= DLGC_WANTCHARS;
}

bool TCustomGrid::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    if (TCustomControl::DoMouseWheelDown(shift, mousePos)) return true;
    if (Row() < RowCount() - 1) SetRow(Row() + 1);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    if (TCustomControl::DoMouseWheelUp(shift, mousePos)) return true;
    if (Row() > fixedRows_) SetRow(Row() - 1);
    return true;
}

void TCustomGrid::DoEnter()
{
    TCustomControl::DoEnter();
    InvalidateRect(GridRectPixels(Selection()));
}

void TCustomGrid::DoExit()
{
    TCustomControl::DoExit();
    if (!options_.Contains(goAlwaysShowEditor)) HideEditor();
    InvalidateRect(GridRectPixels(Selection()));
}

void TCustomGrid::WMSetFocus(TMessage& message)
{
    TCustomControl::WMSetFocus(message);
    // Focus taken back from the editor (a click on another cell) must not hand it straight back.
    if (inplaceEdit_ && reinterpret_cast<TWinControl*>(message.WParam) == inplaceEdit_) return;
    InvalidateRect(GridRectPixels(Selection()));
    UpdateEditor();
}

void TCustomGrid::WMKillFocus(TMessage& message)
{
    TCustomControl::WMKillFocus(message);
    InvalidateRect(GridRectPixels(Selection()));
}

void TCustomGrid::CMFontChanged(TMessage& message)
{
    if (inplaceEdit_) inplaceEdit_->SetFont(Font());
    TCustomControl::CMFontChanged(message);
}

void TCustomGrid::Loaded()
{
    TCustomControl::Loaded();
    ClampTopLeft();
    UpdateScrollRange();
}
