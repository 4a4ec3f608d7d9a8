#include <gtest/gtest.h>

#include "grid/dropdown/ItemSelector.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace {
struct Selector {
    TForm Form{nullptr};
    TExtCustomItemSelector* List = nullptr;
    Selector()
    {
        Form.SetBounds(100, 100, 300, 300);
        List = new TExtCustomItemSelector(&Form);
        List->SetParent(&Form);
        List->SetBounds(0, 0, 250, 250);
        Form.Show();
    }
    void Add(const std::string& Caption, TColor Color = clNone)
    {
        TSelectorItem* Item = List->Items()->Add();
        Item->SetCaption(Caption);
        Item->SetColor(Color);
    }
};
} // namespace

TEST(ItemSelector, WithoutItems)
{
    Selector S;
    EXPECT_EQ(S.List->GetSelectorPanelSize().cx, 100);
    EXPECT_EQ(S.List->GetSelectorPanelSize().cy, 50);
    EXPECT_EQ(S.List->GetVisibleItemCount(), 0);
    EXPECT_FALSE(S.List->LookupItem("A"));
}

TEST(ItemSelector, CellsAndLayout)
{
    Selector S;
    S.List->SetSelectorType(stColor);
    for (int I = 0; I < 7; ++I)
        S.Add("", clRed);
    S.List->SetColumns(3);
    // A colour box of 14 with the item margins on both sides; three rows of 3, 3 and 1.
    EXPECT_EQ(S.List->Items()->Items(0)->Bounds, (TRect{2, 2, 24, 24}));
    EXPECT_EQ(S.List->Items()->Items(6)->Bounds, (TRect{2, 46, 24, 68}));
    EXPECT_EQ(S.List->GetSelectorPanelSize().cx, 4 + 3 * 22);
    EXPECT_EQ(S.List->GetSelectorPanelSize().cy, 4 + 3 * 22);
    S.List->SetColumns(0);
    EXPECT_EQ(S.List->Columns(), 3);

    S.List->OnItemSize = [](TObject*, TSize& Size) { Size = {30, 30}; };
    S.List->UpdateSelectorPanel();
    EXPECT_EQ(S.List->Items()->Items(1)->Bounds, (TRect{32, 2, 62, 32}));

    // An item size of height 0 counts as 1: the visible count divides by it.
    S.List->OnItemSize = [](TObject*, TSize& Size) { Size = {30, 0}; };
    S.List->UpdateSelectorPanel();
    EXPECT_GT(S.List->GetVisibleItemCount(), 0);
}

TEST(ItemSelector, SelectionAndLookup)
{
    Selector S;
    S.Add("<b>red</b> colour");
    S.Add("green");
    int Selected = 0;
    S.List->OnItemSelect = [&](TObject*) { ++Selected; };
    S.List->SelectPrevious();
    EXPECT_EQ(S.List->ItemIndex(), 0);
    S.List->SetItemIndex(0);
    EXPECT_EQ(Selected, 2) << "re-selecting fires again";
    S.List->SelectLast();
    S.List->SelectNext();
    EXPECT_EQ(S.List->ItemIndex(), 1);
    S.List->SetItemIndex(-1);
    EXPECT_EQ(Selected, 3) << "clearing is silent";
    EXPECT_TRUE(S.List->LookupItem("RE"));
    EXPECT_EQ(S.List->ItemIndex(), 0);
    EXPECT_FALSE(S.List->LookupItem("re"));
}

TEST(ItemSelector, APressSelectsAndMovingMakesHot)
{
    Selector S;
    S.Add("one");
    S.Add("two");
    TCustomItemSelector* Panel = S.List->Panel();
    const TRect Second = Panel->GetItemRect(1);
    SendMouseMove(Panel, Second.Left + 2, Second.Top + 2);
    EXPECT_EQ(S.List->ItemHot(), 1);
    SendClick(Panel, Second.Left + 2, Second.Top + 2);
    EXPECT_EQ(S.List->ItemIndex(), 1);
    EXPECT_THROW(TCustomItemSelector Orphan(&S.Form), Exception);
}
