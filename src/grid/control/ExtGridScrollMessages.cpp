#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/HTMLHintWindow.h"
#include "grid/foundation/model/SearchFooter.h"
#include "platform/ui/Mouse.h"

namespace {

constexpr int kScrollHintMaxWidth = 100;
constexpr int kScrollHintOffset = 10;

} // namespace

// Our scroll bars count in cells, so a thumb position is the line it shows first.
int TExtStringGrid::ThumbTarget(int Position, bool Horizontal) const
{
    const int fixed = Horizontal ? FixedCols() : FixedRows();
    const int last = Horizontal ? ColCount() - VisibleColCount() : RowCount() - VisibleRowCount();
    return std::clamp(Position, fixed, std::max(fixed, last));
}

bool TExtStringGrid::ScrollHintsFor(bool Horizontal) const
{
    return ScrollHints == shBoth || ScrollHints == (Horizontal ? shHorizontal : shVertical);
}

void TExtStringGrid::ScrollHint(Word Code, int Target, bool Horizontal)
{
    if (!ScrollHintsFor(Horizontal)) return;
    if (Code == SB_ENDSCROLL) {
        if (FScrollHintWnd) FScrollHintWnd->Hide();
        FScrollHintShow = false;
        return;
    }
    if (Code != SB_THUMBTRACK) return;
    std::string hint = (Horizontal ? "Col : " : "Row : ") + std::to_string(Target);
    if (OnScrollHint) OnScrollHint(this, Target, hint);
    if (!FScrollHintWnd) FScrollHintWnd = new THTMLHintWindow(this);
    FScrollHintWnd->SetColor(HintColor);
    const TPoint mouse = Mouse->CursorPos();
    const TRect size = FScrollHintWnd->CalcHintRect(kScrollHintMaxWidth, hint, nullptr);
    FScrollHintWnd->ActivateHint(Bounds(mouse.X + kScrollHintOffset, mouse.Y, size.Width(), size.Height()),
                                 hint);
    FScrollHintShow = true;
}

void TExtStringGrid::WMHScroll(TMessage& Message)
{
    const Word code = LOWORD(Message.WParam);
    const int target = ThumbTarget(ScrollMessagePos(Message), true);
    ScrollHint(code, target, true);
    if (code == SB_THUMBTRACK && ScrollSynch) SetLeftCol(target);
    const bool thumb = code == SB_THUMBTRACK || code == SB_THUMBPOSITION;
    if (thumb && FixedCols() == 0 && target >= Col()) HideInplaceEdit();
    TBaseGrid::WMHScroll(Message);
}

void TExtStringGrid::WMVScroll(TMessage& Message)
{
    if (ComponentState().Contains(csDesigning)) {
        TBaseGrid::WMVScroll(Message);
        return;
    }
    if (ScrollCellBar(Message)) return;
    const Word code = LOWORD(Message.WParam);
    const int target = ThumbTarget(ScrollMessagePos(Message), false);
    ScrollHint(code, target, false);
    if (code == SB_THUMBTRACK && ScrollSynch) SetTopRow(target);

    const bool footer = SearchFooter()->Visible();
    if (footer && LastRowAboveSearchFooter() && (code == SB_ENDSCROLL || code == SB_LINEDOWN)) {
        Message.Result = 1;
        return;
    }
    TBaseGrid::WMVScroll(Message);
    if (footer && RowCount() - VisibleRowCount() == TopRow()) {
        if (code == SB_LINEUP)
            SetTopRow(TopRow() - 1);
        else if (code == SB_ENDSCROLL || code == SB_LINEDOWN)
            ScrollAboveSearchFooter();
    }
}
