#include "grid/control/CellGraphic.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/markup/HtmlControlTags.h"
#include "grid/foundation/markup/HtmlTextOps.h"
#include "grid/foundation/text/CellText.h"
#include "platform/ui/RichTextFormat.h"

bool TExtStringGrid::SetComboSelectionString(const std::string& s)
{
    const int index = FComboItems->IndexOf(s);
    if (index < 0) return false;
    ComboIdx = index;
    return true;
}

// Both ask the editor-property hook first, so that the application can fill the list for
// the cell.
int TExtStringGrid::ComboIndex(int ACol, int ARow)
{
    GetEditorProp(ACol, ARow, nullptr);
    return FComboItems->IndexOf(Cells(ACol, ARow));
}

void TExtStringGrid::SetComboIndex(int ACol, int ARow, int Value)
{
    GetEditorProp(ACol, ARow, nullptr);
    SetCells(ACol, ARow, FComboItems->Strings(Value));
}

void TExtStringGrid::AddRotated(int ACol, int ARow, int AAngle, const std::string& s)
{
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->SetAngle(AAngle);
    SetCells(ACol, ARow, s);
}

void TExtStringGrid::SetRotated(int ACol, int ARow, int AAngle)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) graphic = CreateCellGraphic(ACol, ARow);
    if (graphic) graphic->SetAngle(AAngle);
}

bool TExtStringGrid::IsRotated(int ACol, int ARow, int& aAngle) const
{
    const TCellGraphic* graphic = GraphicOfType(ACol, ARow, ctRotated);
    if (graphic) aAngle = graphic->CellAngle;
    return graphic != nullptr;
}

void TExtStringGrid::TagTextInRange(const std::string& Text, const std::string& TagName,
                                    const TGridRect& Range, bool DoCase)
{
    TagTextInCells(Text, TagName, CellsOfRange(Range), DoCase);
}

void TExtStringGrid::UnTagTextInRange(const std::string& TagName, const TGridRect& Range)
{
    UnTagTextInCells(TagName, CellsOfRange(Range));
}

// A cell covered by another cell's merge shows the base cell's text: only base cells are
// tagged.
void TExtStringGrid::TagTextInCells(const std::string& Text, const std::string& TagName, const TShownCellWalk& Cells,
                                    bool DoCase)
{
    // Tagging also writes stray angle brackets as entities; a cell without an occurrence
    // keeps its text exactly.
    const std::string opening = "<" + TagName + ">";
    const auto openings = [&](const std::string& S) {
        size_t count = 0;
        for (size_t at = S.find(opening); at != std::string::npos; at = S.find(opening, at + 1))
            ++count;
        return count;
    };
    Cells([&](TShownCell Cell) {
        if (IsMergedNonBaseCell(Cell.Col.Index(), Cell.Row.Index())) return;
        const std::string text = GridCells(Cell.Col.Index(), Cell.Row.Index());
        const std::string tagged = HtmlFindHighlight(text, Text, TagName, DoCase);
        if (openings(tagged) > openings(text)) SetCellAt(Cell, tagged);
    });
}

void TExtStringGrid::UnTagTextInCells(const std::string& TagName, const TShownCellWalk& Cells)
{
    Cells([&](TShownCell Cell) {
        if (IsMergedNonBaseCell(Cell.Col.Index(), Cell.Row.Index())) return;
        const std::string text = GridCells(Cell.Col.Index(), Cell.Row.Index());
        const std::string untagged = HtmlRemoveTag(text, TagName);
        if (untagged != text) SetCellAt(Cell, untagged);
    });
}

void TExtStringGrid::SaveCell(int ACol, int ARow, std::string& Value)
{
    Value = SaveVirtCells ? GetFormattedCell(ACol, ARow) : GridCells(ACol, ARow);
    if (Value.empty() && HasCellTypeIn(ACol, ARow, {ctCheckBox, ctTriStateCheckBox})) {
        TCheckBoxState state = cbUnchecked;
        GetCheckBoxState(ACol, ARow, state);
        if (state == cbChecked)
            GetCheckTrue(ACol, ARow, Value);
        else
            GetCheckFalse(ACol, ARow, Value);
    }
    const int type = GetTextType(Value, true);
    if (!SaveWithHTML && type == ttMarkup) Value = HtmlToPlainText(Value);
    if (type == ttRichText) {
        if (SaveWithRTF) {
            std::erase(Value, '\r');
            std::erase(Value, '\n');
        } else {
            Value = RtfPlainText(Value);
        }
    }
    if (OnSaveCell) OnSaveCell(this, ACol, ARow, Value);
}

void TExtStringGrid::LoadCell(int ACol, int ARow, const std::string& Value)
{
    std::string text = Value;
    if (OnLoadCell) OnLoadCell(this, ACol, ARow, text);
    SetGridCells(ACol, ARow, text);
}
