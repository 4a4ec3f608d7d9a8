#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/CellNode.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/foundation/model/SearchFooter.h"
#include "grid/foundation/painting/ColorUtils.h"
#include "platform/ui/Themes.h"

namespace {

constexpr int kGlyphSize = 16;
constexpr TColor kToneGridLines = 0xE6E6E6;
constexpr TColor kGlyphLine = 0x505050;
constexpr TColor kGlyphMark = 0x404040;

enum class TMetroGlyph { CheckOn, CheckOff, RadioOn, RadioOff };

// The flat check boxes and radio buttons of toned grids: a thin outline, a dark mark.
std::unique_ptr<TBitmap> MetroGlyph(TMetroGlyph Which)
{
    auto glyph = std::make_unique<TBitmap>(kGlyphSize, kGlyphSize);
    TCanvas& c = *glyph->Canvas();
    c.Brush()->SetColor(clWhite);
    c.FillRect({0, 0, kGlyphSize, kGlyphSize});
    c.Pen()->SetColor(kGlyphLine);
    const bool radio = Which == TMetroGlyph::RadioOn || Which == TMetroGlyph::RadioOff;
    if (radio)
        c.Ellipse(1, 1, kGlyphSize - 1, kGlyphSize - 1);
    else
        c.Rectangle(1, 1, kGlyphSize - 1, kGlyphSize - 1);
    c.Brush()->SetColor(kGlyphMark);
    c.Pen()->SetColor(kGlyphMark);
    if (Which == TMetroGlyph::RadioOn) c.Ellipse(5, 5, kGlyphSize - 5, kGlyphSize - 5);
    if (Which == TMetroGlyph::CheckOn) {
        c.Pen()->SetWidth(2);
        c.MoveTo(4, 8);
        c.LineTo(7, 11);
        c.LineTo(12, 4);
    }
    return glyph;
}

} // namespace

TCellButtonKind TExtStringGrid::CellButtonKind() const
{
    if (Flat && FTones.Background.BrushColor != clNone) return btkCustom;
    if (ControlLook()->FlatButton()) return btkFlat;
    return ThemesEnabled() ? btkVisualStyles : btkClassic;
}

TCellButtonLook TExtStringGrid::ToneButtonLook() const
{
    TCellButtonLook look;
    look.Color = FTones.Background.BrushColor;
    look.BorderColor = FTones.Background.BorderColor;
    look.ArrowColor = FTones.Background.TextColor;
    look.ColorHot = FTones.Hover.BrushColor;
    look.BorderColorHot = FTones.Hover.BorderColor;
    look.ColorDown = FTones.Selected.BrushColor;
    look.BorderColorDown = FTones.Selected.BorderColor;
    look.ColorDisabled = FTones.Disabled.BrushColor;
    look.BorderColorDisabled = FTones.Disabled.BorderColor;
    return look;
}

TColor TExtStringGrid::ToneButtonTextColor(TCellButtonState State) const
{
    switch (State) {
    case btsHot:
        return FTones.Hover.TextColor;
    case btsDown:
        return FTones.Selected.TextColor;
    case btsDisabled:
        return FTones.Disabled.TextColor;
    case btsNormal:
        break;
    }
    return FTones.Background.TextColor;
}

void TExtStringGrid::SetColorTones(const TColorTones& ATones)
{
    FTones = ATones;
    SetLook(glClassic);
    SetFlat(true);
    SetScrollType(ssMetro);

    const std::string uiFont = GetDefaultUIFontName();
    SetFixedColor(ATones.Foreground.BrushColor);
    FixedFont()->SetColor(ATones.Foreground.TextColor);
    FixedFont()->SetName(uiFont);
    SetColor(ATones.Background.BrushColor);
    Font()->SetName(uiFont);
    Font()->SetColor(ATones.Background.TextColor);

    SelectionColor = ATones.Selected.BrushColor;
    SelectionTextColor = ATones.Selected.TextColor;
    SelectionColorTo = clNone;
    SetGridLineColor(kToneGridLines);
    SetGridFixedLineColor(LightenColorPercent(ATones.Foreground.BrushColor, -20));
    SetBorderStyle(bsNone);

    TControlLook& look = *ControlLook();
    look.SetControlStyle(TControlLook::csGlyph);
    look.SetCheckedGlyph(*MetroGlyph(TMetroGlyph::CheckOn));
    look.SetUnCheckedGlyph(*MetroGlyph(TMetroGlyph::CheckOff));
    look.SetRadioOffGlyph(*MetroGlyph(TMetroGlyph::RadioOff));
    look.SetRadioOnGlyph(*MetroGlyph(TMetroGlyph::RadioOn));
    // The in-place editors keep their own button colours: they take no tones.

    look.SetFlatButton(true);
    FloatingFooter()->SetColor(ATones.Foreground.BrushColor);
    SearchFooter()->SetColor(ATones.Foreground.BrushColor);
    SearchFooter()->SetColorTo(ATones.Foreground.BrushColor);
    CellNode()->SetNodeType(cnFlat);
}
