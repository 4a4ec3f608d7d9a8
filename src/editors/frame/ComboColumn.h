#pragma once
#include <string>
#include <vector>

#include "grid/control/ExtColumnGrid.h"

// Gives a column of a rule grid a combo editor with these items.
inline void Set_Combo_Column(TExtColumnGrid& Grid, int Col, TEditorType Editor,
                             const std::vector<std::string>& Items)
{
    TGridColumnItem* item = Grid.Columns()->Items(Col);
    item->SetEditor(Editor);
    item->ComboItems()->Clear();
    for (const std::string& text : Items)
        item->ComboItems()->Add(text);
}

// "0", "1" ... up to Last.
inline std::vector<std::string> Number_Items(int Last)
{
    std::vector<std::string> items;
    for (int n = 0; n <= Last; ++n)
        items.push_back(std::to_string(n));
    return items;
}
