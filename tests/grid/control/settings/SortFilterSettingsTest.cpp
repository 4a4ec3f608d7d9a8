#include <gtest/gtest.h>

#include "SettingsCase.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/ColumnSize.h"
#include "grid/control/settings/Filter.h"
#include "grid/control/settings/FilterDropDown.h"
#include "grid/control/settings/Grouping.h"
#include "grid/control/settings/SortSettings.h"
#include "platform/rtl/Exceptions.h"

namespace {

TEST(SortSettingsTest, StartWithTheDocumentedDefaults)
{
    const TSortSettings s;
    ExpectCases({
        {"AutoSortForGrouping", s.AutoSortForGrouping, true},
        {"AutoColumnMerge", s.AutoColumnMerge, false},
        {"Column", s.Column, -1},
        {"Show", s.Show(), false},
        {"IndexShow", s.IndexShow, false},
        {"IndexColor", s.IndexColor, 0x0000FFFF},
        {"IndexSortKey", s.IndexSortKey, ikShift},
        {"Full", s.Full, true},
        {"SingleColumn", s.SingleColumn, false},
        {"IgnoreBlanks", s.IgnoreBlanks, false},
        {"BlankPos", s.BlankPos, blFirst},
        {"AutoFormat", s.AutoFormat, true},
        {"Direction", s.Direction, sdAscending},
        {"IgnoreCase", s.IgnoreCase, false},
        {"InitSortDirection", s.InitSortDirection, sdAscending},
        {"FixedCols", s.FixedCols, false},
        {"NormalCellsOnly", s.NormalCellsOnly, false},
        {"Row", s.Row(), 0},
        {"UndoSort", s.UndoSort, false},
        {"SortOnVirtualCells", s.SortOnVirtualCells, true},
        {"HeaderColor", s.HeaderColor(), clNone},
        {"HeaderColorTo", s.HeaderColorTo(), clNone},
        {"HeaderMirrorColor", s.HeaderMirrorColor(), clNone},
        {"HeaderMirrorColorTo", s.HeaderMirrorColorTo(), clNone},
    });
    EXPECT_TRUE(s.UpGlyph()->Empty() && s.DownGlyph()->Empty());
    EXPECT_TRUE(s.IndexUpGlyph()->Empty() && s.IndexDownGlyph()->Empty());
}

TEST(SortSettingsTest, AssignCopiesEverySettingAndThePicturesQuietly)
{
    TSortSettings source;
    source.FixedRowCount = [] { return 3; };
    source.AutoSortForGrouping = false;
    source.Column = 4;
    source.IndexShow = true;
    source.IndexSortKey = ikCtrl;
    source.Full = false;
    source.BlankPos = blLast;
    source.Direction = sdDescending;
    source.InitSortDirection = sdDescending;
    source.SortOnVirtualCells = false;
    source.SetShow(true);
    source.SetRow(2);
    source.SetHeaderColor(clRed);
    source.SetHeaderMirrorColorTo(clLime);
    source.SetUpGlyph(TBitmap(5, 4));
    source.SetIndexDownGlyph(TBitmap(3, 2));

    TSortSettings copy;
    int events = 0;
    copy.OnChange = copy.OnHeaderChange = [&events](TObject*) { ++events; };
    copy.Assign(source);
    ExpectCases({
        {"AutoSortForGrouping", copy.AutoSortForGrouping, false},
        {"Column", copy.Column, 4},
        {"IndexShow", copy.IndexShow, true},
        {"IndexSortKey", copy.IndexSortKey, ikCtrl},
        {"Full", copy.Full, false},
        {"BlankPos", copy.BlankPos, blLast},
        {"Direction", copy.Direction, sdDescending},
        {"InitSortDirection", copy.InitSortDirection, sdDescending},
        {"SortOnVirtualCells", copy.SortOnVirtualCells, false},
        {"Show", copy.Show(), true},
        {"Row", copy.Row(), 2},
        {"HeaderColor", copy.HeaderColor(), clRed},
        {"HeaderMirrorColorTo", copy.HeaderMirrorColorTo(), clLime},
        {"UpGlyph width", copy.UpGlyph()->Width(), 5},
        {"IndexDownGlyph height", copy.IndexDownGlyph()->Height(), 2},
        {"events", events, 0},
    });
    EXPECT_NE(copy.UpGlyph(), source.UpGlyph());

    copy.Assign(TColumnSize());
    EXPECT_EQ(copy.Column, 4);
}

TEST(SortSettingsTest, SortRowMustBeAFixedRow)
{
    const struct {
        int fixedRows;
        int value;
        int expected;
        bool raises;
    } cases[] = {{2, 1, 1, false}, {2, 2, 0, true}, {2, 5, 0, true}, {2, -1, 0, false}, {0, 0, 0, true}};
    for (const auto& c : cases) {
        TSortSettings s;
        s.FixedRowCount = [&c] { return c.fixedRows; };
        if (c.raises) {
            try {
                s.SetRow(c.value);
                ADD_FAILURE() << "no error for row " << c.value;
            } catch (const EExtGridError& e) {
                EXPECT_STREQ(e.what(), "Sort row should be smaller than number of fixed rows");
            }
        } else {
            s.SetRow(c.value);
        }
        EXPECT_EQ(s.Row(), c.expected) << c.fixedRows << " fixed rows, row " << c.value;
    }
}

TEST(SortSettingsTest, HeaderColoursRepaintOnlyWhenChangedAndShowAlways)
{
    TSortSettings s;
    int header = 0;
    int whole = 0;
    s.OnHeaderChange = [&header](TObject*) { ++header; };
    s.OnChange = [&whole](TObject*) { ++whole; };
    s.SetHeaderColor(clNone);
    s.SetHeaderColorTo(clNone);
    EXPECT_EQ(header, 0);
    s.SetHeaderColor(clRed);
    s.SetHeaderMirrorColor(clRed);
    EXPECT_EQ(header, 2);
    s.SetShow(false);
    s.SetShow(false);
    EXPECT_EQ(whole, 2);
}

TEST(FilterTest, AddCombinesLaterItemsWithAndWhileInsertLeavesShort)
{
    TFilter filter;
    EXPECT_EQ(filter.Add().Operation, foNONE);
    EXPECT_EQ(filter.Add().Operation, foAND);
    TFilterData& inserted = filter.Insert(0);
    EXPECT_EQ(inserted.Operation, foSHORT);
    EXPECT_EQ(&filter.Items(2), &inserted); // appended whatever the index
    EXPECT_THROW(filter.Items(3), EListError);
    EXPECT_THROW(filter.Items(-1), EListError);

    const TFilterData& item = filter.Items(0);
    ExpectCases({
        {"Column", item.Column, 0},
        {"CaseSensitive", item.CaseSensitive, true},
        {"Data", item.Data, fcVirtual},
        {"Method", item.Method, fmExpression},
    });
    EXPECT_TRUE(item.Condition.empty() && item.Prefix.empty() && item.Suffix.empty());
}

TEST(FilterTest, ColumnFiltersAreFoundAddedAndRemovedByColumn)
{
    TFilter filter;
    std::vector<int> repainted;
    filter.OnColumnFilterRemoved = [&repainted](int Col) { repainted.push_back(Col); };
    filter.ColumnFilter(2).Condition = "> 5";
    filter.ColumnFilter(3).Condition = "x*";
    filter.Add().Column = 2;
    EXPECT_EQ(filter.ColumnFilter(2).Condition, "> 5");
    EXPECT_EQ(filter.Count(), 3);
    EXPECT_EQ(filter.Items(1).Operation, foAND);

    filter.RemoveColumnFilter(2);
    EXPECT_FALSE(filter.HasFilter(2));
    ASSERT_EQ(filter.Count(), 1);
    EXPECT_EQ(filter.Items(0).Column, 3);
    EXPECT_EQ(repainted, std::vector<int>{2});
}

TEST(FilterTest, AssignCopiesItemsByValue)
{
    TFilter source;
    TFilterData& item = source.ColumnFilter(4);
    item.Condition = "A|B";
    item.CaseSensitive = false;
    item.Data = fcStripHTML;
    item.Prefix = "€";
    item.Suffix = "kg";
    item.Method = fmLiteral;
    TFilter copy;
    copy.Add();
    copy.Add();
    copy.Assign(source);
    ASSERT_EQ(copy.Count(), 1);
    const TFilterData& copied = copy.Items(0);
    ExpectCases({
        {"Column", copied.Column, 4},
        {"CaseSensitive", copied.CaseSensitive, false},
        {"Data", copied.Data, fcStripHTML},
        {"Operation", copied.Operation, foNONE},
        {"Method", copied.Method, fmLiteral},
    });
    EXPECT_EQ(copied.Condition, "A|B");
    EXPECT_EQ(copied.Prefix, "€");
    EXPECT_EQ(copied.Suffix, "kg");
    item.Condition = "changed";
    EXPECT_EQ(copied.Condition, "A|B");
}

TEST(GroupingTest, DefaultsAndAssign)
{
    TGrouping g;
    ExpectCases({
        {"AutoSelectGroup", g.AutoSelectGroup, false},
        {"AutoCheckGroup", g.AutoCheckGroup, false},
        {"HeaderColor", g.HeaderColor, clNone},
        {"HeaderColorTo", g.HeaderColorTo, clNone},
        {"HeaderTextColor", g.HeaderTextColor, clNone},
        {"HeaderUnderline", g.HeaderUnderline, false},
        {"HeaderLineColor", g.HeaderLineColor, 0x00FF0000},
        {"HeaderLineWidth", g.HeaderLineWidth, 2},
        {"MergeHeader", g.MergeHeader, false},
        {"MergeSummary", g.MergeSummary, false},
        {"ShowGroupCount", g.ShowGroupCount, false},
        {"Summary", g.Summary, false},
        {"SummaryColor", g.SummaryColor, clNone},
        {"SummaryColorTo", g.SummaryColorTo, clNone},
        {"SummaryTextColor", g.SummaryTextColor, clNone},
        {"SummaryLine", g.SummaryLine, false},
        {"SummaryLineColor", g.SummaryLineColor, 0x00FF0000},
        {"SummaryLineWidth", g.SummaryLineWidth, 2},
    });
    EXPECT_TRUE(g.GroupCountFormat.empty());

    TGrouping source;
    source.GroupCountFormat = "[%d]";
    source.MergeSummary = true;
    source.SummaryLineWidth = 5;
    source.HeaderTextColor = clRed;
    g.Assign(source);
    EXPECT_EQ(g.GroupCountFormat, "[%d]");
    ExpectCases({
        {"MergeSummary", g.MergeSummary, true},
        {"SummaryLineWidth", g.SummaryLineWidth, 5},
        {"HeaderTextColor", g.HeaderTextColor, clRed},
    });
    g.Assign(TColumnSize());
    EXPECT_EQ(g.SummaryLineWidth, 5);
}

TEST(FilterDropDownTest, DefaultsAssignAndPictureChanges)
{
    TFilterDropDown d;
    ExpectCases({
        {"AutoSize", d.AutoSize, false},
        {"Color", d.Color, clWindow},
        {"ColumnWidth", d.ColumnWidth, false},
        {"Height", d.Height, 150},
        {"Width", d.Width, 150},
    });
    int changes = 0;
    d.OnChange = [&changes](TObject*) { ++changes; };
    d.SetGlyph(TBitmap(8, 8));
    d.SetGlyphActive(TBitmap(8, 8));
    EXPECT_EQ(changes, 2);

    TFilterDropDown source;
    source.AutoSize = true;
    source.Color = clRed;
    source.ColumnWidth = true;
    source.Height = 90;
    source.Width = 120;
    source.Font()->SetName("Arial");
    source.SetGlyphActive(TBitmap(6, 5));
    d.Assign(source);
    ExpectCases({
        {"AutoSize stays", d.AutoSize, false},
        {"Color", d.Color, clRed},
        {"ColumnWidth", d.ColumnWidth, true},
        {"Height", d.Height, 90},
        {"Width", d.Width, 120},
        {"GlyphActive width", d.GlyphActive()->Width(), 6},
        {"Glyph emptied", d.Glyph()->Empty(), true},
        {"no event", changes, 2},
    });
    EXPECT_EQ(d.Font()->Name(), "Arial");
}

} // namespace
