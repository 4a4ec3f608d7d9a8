#include "grid/control/ExtRichEdit.h"

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/Navigation.h"

TExtRichEdit::TExtRichEdit(TExtStringGrid* AGrid) : TRichEdit(AGrid), FGrid(AGrid) {}

void TExtRichEdit::ReCreate()
{
    const std::string document = RtfText();
    const int start = SelStart(), length = SelLength();
    SetRtfText(document);
    SetSelStart(start);
    SetSelLength(length);
}

void TExtRichEdit::WMGetDlgCode(TMessage& Message)
{
    TRichEdit::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTTAB;
}

void TExtRichEdit::WMKillFocus(TMessage& Message)
{
    if (FGrid->FEditSession.FocusFromEditor()) return;
    if (reinterpret_cast<TWinControl*>(Message.WParam) == FGrid && this == FGrid->FInplaceRichEdit)
        FGrid->HideInplaceEdit();
    TRichEdit::WMKillFocus(Message);
}

void TExtRichEdit::KeyDown(Word& Key, TShiftState Shift)
{
    TRichEdit::KeyDown(Key, Shift);
    if (this != FGrid->FInplaceRichEdit || !FGrid->IsEditMode()) return;
    const bool multiLine = FGrid->WordWrap() || FGrid->Multilinecells;
    const TNavigation& nav = *FGrid->Navigation();
    if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
        FGrid->DoneInplaceEdit(Key, Shift);
        FGrid->ShowInplaceEdit();
        Key = 0;
    } else if ((Key == VK_UP || Key == VK_DOWN) && !multiLine) {
        FGrid->DoneInplaceEdit(Key, Shift);
        Key = 0;
    } else if (Key == VK_ESCAPE) {
        FGrid->CancelEditControl();
        Key = 0;
    } else if (Key == VK_RETURN) {
        // As in the text editor: Enter leaves the cell, Ctrl+Enter breaks the line of a
        // cell of several lines.
        const bool breaksLine =
            multiLine && (Shift.Contains(ssCtrl) ? nav.AllowCtrlEnter : nav.LineFeedOnEnter);
        if (breaksLine)
            SetSelText("\r\n");
        else
            FGrid->DoneInplaceEdit(Key, Shift);
        Key = 0;
    }
}

// The Tab that moved the editor to the next cell arrives there as a character as well.
void TExtRichEdit::WMChar(TMessage& Message)
{
    if (static_cast<char32_t>(Message.WParam) == U'\t' && FGrid->Options().Contains(goTabs)) return;
    TRichEdit::WMChar(Message);
}

void TExtRichEdit::RequestResize(const TRect& Rect)
{
    if (!FGrid->ComponentState().Contains(csDesigning)) FGrid->RichEditResizeRequest(this, Rect);
    TRichEdit::RequestResize(Rect);
}
