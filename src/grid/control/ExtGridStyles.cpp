#include <array>

#include "grid/control/DropDownCellEditing.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/SearchFooter.h"

namespace {

// A colour the style leaves as it is.
constexpr TColor kKeep = 0x2FFFFFFF;
// The search footer's end colour is the grid's mirror end colour.
constexpr TColor kMirrorTo = 0x2FFFFFFE;

// What a style hands on to the control look's plain fixed-cell gradients.
enum class TFixedGradientUse {
    None,     // nothing
    FromTo,   // from and to
    AllFour,  // all four, then from and to cleared: the mirror gradients draw the cells
    ClearOnly // from and to cleared
};

struct TGradientSet {
    TColor From, To, MirrorFrom, MirrorTo, Border;
};

struct TStyleColors {
    std::optional<TGridLook> Look;
    std::array<TColor, 4> Suite;     // from, to, mirror from, mirror to
    std::array<TColor, 2> Active;    // from, to
    std::array<TColor, 3> Selection; // colour, colour to, text
    std::array<TColor, 2> GridLines; // lines, fixed lines
    std::array<TColor, 2> Footer;    // colour, colour to
    TFixedGradientUse FixedUse;
};

constexpr std::array<TColor, 4> kKeep4{kKeep, kKeep, kKeep, kKeep};
constexpr std::array<TColor, 3> kKeepSelection{kKeep, kKeep, kKeep};
constexpr std::array<TColor, 2> kClassicLines{clSilver, clGray};
constexpr std::array<TColor, 2> kOfficeActive{0x94E6FB, 0x1595EE};
constexpr std::array<TColor, 3> kOfficeSelection{0x94E6FB, 0x1595EE, clBlack};
constexpr std::array<TColor, 2> k2007Active{0x9DD8F9, 0x5EC1F1};
constexpr std::array<TColor, 3> k2007Selection{0x5EC1F1, clNone, clBlack};
constexpr std::array<TColor, 3> kVistaSelection{0xEACAB6, clNone, clBlack};
constexpr std::array<TColor, 2> k2010Active{0x5BD5FF, 0x71EFFF};
constexpr std::array<TColor, 3> k2010Selection{0xFFDBB7, clNone, clBlack};

constexpr std::array<TColor, 4> All4(TColor c) { return {c, c, c, c}; }

// In the order of TSuiteStyle.
// clang-format off
const TStyleColors kStyles[] = {
    {glXP, {0xFCE1CB, 0xE0A57D, clNone, clNone}, kOfficeActive, kOfficeSelection, kClassicLines,
     {0xFCE1CB, clNone}, TFixedGradientUse::FromTo},
    {glXP, {0xECE2E1, 0xB39698, clNone, clNone}, kOfficeActive, kOfficeSelection, kClassicLines,
     {0xECE2E1, clNone}, TFixedGradientUse::FromTo},
    {glXP, {0xCFF0EA, 0x8CC0B1, clNone, clNone}, kOfficeActive, kOfficeSelection, kClassicLines,
     {0xCFF0EA, clNone}, TFixedGradientUse::FromTo},
    {glXP, {clWhite, 0xCCD4D8, clNone, clNone}, {0xD8D5D4, 0xD8D5D4}, kKeepSelection, kClassicLines,
     {clWhite, clNone}, TFixedGradientUse::ClearOnly},
    {glOffice2007, {0xFBF9F6, 0xE8DBD2, clNone, clNone}, k2007Active, k2007Selection,
     {0xF1EDEB, 0xD1BBA4}, {0xFBF9F6, clNone}, TFixedGradientUse::FromTo},
    {glOffice2007, {0xF7F7F7, 0xDEDEDE, clNone, clNone}, k2007Active, k2007Selection,
     {0xE5D7D0, clGray}, {0xF7F7F7, clNone}, TFixedGradientUse::FromTo},
    {glXP, {clBtnFace, clBtnFace, clNone, clNone}, {clBtnFace, clBtnFace}, kKeepSelection,
     kClassicLines, {clBtnFace, clNone}, TFixedGradientUse::ClearOnly},
    {std::nullopt, {clWhite, clBtnFace, clNone, clNone}, kOfficeActive, kKeepSelection, kClassicLines,
     {clWhite, clNone}, TFixedGradientUse::ClearOnly},
    {std::nullopt, kKeep4, {kKeep, kKeep}, kKeepSelection, {kKeep, kKeep}, {kKeep, kKeep},
     TFixedGradientUse::None},
    {glOffice2007, {0xF3F3F1, 0xCAC9C8, kKeep, kKeep}, {0x99CCFF, 0x699CFF}, {0x95C7F5, clNone, clBlack},
     {0xE5D7D0, clGray}, {0xF3F3F1, kMirrorTo}, TFixedGradientUse::FromTo},
    {glVista, {clWhite, clWhite, 0xFAF8F7, 0xF4F2F1}, {0xFDF8F1, 0xFCEFD5}, kVistaSelection,
     {0xECECF0, 0xD4D2D1}, {clWhite, 0xF4F2F1}, TFixedGradientUse::AllFour},
    {glWin7, {0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD}, {0xFCEBDC, 0xFCDBC1}, kVistaSelection,
     {0xECECF0, 0xD4D2D1}, {0xFDFCFA, 0xF7E9DD}, TFixedGradientUse::AllFour},
    {glStandard, kKeep4, {kKeep, kKeep}, kKeepSelection, {kKeep, kKeep}, {kKeep, kKeep},
     TFixedGradientUse::None},
    {glOffice2007, All4(0xF5E7DA), k2010Active, k2010Selection, {clSilver, 0xC7B0A0},
     {0xF5E7DA, 0xF5E7DA}, TFixedGradientUse::AllFour},
    {glOffice2007, All4(0xE8E3DF), k2010Active, k2010Selection, {clSilver, 0xBAB5B1},
     {0xE8E3DF, 0xE8E3DF}, TFixedGradientUse::AllFour},
    {glOffice2007, All4(0x6A6A6A), k2010Active, k2010Selection, {clSilver, 0x444444},
     {0x6A6A6A, 0x6A6A6A}, TFixedGradientUse::AllFour},
};
// clang-format on

// The hover and down looks and the sorted header of the styles that have their own.
struct TStyleExtras {
    TGridSelectionStyle SelectionStyle;
    TGradientSet Hover;
    TGradientSet Down;
    // The hover border goes to the grid only; the control look keeps its own.
    bool HoverBorderToGridOnly;
    std::optional<std::array<TColor, 4>> SortHeader;
};

constexpr std::array<TColor, 4> kVistaSortHeader{0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8};
constexpr TGradientSet k2010Hover{0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8};
constexpr TGradientSet k2010Down{0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2};

std::optional<TStyleExtras> ExtrasOf(TSuiteStyle AStyle)
{
    switch (AStyle) {
    case tsOffice2007Luna:
        return TStyleExtras{ssOffice2007,
                            {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87},
                            {0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D},
                            false,
                            std::nullopt};
    case tsWindowsVista:
        return TStyleExtras{ssVista,
                            {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993},
                            {0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F},
                            true,
                            kVistaSortHeader};
    case tsWindows7:
        return TStyleExtras{ssWin7,
                            {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3},
                            {0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA},
                            true,
                            kVistaSortHeader};
    case tsOffice2010Blue:
        return TStyleExtras{ssDefault, k2010Hover, k2010Down, false, All4(0xD6CEC7)};
    case tsOffice2010Silver:
        return TStyleExtras{ssDefault, k2010Hover, k2010Down, false, All4(0xAAAAAA)};
    case tsOffice2010Black:
        return TStyleExtras{ssDefault, k2010Hover, k2010Down, false, All4(0xBABABA)};
    default:
        return std::nullopt;
    }
}

void Write(TColor& Field, TColor Value)
{
    if (Value != kKeep) Field = Value;
}

void SetSortHeader(TSortSettings& Sort, const std::array<TColor, 4>& Colors)
{
    Sort.SetHeaderColor(Colors[0]);
    Sort.SetHeaderColorTo(Colors[1]);
    Sort.SetHeaderMirrorColor(Colors[2]);
    Sort.SetHeaderMirrorColorTo(Colors[3]);
}

void SetLookGradients(TControlLook& Look, TFixedGradient First, const TGradientSet& Set, bool WithBorder)
{
    const TColor colors[] = {Set.From, Set.To, Set.MirrorFrom, Set.MirrorTo, Set.Border};
    for (int i = 0; i < (WithBorder ? 5 : 4); ++i)
        Look.SetFixedGradient(static_cast<TFixedGradient>(First + i), colors[i]);
}

} // namespace

void TExtStringGrid::SetStyle(TSuiteStyle AStyle)
{
    SelectionColor = clHighlight;
    SelectionColorTo = clNone;
    SelectionTextColor = clHighlightText;
    SetSelectionStyle(ssDefault);
    SetSortHeader(*SortSettings(), All4(clNone));
    ControlLook()->Init();

    const TStyleColors& style = kStyles[AStyle];
    // A styled look brings its own style first; this style's values then overwrite it.
    if (style.Look && *style.Look != Look()) SetLook(*style.Look);

    TColor* suite[] = {&SuiteGradientFrom, &SuiteGradientTo, &SuiteGradientMirrorFrom,
                       &SuiteGradientMirrorTo};
    for (int i = 0; i < 4; ++i)
        if (style.Suite[i] != kKeep) *suite[i] = ColorToRGB(style.Suite[i]);
    Write(ActiveCellColor, style.Active[0]);
    Write(ActiveCellColorTo, style.Active[1]);
    Write(SelectionColor, style.Selection[0]);
    Write(SelectionColorTo, style.Selection[1]);
    Write(SelectionTextColor, style.Selection[2]);
    if (style.GridLines[0] != kKeep) SetGridLineColor(style.GridLines[0]);
    if (style.GridLines[1] != kKeep) SetGridFixedLineColor(style.GridLines[1]);
    if (style.Footer[0] != kKeep) SearchFooter()->SetColor(style.Footer[0]);
    if (style.Footer[1] != kKeep)
        SearchFooter()->SetColorTo(style.Footer[1] == kMirrorTo ? SuiteGradientMirrorTo : style.Footer[1]);

    TControlLook& look = *ControlLook();
    switch (style.FixedUse) {
    case TFixedGradientUse::FromTo:
        look.SetFixedGradientFrom(style.Suite[0]);
        look.SetFixedGradientTo(style.Suite[1]);
        break;
    case TFixedGradientUse::AllFour:
        for (int i = 0; i < 4; ++i)
            look.SetFixedGradient(static_cast<TFixedGradient>(fgFrom + i), style.Suite[i]);
        [[fallthrough]];
    case TFixedGradientUse::ClearOnly:
        look.SetFixedGradientFrom(clNone);
        look.SetFixedGradientTo(clNone);
        break;
    case TFixedGradientUse::None:
        break;
    }

    if (const auto extras = ExtrasOf(AStyle)) {
        SetSelectionStyle(extras->SelectionStyle);
        SetLookGradients(look, fgHoverFrom, extras->Hover, !extras->HoverBorderToGridOnly);
        if (extras->HoverBorderToGridOnly) SuiteGradientHoverBorder = extras->Hover.Border;
        SetLookGradients(look, fgDownFrom, extras->Down, true);
        if (extras->SortHeader) SetSortHeader(*SortSettings(), *extras->SortHeader);
    }
    Invalidate();
}

void TExtStringGrid::ApplyLookStyle(TGridLook Value)
{
    const TSuiteStyle style = Value == glVista  ? tsWindowsVista
                              : Value == glWin7 ? tsWindows7
                                                : tsOffice2007Luna;
    FComponentStyle = style;
    SetStyle(style);
}

void TExtStringGrid::SetComponentStyle(TSuiteStyle AStyle)
{
    SetStyle(AStyle);
    // Recorded after the style ran: a look change inside it records the look's own style.
    FComponentStyle = AStyle;
    if (!ComponentState().Contains(csDesigning)) SetDropDownStyles(AStyle);
    if (AStyle != tsCustom && ScrollType == ssMetro) SetScrollType(ssNormal);
}

// Editors made later take the grid's recorded style when they open.
void TExtStringGrid::SetDropDownStyles(TSuiteStyle AStyle)
{
    if (FDropDownCellEditing) FDropDownCellEditing->SetStyle(AStyle);
}

void TExtStringGrid::SetTheme(TXPColorScheme Scheme)
{
    struct TScheme {
        TColor From, To, MirrorFrom, MirrorTo, Active, ActiveTo, Footer, FooterTo;
    };
    static constexpr TScheme kSchemes[] = {
        {clWhite, clBtnFace, clNone, clNone, clWhite, 0xFFD9B3, clWhite, 0xFFD9B3},
        {0xFCE1CB, 0xE0A57D, clNone, clNone, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D},
        {0xCFF0EA, 0x8CC0B1, clNone, clNone, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0x8CC0B1},
        {0xECE2E1, 0xB39698, clNone, clNone, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698},
        {clWhite, clWhite, 0xFAF8F7, 0xF4F2F1, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698},
    };
    const bool named = Scheme > xpNone && Scheme <= vistaAero;
    const TScheme& s = kSchemes[named ? Scheme : xpNone];
    SuiteGradientFrom = s.From;
    SuiteGradientTo = s.To;
    SuiteGradientMirrorFrom = s.MirrorFrom;
    SuiteGradientMirrorTo = s.MirrorTo;
    ActiveCellColor = s.Active;
    ActiveCellColorTo = s.ActiveTo;
    SearchFooter()->SetColor(s.Footer);
    SearchFooter()->SetColorTo(s.FooterTo);
    ControlLook()->SetFixedGradientFrom(named ? s.From : clNone);
    ControlLook()->SetFixedGradientTo(named ? s.To : clNone);
}

void TExtStringGrid::FollowOfficeTheme()
{
    if (!FAutoThemeAdapt || ComponentState().Contains(csDesigning)) return;
    static constexpr TSuiteStyle kStyleOf[] = {
        tsOffice2003Blue,   tsOffice2003Silver,   tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
        tsOffice2007Silver, tsOffice2007Obsidian, tsOffice2010Blue,  tsOffice2010Silver,  tsOffice2010Black,
    };
    const TOfficeTheme theme = GetOfficeTheme();
    if (FFollowedTheme == theme) return;
    if (theme != otUnknown) SetComponentStyle(kStyleOf[theme]);
    FFollowedTheme = theme;
}

void TExtStringGrid::SetAutoThemeAdapt(bool Value)
{
    FAutoThemeAdapt = Value;
    if (!Value) return;
    FollowOfficeTheme();
    Invalidate();
}
