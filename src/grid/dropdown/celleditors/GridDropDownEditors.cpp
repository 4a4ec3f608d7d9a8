#include "grid/dropdown/celleditors/GridDropDownEditors.h"

#include "grid/control/ExtStringGrid.h"

template <class TDropDown>
TGridDropDownEditor<TDropDown>::TGridDropDownEditor(TExtStringGrid* AGrid) : TDropDown(AGrid), FGrid(AGrid)
{
}

template <class TDropDown> bool TGridDropDownEditor<TDropDown>::HandlesKey(Word Key, TShiftState Shift) const
{
    if (this->DroppedDown()) return Key == VK_TAB;
    if (Key == VK_DOWN && Shift.Contains(ssAlt)) return false;
    return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
           Key == VK_END || Key == VK_UP || Key == VK_DOWN;
}

template <class TDropDown> void TGridDropDownEditor<TDropDown>::Change()
{
    TDropDown::Change();
    if (FGrid) FGrid->EditorTextChanged(this->Text());
}

template <class TDropDown> void TGridDropDownEditor<TDropDown>::DoEnter()
{
    TDropDown::DoEnter();
    TPoint pressed;
    const bool clicked = FGrid->TakeClickCaretPoint(*this, pressed);
    if (clicked && PlacesCaretOnClick()) this->SetSelStart(this->CharAtPoint(pressed));
}

template <class TDropDown> void TGridDropDownEditor<TDropDown>::DoExit()
{
    FGrid->SpecialEditorLeft();
    TDropDown::DoExit();
}

template <class TDropDown> void TGridDropDownEditor<TDropDown>::WMGetDlgCode(TMessage& Message)
{
    TDropDown::WMGetDlgCode(Message);
    if (ClaimsEnterAndEscape()) Message.Result |= DLGC_WANTALLKEYS;
    if (FGrid->EditorWantsTab()) Message.Result |= DLGC_WANTTAB;
}

template <class TDropDown> void TGridDropDownEditor<TDropDown>::KeyPress(char32_t& Key)
{
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(this, Key);
    if (Key == 27 || Key == 13 || Key == 9) Key = 0;
    TDropDown::KeyPress(Key);
}

// The cell takes the value and validates it; a refused value comes back corrected and the
// editor stays.
template <class TDropDown> bool TGridDropDownEditor<TDropDown>::Validated(TShiftState, bool CaretToEnd)
{
    const std::string Value = CellValue();
    if (!FGrid->StoreAndValidate(Value)) {
        this->SetText(FGrid->NewCellText());
        if (CaretToEnd) this->SetSelStart(static_cast<int>(this->Text().size()));
        else this->SelectAll();
        this->Invalidate();
        return false;
    }
    const std::string Stored = FGrid->Cells(FGrid->RealCol(), FGrid->Row());
    if (Stored != Value) this->SetText(Stored);
    return true;
}

template <class TDropDown> void TGridDropDownEditor<TDropDown>::Discard()
{
    FDiscarded = true;
    FGrid->HideInplaceEdit();
    FDiscarded = false;
    if (FGrid->CanFocus()) FGrid->SetFocus();
}

template <class TDropDown> void TGridDropDownEditor<TDropDown>::KeyDown(Word& Key, TShiftState Shift)
{
    Forced = false;
    const bool Handled = HandlesKey(Key, Shift);
    WorkMode = Key != VK_BACK && Key != VK_DELETE;
    if (!Handled) {
        TDropDown::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        Discard();
        Key = 0;
        return;
    }
    if (ValidatesOn(Key)) {
        BeforeValidation(Key);
        if (!Validated(Shift, false)) {
            Key = 0;
            return;
        }
    }
    if (Key == VK_TAB && FGrid->EditorWantsTab()) {
        if (Validated(Shift, true)) FGrid->TabOutOfEditor(Shift);
        Key = 0;
        return;
    }
    if (Key == VK_END) {
        TDropDown::KeyDown(Key, Shift);
        return;
    }
    FGrid->DoneInplaceEdit(Key, Shift);
    Key = 0;
    TDropDown::KeyDown(Key, Shift);
}

template class TGridDropDownEditor<TExtTrackBarDropDown>;
template class TGridDropDownEditor<TExtMemoDropDown>;
template class TGridDropDownEditor<TExtCalculatorDropdown>;
template class TGridDropDownEditor<TExtTimePickerDropDown>;
template class TGridDropDownEditor<TExtDetailDropDown>;
template class TGridDropDownEditor<TExtMultiColumnDropDown>;
template class TGridDropDownEditor<TCustomExtGridDropDown>;
template class TGridDropDownEditor<TExtColorPickerDropDown>;
template class TGridDropDownEditor<TExtImagePickerDropDown>;

std::string TGridMemoDropDown::CellValue() const
{
    std::string Value;
    for (const std::string& Line : MemoText().Items())
        Value += Line + "\r\n";
    return Value;
}

void TGridCalculatorDropDown::BeforeValidation(Word Key)
{
    if (Key == VK_RETURN) CalcResult();
}

TGridTimepickerDropDown::TGridTimepickerDropDown(TExtStringGrid* AGrid) : TGridDropDownEditor(AGrid) { SetFocusDraw(false); }

std::string TGridImageDropDown::CellValue() const
{
    const TExtStringGrid& Grid = *this->Grid();
    const int Col = Grid.RealCol(), Row = Grid.Row();
    return Grid.GetCellType(Col, Row) == ctDataImage ? std::to_string(ImageIndex()) : Grid.Cells(Col, Row);
}

// With its panel closed the colour editor also gives Home to the grid.
bool TGridColorDropDown::HandlesKey(Word Key, TShiftState Shift) const
{
    if (DroppedDown()) return Key == VK_TAB;
    return Key == VK_HOME || TGridDropDownEditor::HandlesKey(Key, Shift);
}
