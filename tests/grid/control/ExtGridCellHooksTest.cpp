#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "../foundation/Locale.h"
#include "GridOnForm.h"
#include "grid/control/settings/BackGround.h"
#include "grid/foundation/model/Bands.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/DateUtils.h"
#include "platform/ui/DateTimePicker.h"

namespace {

using ExtGridCellHooksTest = GridOnForm;

TEST_F(ExtGridCellHooksTest, WithoutHandlersTheGridGivesItsOwnAnswers)
{
    std::string checkTrue, checkFalse;
    grid->GetCheckTrue(2, 3, checkTrue);
    grid->GetCheckFalse(2, 3, checkFalse);
    EXPECT_EQ(checkTrue, "Y");
    EXPECT_EQ(checkFalse, "N");
    EXPECT_FALSE(grid->HasCombo(2, 3));
    EXPECT_FALSE(grid->HasSpinEdit(2, 3));
    bool canAdd = true;
    grid->CanAddRow(canAdd);
    EXPECT_TRUE(canAdd);
    double rate = 2.5;
    EXPECT_TRUE(grid->DoRatingChange(2, 3, rate));
}

// Opens the painter's question whether cells have borders of their own.
class TBorderProbeGrid : public TExtStringGrid {
public:
    using TExtStringGrid::HasCustomCellBorders;
    using TExtStringGrid::TExtStringGrid;
};

TEST_F(ExtGridCellHooksTest, CellsHaveTheirOwnBordersOnlyWithABorderHandler)
{
    TBorderProbeGrid probe(&form);
    EXPECT_FALSE(probe.HasCustomCellBorders());
    probe.OnGetCellBorder = [](TObject*, int, int, TPen*, TCellBorders&) {};
    EXPECT_TRUE(probe.HasCustomCellBorders());
}

// Every event reports the two indexes in the order it received them; the grid is asked
// about real column 3, row 6.
TEST_F(ExtGridCellHooksTest, EventsReceiveRowAndColumnInTheirOwnOrder)
{
    std::pair<int, int> seen;
    auto note = [&seen](int first, int second) { seen = {first, second}; };
    TPen pen;
    TBrush brush;
    TFont font;
    const struct {
        const char* name;
        std::function<void()> assign;
        std::function<void()> ask;
        bool rowFirst;
    } cases[] = {
        {"OnGridHint", [&] { grid->OnGridHint = [&](TObject*, int a, int b, std::string&) { note(a, b); }; },
         [&] {
             std::string h, w;
             grid->GetCellHint(3, 6, h, w);
         },
         true},
        {"OnGetCellColor",
         [&] {
             grid->OnGetCellColor = [&](TObject*, int a, int b, TGridDrawState, TBrush*, TFont*) {
                 note(a, b);
             };
         },
         [&] { grid->GetCellColor(3, 6, {}, &brush, &font); }, true},
        {"OnGetCellBorder",
         [&] { grid->OnGetCellBorder = [&](TObject*, int a, int b, TPen*, TCellBorders&) { note(a, b); }; },
         [&] {
             TCellBorders borders;
             grid->GetCellBorder(3, 6, &pen, borders);
         },
         true},
        {"OnGetAlignment",
         [&] {
             grid->OnGetAlignment = [&](TObject*, int a, int b, TAlignment&, TVAlignment&) { note(a, b); };
         },
         [&] {
             TAlignment h = taLeftJustify;
             TVAlignment v = vtaTop;
             grid->GetCellAlignment(3, 6, h, v);
         },
         true},
        {"OnIsPasswordCell",
         [&] { grid->OnIsPasswordCell = [&](TObject*, int a, int b, bool&) { note(a, b); }; },
         [&] {
             bool p = false;
             grid->IsPasswordCell(3, 6, p);
         },
         true},
        {"OnGetEditorType",
         [&] { grid->OnGetEditorType = [&](TObject*, int a, int b, TEditorType&) { note(a, b); }; },
         [&] {
             TEditorType e = edNormal;
             grid->GetCellEditor(3, 6, e);
         },
         false},
        {"OnHasComboBox", [&] { grid->OnHasComboBox = [&](TObject*, int a, int b, bool&) { note(a, b); }; },
         [&] { grid->HasCombo(3, 6); }, false},
        {"OnHasSpinEdit", [&] { grid->OnHasSpinEdit = [&](TObject*, int a, int b, bool&) { note(a, b); }; },
         [&] { grid->HasSpinEdit(3, 6); }, false},
        {"OnGetWordWrap", [&] { grid->OnGetWordWrap = [&](TObject*, int a, int b, bool&) { note(a, b); }; },
         [&] {
             bool w = true;
             grid->GetCellWordWrap(3, 6, w);
         },
         false},
        {"OnGetCheckTrue",
         [&] { grid->OnGetCheckTrue = [&](TObject*, int a, int b, std::string&) { note(a, b); }; },
         [&] {
             std::string v;
             grid->GetCheckTrue(3, 6, v);
         },
         false},
        {"OnButtonClick", [&] { grid->OnButtonClick = [&](TObject*, int a, int b) { note(a, b); }; },
         [&] { grid->DoButtonClick(3, 6); }, false},
        {"OnComboCloseUp", [&] { grid->OnComboCloseUp = [&](TObject*, int a, int b) { note(a, b); }; },
         [&] { grid->DoComboCloseUp(6, 3); }, true},
        {"OnCheckBoxChange",
         [&] { grid->OnCheckBoxChange = [&](TObject*, int a, int b, bool) { note(a, b); }; },
         [&] { grid->DoCheckBoxChange(3, 6, true); }, false},
    };
    for (const auto& c : cases) {
        seen = {-1, -1};
        c.assign();
        c.ask();
        EXPECT_EQ(seen, c.rowFirst ? std::make_pair(6, 3) : std::make_pair(3, 6)) << c.name;
    }
}

TEST_F(ExtGridCellHooksTest, HandlersChangeTheAnswers)
{
    grid->OnGridWideHint = [](TObject*, int, int, std::string& wide) { wide = "wide"; };
    std::string hint = "plain", wide;
    grid->GetCellHint(1, 1, hint, wide);
    EXPECT_EQ(hint, "wide");

    grid->OnHasSpinEdit = [](TObject*, int, int, bool& has) { has = true; };
    EXPECT_TRUE(grid->HasSpinEdit(2, 2));
    EXPECT_FALSE(grid->HasSpinEdit(0, 2)) << "a fixed cell never shows spin buttons";

    grid->OnRatingChange = [](TObject*, int, int, double& rate, bool& allow) {
        rate = 4;
        allow = false;
    };
    double rate = 2;
    EXPECT_FALSE(grid->DoRatingChange(1, 1, rate));
    EXPECT_EQ(rate, 4);
}

TEST_F(ExtGridCellHooksTest, CurrentCellHeadersTakeTheActiveCellLookBeforeTheEvent)
{
    grid->ActiveCellShow = true;
    grid->ActiveCellColor = clYellow;
    grid->ActiveCellFont()->SetColor(clMaroon);
    grid->FocusCell(2, 3);
    TColor brushSeen = clNone, fontSeen = clNone;
    grid->OnGetCellColor = [&](TObject*, int, int, TGridDrawState, TBrush* brush, TFont* font) {
        brushSeen = brush->Color();
        fontSeen = font->Color();
    };
    const struct {
        int col, row;
        bool header;
    } cases[] = {{2, 0, true}, {0, 3, true}, {3, 0, false}, {0, 4, false}, {2, 3, false}};
    for (const auto& c : cases) {
        TBrush brush;
        brush.SetColor(clWhite);
        TFont font;
        font.SetColor(clBlack);
        grid->GetCellColor(c.col, c.row, {}, &brush, &font);
        EXPECT_EQ(brushSeen, c.header ? clYellow : clWhite) << c.col << "," << c.row;
        EXPECT_EQ(fontSeen, c.header ? clMaroon : clBlack) << c.col << "," << c.row;
    }
}

TEST_F(ExtGridCellHooksTest, ACellsOwnColoursShowUnlessItHoldsAPicture)
{
    TCellProperties* props = grid->GetCellProperties(2, 2);
    props->SetBrushColor(clLime);
    props->FontColor = clRed;
    TBrush brush;
    TFont font;
    grid->GetCellColor(2, 2, {}, &brush, &font);
    EXPECT_EQ(brush.Color(), clLime);
    EXPECT_EQ(font.Color(), clRed);

    TObject picture;
    props->GraphicObject = &picture;
    brush.SetColor(clWhite);
    grid->GetCellColor(2, 2, {}, &brush, &font);
    EXPECT_EQ(brush.Color(), clWhite);
    props->GraphicObject = nullptr;
}

TEST_F(ExtGridCellHooksTest, NewCellPropertiesNeverTakeFixedBandOrSelectionColours)
{
    grid->SetSelection(TGridRect{3, 5, 3, 5});
    EXPECT_EQ(grid->GetCellProperties(0, 2)->BrushColor(), clNone) << "fixed";
    EXPECT_EQ(grid->GetCellProperties(3, 5)->BrushColor(), clNone) << "selected";
    EXPECT_EQ(grid->GetCellProperties(2, 2)->BrushColor(), grid->Color()) << "normal";
    grid->Bands()->SetActive(true);
    EXPECT_EQ(grid->GetCellProperties(2, 3)->BrushColor(), clNone) << "banded";
}

TEST_F(ExtGridCellHooksTest, DatePickersReportTheirValueForTheCurrentCell)
{
    LocaleScope scope(kGerman);
    TDateTimePicker picker(&form);
    picker.SetDateTime(EncodeDate(2024, 3, 7) + EncodeTime(13, 45, 30, 0));
    grid->FocusCell(2, 3);
    std::vector<std::string> texts;
    grid->OnEditChange = [&](TObject*, int col, int row, const std::string& value) {
        texts.push_back(std::to_string(col) + "," + std::to_string(row) + " " + value);
    };
    grid->DatePickerChange(picker);
    picker.SetKind(dtkTime);
    grid->DatePickerChange(picker);
    EXPECT_EQ(texts, (std::vector<std::string>{"2,3 07.03.2024", "2,3 13:45:30"}));

    TDateTime seen = 0;
    grid->OnDateTimeChange = [&](TObject*, int, int, TDateTime value) { seen = value; };
    grid->DateTimePickerChange(picker);
    EXPECT_DOUBLE_EQ(seen, picker.DateTime());
}

// Column 1 of four normal rows: a one-word text twice, a two-word text once, and a hidden row.
class ExtGridColumnFilterTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->FilterDropDownAuto = true;
        grid->SetRowCount(5);
        grid->SetCells(1, 1, "beta");
        grid->SetCells(1, 2, " alpha one ");
        grid->SetCells(1, 3, "beta");
        grid->SetCells(1, 4, "gamma");
        grid->HideRow(4);
    }
    std::vector<std::string> Entries() const { return grid->FilterEntries()->Items(); }
};

TEST_F(ExtGridColumnFilterTest, OffersEachValueOnceSortedAfterTheClearEntry)
{
    EXPECT_TRUE(grid->GetColumnFilter(1));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"(All)", "alpha one=\"alpha one\"", "beta", "gamma"}));
    grid->FilterDropDownClear.clear();
    grid->FilterIncremental = true;
    grid->GetColumnFilter(1);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"alpha one=\"alpha one\"", "beta"}));
}

TEST_F(ExtGridColumnFilterTest, FixedColumnsOfferOnlyWhatTheEventAdds)
{
    EXPECT_FALSE(grid->GetColumnFilter(0));
    EXPECT_TRUE(Entries().empty());
    grid->OnGetColumnFilter = [](TObject*, int column, TStringList* filter) {
        if (column == 0) filter->Add("mine");
    };
    EXPECT_TRUE(grid->GetColumnFilter(0));
    EXPECT_EQ(Entries(), std::vector<std::string>{"mine"});
}

} // namespace
