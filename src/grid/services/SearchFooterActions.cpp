#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/editors/ExtCheckBox.h"
#include "grid/foundation/editors/ExtGridButton.h"
#include "grid/foundation/model/SearchFooter.h"
#include "grid/control/SearchPanel.h"

// The search bar's handlers: typing searches at once, Enter and Ctrl+Enter step on and
// back, and the highlight button tags every occurrence.

namespace {

// The edit's colour while its text occurs nowhere.
constexpr TColor kSearchNotFoundColor = 0x0000FF;

} // namespace

bool TExtStringGrid::SearchHighlighting() const
{
    return SearchFooter()->AlwaysHighLight || (FSearchPanel && FSearchPanel->HiliteButton()->Down());
}

TFindParameters TExtStringGrid::SearchFooterParams(bool Typing, bool Backward)
{
    const TSearchFooter& footer = *SearchFooter();
    TFindParameters params{fnAutoGoto};
    const auto addIf = [&params](bool Condition, TFindParameter Flag) {
        if (Condition) params += Flag;
    };
    addIf(Backward, fnBackward);
    addIf(FSearchPanel && FSearchPanel->HiliteButton()->Down(), fnIgnoreHTMLTags);
    addIf(FSearchPanel && FSearchPanel->MatchCase()->Checked(), fnMatchCase);
    addIf(footer.SearchActiveColumnOnly, fnFindInCurrentCol);
    addIf(footer.SearchMatchStart, fnMatchStart);
    addIf(Typing && footer.SearchFixedCells, fnIncludeFixed);
    addIf(Typing && footer.SearchHiddenRows, fnIncludeHiddenRows);
    addIf(footer.SearchDirection == sdLeftRight, fnDirectionLeftRight);
    if (footer.SearchColumn >= 0 && footer.SearchColumn < ColCount()) {
        FFindCol = footer.SearchColumn;
        params += fnFindInPresetCol;
    }
    return params;
}

void TExtStringGrid::HighlightSearchText()
{
    const int col = SearchFooter()->SearchColumn;
    const bool matchCase = FSearchPanel->MatchCase()->Checked();
    const std::string text = FSearchPanel->EditControl()->Text();
    if (col == -1)
        HilightInGrid(false, matchCase, text);
    else
        HilightInCol(false, matchCase, col, text);
}

void TExtStringGrid::RemoveSearchHighlights()
{
    const int col = SearchFooter()->SearchColumn;
    if (col == -1)
        UnHilightInGrid(false);
    else
        UnHilightInCol(false, col);
}

void TExtStringGrid::SearchEditChange()
{
    TRetEdit& edit = *FSearchPanel->EditControl();
    const std::string text = edit.Text();
    bool defaultSearch = true;
    if (OnSearchEditChange) OnSearchEditChange(this, text, defaultSearch);
    if (!defaultSearch || !SearchFooter()->AutoSearch) return;
    FFindParams = SearchFooterParams(true, false);
    const bool highlighting = SearchHighlighting();
    if (highlighting) RemoveSearchHighlights();
    if (text.empty()) {
        edit.SetColor(clWindow);
        return;
    }
    SearchCell = Find({-1, -1}, text, FFindParams);
    DoSearchFooterAction(text, SearchCell.X, SearchCell.Y, saFindFirst);
    if (SearchCell.X < 0) {
        edit.SetColor(kSearchNotFoundColor);
        return;
    }
    edit.SetColor(clWindow);
    if (highlighting) HighlightSearchText();
}

void TExtStringGrid::SearchStep(bool Backward)
{
    const std::string text = FSearchPanel->EditControl()->Text();
    TSearchFooter& footer = *SearchFooter();
    if (!footer.AutoSearch) {
        if (text != footer.LastSearch) SearchCell = {-1, -1};
        footer.LastSearch = text;
    }
    SearchCell = Find(SearchCell, text, SearchFooterParams(false, Backward));
    DoSearchFooterAction(text, SearchCell.X, SearchCell.Y, Backward ? saFindPrevious : saFindNext);
    FSearchPanel->Invalidate();
}

void TExtStringGrid::SearchHighlight()
{
    if (FSearchPanel->HiliteButton()->Down())
        HighlightSearchText();
    else
        RemoveSearchHighlights();
}
