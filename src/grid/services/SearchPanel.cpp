#include "grid/services/SearchPanel.h"

#include "grid/control/SearchPanelLayout.h"
#include "grid/foundation/editors/ExtCheckBox.h"
#include "grid/foundation/editors/ExtGridButton.h"
#include "grid/foundation/model/SearchFooter.h"
#include "grid/foundation/painting/Gradients.h"

namespace {

constexpr int kSearchButtonWidth = 90;
constexpr int kSearchCheckWidth = 100;
constexpr int kSearchGradientBands = 32;

} // namespace

void TRetEdit::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key != VK_RETURN) {
        TEdit::KeyDown(Key, Shift);
        return;
    }
    Key = 0;
    const TNotifyEvent& handler = Shift.Contains(ssCtrl) ? OnCtrlReturn : OnReturn;
    if (handler) handler(this);
}

void TRetEdit::KeyPress(char32_t& Key)
{
    const bool lineEnd = Key == U'\r' || Key == U'\n';
    TEdit::KeyPress(Key);
    // The edit's own key-press handler saw the line end; the edit never gets it.
    if (lineEnd) Key = 0;
}

TSearchPanel::TSearchPanel(TComponent* AOwner)
    : TPanel(AOwner), FEdit(new TRetEdit(this)), FForwardButton(new TExtGridButton(this)),
      FBackwardButton(new TExtGridButton(this)), FExitButton(new TExtGridButton(this)),
      FHiliteButton(new TExtGridButton(this)), FMatchCase(new TExtCheckBox(this))
{
    SetBevelOuter(bvNone);
    for (TControl* child : std::initializer_list<TControl*>{FExitButton, FEdit, FForwardButton, FBackwardButton,
                                                            FHiliteButton, FMatchCase})
        child->SetParent(this);
    FHiliteButton->SetStyle(tasCheck);
    FHiliteButton->SetAllowAllUp(true);
    for (TExtGridButton* button : {FForwardButton, FBackwardButton, FHiliteButton})
        button->SetEnabled(false);
    FEdit->OnChange = [this](TObject*) { EditChanged(); };
    FEdit->OnReturn = [this](TObject*) {
        if (OnForwardClick) OnForwardClick(this);
    };
    FEdit->OnCtrlReturn = [this](TObject*) {
        if (OnBackwardClick) OnBackwardClick(this);
    };
    const auto relay = [this](TNotifyEvent TSearchPanel::*Event) {
        return [this, Event](TObject*) {
            if (this->*Event) (this->*Event)(this);
        };
    };
    FForwardButton->OnClick = relay(&TSearchPanel::OnForwardClick);
    FBackwardButton->OnClick = relay(&TSearchPanel::OnBackwardClick);
    FExitButton->OnClick = relay(&TSearchPanel::OnExitClick);
    FHiliteButton->OnClick = relay(&TSearchPanel::OnHighlightClick);
}

void TSearchPanel::PlaceChildren(const TSearchPanelLayout& Layout)
{
    FExitButton->SetBounds(5, 7, 14, 14);
    FEdit->SetBounds(25, 6, 110, FEdit->Height());
    FForwardButton->SetBounds(140, 5, kSearchButtonWidth, Layout.FindNextHeight);
    FBackwardButton->SetBounds(235, 5, kSearchButtonWidth, Layout.FindPrevHeight);
    FHiliteButton->SetBounds(330, 5, kSearchButtonWidth, Layout.HighlightHeight);
    FMatchCase->SetBounds(Layout.MatchCaseLeft, 8, kSearchCheckWidth, Layout.MatchCaseHeight);
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

void TSearchPanel::ApplyFooter(const TSearchFooter& Footer, TColor LineColor)
{
    FLineColor = LineColor;
    SetColor(Footer.Color());
    SetColorTo(Footer.ColorTo());
    Font()->Assign(*Footer.Font());
    FForwardButton->SetCaption(Footer.FindNextCaption());
    FBackwardButton->SetCaption(Footer.FindPrevCaption());
    FHiliteButton->SetCaption(Footer.HighLightCaption());
    FMatchCase->SetText(Footer.MatchCaseCaption());
    const auto hint = [](TControl* Control, const std::string& Text) {
        Control->SetHint(Text);
        Control->SetShowHint(!Text.empty());
    };
    hint(FExitButton, Footer.HintClose());
    hint(FForwardButton, Footer.HintFindNext());
    hint(FBackwardButton, Footer.HintFindPrev());
    hint(FHiliteButton, Footer.HintHighlight());
    FHiliteButton->SetVisible(Footer.ShowHighLight());
    FExitButton->SetVisible(Footer.ShowClose());
    FMatchCase->SetVisible(Footer.ShowMatchCase());
    FForwardButton->SetVisible(Footer.ShowFindNext());
    FBackwardButton->SetVisible(Footer.ShowFindPrev());
    PlaceChildren(LayoutSearchPanel(Footer, 0));
}

void TSearchPanel::Paint()
{
    TPanel::Paint();
    const TRect client = ClientRect();
    // Without ColorTo the gradient is a plain fill in Color.
    DrawGradient(Canvas(), Color(), FColorTo, kSearchGradientBands, client, false);
    Canvas()->Pen()->SetColor(FLineColor);
    Canvas()->MoveTo(client.Left, client.Top);
    Canvas()->LineTo(client.Right, client.Top);
}
