#include <utility>

#include "grid/control/DropDownCellEditing.h"
#include "grid/control/ExtRichEdit.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/GridCheckBox.h"
#include "grid/control/GridCombo.h"
#include "grid/control/GridDatePicker.h"
#include "grid/control/GridDateTimePicker.h"
#include "grid/control/GridEditBtn.h"
#include "grid/control/GridSpin.h"
#include "grid/control/GridUnitEditBtn.h"
#include "grid/control/ValueHold.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "grid/foundation/text/NumberText.h"
#include "platform/rtl/DateFormat.h"
#include "platform/rtl/SysUtils.h"

// The special editors: shown over the cell, filled with its value, and read back into it.

namespace {

// Made on first use, owned by the grid and hidden and disabled while idle.
template <typename TEditor> TEditor* IdleEditor(TEditor*& Field, TExtStringGrid* Grid)
{
    if (!Field) {
        Field = new TEditor(Grid);
        Field->SetVisible(false);
        Field->SetEnabled(false);
        Field->SetParent(Grid);
    }
    return Field;
}

} // namespace

TGridCombo* TExtStringGrid::EditCombo() { return IdleEditor(FEditCombo, this); }

TGridEditBtn* TExtStringGrid::EditBtn() { return IdleEditor(FEditBtn, this); }

TGridSpin* TExtStringGrid::SpinEdit() { return IdleEditor(FEditSpin, this); }

TGridUnitEditBtn* TExtStringGrid::UnitEditBtn() { return IdleEditor(FUnitEditBtn, this); }

TGridCheckBox* TExtStringGrid::EditCheck() { return IdleEditor(FEditCheck, this); }

TGridDatePicker* TExtStringGrid::DatePicker() { return IdleEditor(FEditDate, this); }

TGridDateTimePicker* TExtStringGrid::DateAndTimePicker() { return IdleEditor(FEditDateTime, this); }

TGridButton* TExtStringGrid::GridButton()
{
    if (!FGridButton) IdleEditor(FGridButton, this)->OnClick = [this](TObject*) { GridButtonClick(); };
    return FGridButton;
}

TEditorTextAlignment TExtStringGrid::ApplyCellLook(TWinControl& Editor, int ACol, int ARow)
{
    TBrush brush;
    brush.SetColor(Color());
    TFont font;
    font.Assign(*Font());
    TGridDrawState state;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment horizontal = taLeftJustify;
    TVAlignment vertical = VAlignment;
    bool wrap = WordWrap();
    TCellGradientDirection gradient = GradientVertical;
    GetVisualProperties(ACol, ARow, state, false, false, true, &brush, colorTo, mirror, mirrorTo, &font, horizontal,
                        vertical, wrap, gradient);
    Editor.SetColor(brush.Color());
    Editor.SetFont(&font);
    return {horizontal, vertical};
}

void TExtStringGrid::PresentEditor(TWinControl* Editor, const TRect& Rect)
{
    Editor->SetBounds(Rect.Left, Rect.Top, Rect.Width() - 1, Rect.Height() - 1);
    Editor->SetEnabled(true);
    ApplyCellLook(*Editor, Col(), Row());
    Editor->SetVisible(true);
    if (Editor->CanFocus()) Editor->SetFocus();
    EditCtrl = Editor;
    EditMode = true;
    if (FStartEditChar != 0) PostMessage(Editor, WM_CHAR, FStartEditChar, 0);
}

// The focus goes back to the grid before the editor hides, so that hiding it moves no focus.
void TExtStringGrid::CloseEditor(TWinControl* Editor)
{
    if (Editor->Focused() && CanFocus()) {
        const bool blocked = FBlockFocus;
        FBlockFocus = true;
        SetFocus();
        FBlockFocus = blocked;
    }
    Editor->SetVisible(false);
    Editor->SetEnabled(false);
}

void TExtStringGrid::ShowEditControl(int ACol, int ARow)
{
    FEditing = FSpecialEditor = FEditActive = true;
    TRect rect = CellRect(ACol, ARow);
    if (UseRightToLeftAlignment()) ++rect.Left;
    EditCtrl = nullptr;
    if (EditControl != edCustom) FLastValidation = true;
    const int realCol = RealColIndex(ACol);
    switch (EditControl) {
    case edComboEdit:
    case edComboList:
        ShowComboEditor(rect, realCol, ARow);
        break;
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn: {
        TValueHold<bool> loading(FEditStart, true);
        ShowEditBtnEditor(rect, realCol, ARow);
        break;
    }
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit: {
        TValueHold<bool> loading(FEditStart, true);
        ShowSpinEditor(rect, realCol, ARow);
        break;
    }
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn:
        ShowUnitEditor(rect, realCol, ARow);
        break;
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit:
        ShowDatePicker(rect, realCol, ARow);
        break;
    case edDateTimeEdit:
        ShowDateTimePicker(rect, realCol, ARow);
        break;
    case edCheckBox:
        EditCheck()->SetCaption(GetEditText(Col(), ARow));
        EditCheck()->SetState(cbUnchecked);
        FStartEditChar = 0;
        PresentEditor(FEditCheck, rect);
        // The check box is no value editor of the cell.
        EditCtrl = nullptr;
        break;
    case edButton:
        GridButton()->SetCaption(GetEditText(Col(), ARow));
        FStartEditChar = 0;
        PresentEditor(FGridButton, {rect.Left - 1, rect.Top - 1, rect.Right + 1, rect.Bottom + 1});
        break;
    case edCustom:
        ShowEditLink(rect, realCol, ARow);
        break;
    case edRichEdit:
        ShowRichEditor(rect, realCol, ARow);
        break;
    default:
        if (IDropDownCellEditing* DropDowns = DropDownCellEditing();
            DropDowns && DropDowns->Show(EditControl, rect, realCol, ARow))
            break;
        // A kind without an editor leaves the cell unedited.
        FSpecialEditor = FEditActive = false;
        EditMode = false;
        break;
    }
    FStartEditChar = 0;
}

void TExtStringGrid::ShowComboEditor(const TRect& Rect, int RealCol, int ARow)
{
    TGridCombo* combo = EditCombo();
    const bool list = EditControl == edComboList;
    combo->SetDropDownCount(ControlLook()->DropDownCount);
    GetEditorProp(RealCol, ARow, nullptr);
    combo->SetStyle(list ? csDropDownList : csDropDown);
    combo->SetBounds(Rect.Left, Rect.Top, Rect.Width() - 1, Rect.Height() - 1);
    const std::string editText = GetEditText(Col(), ARow);
    if (list) {
        // A value that is not in the list stays as it is until the user picks an item.
        int index = combo->Items()->IndexOf(GridCells(RealCol, ARow));
        if (index < 0 && ComboIdx == -1) index = combo->Items()->IndexOf(editText);
        if (index < 0 && ComboIdx >= 0) index = ComboIdx;
        combo->SetItemIndex(index);
    } else {
        combo->SetText(editText);
        if (ComboIdx != -1 && combo->ItemIndex() < 0) combo->SetItemIndex(ComboIdx);
        combo->SetMaxLength(MaxComboLength);
    }
    const bool flatLook = FLook == glSoft || FLook == glSuite || FLook == glXP || FLook == glListView ||
                          FLook == glVista || FLook == glWin7 || FLook == glOffice2007;
    combo->SetFlat(flatLook);
    combo->SetEtched(flatLook);
    combo->SetEnabled(true);
    ApplyCellLook(*combo, Col(), ARow);
    combo->SetVisible(true);
    if (Navigation()->AutoComboDropSize) combo->SizeDropDownWidth();
    if (combo->CanFocus()) combo->SetFocus();
    if (MouseActions()->DirectComboDrop || ControlLook()->DropDownAlwaysVisible())
        combo->SetDroppedDown(true);
    EditCtrl = combo;
    EditMode = true;
    if (FStartEditChar != 0) PostMessage(combo, WM_CHAR, FStartEditChar, 0);
}

void TExtStringGrid::ShowEditBtnEditor(const TRect& Rect, int, int ARow)
{
    TGridEditBtn* editor = EditBtn();
    editor->SetText(GetEditText(Col(), ARow));
    editor->SetMaxLength(GetEditLimit());
    editor->SetEditMask(EditControl == edMaskEditBtn ? GetEditMask(Col(), ARow) : "");
    PresentEditor(editor, Rect);
}

void TExtStringGrid::ShowSpinEditor(const TRect& Rect, int RealCol, int ARow)
{
    TGridSpin* spin = SpinEdit();
    spin->SetExcelStyleDecimalSeparator(ExcelStyleDecimalSeparator);
    GetEditorProp(RealCol, ARow, nullptr);
    const std::string text = GetEditText(Col(), ARow);
    switch (EditControl) {
    case edSpinEdit:
        spin->SetSpinType(sptNormal);
        spin->SetValue(StrToIntDef(text, 0));
        break;
    case edFloatSpinEdit: {
        spin->SetSpinType(sptFloat);
        double value = 0;
        spin->SetFloatValue(TryStrToFloat(NormalizeNumberText(text), value) ? value : 0);
        break;
    }
    case edTimeSpinEdit:
        spin->SetSpinType(sptTime);
        spin->SetText(text);
        break;
    default: {
        spin->SetSpinType(sptDate);
        TDateTime date = 0;
        spin->SetDateValue(TryStrToDate(text, date) ? date : Now());
        break;
    }
    }
    PresentEditor(spin, Rect);
    // The press that opened the editor hit a spin button drawn in the cell: it counts once.
    const bool up = std::exchange(FSpinUpClick, false), down = std::exchange(FSpinDnClick, false);
    if (up) spin->UpClick(spin);
    if (down) spin->DownClick(spin);
}

void TExtStringGrid::ShowUnitEditor(const TRect& Rect, int RealCol, int ARow)
{
    TGridUnitEditBtn* editor = UnitEditBtn();
    editor->SetMaxLength(GetEditLimit());
    editor->SetUnitID("");
    editor->SetText("");
    // The units the application gives decide the split, so they come first.
    GetEditorProp(RealCol, ARow, nullptr);
    const std::string text = GetEditText(Col(), ARow);
    editor->SetTextAndUnit(text);
    // A text with no known unit stays whole rather than being lost.
    if (editor->TextAndUnit() != text) {
        editor->SetUnitID("");
        editor->SetText(text);
    }
    PresentEditor(editor, Rect);
}

void TExtStringGrid::ShowDatePicker(const TRect& Rect, int RealCol, int ARow)
{
    TGridDatePicker* picker = DatePicker();
    picker->SetKind(EditControl == edTimeEdit ? dtkTime : dtkDate);
    picker->SetDateMode(EditControl == edDateEditUpDown ? dmUpDown : dmComboBox);
    picker->LoadCellText(GetEditText(Col(), ARow));
    GetEditorProp(RealCol, ARow, nullptr);
    PresentEditor(picker, Rect);
    if (EditControl != edTimeEdit && MouseActions()->DirectDateDrop) picker->Perform(WM_KEYDOWN, VK_F4, 0);
}

void TExtStringGrid::ShowDateTimePicker(const TRect& Rect, int RealCol, int ARow)
{
    TGridDateTimePicker* picker = DateAndTimePicker();
    FOriginalDateTime = TGridDateTimePicker::ReadCellText(GetEditText(Col(), ARow));
    picker->SetDateTime(FOriginalDateTime);
    // Closing unchanged keeps the cell's own text, which may be written differently.
    FLoadedEditText = TGridDateTimePicker::CellText(picker->DateTime());
    picker->SetBorderStyle(bsNone);
    GetEditorProp(RealCol, ARow, nullptr);
    FStartEditChar = 0;
    PresentEditor(picker, Rect);
    // It is no text editor of the cell.
    EditCtrl = nullptr;
}

void TExtStringGrid::StoreSpinValue(int RealCol, int ARow)
{
    switch (EditControl) {
    case edSpinEdit:
        SetEditTextEx(RealCol, ARow, std::to_string(FEditSpin->Value()));
        break;
    case edFloatSpinEdit:
        SetFloats(RealCol, ARow, FEditSpin->FloatValue());
        break;
    case edTimeSpinEdit:
        SetEditTextEx(RealCol, ARow, FEditSpin->Text());
        break;
    default: {
        const TDateTime date = FEditSpin->DateValue();
        SetEditTextEx(RealCol, ARow, date > 0 || ShowNullDates ? DateToStr(date) : "");
        break;
    }
    }
}

void TExtStringGrid::HideEditControl(int ACol, int ARow)
{
    if (ComponentState().Contains(csDestroying)) return;
    FSpecialEditor = false;
    FBlockKill = true;
    const int realCol = RealColIndex(ACol);
    FStartEditChar = 0;
    switch (EditControl) {
    case edComboEdit:
    case edComboList:
        if (EditMode && FEditCombo) {
            EditMode = false;
            // A list combo on which nothing was picked leaves the cell alone.
            if (FEditCombo->Picked()) SetEditTextEx(realCol, ARow, FEditCombo->Text());
            CloseEditor(FEditCombo);
        }
        break;
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn:
        if (EditMode && FEditBtn) {
            EditMode = false;
            SetEditTextEx(realCol, ARow, FEditBtn->Text());
            CloseEditor(FEditBtn);
        }
        break;
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit:
        if (FEditSpin) {
            EditMode = false;
            if (FEditSpin->AllowEmptyValue() && Trim(FEditSpin->Text()).empty())
                SetCells(realCol, ARow, "");
            else
                StoreSpinValue(realCol, ARow);
            CloseEditor(FEditSpin);
        }
        break;
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn:
        if (FUnitEditBtn) {
            SetEditTextEx(realCol, ARow, FUnitEditBtn->TextAndUnit());
            CloseEditor(FUnitEditBtn);
            EditMode = false;
        }
        break;
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit:
        if (FEditDate) {
            // A cleared check box of the picker means no date.
            SetEditTextEx(realCol, ARow, FEditDate->Checked() ? FEditDate->Text() : "");
            CloseEditor(FEditDate);
            EditMode = false;
        }
        break;
    case edDateTimeEdit:
        if (FEditDateTime) {
            SetEditTextEx(realCol, ARow,
                          FEditDateTime->Checked() ? TGridDateTimePicker::CellText(FEditDateTime->DateTime()) : "");
            CloseEditor(FEditDateTime);
            EditMode = false;
        }
        break;
    case edCheckBox:
        if (FEditCheck) CloseEditor(FEditCheck);
        EditMode = false;
        break;
    case edButton:
        if (FGridButton) CloseEditor(FGridButton);
        EditMode = false;
        break;
    case edCustom:
        HideEditLink(realCol, ARow);
        break;
    case edRichEdit:
        if (FInplaceRichEdit) {
            EditMode = false;
            // An unchanged document keeps what the rich edit cannot show (fonts, tables).
            if (FInplaceRichEdit->Modified()) RichToCell(realCol, ARow, FInplaceRichEdit);
            CloseEditor(FInplaceRichEdit);
        }
        break;
    default:
        if (FDropDownCellEditing) FDropDownCellEditing->Hide(realCol, ARow);
        break;
    }
    FLoadedEditCell = {-1, -1};
    if (EditControl != edNormal && FEditActive) EditingDone(realCol, ARow);
    FBlockKill = false;
    FEditActive = false;
}
