#include "grid/control/ExtInplaceEdit.h"

#include <utility>

#include "grid/control/EditorCharFilter.h"
#include "grid/control/EditorPaste.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/LookupCompletion.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "grid/foundation/text/NameText.h"
#include "grid/foundation/text/TextUtils.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Beep.h"

TExtInplaceEdit::TExtInplaceEdit(TExtStringGrid* AGrid) : TInplaceEdit(AGrid), FGrid(AGrid) {}

void TExtInplaceEdit::UpdateContents()
{
    {
        const auto loading = FGrid->FEditSession.HoldLoading();
        TInplaceEdit::UpdateContents();
    }
    FColE = FGrid->Col();
    FRowE = FGrid->Row();
    const std::u32string mask = utf8::Decode(FGrid->PasswordChar);
    SetPasswordChar(FGrid->EditControl == edPassword && !mask.empty() ? mask[0] : 0);
    FLengthLimit = FGrid->GetEditLimit();
    Workmode = true;
    FTextAlignment = FGrid->ApplyCellLook(*this, FColE, FRowE);
    FGrid->GetEditorProp(FGrid->RealCol(), FRowE, nullptr);
}

// The editor leaves the cell's right and bottom grid lines showing, as the special editors
// do. The text starts where the cell paints it, so that opening the editor moves no text; a
// bottom-aligned cell paints its last line on its bottom edge.
void TExtInplaceEdit::BoundsChanged()
{
    const int mirrored = FGrid->UseRightToLeftAlignment() ? 1 : 0;
    SetBounds(Left() + mirrored, Top(), Width() - 1 - mirrored, Height() - 1);
    const int top = FTextAlignment.Vertical == vtaBottom ? 1 : FGrid->XYOffset.Y + 1;
    static constexpr TTextLayout layouts[] = {tlTop, tlCenter, tlBottom};
    SetTextPlacement({FGrid->XYOffset.X + 1, top}, FTextAlignment.Horizontal,
                     layouts[FTextAlignment.Vertical]);
}

void TExtInplaceEdit::Change()
{
    TInplaceEdit::Change();
    if (!FGrid->FEditSession.Loading() && FGrid->OnEditChange)
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
    FGrid->FollowEditorText(Text());
}

void TExtInplaceEdit::DoChange()
{
    if (Workmode && FGrid->Lookup) CompleteFromList(*this, *FGrid->LookupItems(), FGrid->LookupCaseSensitive);
}

bool TExtInplaceEdit::ValidateForExit()
{
    if (FGrid->ValidateCell(Text())) {
        ShowDecidedText();
        return true;
    }
    ShowDecidedText();
    KeepCaretAfterRefusal();
    return false;
}

// The editor shows what the validation decided, unless that is the cell's own stored form
// of the text it already shows.
void TExtInplaceEdit::ShowDecidedText()
{
    const int realCol = FGrid->RealColIndex(FColE);
    if (FGrid->NewCellText() != FGrid->UneditedToStored(realCol, FRowE, Text()))
        SetText(FGrid->NewCellText());
}

void TExtInplaceEdit::KeepCaretAfterRefusal()
{
    if (FGrid->Navigation()->EditSelectAll)
        SelectAll();
    else
        Deselect();
}

bool TExtInplaceEdit::CtrlEnterBreaksLine() const
{
    return FGrid->Navigation()->AllowCtrlEnter && (FGrid->WordWrap() || FGrid->Multilinecells);
}

bool TExtInplaceEdit::CaretAtEnd() const { return SelLength() == 0 && SelStart() == Length(Text()); }

void TExtInplaceEdit::KeyDown(Word& Key, TShiftState Shift)
{
    FGrid->HideInvalidEntryBalloon();
    FSelKeyDown = SelStart();
    FLastKeyDown = Key;
    const bool ctrl = Shift.Contains(ssCtrl);
    const bool plain = !ctrl && !Shift.Contains(ssShift) && !Shift.Contains(ssAlt);
    const TNavigation& nav = *FGrid->Navigation();
    bool leftTextVertically = false;
    switch (Key) {
    case VK_ESCAPE:
        // One press restores the text from before editing and closes the editor.
        FGrid->CloseInplaceEdit(TEditEnd::Cancelled);
        Key = 0;
        return;
    case 'A':
        if (ctrl && !Shift.Contains(ssAlt)) {
            SelectAll();
            Key = 0;
            return;
        }
        break;
    case VK_TAB:
        if (FGrid->EditorWantsTab()) {
            if (ValidateForExit()) FGrid->TabOutOfEditor(Shift);
            Key = 0;
            return;
        }
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (Shift == TShiftState{ssShift} && nav.CursorWalkEditor &&
            (Key == VK_LEFT ? SelStart() == 0 : SelStart() + SelLength() == Length(Text()))) {
            if (StoreAndValidateForExit()) {
                FGrid->HideInplaceEdit();
                if (FGrid->CanFocus()) FGrid->SetFocus();
            }
            Key = 0;
            return;
        }
        break;
    case VK_UP:
    case VK_DOWN:
        if (!StoreAndValidateForExit()) {
            Key = 0;
            return;
        }
        leftTextVertically = true;
        break;
    case VK_RETURN:
        if (ctrl && !CtrlEnterBreaksLine()) {
            Key = 0;
            return;
        }
        if (!ctrl && !nav.LineFeedOnEnter && !ValidateForExit()) {
            // The Enter character that follows must not close the reopened editor.
            FRefusedReturn = true;
            Key = 0;
            return;
        }
        if (!nav.AllowCtrlEnter && (FGrid->WordWrap() || FGrid->Multilinecells)) FGrid->FEditSession.Settle();
        if (ctrl || Shift.Contains(ssShift)) FGrid->SizeRowToTypedLines(Text());
        break;
    case VK_INSERT:
    case VK_DELETE:
        // Inserting and deleting rows stay the grid's keys while a cell is edited. The value
        // is stored first: the rows move under the editor, which would store it elsewhere.
        if (Key == VK_INSERT ? Shift.Empty() : Shift == TShiftState{ssCtrl}) {
            if (StoreAndValidateForExit()) {
                FGrid->HideInplaceEdit();
                FGrid->Perform(WM_KEYDOWN, Key, ShiftStateToKeyData(Shift));
            }
            Key = 0;
            return;
        }
        break;
    case VK_HOME:
        if (plain) SetSelStart(0);
        break;
    case VK_END:
        if (plain) SetSelStart(Length(Text()));
        break;
    default:
        break;
    }
    Workmode = Key != VK_BACK && Key != VK_DELETE;
    FGrid->EditorKeyDown(Key, Shift);
    TInplaceEdit::KeyDown(Key, Shift);
    if (leftTextVertically && FGrid->MouseActions()->DisjunctRowSelect()) {
        FGrid->ClearRowSelect();
        FGrid->SetRowSelect(FGrid->Row(), true);
    }
}

// The current cell takes the text before it is validated, as for the keys that leave the
// text at its first or last line.
bool TExtInplaceEdit::StoreAndValidateForExit()
{
    {
        const auto validating = FGrid->FEditSession.HoldValidating();
        FGrid->SetCurrentCell(Text());
    }
    return ValidateForExit();
}

// With the cursor walk on, Left at the start and Right at the end of the text stay in the
// editor until released, and then walk into the neighbouring cell.
bool TExtInplaceEdit::ForGrid(Word Key, TShiftState Shift) const
{
    if ((Key == VK_LEFT || Key == VK_RIGHT) && !Shift.Contains(ssCtrl) && FGrid->Navigation()->CursorWalkEditor)
        return false;
    return TInplaceEdit::ForGrid(Key, Shift);
}

void TExtInplaceEdit::KeyUp(Word& Key, TShiftState Shift)
{
    if (FGrid->WalkOutOfEditor(Key, Shift, {SelStart(), SelLength(), Length(Text()), FSelKeyDown}, Text())) {
        Key = 0;
        return;
    }
    if (Key == VK_LEFT || Key == VK_RIGHT) return;
    TInplaceEdit::KeyUp(Key, Shift);
    DoChange();
    if (Visible()) FGrid->SizeToTypedText(Text());
}

bool TExtInplaceEdit::FilterChar(char32_t& Ch, bool Ctrl)
{
    if (Ch == 1 && Ctrl) return false;
    if (Ch == 10 && Ctrl && !CtrlEnterBreaksLine()) return false;
    const bool atLimit = FLengthLimit > 0 && Length(Text()) >= FLengthLimit && SelLength() == 0;
    if (atLimit && Ch != VK_BACK && Ch != VK_ESCAPE && Ch != VK_RETURN) return false;
    TTypedChar typed{FGrid->EditControl, Text(), SelStart(), SelLength(), Ch, Ctrl, FGrid->ValidChars};
    const TCharFilterResult result = FilterTypedChar(typed);
    if (result.Verdict == TCharVerdict::Beep) Beep();
    if (result.Verdict != TCharVerdict::Pass) return false;
    Ch = result.Ch;
    return true;
}

// Kinds whose Enter breaks the line while Navigation.LineFeedOnEnter is on.
bool TExtInplaceEdit::EnterBreaksLine() const
{
    if (!FGrid->Navigation()->LineFeedOnEnter) return false;
    switch (FGrid->EditControl) {
    case edNormal:
    case edCapital:
    case edMixedCase:
    case edLowerCase:
    case edUpperCase:
    case edValidChars:
        return true;
    default:
        return false;
    }
}

void TExtInplaceEdit::WMChar(TMessage& Message)
{
    auto ch = static_cast<char32_t>(Message.WParam);
    if (std::exchange(FRefusedReturn, false) && ch == U'\r') return;
    const bool ctrl = KeyDataToShiftState(Message.LParam).Contains(ssCtrl);
    // The keypad's decimal key types "." whatever the locale.
    if (FGrid->ExcelStyleDecimalSeparator && ch == U'.' && FLastKeyDown == VK_DECIMAL) ch = DecimalSeparatorChar();
    if (ch == U'\r' && !ctrl && EnterBreaksLine()) {
        SetSelText("\r\n");
        return;
    }
    if (!FilterChar(ch, ctrl)) return;
    Message.WParam = ch;
    TInplaceEdit::WMChar(Message);
    if (FGrid->EditControl == edMixedCase && ch >= 32) {
        const int caret = SelStart();
        SetText(CapitalizeName(Text()));
        SetSelStart(caret);
    }
    if (ch >= 32 && Visible() && FilledToAdvance()) {
        char32_t enter = U'\r';
        FGrid->KeyPress(enter);
    }
}

// With Navigation.AdvanceAuto, a text that fills its length limit or its edit mask moves
// the focus on as Enter does.
bool TExtInplaceEdit::FilledToAdvance() const
{
    const TNavigation& nav = *FGrid->Navigation();
    if (!nav.AdvanceAuto() || !CaretAtEnd()) return false;
    const std::string text = Text();
    if (!EditMask().empty()) return text.find(' ') == std::string::npos;
    const int limit = FGrid->GetEditLimit();
    return nav.AdvanceOnEnter && limit > 0 && Length(text) == limit;
}

void TExtInplaceEdit::WMLButtonDblClk(TMessage& Message)
{
    TInplaceEdit::WMLButtonDblClk(Message);
    if (FGrid->OnDblClickCell) FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

void TExtInplaceEdit::WMGetDlgCode(TMessage& Message)
{
    TInplaceEdit::WMGetDlgCode(Message);
    if (FGrid->EditorWantsTab()) Message.Result |= DLGC_WANTTAB;
}

void TExtInplaceEdit::WMSetFocus(TMessage& Message)
{
    TInplaceEdit::WMSetFocus(Message);
    FGotFocus = true;
    FLengthLimit = FGrid->GetEditLimit();
    // Typing over a mask starts at its first character rather than replacing the whole mask.
    if (!EditMask().empty() && FGrid->Navigation()->ImproveMaskSel && !FGrid->LButFlg) {
        SetSelStart(0);
        SetSelLength(1);
        return;
    }
    if (!FGrid->Navigation()->EditSelectAll) Deselect();
    TPoint pressed;
    if (FGrid->TakeClickCaretPoint(*this, pressed)) SetSelStart(CharAtPoint(pressed));
}

void TExtInplaceEdit::WMKillFocus(TMessage& Message)
{
    FGrid->FStartEditChar = 0;
    if (FGrid->LookupHistory && !Text().empty() && FGrid->LookupItems()->IndexOf(Text()) < 0)
        FGrid->LookupItems()->Add(Text());
    FGrid->EditorKeyStateChanged(false);
    TInplaceEdit::WMKillFocus(Message);
    if (FGrid->ComponentState().Contains(csDestroying) || FAltBack) return;
    auto* target = reinterpret_cast<TWinControl*>(Message.WParam);
    if (target != FGrid && FGrid->EditorMode()) {
        // The value of an editor left for another window is validated and stored here.
        try {
            FGrid->ValidateCell(Text());
            const auto loading = FGrid->FEditSession.HoldLoading();
            SetText(FGrid->CurrentCell());
        } catch (...) {
            FGrid->HideInplaceEdit();
            FGrid->FEditSession.Settle();
            throw;
        }
        FGrid->HideInplaceEdit();
        FGrid->FEditSession.Settle();
        FGrid->EditMode = false;
    }
    FGrid->DoSelChange(Text(), {-1, -1}, -1);
    if (FGotFocus) {
        FGotFocus = false;
        FGrid->EditingDone(FGrid->RealColIndex(FColE), FRowE);
    }
}

bool TExtInplaceEdit::ClipboardAllowed(const std::function<void(TObject*, bool&)>& Event)
{
    bool allow = true;
    if (Event) Event(this, allow);
    return allow;
}

void TExtInplaceEdit::Paste()
{
    const TEditorType kind = FGrid->EditControl;
    const std::string& validChars = FGrid->ValidChars;
    const bool pasted = PasteIntoCellEditor(
        *this, *FGrid, FLengthLimit,
        [kind, &validChars](std::string& Text) { return AcceptPastedText(kind, validChars, Text); });
    if (pasted && FGrid->OnClipboardAfterPasteCell)
        FGrid->OnClipboardAfterPasteCell(this, FGrid->Col(), FGrid->Row(), Text());
}

void TExtInplaceEdit::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_PASTE:
        Paste();
        return;
    case WM_COPY:
        if (!ClipboardAllowed(FGrid->OnClipboardCopy)) return;
        break;
    case WM_CUT:
        if (!ClipboardAllowed(FGrid->OnClipboardCut)) return;
        break;
    case WM_KEYDOWN:
        FGrid->EditorWMKeyDown(Message);
        break;
    case WM_KEYUP:
        TInplaceEdit::WndProc(Message);
        if (SelStart() > 0) FGrid->DoSelChange(Text(), PosFromChar(SelStart() - 1), SelStart());
        FGrid->EditorKeyStateChanged(Text().starts_with('='));
        return;
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        if (Message.WParam == VK_BACK) FAltBack = Message.Msg == WM_SYSKEYDOWN;
        break;
    default:
        break;
    }
    TInplaceEdit::WndProc(Message);
}
