#include "grid/control/SearchPanel.h"

#include "grid/control/SearchPanelLayout.h"
#include "grid/foundation/editors/ExtCheckBox.h"
#include "grid/foundation/editors/ExtGridButton.h"
#include "grid/foundation/model/SearchFooter.h"
#include "grid/foundation/painting/Gradients.h"
#include "platform/grids/Grids.h"
#include "platform/ui/Messages.h"

namespace {

constexpr int kSearchButtonTop = 5;
constexpr int kSearchButtonWidth = 90;
constexpr int kSearchButtonHeight = 23;
constexpr int kSearchGradientBands = 32;
constexpr int kSearchExitLeft = 5;
constexpr int kSearchEditLeft = 25;
constexpr int kSearchForwardLeft = 140;
constexpr int kSearchBackwardLeft = 235;
constexpr int kSearchHighlightLeft = 330;
constexpr int kSearchMatchCaseLeft = 425;

void ShowWithHint(TControl* Control, bool Shown, const std::string& Hint)
{
    Control->SetVisible(Shown);
    Control->SetHint(Hint);
    Control->SetShowHint(!Hint.empty());
}

} // namespace

void TRetEdit::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key != VK_RETURN) return TEdit::KeyDown(Key, Shift);
    const TNotifyEvent& event = Shift.Contains(ssCtrl) ? OnCtrlReturn : OnReturn;
    Key = 0;
    if (event) event(this);
}

void TRetEdit::KeyPress(char32_t& Key)
{
    if (Key != U'\r' && Key != U'\n') return TEdit::KeyPress(Key);
    if (OnKeyPress) OnKeyPress(this, Key);
    Key = 0;
}

TSearchPanel::TSearchPanel(TComponent* AOwner) : TPanel(AOwner), FMatchCaseLeft(kSearchMatchCaseLeft)
{
    SetBevelOuter(bvNone);
    SetBorderWidth(0);
    SetHeight(0);
    FExitButton = NewButton(OnExitClick, Bounds(kSearchExitLeft, 7, 14, 14));
    FEdit = new TRetEdit(this);
    FEdit->SetParent(this);
    FEdit->SetBounds(kSearchEditLeft, 6, 110, FEdit->Height());
    FEdit->OnChange = [this](TObject*) { EditChanged(); };
    FEdit->OnReturn = [this](TObject*) {
        if (OnForwardClick) OnForwardClick(this);
    };
    FEdit->OnCtrlReturn = [this](TObject*) {
        if (OnBackwardClick) OnBackwardClick(this);
    };
    FForwardButton = NewButton(OnForwardClick, Bounds(kSearchForwardLeft, kSearchButtonTop, kSearchButtonWidth, kSearchButtonHeight));
    FBackwardButton = NewButton(OnBackwardClick, Bounds(kSearchBackwardLeft, kSearchButtonTop, kSearchButtonWidth, kSearchButtonHeight));
    FHiliteButton = NewButton(OnHighlightClick, Bounds(kSearchHighlightLeft, kSearchButtonTop, kSearchButtonWidth, kSearchButtonHeight));
    FHiliteButton->SetStyle(tasCheck);
    FHiliteButton->SetAllowAllUp(true);
    FHiliteButton->SetGroupIndex(1);
    FMatchCase = new TExtCheckBox(this);
    FMatchCase->SetParent(this);
    FMatchCase->SetBounds(kSearchMatchCaseLeft, 8, 120, 18);
    EditChanged();
}

// Each button tells the panel's event of its kind, as it stands when the button is clicked.
TExtGridButton* TSearchPanel::NewButton(const TNotifyEvent& Event, const TRect& Place)
{
    auto* button = new TExtGridButton(this);
    button->SetParent(this);
    button->SetParentFont(true);
    button->SetBounds(Place.Left, Place.Top, Place.Width(), Place.Height());
    button->OnClick = [this, &Event](TObject*) {
        if (Event) Event(this);
    };
    return button;
}

void TSearchPanel::EditChanged()
{
    const bool hasText = !FEdit->Text().empty();
    for (TExtGridButton* button : {FForwardButton, FBackwardButton, FHiliteButton})
        button->SetEnabled(hasText);
    if (OnEditChange) OnEditChange(this);
}

void TSearchPanel::SetColorTo(TColor Value)
{
    if (FColorTo == Value) return;
    FColorTo = Value;
    Invalidate();
}

void TSearchPanel::ApplySettings(const TSearchFooter& Footer, TControlLook::TControlStyle Style,
                                 bool AutoThemeAdapt, int GridHeight)
{
    SetColor(Footer.Color());
    SetColorTo(Footer.ColorTo());
    Font()->Assign(*Footer.Font());
    FForwardButton->SetCaption(Footer.FindNextCaption());
    FBackwardButton->SetCaption(Footer.FindPrevCaption());
    FHiliteButton->SetCaption(Footer.HighLightCaption());
    FMatchCase->SetCaption(Footer.MatchCaseCaption());
    for (TExtGridButton* button : {FForwardButton, FBackwardButton, FHiliteButton}) {
        if (AutoThemeAdapt) {
            button->SetAutoThemeAdapt(true);
            button->SetFlat(true);
        } else if (Style == TControlLook::csFlat) {
            button->SetFlat(true);
        } else if (Style == TControlLook::csWinXP || Style == TControlLook::csSuite) {
            button->AutoXPStyle = true;
            button->SetFlat(false);
        } else if (Style == TControlLook::csClassic) {
            button->AutoXPStyle = false;
            button->SetFlat(false);
        }
    }
    ShowWithHint(FHiliteButton, Footer.ShowHighLight(), Footer.HintHighlight());
    ShowWithHint(FExitButton, Footer.ShowClose(), Footer.HintClose());
    ShowWithHint(FForwardButton, Footer.ShowFindNext(), Footer.HintFindNext());
    ShowWithHint(FBackwardButton, Footer.ShowFindPrev(), Footer.HintFindPrev());
    FMatchCase->SetVisible(Footer.ShowMatchCase());
    FMatchCase->SetTransparent(true);

    const TSearchPanelLayout layout = LayoutSearchPanel(Footer, GridHeight);
    FForwardButton->SetHeight(layout.FindNextHeight);
    FBackwardButton->SetHeight(layout.FindPrevHeight);
    FHiliteButton->SetHeight(layout.HighlightHeight);
    FMatchCase->SetHeight(layout.MatchCaseHeight);
    FMatchCaseLeft = layout.MatchCaseLeft;
    SetVisible(Footer.Visible());
    SetBounds(Left(), layout.PanelTop, Width(), layout.PanelHeightShown);
    PlaceParts();
}

bool TSearchPanel::UseRightToLeftAlignment() const
{
    const auto* grid = dynamic_cast<const TCustomGrid*>(Parent());
    return grid && grid->UseRightToLeftAlignment();
}

void TSearchPanel::PlaceParts()
{
    // Sizing while the panel is still being built finds no parts yet.
    if (!FMatchCase) return;
    const bool mirrored = UseRightToLeftAlignment();
    const std::pair<TControl*, int> parts[] = {{FExitButton, kSearchExitLeft},         {FEdit, kSearchEditLeft},
                                               {FForwardButton, kSearchForwardLeft},   {FBackwardButton, kSearchBackwardLeft},
                                               {FHiliteButton, kSearchHighlightLeft}, {FMatchCase, FMatchCaseLeft}};
    for (const auto& [part, left] : parts)
        part->SetLeft(mirrored ? Width() - part->Width() - left : left);
}

void TSearchPanel::Resize()
{
    TPanel::Resize();
    PlaceParts();
}

void TSearchPanel::Paint()
{
    TCanvas* canvas = Canvas();
    const TRect r = ClientRect();
    if (FColorTo == clNone) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(r);
    } else {
        DrawGradient(canvas, Color(), FColorTo, kSearchGradientBands, r, false);
    }
    canvas->Pen()->SetColor(LineColor);
    canvas->MoveTo(r.Left, r.Top);
    canvas->LineTo(r.Right, r.Top);
}
