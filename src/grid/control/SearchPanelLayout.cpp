#include "grid/control/SearchPanelLayout.h"

#include "grid/foundation/model/SearchFooter.h"

namespace {

constexpr int kButtonHeight = 23;
constexpr int kCheckBoxHeight = 18;
constexpr int kMatchCaseAfterHighlight = 425;
constexpr int kMatchCaseAfterFind = 330;

int HeightIf(bool Shown, int Height) { return Shown ? Height : 0; }

} // namespace

TSearchPanelLayout LayoutSearchPanel(const TSearchFooter& Footer, int GridHeight)
{
    TSearchPanelLayout l;
    l.MatchCaseLeft = Footer.ShowHighLight() ? kMatchCaseAfterHighlight : kMatchCaseAfterFind;
    l.FindNextHeight = HeightIf(Footer.ShowFindNext(), kButtonHeight);
    l.FindPrevHeight = HeightIf(Footer.ShowFindPrev(), kButtonHeight);
    l.HighlightHeight = HeightIf(Footer.ShowHighLight(), kButtonHeight);
    l.MatchCaseHeight = HeightIf(Footer.ShowMatchCase(), kCheckBoxHeight);
    if (Footer.Visible()) {
        l.PanelHeightShown = TSearchPanelLayout::PanelHeight;
        l.PanelTop = GridHeight - TSearchPanelLayout::PanelHeight;
    }
    return l;
}
