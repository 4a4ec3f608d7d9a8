#include <gtest/gtest.h>

#include "grid/foundation/model/Bands.h"
#include "grid/foundation/painting/FocusHelper.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "grid/foundation/model/SearchFooter.h"
#include "grid/foundation/model/SyncGrid.h"

namespace {

// Counts the firings of one notify event.
struct Counter {
    int count = 0;
    TNotifyEvent Handler()
    {
        return [this](TObject*) { ++count; };
    }
};

TEST(SearchFooter, DefaultsWithAndWithoutDesignTexts)
{
    TSearchFooter runtime(nullptr, false);
    EXPECT_EQ(runtime.FindNextCaption(), "");
    EXPECT_EQ(runtime.HintHighlight(), "");
    EXPECT_TRUE(runtime.ShowFindNext() && runtime.ShowFindPrev() && runtime.ShowHighLight() &&
                runtime.ShowMatchCase() && runtime.ShowClose());
    EXPECT_FALSE(runtime.Visible());
    EXPECT_EQ(runtime.Color(), clWhite);
    EXPECT_EQ(runtime.ColorTo(), clBtnFace);
    EXPECT_TRUE(runtime.AutoSearch);
    EXPECT_EQ(runtime.SearchColumn, -1);
    EXPECT_EQ(runtime.SearchDirection, sdTopBottom);

    TSearchFooter designed(nullptr, true);
    EXPECT_EQ(designed.FindNextCaption(), "Find &next");
    EXPECT_EQ(designed.FindPrevCaption(), "Find &previous");
    EXPECT_EQ(designed.HighLightCaption(), "Highlight");
    EXPECT_EQ(designed.MatchCaseCaption(), "Match case");
    EXPECT_EQ(designed.HintClose(), "Close");
    EXPECT_EQ(designed.HintFindNext(), "Find next occurrence");
    EXPECT_EQ(designed.HintFindPrev(), "Find previous occurrence");
    EXPECT_EQ(designed.HintHighlight(), "Highlight occurrences");
}

TEST(SearchFooter, SomeWritersTellOnlyChangesOthersEveryWrite)
{
    TSearchFooter footer(nullptr, false);
    Counter changes;
    footer.OnChange = changes.Handler();
    footer.SetShowFindNext(true);
    footer.SetVisible(false);
    EXPECT_EQ(changes.count, 0);
    footer.SetColor(footer.Color());
    footer.SetShowClose(true);
    footer.SetHintClose("");
    EXPECT_EQ(changes.count, 3);
    footer.SetVisible(true);
    EXPECT_EQ(changes.count, 4);
}

TEST(SearchFooter, AssignCopiesTheLookButNotTheSearchState)
{
    TSearchFooter source(nullptr, true);
    source.SetVisible(true);
    source.SetColor(clRed);
    source.SetShowMatchCase(false);
    source.SearchColumn = 4;
    source.SearchDirection = sdLeftRight;
    source.AutoSearch = false;
    source.SearchFixedCells = true;
    source.LastSearch = "abc";
    source.SetAutoThemeAdapt(true);
    source.Font()->SetName("Courier New");

    TSearchFooter target(nullptr, false);
    Counter changes;
    target.OnChange = changes.Handler();
    target.Assign(source);
    EXPECT_EQ(changes.count, 0);
    EXPECT_TRUE(target.Visible());
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_FALSE(target.ShowMatchCase());
    EXPECT_EQ(target.FindNextCaption(), "Find &next");
    EXPECT_EQ(target.SearchColumn, 4);
    EXPECT_EQ(target.SearchDirection, sdLeftRight);
    EXPECT_EQ(target.Font()->Name(), "Courier New");
    EXPECT_TRUE(target.AutoSearch);
    EXPECT_FALSE(target.SearchFixedCells);
    EXPECT_EQ(target.LastSearch, "");
    EXPECT_FALSE(target.AutoThemeAdapt());
}

TEST(Navigation, DefaultsAndTheAdvanceAutoLink)
{
    TNavigation nav(nullptr);
    EXPECT_TRUE(nav.AdvanceOnEnterLoop && nav.SkipDisabledRows && nav.EditSelectAll &&
                nav.CursorWalkAlwaysEdit);
    EXPECT_FALSE(nav.AdvanceOnEnter || nav.AllowInsertRow || nav.TabToNextAtEnd || nav.AdvanceAuto());
    EXPECT_EQ(nav.AdvanceDirection(), adLeftRight);
    EXPECT_EQ(nav.HomeEndKey, heFirstLastColumn);
    Counter changes;
    nav.OnChange = changes.Handler();
    nav.SetAdvanceAuto(true);
    EXPECT_TRUE(nav.AdvanceOnEnter);
    nav.SetAdvanceAuto(false);
    EXPECT_TRUE(nav.AdvanceOnEnter);
    EXPECT_EQ(changes.count, 0);
    nav.SetAdvanceDirection(adLeftRight);
    nav.SetAdvanceDirection(adTopBottom);
    nav.SetAdvanceInsert(true);
    nav.SetAdvanceInsert(true);
    EXPECT_EQ(changes.count, 2);
}

TEST(Navigation, AssignCopiesAllButKeepScrollOnSort)
{
    TNavigation source(nullptr);
    source.SetAdvanceDirection(adTopBottomInCol);
    source.SetAdvanceAuto(true);
    source.SkipFixedCells = false;
    source.KeepScrollOnSort = true;
    source.CursorAdvance = caSnake;
    TNavigation target(nullptr);
    Counter changes;
    target.OnChange = changes.Handler();
    target.Assign(source);
    EXPECT_EQ(target.AdvanceDirection(), adTopBottomInCol);
    EXPECT_TRUE(target.AdvanceAuto());
    EXPECT_TRUE(target.AdvanceOnEnter);
    EXPECT_FALSE(target.SkipFixedCells);
    EXPECT_EQ(target.CursorAdvance, caSnake);
    EXPECT_FALSE(target.KeepScrollOnSort);
    EXPECT_EQ(changes.count, 0);
}

TEST(MouseActions, HotmailRowSelectAndTheDisjunctOptions)
{
    TMouseActions mouse(nullptr);
    EXPECT_TRUE(mouse.AutoSizeColOnDblClick && mouse.PreciseNodeClick);
    EXPECT_EQ(mouse.WheelAction(), waMoveSelection);
    EXPECT_EQ(mouse.FixedRowsEditor, fceEdit);
    Counter invalidates, disables;
    mouse.OnInvalidate = invalidates.Handler();
    mouse.OnDisableEdit = disables.Handler();
    mouse.SetHotmailRowSelect(false);
    EXPECT_EQ(invalidates.count, 1);
    EXPECT_FALSE(mouse.DisjunctRowSelect() || mouse.CheckAllCheck);
    mouse.SetHotmailRowSelect(true);
    EXPECT_TRUE(mouse.DisjunctRowSelect() && mouse.CheckAllCheck);
    EXPECT_EQ(invalidates.count, 2);
    mouse.SetEditOnDblClickOnly(false);
    mouse.SetEditOnDblClickOnly(true);
    EXPECT_EQ(disables.count, 1);

    mouse.SetDisjunctColSelect(true); // at run time the three combine
    EXPECT_TRUE(mouse.DisjunctRowSelect() && mouse.DisjunctColSelect());
    mouse.OnIsDesigning = [](TObject*, bool& designing) { designing = true; };
    mouse.SetDisjunctCellSelect(true);
    EXPECT_TRUE(mouse.DisjunctCellSelect());
    EXPECT_FALSE(mouse.DisjunctRowSelect() || mouse.DisjunctColSelect());
}

TEST(MouseActions, AssignLeavesOutTheOptionsWithSideEffects)
{
    TMouseActions source(nullptr);
    source.SetHotmailRowSelect(true);
    source.SetEditOnDblClickOnly(true);
    source.SetWheelAction(waScroll);
    source.WheelIncrement = 3;
    source.FixedComboValues()->Add("x");
    TMouseActions target(nullptr);
    Counter changes;
    target.OnChange = changes.Handler();
    target.Assign(source);
    EXPECT_EQ(target.WheelAction(), waScroll);
    EXPECT_EQ(target.WheelIncrement, 3);
    EXPECT_TRUE(target.DisjunctRowSelect() && target.CheckAllCheck);
    EXPECT_FALSE(target.HotmailRowSelect());
    EXPECT_FALSE(target.EditOnDblClickOnly());
    EXPECT_EQ(target.FixedComboValues()->Count(), 0);
    EXPECT_EQ(changes.count, 0);
}

TEST(Bands, LengthsAndColoursTellOnlyWhileActive)
{
    TBands bands;
    EXPECT_EQ(bands.PrimaryColor(), clInfoBk);
    EXPECT_EQ(bands.SecondaryColor(), clWindow);
    EXPECT_EQ(bands.TotalLength(), 2);
    Counter changes;
    bands.OnChange = changes.Handler();
    bands.SetPrimaryLength(3);
    EXPECT_EQ(bands.TotalLength(), 4);
    EXPECT_EQ(changes.count, 0);
    bands.SetActive(true);
    bands.SetActive(true);
    bands.SetSecondaryColor(clRed);
    bands.SetSecondaryColor(clRed);
    EXPECT_EQ(changes.count, 2);

    TBands copy;
    copy.OnChange = changes.Handler();
    copy.Assign(bands);
    EXPECT_EQ(changes.count, 2);
    EXPECT_TRUE(copy.Active());
    EXPECT_EQ(copy.TotalLength(), 4);
    EXPECT_EQ(copy.SecondaryColor(), clRed);
}

TEST(SyncGridAndFocusHelper, AGridIsNeverSynchronisedWithItself)
{
    // The grids are only compared, never used: two distinct addresses stand for them.
    auto* owner = reinterpret_cast<TStringGrid*>(0x1000);
    auto* other = reinterpret_cast<TStringGrid*>(0x2000);
    TSyncGrid sync(owner);
    sync.SetGrid(owner);
    EXPECT_EQ(sync.Grid(), nullptr);
    sync.SetGrid(other);
    sync.ScrollVertical = true;
    TSyncGrid copy(other);
    copy.Assign(sync);
    EXPECT_EQ(copy.Grid(), nullptr); // the copy belongs to that grid
    EXPECT_TRUE(copy.ScrollVertical);

    TFocusHelper focus, copiedFocus;
    EXPECT_FALSE(focus.Enabled);
    focus.Enabled = true;
    copiedFocus.Assign(focus);
    EXPECT_TRUE(copiedFocus.Enabled);
}

} // namespace
