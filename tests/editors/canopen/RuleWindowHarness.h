#pragma once
#include <functional>
#include <string>
#include <vector>

#include "editors/frame/RuleEditorForm.h"
#include "grid/control/ExtColumnGrid.h"
#include "platform/ui/ComCtrls.h"
#include "support/FakeDialogs.h"
#include "support/TestFiles.h"
#include "workspace/ULanguage.h"

// One rule editor window created as the program creates it, its rule file in a directory
// of its own, and its dialogs answered by the test.
template <class TWindow> class TRuleWindowHarness {
public:
    TRuleWindowHarness(std::string& FilePath, const std::string& FileName)
        : path_(FilePath), savedPath_(FilePath)
    {
        Load_Default_Texts();
        FilePath = dir.File(FileName);
        File = FilePath;
        window = new TWindow(&owner);
        window->AfterConstruction();
    }

    // Shows the window modally, runs the action on it and returns the modal result.
    TModalResult Show(std::function<void(TWindow&)> action = {})
    {
        dialogs.OnModal([action](TCustomForm& shown) {
            if (action) action(static_cast<TWindow&>(shown));
        });
        return window->ShowModal();
    }

    std::vector<std::string> Messages() const { return Texts(dialogs); }

    // Shows the window, lets Fill write its cells, presses OK and returns the messages
    // shown from the show on.
    std::vector<std::string> Ok_Messages(std::function<void(TWindow&)> Fill, TModalResult* Result = nullptr)
    {
        TFakeDialogs answers;
        answers.OnModal([Fill](TCustomForm& shown) {
            auto& window = static_cast<TWindow&>(shown);
            Fill(window);
            window.Btn_OK->Click();
        });
        const TModalResult result = window->ShowModal();
        if (Result) *Result = result;
        return Texts(answers);
    }

    // Fills the rows of one table from row 1 and presses OK; the messages shown.
    std::vector<std::string> Check(int Table, const std::vector<std::vector<std::string>>& Rules,
                                   TModalResult* Result = nullptr)
    {
        return Ok_Messages(
            [&](TWindow& w) {
                for (size_t r = 0; r < Rules.size(); ++r)
                    Fill_Row(*w.Grids[Table], static_cast<int>(r) + 1, Rules[r]);
            },
            Result);
    }

    static std::vector<std::string> Texts(const TFakeDialogs& Dialogs)
    {
        std::vector<std::string> texts;
        for (const auto& message : Dialogs.Messages())
            texts.push_back(message.Text);
        return texts;
    }

    ~TRuleWindowHarness() { path_ = savedPath_; }
    TRuleWindowHarness(const TRuleWindowHarness&) = delete;
    TRuleWindowHarness& operator=(const TRuleWindowHarness&) = delete;

    TempDir dir;
    std::string File;
    TFakeDialogs dialogs;
    TComponent owner{nullptr};
    TWindow* window;

private:
    std::string& path_;
    std::string savedPath_;
};

// Writes the texts into columns 1, 2 ... of the row.
inline void Fill_Row(TExtColumnGrid& Grid, int Row, const std::vector<std::string>& Cells)
{
    for (size_t c = 0; c < Cells.size(); ++c)
        Grid.SetCells(static_cast<int>(c) + 1, Row, Cells[c]);
}

inline std::vector<std::string> Row_Cells(const TExtColumnGrid& Grid, int Row)
{
    std::vector<std::string> cells;
    for (int c = 1; c < Grid.ColCount(); ++c)
        cells.push_back(Grid.Cells(c, Row));
    return cells;
}

// Columns 1 onwards, hidden ones included.
inline std::vector<std::string> All_Cells(const TExtColumnGrid& Grid, int Row)
{
    std::vector<std::string> cells;
    for (int c = 1; c < Grid.TotalColCount(); ++c)
        cells.push_back(Grid.Cells(c, Row));
    return cells;
}

// The first displayed column of the grid whose cells open the text editor; -1 when none.
inline int First_Text_Column(TExtColumnGrid& Grid)
{
    for (int c = 1; c < Grid.ColCount(); ++c) {
        TEditorType editor = edNormal;
        Grid.GetCellEditor(Grid.RealColIndex(c), 1, editor);
        if (editor == edNormal) return c;
    }
    return -1;
}

inline void Press_OK(TRuleEditorForm& window) { window.Btn_OK->Click(); }

// Makes the grid of the given table the one on the active page, with its current row.
inline TExtColumnGrid& Go_To(TRuleEditorForm& window, int Table, int Row)
{
    window.PageControl1->SetActivePageIndex(Table);
    TExtColumnGrid& grid = *window.Grids[Table];
    grid.SetRow(Row);
    return grid;
}
