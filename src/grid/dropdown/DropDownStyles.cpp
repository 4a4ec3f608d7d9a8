#include "grid/dropdown/DropDownStyles.h"

#include <array>
#include <optional>

#include "grid/control/settings/BarAppearance.h"
#include "grid/control/settings/ButtonAppearance.h"

namespace {

struct TBarColors {
    TColor Color, ColorTo, FontColor, BorderColor;
};

struct TPopupPreset {
    TSuiteStyle Style;
    TColor Color;
    TColor ColorTo;
    std::optional<TColor> BorderColor; // empty: the style keeps the frame colour
    TBarColors Header;
    std::optional<TBarColors> Footer; // empty: as the header
};

const std::array<TPopupPreset, 15> kPopupPresets{{
    {tsOffice2003Blue, 0xFFFFFF, clNone, std::nullopt, {0xFCE1CB, 0xE0A57D, 0x000000, 0x000000}, TBarColors{0xFCE1CB, 0xE0A57D, 0x000000, 0x962D00}},
    {tsOffice2003Silver, 0xFFFFFF, clNone, std::nullopt, {0xECE2E1, 0xB39698, 0x000000, 0x947C7C}, std::nullopt},
    {tsOffice2003Olive, 0xFFFFFF, clNone, clNone, {0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060}, std::nullopt},
    {tsOffice2003Classic, 0xF2F2F2, 0xF2F2F2, clNone, {0x808080, 0x808080, 0xFFFFFF, 0x808080}, std::nullopt},
    {tsOffice2007Luna, 0xF3E5DA, 0xF0DED0, clNone, {0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF}, std::nullopt},
    {tsOffice2007Obsidian, 0xFFFFFF, clNone, clNone, {0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C}, std::nullopt},
    {tsWindowsXP, 0xFFFFFF, clNone, std::nullopt, {0xFFFFFF, clBtnFace, 0x000000, 0x808080}, std::nullopt},
    {tsWhidbey, 0xF5F9FA, 0xF5F9FA, clNone, {0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00}, std::nullopt},
    {tsOffice2007Silver, 0xF8F4F1, 0xF0E8E3, clNone, {0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F}, std::nullopt},
    {tsWindowsVista, 0xFFFFFF, 0xFFFFFF, 0x979797, {0xFFFDF9, 0xFFFAF0, 0x000000, 0xFCF2DA}, TBarColors{0xFFFAF0, 0xFFFDF9, 0x000000, 0xFCF2DA}},
    {tsWindows7, 0xFFFFFF, 0xFFFFFF, 0x979797, {0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8}, std::nullopt},
    {tsTerminal, 0xFFFFFF, 0xFFFFFF, 0x808080, {clBtnFace, clBtnFace, 0x000000, clNone}, std::nullopt},
    {tsOffice2010Blue, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, {0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F}, std::nullopt},
    {tsOffice2010Silver, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, {0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8}, std::nullopt},
    {tsOffice2010Black, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, {0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D}, std::nullopt},
}};

// Color, ColorTo, BorderColor, ColorHot, ColorHotTo, BorderColorHot, ColorDown, ColorDownTo,
// BorderColorDown, ColorDisabled, ColorDisabledTo, ColorChecked, ColorCheckedTo,
// BorderColorChecked.
using TButtonPresetColors = std::array<TColor, 14>;

constexpr TButtonPresetColors Office2003And2007(TColor Color, TColor ColorTo)
{
    return {Color, ColorTo, clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B};
}

constexpr TButtonPresetColors Office2010(TColor Color, TColor ColorTo, TColor BorderColor)
{
    return {Color, ColorTo, BorderColor, 0x8AE3FD, clNone, 0x58CAF1, 0x6CD0FF, clNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6, 0x45E1FE, clNone, 0x4FA0CE};
}

std::optional<TButtonPresetColors> ButtonPreset(TSuiteStyle Style)
{
    switch (Style) {
    case tsOffice2003Blue: return Office2003And2007(0xFCE1CB, 0xE0A57D);
    case tsOffice2003Silver: return Office2003And2007(0xECE2E1, 0xB39698);
    case tsOffice2003Olive: return Office2003And2007(0xCFF0EA, 0x8CC0B1);
    case tsOffice2007Luna: return Office2003And2007(0xFFEFE3, 0xFFDDC4);
    case tsOffice2007Obsidian: return Office2003And2007(0xF2F1F0, 0xC9C2BD);
    case tsWhidbey: return Office2003And2007(0xFFFFFF, 0xDFEDF0);
    case tsOffice2007Silver: return Office2003And2007(0xF9F8F8, 0xE4E2DF);
    case tsOffice2010Blue: return Office2010(0xFDF6EF, 0xF0DAC7, 0xC7B29F);
    case tsOffice2010Silver: return Office2010(0xFFFFFF, 0xEDE5E0, 0xD2CDC8);
    case tsOffice2010Black: return Office2010(0xBFBFBF, 0x919191, 0xD7D7D6);
    case tsOffice2003Classic:
        return TButtonPresetColors{0xFFFFFF, 0xC9D1D5, clNone, 0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0x808080};
    case tsWindowsXP:
        return TButtonPresetColors{0xFFFFFF, clBtnFace, clNone, 0xEFD3C6, 0xEFD3C6, clHighlight, clInactiveCaption, clInactiveCaption, clHighlight, 0xB6B6B6, 0xB6B6B6, 0xB9D8DC, 0xB9D8DC, 0x000000};
    case tsWindowsVista:
        return TButtonPresetColors{0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A};
    case tsWindows7:
        return TButtonPresetColors{0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFCDBC1, 0xCEA27D};
    case tsTerminal:
        return TButtonPresetColors{clBtnFace, clBtnFace, clNone, 0xC0C0C0, 0xC0C0C0, 0x808080, clHighlight, clHighlight, 0x808080, clBtnFace, clBtnFace, clBtnFace, clBtnFace, clHighlight};
    case tsCustom:
        return std::nullopt;
    }
    return std::nullopt;
}

template <typename TBar> void LoadBar(TBar& Bar, const TBarColors& Colors)
{
    Bar.Color = Colors.Color;
    Bar.ColorTo = Colors.ColorTo;
    Bar.Font()->SetColor(Colors.FontColor);
    Bar.BorderColor = Colors.BorderColor;
}

void LoadButtons(TExtButtonAppearance& Buttons, const TButtonPresetColors& C)
{
    Buttons.SetColor(C[0]);
    Buttons.SetColorTo(C[1]);
    Buttons.SetBorderColor(C[2]);
    Buttons.SetColorHot(C[3]);
    Buttons.SetColorHotTo(C[4]);
    Buttons.SetBorderColorHot(C[5]);
    Buttons.SetColorDown(C[6]);
    Buttons.SetColorDownTo(C[7]);
    Buttons.SetBorderColorDown(C[8]);
    Buttons.SetColorDisabled(C[9]);
    Buttons.SetColorDisabledTo(C[10]);
    Buttons.SetColorChecked(C[11]);
    Buttons.SetColorCheckedTo(C[12]);
    Buttons.SetBorderColorChecked(C[13]);
}
} // namespace

void LoadDropDownStyle(TSuiteStyle Style, TDropDownPopupColors& Popup, THeaderAppearance& Header,
                       TFooterAppearance& Footer, TExtButtonAppearance& Buttons)
{
    for (const TPopupPreset& Preset : kPopupPresets) {
        if (Preset.Style != Style) continue;
        Popup.Color = Preset.Color;
        Popup.ColorTo = Preset.ColorTo;
        if (Preset.BorderColor) Popup.BorderColor = *Preset.BorderColor;
        LoadBar(Header, Preset.Header);
        LoadBar(Footer, Preset.Footer.value_or(Preset.Header));
    }
    if (const auto Colors = ButtonPreset(Style)) LoadButtons(Buttons, *Colors);
}

TSelectionColors SelectionColorsOf(TSelectionColorStyle Style, TSelectionColors Current)
{
    switch (Style) {
    case scOffice2007: return {0xD7FFFD, 0x58D4FC};
    case scWindowsVista: return {0xFDF8F1, 0xFCEFD5};
    case scWindows7: return {0xFCEBDC, 0xFCDBC1};
    case scCustom: return Current;
    }
    return Current;
}

TSelectionCellColors SelectionCellColorsOf(TSelectionColorStyle Style)
{
    switch (Style) {
    case scWindowsVista: return {0xFCEDCB, 0xFDDE99, 0xFDF5E7, 0xFDFBF6, clNone, clNone};
    case scWindows7: return {0xE0C5AE, 0xCEA27D, 0xFDEADB, 0xFDF4EB, clNone, clNone};
    default: return {0xC3D9DF, 0x8DD7D3, 0xCAF8FF, 0xF4FEFF, 0xB3F1FC, 0x58D4FC};
    }
}
