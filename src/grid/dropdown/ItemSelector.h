#pragma once
#include <functional>
#include <memory>
#include <string>

#include "grid/dropdown/ItemAppearance.h"
#include "grid/dropdown/TypedCollection.h"
#include "platform/ui/Controls.h"

enum TSelectorType { stImage, stColor };

class TCustomItemSelector;
class TCustomImageList;

using TSelectorDrawItemEvent = std::function<void(TObject* Sender, TCanvas* Canvas, const TRect& R, int Index)>;
using TItemSizeEvent = std::function<void(TObject* Sender, TSize& ASize)>;

// One pickable item: a mini-HTML caption with a colour box or a picture.
class TSelectorItem : public TCollectionItem {
public:
    explicit TSelectorItem(TCollection* Collection);
    ~TSelectorItem() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    TPicture* Image() const { return FImage.get(); }
    std::string Hint;
    TRect Bounds{-1, -1, -1, -1}; // the cell, in panel coordinates, set by the layout

    void Assign(const TPersistent& Source) override;

private:
    std::string FCaption;
    TColor FColor = clNone;
    int FImageIndex = -1;
    std::unique_ptr<TPicture> FImage;
};

class TSelectorItems : public TTypedCollection<TSelectorItem> {
protected:
    void Update(TCollectionItem*) override
    {
        if (OnChange) OnChange(this);
    }
};

// A scrolling list of items in equal cells laid out row by row in Columns columns; one item can
// be hot (under the mouse or reached with the keys) and one selected. The popup list of the
// detail, colour and image drop-downs.
class TExtCustomItemSelector : public TCustomControl {
public:
    explicit TExtCustomItemSelector(TComponent* owner);
    ~TExtCustomItemSelector() override;

    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    TSelectorItems* Items() const { return FItems.get(); }
    int ItemIndex() const;
    void SetItemIndex(int Value);
    int ItemHot() const;
    TSelectorType SelectorType() const { return FSelectorType; }
    void SetSelectorType(TSelectorType Value);
    TItemLayout ItemLayout = ilCaptionRight;
    TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value);
    TCustomItemSelector* Panel() const { return FPanel; }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);

    TNotifyEvent OnItemSelect;
    TSelectorDrawItemEvent OnDrawItem;
    TItemSizeEvent OnItemSize;

    void UpdateSelectorPanel();
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    bool LookupItem(const std::string& Text);
    void ScrollItemInView(int Index);
    int GetVisibleItemCount() const;
    TSize GetSelectorPanelSize() const;

protected:
    void WMVScroll(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    void WMGetDlgCode(TMessage& message) override;
    void Resize() override;

private:
    // The panel's height beyond the client area becomes the vertical scroll range.
    void UpdateScrollRange();
    void ScrollTo(int Position);

    std::unique_ptr<TSelectorItems> FItems;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    TCustomItemSelector* FPanel = nullptr;
    int FColumns = 1;
    TSelectorType FSelectorType = stImage;
    int FColorBoxHeight = 14;
    int FColorBoxWidth = 14;
    int FScrollPos = 0;
    TCustomImageList* FImages = nullptr;
};

// The inner panel of an item selector: it lays the items out, sizes itself to them, paints
// them and keeps the hot and selected item. Every setting is its owner's.
class TCustomItemSelector : public TCustomControl {
public:
    // The owner must be an item selector: "Invalid parent" otherwise.
    explicit TCustomItemSelector(TComponent* owner);

    TExtCustomItemSelector* ExtItemSelector() const { return FOwner; }
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int Value);
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    bool LookupItem(const std::string& Text);
    TRect GetItemRect(int Index) const;
    int ItemAtPos(int X, int Y) const;

    TNotifyEvent OnItemSelect;

    virtual void GetContentRect(TRect& R) const;
    virtual TSize GetItemSize();
    virtual void LayoutItems();
    virtual void DrawItem(int Index, TCanvas* Canvas);
    virtual void InvalidateItem(int Index);

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void CMMouseLeave(TMessage& message) override;

private:
    TSize BoxSize(const TSelectorItem& Item) const;
    int Count() const;

    int FItemIndex = -1;
    int FItemHot = -1;
    int FContentMarginX = 2;
    int FContentMarginY = 2;
    int FItemMarginX = 4;
    int FItemMarginY = 4;
    int FCaptionGap = 4;
    TExtCustomItemSelector* FOwner;
};
