#pragma once
#include <gtest/gtest.h>

#include <cstdlib>

#include "grid/control/ExtStringGrid.h"
#include "platform/ui/Forms.h"

// Every cell text of the grid, row by row.
inline std::vector<std::vector<std::string>> CellsOf(const TExtStringGrid& Grid)
{
    std::vector<std::vector<std::string>> rows(Grid.RowCount());
    for (int r = 0; r < Grid.RowCount(); ++r)
        for (int c = 0; c < Grid.ColCount(); ++c)
            rows[r].push_back(Grid.Cells(c, r));
    return rows;
}

// A string grid of its default size on a shown off-screen form: the grid has a window, so
// its focus moves ask the cell-selection rules.
template <typename TGrid> class GridOnFormOf : public testing::Test {
protected:
    void SetUp() override
    {
        form.SetClientSize(500, 300);
        grid = new TGrid(&form);
        grid->SetParent(&form);
        form.Show();
    }
    // Makes the grid exactly these rows of texts, with no fixed rows or columns.
    void FillPlain(const std::vector<std::vector<std::string>>& Rows)
    {
        grid->SetFixedRows(0);
        grid->SetFixedCols(0);
        grid->SetRowCount(static_cast<int>(Rows.size()));
        grid->SetColCount(static_cast<int>(Rows.front().size()));
        for (int r = 0; r < grid->RowCount(); ++r)
            for (int c = 0; c < grid->ColCount(); ++c)
                grid->SetCells(c, r, Rows[r][c]);
    }
    // Writes "c,r" into every cell of the grid's real columns.
    void FillCoordinates()
    {
        for (int c = 0; c < grid->TotalColCount(); ++c)
            for (int r = 0; r < grid->RowCount(); ++r)
                grid->SetCells(c, r, std::to_string(c) + "," + std::to_string(r));
    }
    // Saves the form as it looks now to the file an environment variable names, to be
    // looked at; a test that calls it is skipped when the variable is not set.
    void SaveScreenshotTo(const char* Variable)
    {
        const char* path = std::getenv(Variable);
        if (!path) GTEST_SKIP() << "no screenshot asked for";
        form.Repaint();
        TBitmap shot;
        shot.SetSize(form.ClientWidth(), form.ClientHeight());
        form.PaintTo(shot.Canvas(), 0, 0);
        shot.SaveToFile(path);
    }

    TForm form{nullptr};
    TGrid* grid = nullptr;
};

using GridOnForm = GridOnFormOf<TExtStringGrid>;
