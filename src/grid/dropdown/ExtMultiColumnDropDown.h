#pragma once
#include <memory>

#include "grid/dropdown/DropDownListLook.h"
#include "grid/dropdown/DropDownColumns.h"
#include "grid/dropdown/ExtDropDown.h"
#include "grid/dropdown/ListValueSteps.h"

class TExtColGrid;

// A drop-down whose popup lists items in columns under a header row. One column, the lookup
// column, gives the text the edit shows for the selected item. Typing in the edit completes
// from the lookup texts; typing while the list is open searches them incrementally; the arrow
// and page keys step through the items also while the popup is closed.
class TExtMultiColumnDropDown : public TExtCustomDropDown, public TDropDownListLook {
public:
    explicit TExtMultiColumnDropDown(TComponent* owner);
    ~TExtMultiColumnDropDown() override;

    TDropDownColumns* Columns() const { return FColumns.get(); }
    TDropDownItems* Items() const { return FItems.get(); }
    int RowCount() const { return FItems->Count(); }
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    // The first item whose lookup text is exactly Value, or -1.
    int GetItemIndex(const std::string& Value) const;
    TExtColGrid* ListGrid() const { return FExtColGrid; }

    void BeginUpdate() {}
    // Rebuilds the lookup texts from the items: call it after changing items in code.
    void EndUpdate();

    TNotifyEvent OnSelect;
    TDropDownDrawItemEvent OnDropDownDrawItem;
    TDropDownGetItemTextEvent OnDropDownGetItemText;
    // Kept for forms that assign it: the list paints every item from its columns.
    TDropDownGetItemPropEvent OnDropDownGetItemProp;

    void Assign(const TPersistent& Source) override;
    void SetSelectionColorStyle(TSelectionColorStyle Style) override;
    void SetComponentStyle(TSuiteStyle AStyle) override;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void AdjustDropDownHeight(int& Height) override;
    void DoDropDown() override;
    void DoDropUp(bool Cancelled) override;
    void PlaceControl() override;
    void UpdateDropDownSize() override;
    void DropDownSizing() override;
    void SelectNextValue() override;
    void SelectPreviousValue() override;
    bool ControlTakesKey(Word Key, TShiftState Shift) const override;
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyUp(Word& key, TShiftState shift) override;
    void WMChar(TMessage& message) override;
    void Change() override;

private:
    void Step(TListValueStep Where);
    void FitColumns();
    void GridRowChanged(int Row);
    void GridSelected();
    int IncrementalLookup(char32_t Ch);
    // The first item whose lookup text begins with Value (case as CaseSensitive says).
    int LookupText(const std::string& Value, std::string& Found) const;
    void Complete();

    std::unique_ptr<TDropDownColumns> FColumns;
    std::unique_ptr<TDropDownItems> FItems;
    TStringList FLookupItems;
    TExtColGrid* FExtColGrid = nullptr;
    int FItemIndex = -1;
    bool FShowing = false;
    bool FWorkMode = true;
    bool FItemChange = false;
    int FItemIdx = -1;
    int FItemSel = 0;
    int FOldItemIndex = -1;
    std::string FLookupEntry;
};
