#include <cmath>

#include "grid/control/CellControlDrawing.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/painting/CanvasShapes.h"
#include "platform/ui/Themes.h"

// The check box and radio drawers the cell painter, printing and the design helpers share.

namespace {

using TLookStyle = TControlLook::TControlStyle;

// The picture looks keep the sizes of their pictures: suite boxes 20, the others 16.
constexpr int SuiteCheckSide = 20;
constexpr int PictureControlSide = 16;

TRect SquareAt(int X, int Y, int Side) { return {X, Y, X + Side, Y + Side}; }

TRect CentredSquare(const TRect& R, int Side)
{
    return SquareAt(R.Left + (R.Width() - Side) / 2, R.Top + (R.Height() - Side) / 2, Side);
}

void DrawGlyph(TCanvas* Canvas, const TBitmap* Glyph, int X, int Y)
{
    if (Glyph && !Glyph->Empty())
        DrawBitmapTransparent(Canvas, Glyph, Canvas->Brush()->Color(),
                              SquareAt(X, Y, std::max(Glyph->Width(), 1)));
}

TThemedState ThemedStateOf(const TCellControlState& S)
{
    TThemedState state;
    if (S.Grayed) state += tsMixed;
    if (S.Checked) state += tsChecked;
    if (!S.Enabled) state += tsDisabled;
    return state;
}

} // namespace

void TExtStringGrid::DrawCheckBox(TCanvas* Canvas, const TRect& R, bool Checked, bool Enabled, bool Grayed,
                                  TLookStyle Style, bool TriState, TCheckBoxState State)
{
    const TControlLook& look = *ControlLook();
    if (look.NoDisabledCheckRadioLook() || look.CheckAlwaysActive) Enabled = true;
    if (Style == TControlLook::csTheme && !ThemesEnabled()) Style = TControlLook::csClassic;
    if (TriState) {
        Checked = State == cbChecked;
        if (State == cbGrayed) Grayed = true;
    }
    const TCellControlState state{Checked, Grayed, Enabled};
    const int size = look.CheckSize();
    switch (Style) {
    case TControlLook::csWinXP:
        DrawCodedCheckBox(Canvas, SquareAt(R.Left, R.Top, PictureControlSide), state, true);
        break;
    case TControlLook::csSuite:
        DrawCodedCheckBox(Canvas, SquareAt(R.Left, R.Top, SuiteCheckSide), state, true);
        break;
    case TControlLook::csGlyph:
        DrawGlyph(Canvas, Checked ? look.CheckedGlyph() : look.UnCheckedGlyph(), R.Left, R.Top);
        break;
    case TControlLook::csBorland:
        DrawBorlandCheckBox(Canvas, R, state, size, look.Color());
        break;
    case TControlLook::csTheme:
        DrawThemedPart(Canvas, tpCheckBox, ThemedStateOf(state), SquareAt(R.Left, R.Top, size));
        break;
    default:
        DrawCodedCheckBox(Canvas, CentredSquare(R, size), state, Style == TControlLook::csFlat);
        break;
    }
}

void TExtStringGrid::DrawRadioGroup(TCanvas* Canvas, const TRect& R, int Count, int SelIndex, bool Horizontal,
                                    bool Disabled, TStringList* Captions, bool Selected, int ACol, int ARow,
                                    TLookStyle Style, double Scale, bool Reverse)
{
    const TControlLook& look = *ControlLook();
    if (look.NoDisabledCheckRadioLook() || look.RadioAlwaysActive) Disabled = false;
    if (Count <= 0) return;
    if (Style == TControlLook::csTheme && !ThemesEnabled()) Style = TControlLook::csClassic;
    const int dir = Reverse ? -1 : 1;
    const bool frameStyle = Style == TControlLook::csClassic || Style == TControlLook::csFlat;
    const bool pictureStyle =
        Style == TControlLook::csWinXP || Style == TControlLook::csSuite || Style == TControlLook::csGlyph;
    const int radioSize = look.RadioSize();
    const int scaled = static_cast<int>(std::lround(Scale * radioSize));
    const int lineHeight = Canvas->TextHeight("gh");
    const std::string cellText = Captions ? Cells(ACol, ARow) : std::string();
    if (Captions && Selected && ShowSelection) Canvas->Font()->SetColor(SelectionTextColor);
    Canvas->Brush()->SetStyle(bsClear);

    int captionsWidth = 0;
    for (int i = 1; i <= Count; ++i) {
        std::string caption;
        bool checked = i == SelIndex + 1;
        if (Captions && i - 1 < Captions->Count()) {
            caption = (*Captions)[i - 1];
            if (SelIndex == -1 && caption == cellText) checked = true;
        }
        int x = 0, y = 0, textX = 0, textY = 0;
        if (frameStyle) {
            if (Horizontal) {
                x = R.Left + 2 + (i - 1) * radioSize + captionsWidth;
                y = R.Top + (R.Height() - radioSize) / 2;
                textX = x + scaled;
            } else {
                x = Captions ? R.Left + 2 : R.Left + (R.Width() - scaled) / 2;
                y = R.Top + 2 + lineHeight * (i - 1) * dir;
                textX = x + static_cast<int>(std::lround(Scale * (radioSize + 4)));
            }
            textY = y - 2;
        } else {
            if (Horizontal) {
                x = R.Left + i * 16 - 14 + captionsWidth;
                y = R.Top + (R.Height() - 16) / 2;
                textX = x + 16;
            } else {
                x = Captions ? R.Left + 2 : R.Left + (R.Width() - 16) / 2;
                y = R.Top + 2 + std::max(16, lineHeight) * (i - 1) * dir;
                textX = pictureStyle ? R.Left + 18 : R.Left + 20;
            }
            textY = pictureStyle ? y + 1 : y - 2;
        }

        const TCellControlState state{checked, false, !Disabled};
        const int flatSide = static_cast<int>(std::lround(Scale * (radioSize + 2)));
        switch (Style) {
        case TControlLook::csClassic:
            DrawCodedRadio(Canvas, SquareAt(x, y, scaled), state, false);
            break;
        case TControlLook::csFlat:
            DrawCodedRadio(Canvas, SquareAt(x, y, flatSide), state, true);
            break;
        case TControlLook::csBorland:
            DrawBorlandRadio(Canvas, x, y, checked, look.Color());
            break;
        case TControlLook::csTheme:
            DrawThemedPart(Canvas, tpRadioButton, ThemedStateOf(state), SquareAt(x, y, PictureControlSide));
            break;
        case TControlLook::csGlyph:
            DrawGlyph(Canvas, checked ? look.RadioOnGlyph() : look.RadioOffGlyph(), x, y);
            break;
        default:
            DrawCodedRadio(Canvas, SquareAt(x, y, PictureControlSide), state, true);
            break;
        }
        if (!caption.empty()) {
            Canvas->TextOut(textX, textY, caption);
            captionsWidth += Canvas->TextWidth(caption);
        }
    }
}
