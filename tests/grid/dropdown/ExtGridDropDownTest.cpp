#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "grid/control/settings/BalloonSettings.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/DropDownStringGrid.h"
#include "grid/dropdown/ExtGridDropDown.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"

namespace {
// A grid drop-down with items whose lookup texts begin with A, B and C, and a fourth item
// that has no text in the lookup column.
class TGridDropDownForm : public TForm {
public:
    explicit TGridDropDownForm(TComponent* owner, int ItemCount = 0) : TForm(owner)
    {
        SetBounds(100, 100, 360, 300);
        List = new TCustomExtGridDropDown(this);
        List->SetParent(this);
        List->SetBounds(10, 10, 160, 21);
        List->Columns()->Add()->Header = "Code";
        List->Columns()->Add()->Header = "Name";
        List->LookupColumn = 1;
        if (ItemCount == 0) {
            Add({"1", "Alpha"});
            Add({"2", "Bravo"});
            Add({"3", "Charlie"});
            Add({"4"});
        }
        for (int I = 0; I < ItemCount; ++I)
            Add({std::to_string(I), "Item " + std::to_string(I)});
        List->EndUpdate();
        Show();
        List->SetFocus();
    }
    void Add(std::initializer_list<const char*> Lines)
    {
        TDropDownItem* Item = List->Items()->Add();
        for (const char* Line : Lines)
            Item->Text().Add(Line);
    }
    void Add(std::initializer_list<std::string> Lines)
    {
        TDropDownItem* Item = List->Items()->Add();
        for (const std::string& Line : Lines)
            Item->Text().Add(Line);
    }
    TDropDownStringGrid& Grid() const { return *static_cast<TDropDownStringGrid*>(List->GetGrid()); }
    TCustomExtGridDropDown* List;
};
} // namespace

TEST(GridDropDown, TypingLooksUpAndCompletesTheLookupColumn)
{
    TGridDropDownForm Form(nullptr);
    TCustomExtGridDropDown& List = *Form.List;
    SendText("b");
    EXPECT_EQ(List.Text(), "Bravo");
    EXPECT_EQ(List.SelStart(), 1);
    EXPECT_EQ(List.SelLength(), 4);
    EXPECT_EQ(List.ItemIndex(), 1);
    SendText("x");
    EXPECT_EQ(List.Text(), "Bx") << "a letter no lookup text continues leaves the typed letters";
}

TEST(GridDropDown, APickOnlyListStartsTheSearchAgainWithTheLastLetter)
{
    TGridDropDownForm Form(nullptr);
    TCustomExtGridDropDown& List = *Form.List;
    List.SetStyle(dsDropDownList);
    EXPECT_FALSE(List.EditorEnabled());
    SendText("b");
    EXPECT_EQ(List.ItemIndex(), 1);
    SendText("c");
    EXPECT_EQ(List.ItemIndex(), 2);
    EXPECT_EQ(List.Text(), "Charlie");
}

TEST(GridDropDown, StepsThroughTheValuesWhileClosed)
{
    struct Case {
        TDropDownStyle Style;
        int From;
        Word Key;
        int To;
    };
    const Case Cases[] = {
        {dsDropDown, -1, VK_NEXT, 0},   {dsDropDown, 95, VK_NEXT, 99},     {dsDropDown, 50, VK_NEXT, 60},
        {dsDropDown, 5, VK_PRIOR, 0},   {dsDropDown, -1, VK_DOWN, 0},      {dsDropDown, 99, VK_DOWN, 99},
        {dsDropDown, 0, VK_UP, 0},      {dsDropDown, 50, VK_END, 50},      {dsDropDownList, 50, VK_END, 99},
        {dsDropDownList, 50, VK_HOME, 0}, {dsDropDown, 50, VK_HOME, 50},
    };
    TGridDropDownForm Form(nullptr, 100);
    TCustomExtGridDropDown& List = *Form.List;
    for (const Case& C : Cases) {
        List.SetStyle(C.Style);
        List.SetItemIndex(C.From);
        SendKey(C.Key);
        EXPECT_EQ(List.ItemIndex(), C.To) << "from " << C.From << " key " << C.Key;
    }
}

TEST(GridDropDown, AnItemWithoutALookupTextShowsEmptyAndFindsNothing)
{
    TGridDropDownForm Form(nullptr);
    TCustomExtGridDropDown& List = *Form.List;
    List.SetItemIndex(3);
    EXPECT_EQ(List.Text(), "");
    List.SetItemIndex(4);
    EXPECT_EQ(List.ItemIndex(), 3) << "an index beyond the items changes nothing";
    std::string Found;
    int Row = 0;
    EXPECT_FALSE(List.LookupText("", Found, Row));
    EXPECT_EQ(Row, -1);
    EXPECT_TRUE(List.LookupText("ch", Found, Row));
    EXPECT_EQ(Found, "Charlie");
    EXPECT_EQ(Row, 2);
    List.CaseSensitive = true;
    EXPECT_FALSE(List.LookupText("ch", Found, Row));
}

TEST(GridDropDown, ThePopupHeightShowsWholeRows)
{
    TGridDropDownForm Form(nullptr);
    TCustomExtGridDropDown& List = *Form.List;
    List.ShowDropDown();
    ASSERT_TRUE(List.DroppedDown());
    EXPECT_EQ(List.DropDownForm()->Height(), 185);
    TDropDownStringGrid& Grid = Form.Grid();
    EXPECT_EQ(Grid.RowCount(), 5);
    EXPECT_EQ(Grid.Cells(1, 0), "Name");
    EXPECT_EQ(Grid.Cells(1, 4), "") << "an item with fewer lines shows empty cells";
    List.SetDropDownRowHeight(0);
    EXPECT_EQ(List.DropDownRowHeight(), 1);
}

TEST(GridDropDown, EnterKeepsTheItemAndEscapeRestoresTheOpeningsItem)
{
    TGridDropDownForm Form(nullptr);
    TCustomExtGridDropDown& List = *Form.List;
    List.SetItemIndex(1);
    List.ShowDropDown();
    SendKey(VK_RETURN);
    EXPECT_FALSE(List.DroppedDown());
    EXPECT_EQ(List.ItemIndex(), 1);
    EXPECT_EQ(List.Text(), "Bravo");

    List.ShowDropDown();
    SendKey(VK_DOWN);
    EXPECT_EQ(List.ItemIndex(), 2) << "moving in the open grid picks live";
    SendKey(VK_DOWN);
    SendKey(VK_ESCAPE);
    EXPECT_FALSE(List.DroppedDown());
    EXPECT_EQ(List.ItemIndex(), 1);
    EXPECT_EQ(List.Text(), "Bravo");
}

// The wheel over the open popup scrolls the list and picks nothing; Enter then takes the row
// the wheel moved to.
TEST(GridDropDown, TheWheelOverTheOpenPopupScrollsWithoutPicking)
{
    TGridDropDownForm Form(nullptr, 20);
    TCustomExtGridDropDown& List = *Form.List;
    List.SetItemIndex(0);
    int Changes = 0;
    List.OnChange = [&](TObject*) { ++Changes; };
    List.ShowDropDown();
    ASSERT_TRUE(List.DroppedDown());
    TDropDownStringGrid& Grid = Form.Grid();
    const TRect First = Grid.CellRect(0, Grid.FixedRows());
    SendWheel(&Grid, First.Left + 5, First.Top + 5, -120);
    const int Moved = Grid.Row() - Grid.FixedRows();
    EXPECT_GT(Moved, 0) << "the wheel moves the list";
    EXPECT_EQ(List.ItemIndex(), 0) << "the wheel picks nothing";
    EXPECT_EQ(Changes, 0);
    SendKey(VK_RETURN);
    EXPECT_FALSE(List.DroppedDown());
    EXPECT_EQ(List.ItemIndex(), Moved);
    EXPECT_EQ(List.Text(), "Item " + std::to_string(Moved));
}

TEST(GridDropDown, ASortedPopupStillPicksTheRightItem)
{
    TGridDropDownForm Form(nullptr);
    TCustomExtGridDropDown& List = *Form.List;
    List.ShowDropDown();
    TDropDownStringGrid& Grid = Form.Grid();
    Grid.SortSettings()->Column = 1;
    Grid.SortSettings()->Direction = sdDescending;
    Grid.QSort();
    ASSERT_EQ(Grid.Cells(1, 1), "Charlie");
    Grid.SetRow(2);
    EXPECT_EQ(List.ItemIndex(), 1);
    Grid.SetRow(1);
    EXPECT_EQ(List.ItemIndex(), 2);
    EXPECT_EQ(List.Text(), "Charlie");
    SendText("a");
    EXPECT_EQ(Grid.Row(), Grid.FixedRows() + 2) << "the search finds Alpha where the sort put it";
    SendKey(VK_RETURN);
    EXPECT_EQ(List.ItemIndex(), 0);
    EXPECT_EQ(List.Text(), "Alpha");
}

TEST(GridDropDown, NarrowingDownLeavesTheMatchingRows)
{
    TGridDropDownForm Form(nullptr);
    TCustomExtGridDropDown& List = *Form.List;
    Form.Add({"5", "Bravissimo"});
    List.EndUpdate();
    List.LookupMethod = lmNarrowDown;
    List.ShowDropDown();
    TDropDownStringGrid& Grid = Form.Grid();
    SendText("br");
    EXPECT_EQ(Grid.RowCount(), 3);
    EXPECT_EQ(Grid.FilterLevel(), 2) << "the grid's own narrowing keeps one level per letter";
    EXPECT_EQ(Grid.Row(), 1);
    EXPECT_EQ(List.Text(), "Bravo");
    SendKey(VK_BACK);
    EXPECT_EQ(List.Text(), "Br") << "the first Backspace takes back the completed part";
    EXPECT_EQ(Grid.RowCount(), 3);
    SendKey(VK_BACK);
    EXPECT_EQ(List.Text(), "b");
    EXPECT_EQ(Grid.RowCount(), 3) << "b is in Bravo and Bravissimo only";
    SendKey(VK_BACK);
    EXPECT_EQ(Grid.RowCount(), 6) << "an empty search shows every row again";
    EXPECT_EQ(Grid.FilterLevel(), 0);
}

TEST(GridDropDown, NarrowingStartsAfreshAfterReopeningOrEnteringAgain)
{
    TGridDropDownForm Form(nullptr);
    TCustomExtGridDropDown& List = *Form.List;
    auto* Other = new TEdit(&Form);
    Other->SetParent(&Form);
    Other->SetBounds(10, 60, 100, 21);
    List.LookupMethod = lmNarrowDown;
    List.ShowDropDown();
    TDropDownStringGrid& Grid = Form.Grid();
    SendText("br");
    ASSERT_EQ(Grid.RowCount(), 2);
    SendKey(VK_ESCAPE);
    List.ShowDropDown();
    EXPECT_EQ(Grid.RowCount(), 5) << "the refilled popup holds every item once";
    EXPECT_EQ(Grid.FilterLevel(), 0);
    SendText("br");
    ASSERT_EQ(Grid.RowCount(), 2);
    SendKey(VK_ESCAPE);
    Other->SetFocus();
    List.SetFocus();
    EXPECT_EQ(Grid.RowCount(), 5);
    SendText("b");
    EXPECT_EQ(Grid.RowCount(), 2) << "one letter after entering again narrows anew, not a level back";
    EXPECT_EQ(Grid.Cells(1, 1), "Bravo");
}

TEST(GridDropDown, GridModeLooksUpTheGridsOwnRows)
{
    TGridDropDownForm Form(nullptr);
    TCustomExtGridDropDown& List = *Form.List;
    List.UseItems = false;
    List.LookupColumn = 0;
    TExtStringGrid& Grid = *List.GetGrid();
    Grid.SetColCount(2);
    Grid.SetRowCount(4);
    const char* Names[] = {"Oslo", "Bergen", "Bodø"};
    for (int I = 0; I < 3; ++I)
        Grid.SetCells(0, I + 1, Names[I]);
    EXPECT_EQ(List.RowCount(), 3);
    List.SetItemIndex(2);
    EXPECT_EQ(List.Text(), "Bodø");
    List.SetItemIndex(3);
    EXPECT_EQ(List.ItemIndex(), 2) << "no data row there";
    List.ShowDropDown();
    EXPECT_EQ(Grid.Row(), 3);
    SendKey(VK_UP);
    SendKey(VK_RETURN);
    EXPECT_EQ(List.ItemIndex(), 1);
    EXPECT_EQ(List.Text(), "Bergen");
}

TEST(GridDropDown, ColourStylesSetTheListColours)
{
    TGridDropDownForm Form(nullptr);
    TCustomExtGridDropDown& List = *Form.List;
    EXPECT_EQ(List.HeaderColor, TColor(0xFFEFE3));
    EXPECT_EQ(List.LineColor, TColor(0xFFD2AF));
    List.SetComponentStyle(tsWindowsXP);
    EXPECT_EQ(List.HeaderColor, clBtnFace);
    EXPECT_EQ(List.LineColor, TColor(0xC0C0C0));
    EXPECT_EQ(List.FixedLineColor, TColor(0x000000));
    EXPECT_EQ(List.SelectionTextColor, clHighlightText);
    EXPECT_EQ(List.SelectionColor(), clHighlight);
    List.SetComponentStyle(tsOffice2010Blue);
    EXPECT_EQ(List.HeaderColor, clBtnFace) << "the Office 2010 styles leave the list alone";
    List.SetSelectionColorStyle(scWindows7);
    EXPECT_EQ(List.LineColor, TColor(0xECECF0));
}

namespace {
TPoint CellCentre(const TExtStringGrid& Grid, int ACol, int ARow)
{
    const TRect R = Grid.CellRect(ACol, ARow);
    return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
}
} // namespace

TEST(GridDropDown, PassesThePopupGridsMouseEventsOnWithTheGridAsSender)
{
    TGridDropDownForm Form(nullptr);
    TCustomExtGridDropDown& List = *Form.List;
    std::vector<std::string> Log;
    TObject* Grid = nullptr;
    const auto Note = [&](TObject* Sender, const std::string& What) {
        EXPECT_EQ(Sender, Grid) << What;
        if (Log.empty() || Log.back() != What) Log.push_back(What);
    };
    List.OnGridMouseMove = [&](TObject* Sender, TShiftState, int, int) { Note(Sender, "move"); };
    List.OnGridMouseDown = [&](TObject* Sender, TMouseButton, TShiftState, int, int) { Note(Sender, "down"); };
    List.OnGridMouseUp = [&](TObject* Sender, TMouseButton, TShiftState, int, int) { Note(Sender, "up"); };
    List.OnGridRightClickCell = [&](TObject* Sender, int ARow, int ACol) {
        Note(Sender, "right click row " + std::to_string(ARow) + " col " + std::to_string(ACol));
    };
    List.ShowDropDown();
    TDropDownStringGrid& Popup = Form.Grid();
    Grid = &Popup;
    const TPoint P = CellCentre(Popup, 1, 2);
    SendMouseMove(&Popup, P.X, P.Y);
    SendClick(&Popup, P.X, P.Y, mbRight);
    EXPECT_EQ(Log, (std::vector<std::string>{"move", "down", "right click row 2 col 1", "up"}));
}

// The popup grid asks its row-size question of the drop-down's handler, which may refuse.
TEST(GridDropDown, PassesTheRowSizeQuestionOnAndTakesItsAnswer)
{
    TGridDropDownForm Form(nullptr);
    TCustomExtGridDropDown& List = *Form.List;
    int Asked = -1;
    List.OnGridRowSize = [&](TObject*, int ARow, bool& Allow) {
        Asked = ARow;
        Allow = false;
    };
    List.ShowDropDown();
    TDropDownStringGrid& Popup = Form.Grid();
    ASSERT_TRUE(Popup.OnRowSize);
    bool Allow = true;
    Popup.OnRowSize(&Popup, 3, Allow);
    EXPECT_EQ(Asked, 3);
    EXPECT_FALSE(Allow);
}

TEST(GridDropDown, PassesTheKeysOfTheOpenPopupOnWithTheDropDownAsSender)
{
    TGridDropDownForm Form(nullptr);
    TCustomExtGridDropDown& List = *Form.List;
    std::vector<std::string> Log;
    List.OnGridKeyDown = [&](TObject* Sender, Word& Key, TShiftState) {
        EXPECT_EQ(Sender, &List);
        Log.push_back("down " + std::to_string(Key));
    };
    List.OnGridKeyUp = [&](TObject* Sender, Word& Key, TShiftState) {
        EXPECT_EQ(Sender, &List);
        Log.push_back("up " + std::to_string(Key));
    };
    List.OnGridKeyPress = [&](TObject* Sender, char32_t& Key) {
        EXPECT_EQ(Sender, &List);
        Log.push_back(std::string("press ") + static_cast<char>(Key));
    };
    SendKey(VK_DOWN);
    EXPECT_TRUE(Log.empty()) << "the closed edit's keys are its own";
    List.ShowDropDown();
    SendKey(VK_DOWN);
    SendText("c");
    EXPECT_EQ(Log, (std::vector<std::string>{"down " + std::to_string(VK_DOWN), "up " + std::to_string(VK_DOWN),
                                             "down " + std::to_string('C'), "press c", "up " + std::to_string('C')}));
    EXPECT_EQ(List.Text(), "Charlie") << "the search still runs";
}

TEST(GridDropDown, TellsOfTheScrolledPopupWithTheDropDownAsSender)
{
    TGridDropDownForm Form(nullptr, 40);
    TCustomExtGridDropDown& List = *Form.List;
    std::vector<TObject*> Senders;
    List.OnGridTopLeftChanged = [&](TObject* Sender) { Senders.push_back(Sender); };
    List.ShowDropDown();
    TDropDownStringGrid& Grid = Form.Grid();
    const int Top = Grid.TopRow();
    SendKey(VK_NEXT);
    ASSERT_GT(Grid.TopRow(), Top);
    ASSERT_FALSE(Senders.empty());
    EXPECT_EQ(Senders.back(), &List);
}

namespace {
// Notes each check-box click the drop-down passes on as "column,row on|off".
void RecordCheckBoxClicks(TCustomExtGridDropDown& List, std::vector<std::string>& Clicks)
{
    List.OnGridCheckBoxClick = [&List, &Clicks](TObject* Sender, int ACol, int ARow, bool State) {
        EXPECT_EQ(Sender, List.GetGrid());
        Clicks.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + (State ? " on" : " off"));
    };
}
} // namespace

TEST(GridDropDown, ACheckBoxClickIsPassedOnThroughGridCheckBoxClick)
{
    TGridDropDownForm Form(nullptr);
    TCustomExtGridDropDown& List = *Form.List;
    std::vector<std::string> Clicks;
    RecordCheckBoxClicks(List, Clicks);
    List.ShowDropDown();
    TDropDownStringGrid& Grid = Form.Grid();
    ASSERT_TRUE(Grid.OnCheckBoxClick);
    Grid.OnCheckBoxClick(&Grid, 0, 2, true);
    EXPECT_EQ(Clicks, std::vector<std::string>{"0,2 on"});
}

// The popup never takes the keyboard from the edit, so the focus the grid asks for on the
// press must not fail; the click toggles the box, tells of it and picks no row (the popup
// stays open), also where the box's column is not its display column.
TEST(GridDropDown, AClickOnACheckBoxInTheOpenPopupTogglesItWithoutPickingTheRow)
{
    struct Case {
        const char* Shape;
        bool HideFirstColumn;
    };
    for (const Case& C : {Case{"all columns", false}, Case{"first column hidden", true}}) {
        TGridDropDownForm Form(nullptr);
        TCustomExtGridDropDown& List = *Form.List;
        List.Columns()->Add()->Header = "On";
        std::vector<std::string> Clicks;
        RecordCheckBoxClicks(List, Clicks);
        List.ShowDropDown();
        TDropDownStringGrid& Grid = Form.Grid();
        Grid.ControlLook()->CheckAlwaysActive = true;
        Grid.AddCheckBox(2, 2, false, false);
        if (C.HideFirstColumn) Grid.HideColumn(0);
        int Selected = 0;
        List.OnSelect = [&](TObject*) { ++Selected; };
        const int Shown = Grid.DisplColIndex(2);
        const TPoint P = CellCentre(Grid, Shown, 2);
        ASSERT_TRUE(Grid.IsInCheckBox(2, 2, P.X, P.Y)) << C.Shape;
        SendClick(&Grid, P.X, P.Y);
        EXPECT_TRUE(Grid.IsChecked(2, 2)) << C.Shape;
        EXPECT_EQ(Clicks, std::vector<std::string>{std::to_string(Shown) + ",2 on"}) << C.Shape;
        EXPECT_TRUE(List.DroppedDown()) << C.Shape;
        EXPECT_EQ(Selected, 0) << C.Shape;
        EXPECT_TRUE(List.Focused()) << C.Shape << ": the keyboard stays with the edit";
    }
}

TEST(GridDropDown, PassesThePaintingQuestionsOnAndConnectsCustomDrawingAtTheOpening)
{
    TGridDropDownForm Form(nullptr);
    TCustomExtGridDropDown& List = *Form.List;
    std::set<std::string> Asked;
    List.OnGridGetCellColor = [&](TObject* Sender, int, int, TGridDrawState, TBrush*, TFont*) {
        EXPECT_EQ(Sender, List.GetGrid());
        Asked.insert("colour");
    };
    List.OnGridGetDiplText = [&](TObject* Sender, int ACol, int ARow, std::string& Value) {
        EXPECT_EQ(Sender, List.GetGrid());
        if (ACol == 1 && ARow == 1) Value = "Shown";
        Asked.insert("text");
    };
    int Drawn = 0;
    List.ShowDropDown();
    TDropDownStringGrid& Grid = Form.Grid();
    TBitmap Shot;
    Shot.SetSize(Grid.Width(), Grid.Height());
    List.OnGridCustomCellDraw = [&](TObject*, TCanvas*, int, int, TGridDrawState, const TRect&, bool) { ++Drawn; };
    Grid.PaintTo(Shot.Canvas(), 0, 0);
    EXPECT_EQ(Asked, (std::set<std::string>{"colour", "text"}));
    EXPECT_EQ(Drawn, 0) << "custom drawing assigned after the opening is not connected";
    SendKey(VK_ESCAPE);
    List.ShowDropDown();
    Grid.PaintTo(Shot.Canvas(), 0, 0);
    EXPECT_GT(Drawn, 0);
}

TEST(GridDropDown, ThePopupGridPaintsTheListsColoursAndItemImages)
{
    TGridDropDownForm Form(nullptr);
    TCustomExtGridDropDown& List = *Form.List;
    TCustomImageList Images(nullptr, 12, 12);
    TBitmap Red;
    Red.SetSize(12, 12);
    Red.Canvas()->Brush()->SetColor(clRed);
    Red.Canvas()->FillRect(TRect{0, 0, 12, 12});
    Images.Add(Red);
    List.SetImages(&Images);
    List.Items()->Items(0)->ImageIndex = 0;
    List.Columns()->Items(0)->ColumnType = ctImage;
    List.Columns()->Items(1)->Color = 0xCCFFCC;
    List.HeaderColor = List.HeaderColorTo = 0x40C0F0;
    List.LineColor = clBlue;
    List.SetItemIndex(2);
    List.ShowDropDown();
    TDropDownStringGrid& Grid = Form.Grid();
    TBitmap Shot;
    Shot.SetSize(Grid.Width(), Grid.Height());
    Grid.PaintTo(Shot.Canvas(), 0, 0);
    if (const char* Path = std::getenv("GRID_DROPDOWN_SHOT")) Shot.SaveToFile(Path);
    const TRect Header = Grid.CellRect(1, 0);
    EXPECT_EQ(Shot.Canvas()->Pixels(Header.Right - 4, (Header.Top + Header.Bottom) / 2), TColor(0x40C0F0));
    const TRect Fourth = Grid.CellRect(1, 4);
    EXPECT_EQ(Shot.Canvas()->Pixels(Fourth.Left + 4, (Fourth.Top + Fourth.Bottom) / 2), TColor(0xCCFFCC))
        << "the column's colour";
    EXPECT_EQ(Shot.Canvas()->Pixels(Fourth.Left + 4, Fourth.Bottom - 1), clBlue) << "the line colour";
    const TRect First = Grid.CellRect(0, 1);
    EXPECT_EQ(Shot.Canvas()->Pixels(First.Left + 6, (First.Top + First.Bottom) / 2), clRed) << "the item's image";
    const TRect Second = Grid.CellRect(0, 2);
    EXPECT_NE(Shot.Canvas()->Pixels(Second.Left + 6, (Second.Top + Second.Bottom) / 2), clRed)
        << "an item without an image shows none";
    EXPECT_EQ(Grid.Cells(0, 1), "1");
    EXPECT_EQ(Grid.ItemIndexOfCell(1), 0) << "the image leaves the row's item index";
}

namespace {
// The pixels of one cell of the popup grid as it paints now.
std::vector<TColor> CellPixels(TDropDownStringGrid& Grid, int ACol, int ARow)
{
    TBitmap Shot;
    Shot.SetSize(Grid.Width(), Grid.Height());
    Grid.PaintTo(Shot.Canvas(), 0, 0);
    const TRect R = Grid.CellRect(ACol, ARow);
    std::vector<TColor> Pixels;
    for (int Y = R.Top; Y < R.Bottom; ++Y)
        for (int X = R.Left; X < R.Right; ++X)
            Pixels.push_back(Shot.Canvas()->Pixels(X, Y));
    return Pixels;
}
} // namespace

// A column with Ellipsis shows a text too long for it as its longest beginning that fits
// with "..." after it; a text that fits is shown whole, and other columns cut theirs off.
TEST(GridDropDown, AColumnWithEllipsisEndsATextThatDoesNotFitInDots)
{
    const std::string Long = "Charlie Delta Echo Foxtrot Golf";
    for (const bool HideFirstColumn : {false, true}) {
        const std::string Shape = HideFirstColumn ? "first column hidden" : "all columns";
        TGridDropDownForm Form(nullptr);
        TCustomExtGridDropDown& List = *Form.List;
        List.Columns()->Items(1)->Ellipsis = true;
        List.SetItemIndex(3);
        List.ShowDropDown();
        TDropDownStringGrid& Grid = Form.Grid();
        if (HideFirstColumn) Grid.HideColumn(0);
        const int Shown = Grid.DisplColIndex(1);
        Grid.SetCells(1, 1, Long);
        const std::vector<TColor> Ellipsis = CellPixels(Grid, Shown, 1);
        TDropDownColumn& Column = *Grid.Columns()->Items(1);
        Column.Ellipsis = false;
        EXPECT_NE(CellPixels(Grid, Shown, 1), Ellipsis) << Shape << ": the text is cut off without the dots";
        int Fits = -1;
        for (int Length = 0; Length < static_cast<int>(Long.size()) && Fits < 0; ++Length) {
            Grid.SetCells(1, 1, Long.substr(0, Length) + "...");
            if (CellPixels(Grid, Shown, 1) == Ellipsis) Fits = Length;
        }
        EXPECT_GT(Fits, 0) << Shape << ": some beginning of the text and the dots";
        Grid.SetCells(1, 1, "Charlie");
        const std::vector<TColor> Short = CellPixels(Grid, Shown, 1);
        Column.Ellipsis = true;
        EXPECT_EQ(CellPixels(Grid, Shown, 1), Short) << Shape << ": a text that fits is shown whole";
    }
}

TEST(GridDropDown, TheFirstMouseMoveOfEachOpeningRestartsTheBalloonHints)
{
    TGridDropDownForm Form(nullptr);
    TCustomExtGridDropDown& List = *Form.List;
    int Moves = 0;
    List.OnGridMouseMove = [&](TObject*, TShiftState, int, int) { ++Moves; };
    List.ShowDropDown();
    TDropDownStringGrid& Grid = Form.Grid();
    std::vector<bool> Switched;
    Grid.Balloon()->SetEnable(true);
    Grid.Balloon()->OnEnableChange = [&](TObject*) { Switched.push_back(Grid.Balloon()->Enable()); };
    const TPoint P = CellCentre(Grid, 1, 2);
    SendMouseMove(&Grid, P.X, P.Y);
    SendMouseMove(&Grid, P.X + 3, P.Y);
    EXPECT_EQ(Switched, (std::vector<bool>{false, true})) << "once, off and on again";
    SendKey(VK_ESCAPE);
    List.ShowDropDown();
    SendMouseMove(&Grid, P.X, P.Y);
    EXPECT_EQ(Switched, (std::vector<bool>{false, true, false, true}));
    EXPECT_GE(Moves, 3);
}
