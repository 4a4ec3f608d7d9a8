#include "grid/dropdown/ListDropDownLooks.h"

namespace {
const TListDropDownLook kListDropDownLooks[] = {
    {tsOffice2003Blue, 0xD68759, 0x933803, scOffice2007, 0xFFFFFF, 0x962D00, 0x962D00, clNone, 0},
    {tsOffice2003Silver, 0xBDA4A5, 0x957475, scOffice2007, clNone, 0x947C7C, 0x947C7C, clNone, 0},
    {tsOffice2003Olive, 0x82C0AF, 0x447A63, scOffice2007, clNone, 0x588060, 0x588060, clNone, 0},
    {tsOffice2003Classic, 0x808080, 0x808080, scOffice2007, clNone, 0x808080, 0x808080, clNone, 0},
    {tsOffice2007Luna, 0xFFEFE3, 0xFFD2AF, scOffice2007, 0x723708, 0xFFD2AF, 0xFFD2AF, clNone, 0},
    {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, scOffice2007, 0x433C37, 0x5C534C, 0x5C534C, clNone, 0},
    {tsWindowsXP, clBtnFace, clBtnFace, scCustom, 0, 0xC0C0C0, 0, clHighlight, clHighlightText},
    {tsWhidbey, 0xEBEEEF, 0x7E9898, scOffice2007, 0xFFFFFF, 0x962D00, 0x962D00, clNone, 0},
    {tsOffice2007Silver, 0xF8F7F6, 0xE8E0DB, scOffice2007, 0x8B4215, 0x74706F, 0x74706F, clNone, 0},
    {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, scWindowsVista, 0, 0xFCF2DA, 0xFCF2DA, clNone, 0},
    {tsWindows7, 0xFDFBFA, 0xFDF3EB, scWindows7, 0, 0xFBD6B8, 0xFBD6B8, clNone, 0},
    {tsTerminal, clBtnFace, clBtnFace, scCustom, 0, 0x808080, 0x808080, clHighlight, clHighlightText},
    {tsOffice2010Blue, 0xEDDBCD, clNone, scCustom, 0x5B391E, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF, 0},
    {tsOffice2010Silver, 0xEDE9E5, clNone, scCustom, 0x5B391E, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF, 0},
    {tsOffice2010Black, 0x828282, clNone, scCustom, 0xD7D7D6, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF, 0},
};

bool IsOffice2010Style(TSuiteStyle Style)
{
    return Style == tsOffice2010Blue || Style == tsOffice2010Silver || Style == tsOffice2010Black;
}
} // namespace

const TListDropDownLook* FindListDropDownLook(TSuiteStyle Style, bool WithOffice2010)
{
    if (!WithOffice2010 && IsOffice2010Style(Style)) return nullptr;
    for (const TListDropDownLook& Look : kListDropDownLooks)
        if (Look.Style == Style) return &Look;
    return nullptr;
}

void ListLineColorsOf(TSelectionColorStyle Style, TColor& LineColor, TColor& FixedLineColor)
{
    if (Style == scOffice2007) {
        LineColor = 0xF1EDEB;
        FixedLineColor = 0xD1BBA4;
    } else if (Style != scCustom) {
        LineColor = 0xECECF0;
        FixedLineColor = 0xD4D2D1;
    }
}
