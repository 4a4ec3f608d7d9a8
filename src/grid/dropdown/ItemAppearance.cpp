#include "grid/dropdown/ItemAppearance.h"

#include <array>

namespace {

// ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo, BorderColorTop, BorderColorBottom,
// BorderColor, EdgeColor, ColorSelected, ColorSelectedTo, ColorMirrorSelected,
// ColorMirrorSelectedTo.
using TSelectionPreset = std::array<TColor, 12>;

void Load(TItemAppearance& A, const TSelectionPreset& P)
{
    A.ColorHot = P[0];
    A.ColorHotTo = P[1];
    A.ColorMirrorHot = P[2];
    A.ColorMirrorHotTo = P[3];
    A.BorderColorTop = P[4];
    A.BorderColorBottom = P[5];
    A.BorderColor = P[6];
    A.EdgeColor = P[7];
    A.ColorSelected = P[8];
    A.ColorSelectedTo = P[9];
    A.ColorMirrorSelected = P[10];
    A.ColorMirrorSelectedTo = P[11];
}

// ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo, ColorSelected, ColorSelectedTo,
// ColorMirrorSelected, ColorMirrorSelectedTo, BorderColor, BorderColorTop,
// BorderColorBottom, EdgeColor: the order of the suite styles' table.
void LoadStyled(TItemAppearance& A, const TSelectionPreset& P)
{
    Load(A, {P[0], P[1], P[2], P[3], P[9], P[10], P[8], P[11], P[4], P[5], P[6], P[7]});
}

constexpr TSelectionPreset kOffice2003{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF,
                                       0x42AEFE, 0x7AE1FE, 0x42AEFE, clNone,   clNone,   clNone};
} // namespace

TItemAppearance::TItemAppearance() : FFont(std::make_unique<TFont>())
{
    FFont->SetName("Tahoma");
    SetColorStyle(scOffice2007);
}

TItemAppearance::~TItemAppearance() = default;

void TItemAppearance::SetColorStyle(TSelectionColorStyle Style)
{
    if (Style == FColorStyle) return;
    FColorStyle = Style;
    switch (Style) {
    case scOffice2007:
        Load(*this, {0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4,
                     0x15C1FB, 0x68E3F9});
        break;
    case scWindowsVista:
        Load(*this, {0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB, 0xFAEEDE, 0xFAE3B4,
                     clNone, clNone});
        break;
    case scWindows7:
        Load(*this, {0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE, 0xF9D8B9, 0xFBCAA2,
                     clNone, clNone});
        break;
    case scCustom:
        break;
    }
}

void TItemAppearance::Assign(const TPersistent& Source)
{
    const auto* Other = dynamic_cast<const TItemAppearance*>(&Source);
    if (!Other) return;
    Load(*this, {Other->ColorHot, Other->ColorHotTo, Other->ColorMirrorHot, Other->ColorMirrorHotTo,
                 Other->BorderColorTop, Other->BorderColorBottom, Other->BorderColor, Other->EdgeColor,
                 Other->ColorSelected, Other->ColorSelectedTo, Other->ColorMirrorSelected, Other->ColorMirrorSelectedTo});
    FFont->Assign(*Other->FFont);
    SetColorStyle(Other->FColorStyle);
    ColorHotText = Other->ColorHotText;
    ColorSelectedText = Other->ColorSelectedText;
    BorderColorHot = Other->BorderColorHot;
    BorderColorSelected = Other->BorderColorSelected;
}

void ApplyItemAppearanceStyle(TItemAppearance* Appearance, TSuiteStyle Style)
{
    if (!Appearance || Style == tsCustom) return;
    TItemAppearance& A = *Appearance;
    A.BorderColorHot = clNone;
    A.BorderColorSelected = clNone;
    A.ColorSelectedText = clBlack;
    A.ColorHotText = clBlack;
    switch (Style) {
    case tsOffice2003Blue:
    case tsOffice2003Silver:
    case tsOffice2003Olive:
    case tsWhidbey:
        LoadStyled(A, kOffice2003);
        break;
    case tsOffice2007Luna:
    case tsOffice2007Obsidian:
    case tsOffice2007Silver: {
        TSelectionPreset P = kOffice2003;
        P[9] = 0xF4FEFF;
        P[10] = 0xCAF8FF;
        P[11] = 0xC3D9DF;
        LoadStyled(A, P);
        break;
    }
    case tsOffice2003Classic:
        LoadStyled(A, {0xD2BDB6, 0xD2BDB6, clNone, clNone, 0xB59285, 0xB59285, clNone, clNone, 0x808080, clNone, clNone, clNone});
        break;
    case tsWindowsXP:
        LoadStyled(A, {0xEFD3C6, 0xEFD3C6, clNone, clNone, clHighlight, clNone, clNone, clNone, clHighlight, clNone, clNone, clNone});
        A.ColorSelectedText = clHighlightText;
        break;
    case tsWindowsVista:
        LoadStyled(A, {0xFFFDF9, 0xFFFAF0, clNone, clNone, 0xFEF9F0, 0xFDF0D7, clNone, clNone, 0xFEDF9A, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB});
        break;
    case tsWindows7:
        LoadStyled(A, {0xFDFBFA, 0xFDF3EB, clNone, clNone, 0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE});
        break;
    case tsTerminal:
        LoadStyled(A, {0xC0C0C0, 0xC0C0C0, clNone, clNone, clHighlight, clNone, clNone, clNone, 0x808080, clNone, clNone, clNone});
        A.ColorSelectedText = clHighlightText;
        break;
    case tsOffice2010Blue:
    case tsOffice2010Silver:
    case tsOffice2010Black:
        LoadStyled(A, {0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF, 0x7BEEFF, 0x308AC2, clNone, clNone, clNone});
        break;
    case tsCustom:
        break;
    }
}
