#pragma once
#include <memory>

#include "grid/dropdown/ColorPanels.h"
#include "grid/dropdown/DropDownTypes.h"
#include "grid/dropdown/TypedCollection.h"

// Where a box stands in a column of touching shades.
enum TItemPos { ipStandAlone, ipTop, ipMiddle, ipBottom };

class TColorBoxItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TItemPos ColorBoxPos = ipStandAlone;
    TRect Bounds{-1, -1, -1, -1};

    void Assign(const TPersistent& Source) override;

private:
    TColor FColor = clNone;
};

using TColorBoxItems = TTypedCollection<TColorBoxItem>;

struct TColorBoxAppearance {
    TColor BorderColor = 0xC5C5C5;
    TColor OuterBorderColorHot = 0x3694F2;
    TColor InnerBorderColorHot = 0x94E2FF;
    TColor OuterBorderColorSelected = 0x0000FF;
    TColor InnerBorderColorSelected = 0x94E2FF;
};

// A palette of colour boxes in rows of Columns: base colours, then columns of touching lighter
// and darker shades. It keeps a hot and a selected box and answers the arrow and paging keys.
class TCustomColorSelector : public TExtCustomColorSelectorPanel {
public:
    explicit TCustomColorSelector(TComponent* owner);

    TColorBoxItems* Items() const { return FItems.get(); }
    TColorBoxAppearance ColorBoxAppearance;
    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    int ColumnGap() const { return FColumnGap; }
    void SetColumnGap(int Value);
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Index);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int Index);
    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor Color);
    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    void SetItemColorStyle(TSelectionColorStyle Style);

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    void HandleKey(Word Key, bool EditorEnabled, bool DroppedDown);
    // The 60 boxes of the document palette.
    void AddPaletteColors();
    void LayoutItems();
    int ItemAtPos(int X, int Y) const;
    TRect GetItemRect(int Index) const;

    TNotifyEvent OnItemSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void CMMouseLeave(TMessage& message) override;

private:
    void DrawItem(int Index, TCanvas* Canvas);
    int Count() const { return FItems->Count(); }

    std::unique_ptr<TColorBoxItems> FItems;
    int FItemIndex = -1;
    int FItemHot = -1;
    int FColumns = 10;
    int FColumnGap = 4;
    int FBoxWidth = 12;
    int FBoxHeight = 12;
    TSelectionColorStyle FItemColorStyle = scOffice2007;
    TColor FSelectedColor = clNone;
};
