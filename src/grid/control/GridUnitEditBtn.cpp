#include "grid/control/GridUnitEditBtn.h"

#include "grid/control/EditorCharFilter.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/Navigation.h"

TGridUnitEditBtn::TGridUnitEditBtn(TExtStringGrid* AGrid) : TEsgUnitEditBtn(AGrid), FGrid(AGrid)
{
    SetButtonCaption("...");
    SetBorderStyle(bsNone);
}

void TGridUnitEditBtn::ButtonClick(TObject*)
{
    SetText(FGrid->DoEllipsClick(Text()));
    SelectAll();
    Invalidate();
}

void TGridUnitEditBtn::DoExit()
{
    FGrid->SpecialEditorLeft();
    TEsgUnitEditBtn::DoExit();
}

void TGridUnitEditBtn::WMGetDlgCode(TMessage& Message)
{
    TEsgUnitEditBtn::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTALLKEYS;
    if (FGrid->Options().Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
}

void TGridUnitEditBtn::WMChar(TMessage& Message)
{
    const auto ch = static_cast<char32_t>(Message.WParam);
    if (ch == U'\r') return;
    if (PassesTypingRule(TypingRuleOf(FGrid->EditControl), *this, Message)) TEsgUnitEditBtn::WMChar(Message);
}

void TGridUnitEditBtn::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_PRIOR && Key != VK_NEXT &&
        Key != VK_UP && Key != VK_DOWN) {
        TEsgUnitEditBtn::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        if (!FGrid->StoreAndValidate(TextAndUnit())) {
            SetText(FGrid->CurrentCell());
            Key = 0;
            return;
        }
        SetTextAndUnit(FGrid->CurrentCell());
    }
    if (Key == VK_RETURN && FGrid->Navigation()->AdvanceOnEnter) {
        FGrid->DoneInplaceEdit(0, Shift);
        Key = 0;
        FGrid->AdvanceEditPosition(FGrid->Col(), FGrid->Row(), true, false, true, true, false);
        return;
    }
    if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
        FGrid->TabOutOfEditor(Shift);
        Key = 0;
        return;
    }
    if (Key == VK_ESCAPE)
        FGrid->CancelEditControl();
    else
        FGrid->DoneInplaceEdit(Key, Shift);
    Key = 0;
}
