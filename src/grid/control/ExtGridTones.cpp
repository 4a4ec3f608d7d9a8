#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/CellNode.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/foundation/model/SearchFooter.h"
#include "grid/foundation/painting/ColorUtils.h"

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
    // TODO(lead): the buttons of the grid's own editors and the created drop-down editors
    // take the tones (their SetColorTones) once the editing helper's editors are merged.

    look.SetFlatButton(true);
    FloatingFooter()->SetColor(ATones.Foreground.BrushColor);
    SearchFooter()->SetColor(ATones.Foreground.BrushColor);
    SearchFooter()->SetColorTo(ATones.Foreground.BrushColor);
    CellNode()->SetNodeType(cnFlat);
}
