#pragma once
#include <memory>
#include <string>

#include "grid/dropdown/ExtDropDown.h"
#include "grid/dropdown/ItemAppearance.h"
#include "grid/dropdown/ItemSelector.h"

class TTimer;

// Paints the value in the edit (or an entry) instead of the drop-down.
using TDrawSelectedEvent = std::function<void(TObject* Sender, TCanvas* Canvas, const TRect& R)>;

// A drop-down whose popup lists its entries in an item selector: the colour, image and detail
// drop-downs. It keeps the selected entry, fills the selector at each opening, moves through
// the entries with the keys and the wheel (also while closed), looks entries up as the user
// types, and brings back the entry of the opening when cancelled.
class TExtSelectorDropDown : public TExtCustomDropDown {
public:
    explicit TExtSelectorDropDown(TComponent* owner);
    ~TExtSelectorDropDown() override;

    int ItemIndex() const { return FItemIndex; }
    virtual void SetItemIndex(int Value) = 0;
    int Columns = 1;
    TItemLayout Layout = ilCaptionRight;
    TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
    TExtCustomItemSelector* ItemSelector() const { return FItemSelector; }
    TSelectorDrawItemEvent OnDrawItem;

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();

    void SetSelectionColorStyle(TSelectionColorStyle Style) override;
    void SetComponentStyle(TSuiteStyle AStyle) override;

protected:
    virtual int ItemCount() const = 0;
    virtual TSelectorType SelectorType() const { return stImage; }
    virtual void FillSelectorItems(TSelectorItems& Items) const = 0;
    // The selector picked an entry.
    virtual void ItemSelected();
    // Whether the selector is this drop-down's popup control now.
    virtual bool ShowsSelector() const { return true; }
    void MakeSelector();
    void LoadItemSelector();
    // The key table of the entries; true when the key is done with here.
    bool NavigateKey(Word Key, bool Ctrl, bool EndsWhileOpen);
    bool InternalCall() const { return FInternalCall; }
    // An entry moved to by a key or the wheel: the popup stays open.
    void MoveInSelector(int Index);

    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void UpdateDropDownSize() override;
    void DoDropUp(bool Cancelled) override;
    void SelectNextValue() override;
    void SelectPreviousValue() override;

    int FItemIndex = -1;
    int FOldItemIndex = -1;

private:
    std::unique_ptr<TItemAppearance> FItemAppearance;
    TExtCustomItemSelector* FItemSelector = nullptr;
    TTimer* FKeyTimer = nullptr;
    std::string FCurSearch;
    bool FInternalCall = false;
};
