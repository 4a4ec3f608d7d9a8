#pragma once
#include <string>
#include <vector>

#include "platform/grids/Grids.h"
#include "platform/ui/Forms.h"

// A string grid on a shown form, with its hooks opened for the tests and a record of what
// they were asked.
class TProbeGrid : public TStringGrid {
public:
    using TCustomGrid::FocusCell;
    using TCustomGrid::HideEditor;
    using TCustomGrid::InvalidateEditor;
    using TCustomGrid::ShowEditor;
    using TCustomGrid::ShowEditorChar;
    using TStringGrid::KeyDown;
    using TStringGrid::TStringGrid;

    struct TDrawn {
        int Col;
        int Row;
        TRect Rect;
        TGridDrawState State;
    };
    std::vector<TDrawn> Drawn;
    std::vector<std::pair<int, int>> Refused; // cells SelectCell refuses
    std::vector<std::string> EditTexts;       // "col,row=text" as SetEditText got them
    std::vector<std::pair<int, int>> Moves;   // ColumnMoved / RowMoved
    std::vector<char32_t> KeyPresses;
    int TopLeftChanges = 0;
    int ColWidthChanges = 0;
    bool MultiLineCells = false; // the editor keeps several lines and wraps words

protected:
    void GetEditLines(int, int, bool& MultiLine, bool& WordWrap) override
    {
        MultiLine = WordWrap = MultiLineCells;
    }
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override
    {
        Drawn.push_back({ACol, ARow, ARect, AState});
        TStringGrid::DrawCell(ACol, ARow, ARect, AState);
    }
    bool SelectCell(int ACol, int ARow) override
    {
        for (auto [c, r] : Refused)
            if (c == ACol && r == ARow) return false;
        return TStringGrid::SelectCell(ACol, ARow);
    }
    void SetEditText(int ACol, int ARow, const std::string& Value) override
    {
        EditTexts.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + "=" + Value);
        TStringGrid::SetEditText(ACol, ARow, Value);
    }
    void ColumnMoved(int FromIndex, int ToIndex) override
    {
        Moves.emplace_back(FromIndex, ToIndex);
        TStringGrid::ColumnMoved(FromIndex, ToIndex);
    }
    void RowMoved(int FromIndex, int ToIndex) override
    {
        Moves.emplace_back(FromIndex, ToIndex);
        TStringGrid::RowMoved(FromIndex, ToIndex);
    }
    void KeyPress(char32_t& key) override
    {
        KeyPresses.push_back(key);
        TStringGrid::KeyPress(key);
    }
    void TopLeftChanged() override
    {
        ++TopLeftChanges;
        TStringGrid::TopLeftChanged();
    }
    void ColWidthsChanged() override
    {
        ++ColWidthChanges;
        TStringGrid::ColWidthsChanged();
    }
};

// The grid on a shown form: 5 x 5 cells of 64 x 24 with one fixed column and row, in a
// client area of 300 x 110 (no scroll bars until the content needs them).
class GridFixture {
public:
    GridFixture()
    {
        Application->CreateForm(form);
        form->SetClientSize(400, 300);
        form->Show();
        grid = new TProbeGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 300, 110);
        grid->SetScrollBars(ssNone);
    }
    ~GridFixture() { delete form; }
    GridFixture(const GridFixture&) = delete;
    GridFixture& operator=(const GridFixture&) = delete;

    TForm* form = nullptr;
    TProbeGrid* grid = nullptr;
};
