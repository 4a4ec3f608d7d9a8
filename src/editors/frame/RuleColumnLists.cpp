#include "editors/frame/RuleColumnLists.h"

#include "grid/control/ExtColumnGrid.h"

void Set_Column_List(TExtColumnGrid& Grid, int Col, TEditorType Editor, const std::vector<std::string>& Items)
{
    TGridColumnItem* item = Grid.Columns()->Items(Col);
    item->SetEditor(Editor);
    item->ComboItems()->Clear();
    for (const std::string& text : Items)
        item->ComboItems()->Add(text);
}

void Fill_Position_List(TExtColumnGrid& Grid, int Col, int Count, bool WithNone)
{
    TStringList& items = *Grid.Columns()->Items(Col)->ComboItems();
    items.Clear();
    if (WithNone) items.Add("None");
    for (int position = 0; position < Count; ++position)
        items.Add(std::to_string(position));
}
