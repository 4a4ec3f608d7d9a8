#include "grid/control/CellFormControls.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/markup/HtmlControlTags.h"
#include "grid/foundation/markup/HtmlDraw.h"
#include "grid/foundation/model/Navigation.h"

// The editors of the form controls written in a cell's markup: an edit box for EDIT,
// PASSWORD and MASK controls, a combo for COMBO controls. What the user enters goes back
// into the control's VALUE in the cell text when the editor closes.

namespace {

// Default drop-down length of a control combo until OnControlComboList says otherwise.
constexpr int kControlComboDropCount = 8;
// The edit box sits inside the drawn control, below its frame.
constexpr int kControlEditTopInset = 8;
constexpr int kControlEditHeight = 14;
constexpr int kControlComboTopInset = 4;

bool IsTextControlType(const std::string& CtrlType)
{
    return CtrlType == "EDIT" || CtrlType == "PASSWORD" || CtrlType == "MASK";
}

template <typename TEditor> TEditor* HiddenFormControlEditor(TEditor*& Field, TExtStringGrid* Grid)
{
    if (!Field) {
        Field = new TEditor(Grid);
        Field->SetVisible(false);
        Field->SetParent(Grid);
        Field->OnExit = [Grid](TObject*) { Grid->EndControlEdit(); };
    }
    return Field;
}

} // namespace

TControlEdit* TExtStringGrid::EditControlBox() { return HiddenFormControlEditor(FEditControl, this); }

TControlCombo* TExtStringGrid::ComboControlBox()
{
    if (!FComboControl)
        HiddenFormControlEditor(FComboControl, this)->OnSelect = [this](TObject* Sender) {
            ControlComboSelect(Sender);
        };
    return FComboControl;
}

void TExtStringGrid::StartControlEdit(const std::string& Text, const std::string& CtrlType, int ARow,
                                      int RealCol, int ACol, const TRect& CtrlRect,
                                      const std::string& CtrlVal, const std::string& CtrlID)
{
    const bool textControl = IsTextControlType(CtrlType);
    if (!textControl && CtrlType != "COMBO") return;
    if (FCtrlEditing) EndControlEdit();
    FCtrlXY = {RealCol, ARow};
    FCtrlID = CtrlID;
    FCtrlType = CtrlType;
    FCtrlEditing = true;
    const int maxLength = GetControlMaxLen(Text, CtrlID);
    TWinControl* editor = nullptr;
    if (textControl) {
        TControlEdit* edit = EditControlBox();
        edit->SetPasswordChar(CtrlType == "PASSWORD" ? U'*' : 0);
        edit->SetEditMask(CtrlType == "MASK" ? GetControlProp(Text, CtrlID) : "");
        edit->SetText(CtrlVal);
        edit->SetBorderStyle(bsNone);
        edit->SetBounds(CtrlRect.Left + 1, CtrlRect.Top + kControlEditTopInset, CtrlRect.Width() - 4,
                        kControlEditHeight);
        edit->SetMaxLength(maxLength);
        editor = edit;
    } else {
        TControlCombo* combo = ComboControlBox();
        combo->SetFlat(false);
        combo->Items()->Clear();
        bool edit = true;
        int dropCount = kControlComboDropCount;
        if (OnControlComboList)
            OnControlComboList(this, ARow, ACol, CtrlID, CtrlType, CtrlVal, combo->Items(), edit, dropCount);
        combo->SetStyle(edit ? csDropDown : csDropDownList);
        // A value outside the items shows as text with no item chosen.
        int index = -1;
        for (int i = 0; i < combo->Items()->Count() && index < 0; ++i)
            if (combo->Items()->Strings(i) == CtrlVal) index = i;
        combo->SetItemIndex(index);
        combo->SetText(CtrlVal);
        combo->SetDropDownCount(dropCount);
        combo->SetBounds(CtrlRect.Left - 1, CtrlRect.Top + kControlComboTopInset, CtrlRect.Width(),
                         combo->ItemHeight() * (dropCount + 2));
        combo->SetMaxLength(maxLength);
        editor = combo;
    }
    editor->Show();
    editor->BringToFront();
    if (editor->CanFocus()) editor->SetFocus();
    if (editor == FComboControl) FComboControl->SetDroppedDown(true);
}

void TExtStringGrid::EndControlEdit()
{
    if (!FCtrlEditing) return;
    FCtrlEditing = false;
    TWinControl* editor = nullptr;
    if (IsTextControlType(FCtrlType))
        editor = FEditControl;
    else if (FCtrlType == "COMBO")
        editor = FComboControl;
    if (!editor) return;
    const std::string value = editor->Text();
    std::string text = Cells(FCtrlXY.X, FCtrlXY.Y);
    if (SetControlValue(text, FCtrlID, value)) SetCells(FCtrlXY.X, FCtrlXY.Y, text);
    editor->Hide();
    if (OnControlEditDone) OnControlEditDone(this, FCtrlXY.Y, FCtrlXY.X, FCtrlID, FCtrlType, value);
    FCtrlType.clear();
}

void TExtStringGrid::ControlComboSelect(TObject*)
{
    if (!OnControlComboSelect || !FComboControl) return;
    const int index = FComboControl->ItemIndex();
    const std::string item = index >= 0 ? FComboControl->Items()->Strings(index) : FComboControl->Text();
    OnControlComboSelect(this, FCtrlXY.Y, FCtrlXY.X, index, FCtrlID, item);
}

void TExtStringGrid::FormControlKey(char32_t& Key)
{
    const bool tab = Key == U'\t';
    Key = 0;
    const std::string id = FCtrlID;
    EndControlEdit();
    if (!tab) {
        SetFocus();
    } else if (Navigation()->AdvanceAuto()) {
        SetFocus();
        AdvanceEditPosition(Col(), Row(), true, false, true, true, false);
    } else {
        FocusNextCellControl(Col(), Row(), id);
    }
}

void TExtStringGrid::FocusNextCellControl(int ACol, int ARow, const std::string& ID)
{
    const int realCol = RealColIndex(ACol);
    const std::string text = GridCells(realCol, ARow);
    const std::string next = GetNextEditableControl(text, ID);
    if (next.empty()) {
        SetFocus();
        return;
    }
    const THtmlDrawResult hit = CellMarkupHit(ACol, ARow, text, {-1, -1}, next);
    if (!hit.Hit) {
        SetFocus();
        return;
    }
    StartControlEdit(text, hit.ControlType, ARow, realCol, ACol, hit.HitControlRect, hit.ControlValue, next);
}
