#pragma once
#include <memory>

#include "grid/dropdown/DropDownListLook.h"
#include "grid/dropdown/DropDownColumns.h"
#include "grid/dropdown/ExtDropDown.h"
#include "grid/dropdown/GridDropDownEvents.h"
#include "grid/dropdown/ListValueSteps.h"

class TBands;
class TDropDownStringGrid;
class TExtStringGrid;
class TMouseActions;
class TNavigation;
class TSearchFooter;

enum TLookupMethod { lmLookup, lmNarrowDown, lmNone };
enum TDropDownStyle { dsDropDown, dsDropDownList };
enum TGridSorting { gsNone, gsSingleColumn, gsMultiColumn };

// A drop-down whose popup holds a string grid. In item mode (UseItems) the rows come from
// Items, filled in at each opening; in grid mode the application fills the grid (GetGrid).
// LookupColumn holds the value: picking a row writes its lookup text into the edit. Typing
// searches that column for the first match (lmLookup) or narrows the rows down to the
// matching ones (lmNarrowDown); the arrow and page keys step through the values while the
// popup is closed.
class TCustomExtGridDropDown : public TExtCustomDropDown, public TDropDownListLook, public TGridDropDownEvents {
public:
    explicit TCustomExtGridDropDown(TComponent* AOwner);
    ~TCustomExtGridDropDown() override;

    bool AutoShowDropDown = false;
    bool AutoSizeColumns = true;
    bool ColumnMoving = false;
    bool GridEditable = false;
    TCustomImageList* GridImages() const { return FGridImages; }
    void SetGridImages(TCustomImageList* Value);
    bool HoverRow = false;
    TColor HoverRowColor = clInfoBk;
    TColor HoverRowColorTo = clNone;
    TLookupMethod LookupMethod = lmLookup;
    bool RowSizing = false;
    bool RowMoving = false;
    bool RowSelect = true;
    TGridSorting Sorting = gsNone;
    bool UseItems = true;
    TDropDownColumns* Columns() const { return FColumns.get(); }
    // Made on first use by CreateItems, which a descendant may give its own collection.
    TDropDownItems* Items() const;
    void SetItems(const TDropDownItems& Value) { Items()->Assign(Value); }
    TBands* Bands() const { return FBands.get(); }
    TMouseActions* MouseActions() const { return FMouseActions.get(); }
    TNavigation* Navigation() const { return FNavigation.get(); }
    TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
    TDropDownStyle Style() const { return FStyle; }
    void SetStyle(TDropDownStyle Value);
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    // The number of values: items in item mode, data rows in grid mode.
    int RowCount() const;

    TExtStringGrid* GetGrid() const;
    void BeginUpdate() {}
    void EndUpdate() { UpdateLookupItems(); }
    // The first row whose lookup text begins with Text: its text, and its item index (item
    // mode) or grid row (grid mode); -1 when none does.
    bool LookupText(const std::string& Text, std::string& Found, int& Row) const;

    static constexpr unsigned VersionNr = 0x06000101;

    TNotifyEvent OnSelect;

    void SetSelectionColorStyle(TSelectionColorStyle Style) override;
    void SetComponentStyle(TSuiteStyle AStyle) override;

protected:
    virtual std::unique_ptr<TDropDownItems> CreateItems();
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void AdjustDropDownHeight(int& Height) override;
    void DoDropDown() override;
    void PlaceControl() override;
    void UpdateDropDownSize() override;
    void DoDropUp(bool Cancelled) override;
    void DropDownSizing() override { SizeColumnsToDropDown(); }
    void SelectNextValue() override { Step(lvsNext); }
    void SelectPreviousValue() override { Step(lvsPrevious); }
    bool ControlTakesKey(Word Key, TShiftState Shift) const override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void WMChar(TMessage& Message) override;
    void Change() override;
    void DoEnter() override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TDropDownStringGrid;
    void EditKeyDown(Word& Key, TShiftState Shift);
    void Step(TListValueStep Where);
    void UpdateLookupItems();
    int LookupChar(char32_t Ch);
    void ShowLookupText(const std::string& Value);
    int TakeLookup(const std::string& Text, bool SelectCompletion);
    void SelectCompletedPart(int TypedLength);
    void Complete();
    void ShowSearchRow(int Row);
    void NarrowPopupRows(const std::string& Search);
    void SizeColumnsToDropDown();
    int RowOfItemIndex(int Index) const;
    int ItemIndexOfRow(int Row) const;
    int FirstDataRow() const;
    void GridSelectCell(int ARow);
    void GridSelect();
    void GridClickSort();

    mutable std::unique_ptr<TDropDownItems> FItems;
    std::unique_ptr<TDropDownColumns> FColumns;
    std::unique_ptr<TBands> FBands;
    std::unique_ptr<TMouseActions> FMouseActions;
    std::unique_ptr<TNavigation> FNavigation;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    TStringList FLookupItems;
    TDropDownStringGrid* FExtColGrid = nullptr;
    TCustomImageList* FGridImages = nullptr;
    TDropDownStyle FStyle = dsDropDown;
    int FItemIndex = -1;
    int FSelRow = -1;
    int FOldItemIndex = -1;
    int FTempItemIndex = -1;
    bool FWorkMode = true;
    bool FItemChange = false;
    int FItemIdx = -1;
    int FItemSel = 0;
    bool FPreparing = false;
    std::string FLookupEntry;
};
