#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "../control/GridShapes.h"
#include "../control/RowSpaceChecks.h"
#include "grid/control/settings/Grouping.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/MouseActions.h"
#include "platform/ui/Input.h"

namespace {

// The kind each row of the shaped grid is grouped on: rows 1..5 "A", 6..10 "B", 11 "C".
std::string KindOfRow(int Row) { return Row <= 5 ? "A" : Row <= 10 ? "B" : "C"; }

// A grouped grid with rows out of the grid inside its groups: whatever the shape hides, and
// row 7 hidden inside group B after grouping. Column 4 holds each row's number, its original
// row, once the kind column has left the grid.
class ShapedGroupFiguresTest : public ShapedGridTest {
protected:
    static constexpr int NumberCol = 4;
    static constexpr int HeaderValueCol = 1;

    void GroupWithRowsOutOfTheGroups(bool Summary)
    {
        for (int r = 1; r < ShapedGridRows; ++r) {
            grid->SetAllCells(4, r, KindOfRow(r));
            grid->SetAllCells(5, r, std::to_string(r));
        }
        grid->SortSettings()->AutoSortForGrouping = false;
        grid->Grouping()->Summary = Summary;
        grid->Group(4);
        for (int r = 0; r < grid->TotalRowCount(); ++r)
            if (grid->AllGridCells(NumberCol, r) == "7") grid->HideRow(r);
        ExpectRowsConsistent(*grid, "grouped, row 7 hidden");
    }

    // The numbers of the data rows shown in each group once row 7 is hidden.
    std::map<std::string, std::vector<int>> ShownRowsByKind() const
    {
        std::vector<int> shown;
        switch (GetParam()) {
        case TGridShape::HiddenRowsAbove:
            shown = {1, 4, 5, 6, 8, 9, 10, 11};
            break;
        case TGridShape::FilterActive:
            shown = {1, 3, 5, 9, 11};
            break;
        case TGridShape::FixedFooter:
            shown = {1, 2, 3, 4, 5, 6, 8, 9, 10};
            break;
        default:
            shown = {1, 2, 3, 4, 5, 6, 8, 9, 10, 11};
            break;
        }
        std::map<std::string, std::vector<int>> byKind;
        for (int r : shown)
            byKind[KindOfRow(r)].push_back(r);
        return byKind;
    }

    // The display row of the shown header of each group.
    std::map<std::string, int> HeaderRows() const
    {
        std::map<std::string, int> headers;
        for (int r = grid->FixedRows(); r < grid->RowCount(); ++r)
            if (grid->IsNode(r)) headers[grid->Cells(HeaderValueCol, r)] = r;
        return headers;
    }

    // The number each group's result row shows: its summary row, the first one below its
    // header, or without summary rows the header itself.
    std::map<std::string, double> ResultsByKind(bool Summary) const
    {
        std::map<std::string, double> results;
        for (const auto& [kind, header] : HeaderRows()) {
            int target = header;
            if (Summary)
                while (target < grid->RowCount() && !grid->IsSummary(target))
                    ++target;
            results[kind] = target < grid->RowCount() ? grid->Floats(NumberCol, target) : -1;
        }
        return results;
    }

    void ClickOnRow(int ADisplRow)
    {
        const TRect cell = grid->CellRect(2, ADisplRow);
        SendClick(grid, (cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
    }
};

TEST_P(ShapedGroupFiguresTest, FiguresAreOverTheShownRowsOfEachGroupAndLandInItsOwnRow)
{
    const struct {
        const char* figure;
        void (TExtStringGrid::*calc)(int);
        double (*expected)(const std::vector<int>&);
    } figures[] = {
        {"sum", &TExtStringGrid::GroupSum,
         [](const std::vector<int>& Rows) {
             double sum = 0;
             for (int r : Rows)
                 sum += r;
             return sum;
         }},
        {"count", &TExtStringGrid::GroupCount,
         [](const std::vector<int>& Rows) { return double(Rows.size()); }},
        {"maximum", &TExtStringGrid::GroupMax,
         [](const std::vector<int>& Rows) { return double(Rows.back()); }},
    };
    for (bool summary : {true, false})
        for (const auto& f : figures) {
            SCOPED_TRACE(std::string(f.figure) + (summary ? " into summary rows" : " into headers"));
            grid->SetParent(nullptr);
            SetUp();
            GroupWithRowsOutOfTheGroups(summary);

            (grid->*f.calc)(NumberCol);
            std::map<std::string, double> expected;
            for (const auto& [kind, rows] : ShownRowsByKind())
                expected[kind] = f.expected(rows);
            EXPECT_EQ(ResultsByKind(summary), expected);
            ExpectRowsConsistent(*grid, "figured");
        }
}

TEST_P(ShapedGroupFiguresTest, ClickOnAGroupHeaderSelectsTheShownRowsOfThatGroupOnly)
{
    for (bool disjunct : {false, true}) {
        SCOPED_TRACE(disjunct ? "disjunct row selection" : "range selection");
        grid->SetParent(nullptr);
        SetUp();
        grid->SetBounds(0, 0, 400, 400);
        GroupWithRowsOutOfTheGroups(false);
        grid->Grouping()->AutoSelectGroup = true;
        grid->MouseActions()->SetDisjunctRowSelect(disjunct);
        grid->MouseActions()->RowSelectPersistent = true;
        const std::map<std::string, std::vector<int>> shownRows = ShownRowsByKind();

        for (const auto& [kind, header] : HeaderRows()) {
            SCOPED_TRACE("group " + kind);
            grid->ClearRowSelect();
            ClickOnRow(header);
            // The rows selected besides the clicked header, by their numbers; a header or
            // summary row, which has none, as -1.
            std::set<int> selected;
            const auto note = [&](const std::string& Number) {
                selected.insert(Number.empty() ? -1 : std::stoi(Number));
            };
            if (disjunct) {
                for (int real : grid->SelectedRows())
                    if (real != grid->RealRowIndex(header)) note(grid->AllGridCells(NumberCol, real));
            } else {
                const TGridRect selection = grid->Selection();
                EXPECT_EQ(selection.Top, header);
                for (int r = selection.Top + 1; r <= selection.Bottom; ++r)
                    note(grid->Cells(NumberCol, r));
            }
            const std::vector<int>& rows = shownRows.at(kind);
            const std::set<int> expected(rows.begin(), rows.end());
            EXPECT_EQ(selected, expected);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapedGroupFiguresTest, testing::ValuesIn(AllGridShapes),
                         GridShapeParamName);

} // namespace
