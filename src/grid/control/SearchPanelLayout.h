#pragma once

class TSearchFooter;

// Where the parts of the search panel under the grid go, from the footer's settings.
struct TSearchPanelLayout {
    static constexpr int PanelHeight = 32;
    int PanelTop = 0;
    int PanelHeightShown = 0; // 0 while the footer is hidden
    int MatchCaseLeft = 0;    // further right when the highlight button is there too
    int FindNextHeight = 0;   // each part is 0 high while it is hidden
    int FindPrevHeight = 0;
    int HighlightHeight = 0;
    int MatchCaseHeight = 0;
};

TSearchPanelLayout LayoutSearchPanel(const TSearchFooter& Footer, int GridHeight);
