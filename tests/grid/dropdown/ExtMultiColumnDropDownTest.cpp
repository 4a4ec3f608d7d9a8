#include <gtest/gtest.h>

#include "grid/control/settings/BarAppearance.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtColGrid.h"
#include "grid/dropdown/ExtMultiColumnDropDown.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace {
class TFruitForm : public TForm {
public:
    explicit TFruitForm(TComponent* owner) : TForm(owner)
    {
        SetBounds(100, 100, 320, 260);
        List = new TExtMultiColumnDropDown(this);
        List->SetParent(this);
        List->SetBounds(10, 10, 150, 21);
        List->Columns()->Add()->Header = "Fruit";
        List->Columns()->Add()->Header = "Colour";
        const char* Rows[][2] = {{"Apple", "red"}, {"Banana", "yellow"}, {"Blueberry", "blue"}, {"Cherry", "red"}, {"Date", "brown"}};
        for (const auto& Row : Rows) {
            TDropDownItem* Item = List->Items()->Add();
            Item->Text().Add(Row[0]);
            Item->Text().Add(Row[1]);
        }
        List->EndUpdate();
        Show();
        List->SetFocus();
    }
    TExtMultiColumnDropDown* List;
};

struct Selection {
    std::string Text;
    int Start, Length;
};

Selection Shown(const TExtMultiColumnDropDown& List) { return {List.Text(), List.SelStart(), List.SelLength()}; }
} // namespace

TEST(MultiColumnDropDown, TypingCompletesFromTheLookupTexts)
{
    TFruitForm Form(nullptr);
    TExtMultiColumnDropDown& List = *Form.List;
    SendText("b");
    Selection S = Shown(List);
    EXPECT_EQ(S.Text, "Banana"); // the key's release takes the item's own spelling
    EXPECT_EQ(S.Start, 1);
    EXPECT_EQ(S.Length, 5);
    EXPECT_EQ(List.ItemIndex(), 1);
    SendText("l");
    S = Shown(List);
    EXPECT_EQ(S.Text, "Blueberry");
    EXPECT_EQ(S.Start, 2);
    EXPECT_EQ(S.Length, 7);
    SendKey(VK_BACK);
    EXPECT_EQ(List.Text(), "Bl") << "Backspace removes the completion without completing again";
    SendText("x");
    EXPECT_EQ(List.Text(), "Blx");
}

TEST(MultiColumnDropDown, MatchCase)
{
    TFruitForm Form(nullptr);
    TExtMultiColumnDropDown& List = *Form.List;
    SendText("BAN");
    EXPECT_EQ(List.Text(), "Banana");
    EXPECT_EQ(List.ItemIndex(), 1);
    List.SetText("");
    List.MatchCase = true;
    SendText("ban");
    EXPECT_EQ(List.Text(), "ban");
}

TEST(MultiColumnDropDown, StepsThroughTheItemsWhileClosed)
{
    TFruitForm Form(nullptr);
    TExtMultiColumnDropDown& List = *Form.List;
    List.SetItemIndex(0);
    SendKey(VK_NEXT);
    EXPECT_EQ(List.ItemIndex(), 4);
    SendKey(VK_DOWN);
    EXPECT_EQ(List.ItemIndex(), 4);
    List.SetItemIndex(3);
    SendKey(VK_PRIOR);
    EXPECT_EQ(List.ItemIndex(), 0);
    List.SetItemIndex(-1);
    EXPECT_EQ(List.Text(), "");
    List.SetItemIndex(2);
    List.SetItemIndex(5);
    EXPECT_EQ(List.ItemIndex(), 2);
    EXPECT_FALSE(List.DroppedDown());
}

TEST(MultiColumnDropDown, TheOpenListSearchesAndEscapeRestores)
{
    TFruitForm Form(nullptr);
    TExtMultiColumnDropDown& List = *Form.List;
    List.SetItemIndex(0);
    List.ShowDropDown();
    ASSERT_TRUE(List.DroppedDown());
    // 200 high, a header of 25 and rows of 22 with no bars: seven whole rows.
    List.DropDownHeader()->SetVisible(false);
    List.DropDownFooter()->SetVisible(false);
    List.HideDropDown(true);
    List.ShowDropDown();
    EXPECT_EQ(List.DropDownForm()->Height(), 25 + 7 * 22 + 2);
    EXPECT_EQ(List.ListGrid()->RowCount(), 6);

    SendText("bl");
    EXPECT_EQ(List.ListGrid()->Row(), 3);
    EXPECT_EQ(List.Text(), "Blueberry");
    SendText("c");
    EXPECT_EQ(List.ListGrid()->Row(), 4) << "c alone finds Cherry";
    SendKey(VK_DOWN);
    EXPECT_EQ(List.ItemIndex(), 4);
    SendKey(VK_ESCAPE);
    EXPECT_FALSE(List.DroppedDown());
    EXPECT_EQ(List.ItemIndex(), 0);
    EXPECT_EQ(List.Text(), "Apple");
}

TEST(MultiColumnDropDown, EnterInTheOpenListTakesTheRow)
{
    TFruitForm Form(nullptr);
    TExtMultiColumnDropDown& List = *Form.List;
    int Selected = 0;
    List.OnSelect = [&](TObject*) { ++Selected; };
    List.ShowDropDown();
    SendKey(VK_DOWN);
    SendKey(VK_DOWN);
    SendKey(VK_RETURN);
    EXPECT_FALSE(List.DroppedDown());
    EXPECT_EQ(List.ItemIndex(), 2);
    EXPECT_EQ(List.Text(), "Blueberry");
}

// The wheel over the open list moves its row without picking; Enter then takes the row the
// wheel moved to, a click the row it lands on.
TEST(MultiColumnDropDown, TheWheelScrollsTheOpenListAndEnterTakesTheRow)
{
    TFruitForm Form(nullptr);
    TExtMultiColumnDropDown& List = *Form.List;
    List.SetItemIndex(0);
    int Changes = 0;
    List.OnChange = [&](TObject*) { ++Changes; };
    List.ShowDropDown();
    ASSERT_TRUE(List.DroppedDown());
    TExtColGrid& Grid = *List.ListGrid();
    const TRect Row = Grid.CellRect(0, 1);
    SendWheel(&Grid, Row.Left + 5, Row.Top + 5, -120);
    SendWheel(&Grid, Row.Left + 5, Row.Top + 5, -120);
    EXPECT_EQ(Grid.Row(), 3);
    EXPECT_EQ(List.ItemIndex(), 0) << "the wheel picks nothing";
    EXPECT_EQ(Changes, 0);
    SendKey(VK_RETURN);
    EXPECT_FALSE(List.DroppedDown());
    EXPECT_EQ(List.ItemIndex(), 2);
    EXPECT_EQ(List.Text(), "Blueberry");
}

TEST(MultiColumnDropDown, AssignCopiesItemsAndHeaderFont)
{
    TFruitForm Form(nullptr);
    TExtMultiColumnDropDown Copy(nullptr);
    Form.List->HeaderFont()->SetColor(clRed);
    Copy.Assign(*Form.List);
    ASSERT_EQ(Copy.Items()->Count(), 5);
    EXPECT_EQ(Copy.Items()->Items(2)->Text()[0], "Blueberry");
    EXPECT_EQ(Copy.HeaderFont()->Color(), clRed);
}

TEST(MultiColumnDropDown, ListGridSizesColumnsAndWrappedRows)
{
    TFruitForm Form(nullptr);
    TExtMultiColumnDropDown& List = *Form.List;
    List.Columns()->Items(0)->AutoSize = true;
    List.Columns()->Items(1)->Wordwrap = true;
    List.SetDropDownRowHeight(30);
    List.ColumnSizeWithDropDown = false;
    List.ShowDropDown();
    TExtColGrid* Grid = List.ListGrid();
    TBitmap Measure(1, 1);
    Measure.Canvas()->Font()->Assign(*List.Columns()->Items(0)->Font());
    EXPECT_EQ(Grid->ColWidths(0), Measure.Canvas()->TextWidth("Blueberry") + 6);
    EXPECT_EQ(Grid->RowHeights(0), 25);
    EXPECT_EQ(Grid->RowHeights(1), 24) << "wrapped rows of one short line";
}

namespace {
std::vector<TColor> Painted(TControl& Control)
{
    TBitmap Shot;
    Shot.SetSize(Control.Width(), Control.Height());
    Control.PaintTo(Shot.Canvas(), 0, 0);
    std::vector<TColor> Pixels;
    for (int Y = 0; Y < Shot.Height(); ++Y)
        for (int X = 0; X < Shot.Width(); ++X)
            Pixels.push_back(Shot.Canvas()->Pixels(X, Y));
    return Pixels;
}
} // namespace

// The list keeps the cell events a form assigns to it, and the drop-down's item-property
// event, but paints from the columns and the drop-down's events alone.
TEST(MultiColumnDropDown, TheListKeepsItsCellEventsWithoutFiringThem)
{
    TFruitForm Form(nullptr);
    TExtMultiColumnDropDown& List = *Form.List;
    List.SetItemIndex(1);
    List.ShowDropDown();
    TExtColGrid& Grid = *List.ListGrid();
    const std::vector<TColor> Before = Painted(Grid);
    int Fired = 0;
    Grid.OnGetCellText = [&](TObject*, int, int, std::string& Text) {
        Text = "changed";
        ++Fired;
    };
    Grid.OnDrawCell = [&](TObject*, int, int, TCanvas* ACanvas, const TRect& ARect) {
        ACanvas->Brush()->SetColor(clRed);
        ACanvas->FillRect(ARect);
        ++Fired;
    };
    const auto Prop = [&](TObject*, int, int, TFont*, TColor& AColor, TColor& AColorTo) {
        AColor = AColorTo = clRed;
        ++Fired;
    };
    Grid.OnGetCellProp = Prop;
    List.OnDropDownGetItemProp = Prop;
    EXPECT_EQ(Painted(Grid), Before);
    EXPECT_EQ(Fired, 0);
}
