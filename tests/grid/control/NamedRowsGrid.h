#pragma once
#include <initializer_list>
#include <string>
#include <vector>

#include "GridOnForm.h"

// A grid of 10 rows whose column 1 names each row's real row ("r3"), so that a test sees
// which rows are shown, and in which order, after rows were hidden, moved or removed.
class NamedRowsGrid : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetRowCount(10);
        for (int r = 0; r < grid->RowCount(); ++r)
            grid->SetCells(1, r, "r" + std::to_string(r));
    }
    std::vector<std::string> ShownRows() const
    {
        std::vector<std::string> rows;
        for (int r = 0; r < grid->RowCount(); ++r)
            rows.push_back(grid->Cells(1, r));
        return rows;
    }
    static std::vector<std::string> Rows(std::initializer_list<int> Indexes)
    {
        std::vector<std::string> rows;
        for (int r : Indexes)
            rows.push_back("r" + std::to_string(r));
        return rows;
    }
};
