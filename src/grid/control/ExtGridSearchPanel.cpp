#include "grid/control/ExtStringGrid.h"
#include "grid/control/SearchPanel.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/foundation/model/SearchFooter.h"

// The search bar under the grid: the grid owns it and gives it the footer's settings.

void TExtStringGrid::CreateSearchPanel()
{
    FSearchPanel = new TSearchPanel(this);
    FSearchPanel->SetParent(this);
    FSearchPanel->SetAlign(alBottom);
    FSearchPanel->SetVisible(false);
    FSearchPanel->OnEditChange = [this](TObject*) { SearchEditChange(); };
    FSearchPanel->OnForwardClick = [this](TObject*) { SearchForward(); };
    FSearchPanel->OnBackwardClick = [this](TObject*) { SearchBackward(); };
    FSearchPanel->OnExitClick = [this](TObject*) { SearchClose(); };
    FSearchPanel->OnHighlightClick = [this](TObject*) { SearchHighlight(); };
}

void TExtStringGrid::SearchFooterChanged()
{
    if (ComponentState().Contains(csLoading) || !FSearchPanel) return;
    // Settings that change under a highlighted search take its marks away first.
    if (SearchHighlighting()) RemoveSearchHighlights();
    // The panel's window comes with its first showing.
    if (SearchFooter()->Visible() && !FSearchPanelShown) {
        FSearchPanelShown = true;
        if (OnCreatedSearchFooter) OnCreatedSearchFooter(this);
    }
    FSearchPanel->LineColor = GridLineColor();
    FSearchPanel->ApplySettings(*SearchFooter(), ControlLook()->ControlStyle(), AutoThemeAdapt(), Height());
    if (SearchFooter()->Visible()) ScrollAboveSearchFooter();
}

void TExtStringGrid::SearchClose()
{
    if (OnSearchFooterClose) OnSearchFooterClose(this);
    SearchFooter()->SetVisible(false);
}
