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
    FSearchPanel->OnExitClick = [this](TObject*) { SearchClose(); };
}

void TExtStringGrid::SearchFooterChanged()
{
    if (ComponentState().Contains(csLoading) || !FSearchPanel) return;
    FSearchPanel->LineColor = GridLineColor();
    FSearchPanel->ApplySettings(*SearchFooter(), ControlLook()->ControlStyle(), AutoThemeAdapt(), Height());
    if (SearchFooter()->Visible()) ScrollAboveSearchFooter();
}

void TExtStringGrid::SearchClose()
{
    if (OnSearchFooterClose) OnSearchFooterClose(this);
    SearchFooter()->SetVisible(false);
}
