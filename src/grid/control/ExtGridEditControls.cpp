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
#include "grid/control/editing/EditorKinds.h"
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
        const auto refocus = FEditSession.HoldRefocus();
        SetFocus();
    }
    Editor->SetVisible(false);
    Editor->SetEnabled(false);
}

// How the grid shows each family's control over the cell, reads its value back and closes
// it. Store is empty for the editors that store nothing; a family without a Control closes
// itself in Release, which also stores its value (the editor link and the drop-downs).
struct TExtStringGrid::TEditorRow {
    void (*Show)(TExtStringGrid&, const TRect&, int RealCol, int ARow);
    void (*Store)(TExtStringGrid&, int RealCol, int ARow);
    TWinControl* (*Control)(const TExtStringGrid&);
    void (*Release)(TExtStringGrid&, int RealCol, int ARow);
};

const TExtStringGrid::TEditorRow& TExtStringGrid::EditorRow(TEditorType Kind)
{
    using G = TExtStringGrid;
    static const TEditorRow none{[](G& g, const TRect&, int, int) { g.ShowNoEditor(); }, nullptr, nullptr, nullptr};
    static const TEditorRow spin{[](G& g, const TRect& r, int c, int row) { g.ShowSpinEditor(r, c, row); },
                                 [](G& g, int c, int row) { g.StoreSpinValue(c, row); },
                                 [](const G& g) -> TWinControl* { return g.FEditSpin; }, nullptr};
    static const TEditorRow combo{[](G& g, const TRect& r, int c, int row) { g.ShowComboEditor(r, c, row); },
                                  [](G& g, int c, int row) {
                                      // A list combo on which nothing was picked leaves the cell alone.
                                      if (g.EditMode && g.FEditCombo->Picked())
                                          g.SetEditTextEx(c, row, g.FEditCombo->Text());
                                  },
                                  [](const G& g) -> TWinControl* { return g.FEditCombo; }, nullptr};
    static const TEditorRow editBtn{[](G& g, const TRect& r, int c, int row) { g.ShowEditBtnEditor(r, c, row); },
                                    [](G& g, int c, int row) {
                                        if (g.EditMode) g.SetEditTextEx(c, row, g.FEditBtn->Text());
                                    },
                                    [](const G& g) -> TWinControl* { return g.FEditBtn; }, nullptr};
    static const TEditorRow unit{[](G& g, const TRect& r, int c, int row) { g.ShowUnitEditor(r, c, row); },
                                 [](G& g, int c, int row) { g.SetEditTextEx(c, row, g.FUnitEditBtn->TextAndUnit()); },
                                 [](const G& g) -> TWinControl* { return g.FUnitEditBtn; }, nullptr};
    static const TEditorRow check{[](G& g, const TRect& r, int c, int row) { g.ShowCheckEditor(r, c, row); },
                                  nullptr, [](const G& g) -> TWinControl* { return g.FEditCheck; }, nullptr};
    static const TEditorRow button{[](G& g, const TRect& r, int c, int row) { g.ShowButtonEditor(r, c, row); },
                                   nullptr, [](const G& g) -> TWinControl* { return g.FGridButton; }, nullptr};
    static const TEditorRow date{[](G& g, const TRect& r, int c, int row) { g.ShowDatePicker(r, c, row); },
                                 [](G& g, int c, int row) { g.StoreDatePickerValue(c, row); },
                                 [](const G& g) -> TWinControl* { return g.FEditDate; }, nullptr};
    static const TEditorRow dateTime{
        [](G& g, const TRect& r, int c, int row) { g.ShowDateTimePicker(r, c, row); },
        [](G& g, int c, int row) { g.StoreDateTimePickerValue(c, row); },
        [](const G& g) -> TWinControl* { return g.FEditDateTime; }, nullptr};
    static const TEditorRow rich{[](G& g, const TRect& r, int c, int row) { g.ShowRichEditor(r, c, row); },
                                 [](G& g, int c, int row) { g.StoreRichEditValue(c, row); },
                                 [](const G& g) -> TWinControl* { return g.FInplaceRichEdit; }, nullptr};
    static const TEditorRow custom{[](G& g, const TRect& r, int c, int row) { g.ShowEditLink(r, c, row); }, nullptr,
                                   nullptr, [](G& g, int c, int row) { g.HideEditLink(c, row); }};
    static const TEditorRow dropDown{
        [](G& g, const TRect& r, int c, int row) {
            IDropDownCellEditing* dropDowns = g.DropDownCellEditing();
            if (!dropDowns || !dropDowns->Show(g.EditControl, r, c, row)) g.ShowNoEditor();
        },
        nullptr, nullptr,
        [](G& g, int c, int row) {
            if (g.FDropDownCellEditing) g.FDropDownCellEditing->Hide(c, row);
        }};
    switch (EditorKindOf(Kind).Family) {
    case TEditorFamily::Spin:
        return spin;
    case TEditorFamily::Combo:
        return combo;
    case TEditorFamily::EditBtn:
        return editBtn;
    case TEditorFamily::UnitEditBtn:
        return unit;
    case TEditorFamily::CheckBox:
        return check;
    case TEditorFamily::Button:
        return button;
    case TEditorFamily::DatePicker:
        return date;
    case TEditorFamily::DateTimePicker:
        return dateTime;
    case TEditorFamily::RichEdit:
        return rich;
    case TEditorFamily::Custom:
        return custom;
    case TEditorFamily::DropDown:
        return dropDown;
    case TEditorFamily::None:
    case TEditorFamily::Text:
        break;
    }
    return none;
}

void TExtStringGrid::ShowEditControl(int ACol, int ARow)
{
    FEditSession.Begin(EditControl, StoredCellOf({TRealCol(RealColIndex(ACol)), TDisplRow(ARow)}));
    TRect rect = CellRect(ACol, ARow);
    if (UseRightToLeftAlignment()) ++rect.Left;
    EditCtrl = nullptr;
    {
        // Loading the editor is no typing the cell follows.
        const auto loading = FEditSession.HoldLoading();
        EditorRow(EditControl).Show(*this, rect, RealColIndex(ACol), ARow);
    }
    FStartEditChar = 0;
}

void TExtStringGrid::ShowNoEditor()
{
    FEditSession.End(TEditEnd::Cancelled, {});
    EditMode = false;
}

void TExtStringGrid::ShowCheckEditor(const TRect& Rect, int, int ARow)
{
    EditCheck()->SetCaption(GetEditText(Col(), ARow));
    EditCheck()->SetState(cbUnchecked);
    FStartEditChar = 0;
    PresentEditor(FEditCheck, Rect);
    // The check box is no value editor of the cell.
    EditCtrl = nullptr;
}

void TExtStringGrid::ShowButtonEditor(const TRect& Rect, int, int ARow)
{
    GridButton()->SetCaption(GetEditText(Col(), ARow));
    FStartEditChar = 0;
    PresentEditor(FGridButton, {Rect.Left - 1, Rect.Top - 1, Rect.Right + 1, Rect.Bottom + 1});
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
    picker->SetDateTime(TGridDateTimePicker::ReadCellText(GetEditText(Col(), ARow)));
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
    if (FEditSpin->AllowEmptyValue() && Trim(FEditSpin->Text()).empty()) {
        SetCells(RealCol, ARow, "");
        return;
    }
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

void TExtStringGrid::StoreDatePickerValue(int RealCol, int ARow)
{
    // A cleared check box of the picker means no date.
    SetEditTextEx(RealCol, ARow, FEditDate->Checked() ? FEditDate->Text() : "");
}

void TExtStringGrid::StoreDateTimePickerValue(int RealCol, int ARow)
{
    SetEditTextEx(RealCol, ARow,
                  FEditDateTime->Checked() ? TGridDateTimePicker::CellText(FEditDateTime->DateTime()) : "");
}

void TExtStringGrid::StoreRichEditValue(int RealCol, int ARow)
{
    // An unchanged document keeps what the rich edit cannot show (fonts, tables).
    if (FInplaceRichEdit->Modified()) RichToCell(RealCol, ARow, FInplaceRichEdit);
}

void TExtStringGrid::HideEditControl(int ACol, int ARow) { EndEdit(TEditEnd::Accepted, RealColIndex(ACol), ARow); }

void TExtStringGrid::CancelEditControl()
{
    {
        const auto refocus = FEditSession.HoldRefocus();
        EndEdit(TEditEnd::Cancelled, RealCol(), Row());
        SetEditorMode(false);
        // Taking the focus back must not open the editor again.
        TValueHold<bool> noEdit(Navigation()->AlwaysEdit, false);
        if (CanFocus()) SetFocus();
    }
}

void TExtStringGrid::EndEdit(TEditEnd How, int RealCol, int ARow)
{
    if (ComponentState().Contains(csDestroying) || !FEditSession.Open()) return;
    const bool textEditor = EditorKindOf(FEditSession.Kind()).Family == TEditorFamily::Text;
    const TEditorRow& row = EditorRow(FEditSession.Kind());
    FStartEditChar = 0;
    FEditSession.End(How, {.Store = [&] {
                               if (row.Store && (!row.Control || row.Control(*this))) row.Store(*this, RealCol, ARow);
                           },
                           .Close = [&] {
                               if (textEditor)
                                   CloseTextEditor(How);
                               else if (row.Release)
                                   row.Release(*this, RealCol, ARow);
                               if (TWinControl* editor = row.Control ? row.Control(*this) : nullptr)
                                   CloseEditor(editor);
                               EditMode = false;
                           },
                           .Restore = [&] {
                               if (!textEditor) SetCells(RealCol, ARow, FEditSession.TextBefore());
                           },
                           .Done = [&] {
                               FLoadedEditCell = {-1, -1};
                               // The text editor announces its end as it loses the focus.
                               if (!textEditor) EditingDone(RealCol, ARow);
                           }});
}

// The base grid stores the text editor's text as it hides it; a cancelled edit's editor
// first gets back the text from before editing, so that what is stored is that text.
void TExtStringGrid::CloseTextEditor(TEditEnd How)
{
    TInplaceEdit* editor = InplaceEditor();
    if (editor && How == TEditEnd::Cancelled) editor->SetText(FEditSession.TextBefore());
    SetEditorMode(false);
}
