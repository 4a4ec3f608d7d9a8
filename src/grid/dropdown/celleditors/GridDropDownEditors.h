#pragma once
#include "grid/dropdown/ExtCalculatorDropdown.h"
#include "grid/dropdown/ExtColorPickerDropDown.h"
#include "grid/dropdown/ExtDetailDropDown.h"
#include "grid/dropdown/ExtGridDropDown.h"
#include "grid/dropdown/ExtImagePickerDropDown.h"
#include "grid/dropdown/ExtMemoDropDown.h"
#include "grid/dropdown/ExtMultiColumnDropDown.h"
#include "grid/dropdown/ExtTimePickerDropDown.h"
#include "grid/dropdown/ExtTrackBarDropDown.h"

class TExtStringGrid;

// What the grid reads from whichever drop-down editor it shows.
class IGridDropDownEditor {
public:
    virtual ~IGridDropDownEditor() = default;
    virtual TExtCustomDropDown* Control() = 0;
    // Escape ended the edit: the grid closes the editor without reading it back.
    virtual bool Discarded() const = 0;
    // The text the cell takes.
    virtual std::string CellValue() const = 0;
};

// A drop-down control as the string grid's cell editor: it reports its changes to the grid,
// validates on the keys that leave the cell, stores when it loses the focus, gives the
// navigation keys back to the grid, and closes on Escape without storing anything. While
// its popup is open the popup has the keys, except Tab.
template <class TDropDown>
class TGridDropDownEditor : public TDropDown, public IGridDropDownEditor {
public:
    explicit TGridDropDownEditor(TExtStringGrid* AGrid);

    TExtStringGrid* Grid() const { return FGrid; }
    TExtCustomDropDown* Control() override { return this; }
    bool Discarded() const override { return FDiscarded; }
    std::string CellValue() const override { return this->Text(); }

protected:
    // Whether Enter and Escape are the editor's own, so that no dialog sees them.
    virtual bool ClaimsEnterAndEscape() const { return false; }
    virtual bool HandlesKey(Word Key, TShiftState Shift) const;
    virtual bool ValidatesOn(Word Key) const { return Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN; }
    virtual void BeforeValidation(Word) {}
    // Whether an editor opened by a click puts its caret at the pressed point.
    virtual bool PlacesCaretOnClick() const { return false; }

    void Change() override;
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void WMGetDlgCode(TMessage& Message) override;

    bool WorkMode = true;
    bool Forced = false;

private:
    bool Validated(TShiftState Shift, bool CaretToEnd);
    void Discard();

    TExtStringGrid* FGrid;
    bool FDiscarded = false;
};

class TGridTrackbarDropDown : public TGridDropDownEditor<TExtTrackBarDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
    void DoChange() {}

protected:
    bool ClaimsEnterAndEscape() const override { return true; }
    bool PlacesCaretOnClick() const override { return true; }
};

class TGridMemoDropDown : public TGridDropDownEditor<TExtMemoDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
    // Every line ends with a line break.
    std::string CellValue() const override;

protected:
    bool PlacesCaretOnClick() const override { return true; }
};

class TGridCalculatorDropDown : public TGridDropDownEditor<TExtCalculatorDropdown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;

protected:
    // Enter stores the result of a pending operation, not the typed expression.
    void BeforeValidation(Word Key) override;
    bool PlacesCaretOnClick() const override { return true; }
};

class TGridTimepickerDropDown : public TGridDropDownEditor<TExtTimePickerDropDown> {
public:
    explicit TGridTimepickerDropDown(TExtStringGrid* AGrid);
};

class TGridDetailPickerDropDown : public TGridDropDownEditor<TExtDetailDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
};

class TGridGridDropDown : public TGridDropDownEditor<TExtMultiColumnDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
};

class TGridExtGridDropDown : public TGridDropDownEditor<TCustomExtGridDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
};

class TGridColorDropDown : public TGridDropDownEditor<TExtColorPickerDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;

protected:
    bool ClaimsEnterAndEscape() const override { return true; }
    bool HandlesKey(Word Key, TShiftState Shift) const override;
    bool ValidatesOn(Word Key) const override { return Key == VK_RETURN; }
};

class TGridImageDropDown : public TGridDropDownEditor<TExtImagePickerDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
    // The editor picks an image, not a text: a data image cell takes the picked index as its
    // text, any other cell keeps its own text (the entries have no captions to give).
    std::string CellValue() const override;
};
