#include "grid/dropdown/WatchStyles.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "grid/dropdown/DropDownDrawing.h"

namespace {
constexpr TColor kWindowText = 0xFF000008;

// The parts of a font a preset names; the others keep their values.
struct TFontLook {
    const char* Name = nullptr;
    int Size = 0;
    std::optional<bool> Bold;
    TColor Color = clNone;
};

void Restyle(TFont& Font, const TFontLook& Look)
{
    if (Look.Name) Font.SetName(Look.Name);
    if (Look.Size) Font.SetSize(Look.Size);
    if (Look.Bold) Font.SetStyle(*Look.Bold ? TFontStyles{fsBold} : TFontStyles{});
    if (Look.Color != clNone) Font.SetColor(Look.Color);
}

// Through the writers, so that the clock hears of it.
void AMPMFont(TWatchAppearance& A, const TFontLook& Look)
{
    TFont Font;
    Font.Assign(*A.AMPMFont());
    Restyle(Font, Look);
    A.SetAMPMFont(Font);
}

void HourFont(TWatchAppearance& A, const TFontLook& Look)
{
    TFont Font;
    Font.Assign(*A.HourFont());
    Restyle(Font, Look);
    A.SetHourFont(Font);
}

void HourHand(TWatchAppearance& A, TColor Color, uint8_t Size)
{
    A.SetHourPointer(Color);
    A.SetHourPointerShadow(clBtnShadow);
    A.SetHourPointerSize(Size);
}

// The dial set of the fluorescent looks.
void DialSet(TWatchAppearance& A, TColor C, TWatchShape Shape)
{
    A.SetCenterPointSize(20);
    HourFont(A, {"MS Sans Serif", 8, false, kWindowText});
    A.SetHourColor(C);
    A.SetHourMarkLength(10);
    HourHand(A, C, 2);
    A.SetMinuteColor(C);
    A.SetMinutePointer(C);
    A.SetMinutePointerShadow(clBtnShadow);
    A.SetMinutePointerSize(2);
    A.SetShape(Shape);
    A.SetCenterPointOuterBorderColor(0x000000);
    A.SetHourMarkWidth(2);
    A.SetHourMarkStyle(hmsQuartDblLine);
}

// The face set of the sports and smooth looks.
void FaceSet(TWatchAppearance& A, uint8_t Centre, TColor Hour, TColor Shadow, TColor Minute, TColor Second)
{
    A.SetCenterPointSize(Centre);
    A.SetHourColor(0xABB0B1);
    HourFont(A, {"Times New Roman", 9, std::nullopt, 0x797979});
    A.SetHourPointer(Hour);
    A.SetHourPointerShadow(Shadow);
    A.SetHourPointerSize(2);
    A.SetMinuteColor(0x808080);
    A.SetMinutePointer(Minute);
    A.SetMinutePointerSize(2);
    A.SetMinutePointerShadow(Shadow);
    A.SetMinuteMarkLength(1);
    A.SetSecondPointer(Second);
    A.SetTickMarks(tmQuartHours);
}

void Background(TWatchAppearance& A, TColor From, TColor To)
{
    A.SetBackgroundColor(From);
    A.SetBackgroundColorTo(To);
}

void CentrePoint(TWatchAppearance& A, TColor Border, TColor Outer, TColor Fill)
{
    A.SetCenterPointBorderColor(Border);
    A.SetCenterPointOuterBorderColor(Outer);
    A.SetCenterPointColor(Fill);
}
} // namespace

TWatchPresetFlags ApplyWatchPreset(TWatchAppearance& A, TWatchStyle Style, TSize ClientSize)
{
    A.SetDefaults();
    const int Side = std::min(ClientSize.cx, ClientSize.cy);
    switch (Style) {
    case wsClassic:
        AMPMFont(A, {"MS Sans Serif", 0, false});
        HourFont(A, {"Comic Sans MS", 10, true});
        A.SetHourMarkLength(8);
        HourHand(A, 0x000000, 5);
        A.SetMinutePointerShadow(clBtnShadow);
        A.SetMinuteMarkLength(4);
        return {true, true, true, 10};
    case wsTower:
        AMPMFont(A, {"MS Sans Serif", 0, false});
        A.SetAMPMFrame(apRect);
        A.SetBorderWidth(1);
        Background(A, 0xB1F0FE, 0x54C9E7);
        A.SetBackgroundGradient(wgDiagonalForward);
        A.SetCenterPointColor(0x002BD5);
        A.SetCenterPointSize(6);
        HourFont(A, {"Century", 0, true, kWindowText});
        HourHand(A, 0x000000, 5);
        A.SetMinutePointerShadow(clBtnShadow);
        A.SetSecondPointer(0x002BD5);
        A.SetShape(wsRect);
        A.SetPointerStyle(psPointer);
        A.SetBackgroundColorTo(0x5BCCE8);
        A.SetAMPMColor(A.BackgroundColor());
        A.SetTickMarks(tmHours);
        return {std::nullopt, false, std::nullopt, std::nullopt};
    case wsFluorescent:
        AMPMFont(A, {"MS Sans Serif", 10, false, kWindowText});
        A.SetAMPMFrame(apRoundRect);
        A.SetBorderColor(0xFF3E3E);
        Background(A, 0x000000, 0x000000);
        A.SetCenterPointColor(0xFF3E3E);
        A.SetCenterPointBorderColor(0x000000);
        A.SetCenterPointOuterBorderColor(0x000000);
        DialSet(A, 0xFF3E3E, wsRoundRect);
        A.SetTickMarks(tmHours);
        return {false, false, std::nullopt, std::nullopt};
    case wsEmerald:
        AMPMFont(A, {"MS Sans Serif", 0, false, 0xA00000});
        A.SetAMPMFrame(apRoundRect);
        A.SetBorderColor(0x3AE800);
        Background(A, 0x3AE800, 0x000000);
        A.SetBackgroundGradient(wgDiagonalForward);
        A.SetCenterPointBorderColor(0x40FF00);
        A.SetCenterPointColor(0x38E100);
        A.SetCenterPointSize(16);
        HourFont(A, {"MS Sans Serif", 0, false, kWindowText});
        HourHand(A, 0x40FF00, 5);
        A.SetMinutePointer(0x40FF00);
        A.SetMinutePointerShadow(clBtnShadow);
        A.SetShape(wsRect);
        A.SetPointerStyle(psPointer);
        A.SetAMPMColor(clNone);
        HourFont(A, {nullptr, 0, std::nullopt, A.BackgroundColor()});
        A.SetCenterPointOuterBorderColor(0x000000);
        A.SetHourMarkStyle(hmsQuartDblLine);
        A.SetHourColor(A.BackgroundColor());
        A.SetSecondPointer(0x00FFFF);
        A.SetTickMarks(tmHours);
        return {false, false, std::nullopt, std::nullopt};
    case wsBlueStar:
        AMPMFont(A, {"MS Sans Serif", 10, false, 0xA00000});
        A.SetAMPMBorderColor(clNone);
        A.SetAMPMFrame(apRoundRect);
        A.SetBorderColor(0xFFD5D5);
        Background(A, 0xFFD5D5, 0xA00000);
        A.SetBackgroundGradient(wgRadial);
        HourFont(A, {"MS Sans Serif", 8, false, kWindowText});
        HourHand(A, 0xA00000, 5);
        A.SetMinutePointer(0xA00000);
        A.SetMinutePointerShadow(clBtnShadow);
        A.SetShape(wsRoundRect);
        A.SetPointerStyle(psPointer);
        A.SetAMPMColor(clNone);
        HourFont(A, {nullptr, 0, std::nullopt, A.BackgroundColor()});
        return {true, true, std::nullopt, std::nullopt};
    case wsFuchsia:
        AMPMFont(A, {"MS Sans Serif", 10, false, kWindowText});
        A.SetAMPMFrame(apRoundRect);
        A.SetBorderColor(0xFFD0FF);
        Background(A, 0x000000, 0x000000);
        A.SetCenterPointBorderColor(0xDD68DD);
        DialSet(A, 0xFFD0FF, wsRect);
        A.SetSecondPointer(0xDD68DD);
        A.SetTickMarks(tmQuartHours);
        return {false, false, std::nullopt, std::nullopt};
    case wsBlack:
        AMPMFont(A, {"MS Sans Serif", 0, false});
        Background(A, 0x202020, clNone);
        A.SetBorderColor(0x000000);
        CentrePoint(A, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF);
        A.SetHourColor(0x585858);
        HourFont(A, {"Century Gothic", 11, std::nullopt, 0xFFFFFF});
        HourHand(A, 0xFFFFFF, 5);
        A.SetMinuteColor(0x585858);
        A.SetMinutePointer(0xFFFFFF);
        A.SetMinutePointerShadow(clBtnShadow);
        A.SetMinuteMarkLength(4);
        return {false, true, std::nullopt, std::nullopt};
    case wsBlackWhite:
        Background(A, 0xFFFFFF, clNone);
        A.SetBorderColor(0x000000);
        A.SetBorderWidth(8);
        CentrePoint(A, 0x000000, 0x000000, 0x000000);
        A.SetCenterPointSize(8);
        A.SetHourColor(0x585858);
        HourFont(A, {"Century Gothic", 14, true, 0x000000});
        HourHand(A, 0x000000, 5);
        A.SetMinutePointer(0x000000);
        A.SetMinutePointerShadow(clBtnShadow);
        A.SetMinuteMarkLength(4);
        A.SetSecondPointer(0x000080);
        A.SetPointerStyle(psPointer);
        A.SetTickMarks(tmQuartHours);
        return {false, true, std::nullopt, std::nullopt};
    case wsGray:
        AMPMFont(A, {"MS Sans Serif", 10, std::nullopt});
        Background(A, 0xD1D1D1, 0x6C6C6C);
        A.SetBackgroundGradient(wgRadial);
        A.SetBorderColor(0x454545);
        A.SetCenterPointBorderColor(0x454545);
        A.SetCenterPointColor(0x000000);
        A.SetCenterPointOuterBorderColor(clNone);
        A.SetHourColor(0x000000);
        HourFont(A, {"Comic Sans MS", 8, false});
        A.SetHourPointer(0x4E4E4E);
        A.SetHourPointerShadow(clNone);
        A.SetHourPointerSize(1);
        A.SetMinuteColor(0x808080);
        A.SetMinutePointer(0x4E4E4E);
        A.SetMinutePointerShadow(clNone);
        A.SetMinutePointerSize(1);
        A.SetSecondPointer(0x0000FF);
        return {true, true, std::nullopt, std::nullopt};
    case wsSuperNova:
        A.SetBackgroundColorTo(0xD1D3D3);
        A.SetBorderColor(clNone);
        A.SetCenterPointOuterBorderColor(0x000000);
        A.SetCenterPointSize(10);
        A.SetHourMarkLength(static_cast<uint8_t>(RoundEven(Side / 4.5)));
        A.SetHourPointer(0x000000);
        A.SetHourPointerShadow(clBtnShadow);
        A.SetMinuteColor(0x808080);
        A.SetMinuteMarkLength(static_cast<uint8_t>(Side / 3));
        A.SetMinutePointer(0x000000);
        return {false, false, std::nullopt, std::nullopt};
    case wsSports:
        Background(A, 0x000000, clNone);
        A.SetBorderColor(0x000000);
        A.SetBorderWidth(1);
        CentrePoint(A, 0xFF0000, 0x000000, 0x191919);
        FaceSet(A, static_cast<uint8_t>(RoundEven(Side / 3.6)), 0x0000FF, clNone, 0x00FFFF, 0x188BFE);
        return {false, true, std::nullopt, std::nullopt};
    case wsSmooth:
        Background(A, 0xFFFFFF, 0xABB0B1);
        A.SetBorderColor(0x585858);
        A.SetBorderWidth(1);
        CentrePoint(A, 0x000000, 0x4A4A4A, 0xFFFFFF);
        FaceSet(A, 6, 0x4A4A4A, 0xB2B2B2, 0x4A4A4A, 0x4A4A4A);
        return {false, true, std::nullopt, std::nullopt};
    }
    return {};
}

namespace {
struct TWatchColors {
    TSuiteStyle Style;
    TColor AMPMBorder, AMPM, Background, BackgroundTo, Border, CentreBorder, Centre, Hands, Shadows, Second;
};

const TWatchColors kWatchColors[] = {
    {tsOffice2003Blue, 0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, 0xD68759, 0xFFFFFF, 0xFFFFFF},
    {tsOffice2003Silver, 0x962D00, 0xBDA4A5, 0xE6D8D8, 0xE6D8D8, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xFFFFFF, 0xFFFFFF},
    {tsOffice2003Olive, 0x962D00, 0x82C0AF, 0xB9EAE1, 0xB9EAE1, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0xFFFFFF, 0xFFFFFF},
    {tsOffice2003Classic, 0x962D00, 0x808080, 0xF2F2F2, 0xF2F2F2, 0x808080, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
    {tsOffice2007Luna, 0xF0DED0, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0x723708, 0xFFFFFF, 0x723708},
    {tsWindowsXP, 0x000000, clBtnFace, clBtnFace, clBtnFace, 0x000000, 0x000000, 0x000000, 0x000000, 0xFFFFFF, 0x000000},
    {tsWhidbey, 0x7E9898, 0xF5F9FA, 0xF5F9FA, 0xF5F9FA, 0x7E9898, 0x7E9898, 0x7E9898, 0x7E9898, 0xFFFFFF, 0x7E9898},
    {tsOffice2007Silver, 0xE8E0DB, 0xF8F4F1, 0xF8F4F1, 0xF8F4F1, 0xE8E0DB, 0xE8E0DB, 0x74706F, 0x74706F, 0xFFFFFF, 0x74706F},
    {tsWindowsVista, 0xFEDF9A, 0xFFFDF9, 0xFFFDF9, 0xFFFAF0, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFFFFFF, 0xFEDF9A},
    {tsWindows7, 0xFBD6B8, 0xFDFBFA, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFFFFFF, 0xFBD6B8},
    {tsTerminal, 0x808080, clBtnFace, clBtnFace, clBtnFace, 0x808080, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
    {tsOffice2010Blue, 0xC7B29F, 0xF0DAC7, 0xFDF6EF, 0xFDF6EF, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xFFFFFF, 0xC7B29F},
    {tsOffice2010Silver, 0xD2CDC8, 0xEDE5E0, 0xFFFFFF, 0xFFFFFF, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xC0C0C0, 0xD2CDC8},
    {tsOffice2010Black, 0x6D6D6D, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0xFFFFFF, 0x6D6D6D},
};

void Recolour(TWatchAppearance& A, const TWatchColors& C)
{
    A.SetAMPMBorderColor(C.AMPMBorder);
    A.SetAMPMColor(C.AMPM);
    Background(A, C.Background, C.BackgroundTo);
    A.SetBorderColor(C.Border);
    A.SetCenterPointBorderColor(C.CentreBorder);
    A.SetCenterPointColor(C.Centre);
    A.SetHourColor(C.Hands);
    A.SetMinuteColor(C.Hands);
    A.SetHourPointerShadow(C.Shadows);
    A.SetHourPointer(C.Hands);
    A.SetMinutePointerShadow(C.Shadows);
    A.SetMinutePointer(C.Hands);
    A.SetSecondPointer(C.Second);
}
} // namespace

void ApplyWatchColorStyle(TWatchAppearance& A, TSuiteStyle Style)
{
    A.SetCenterPointOuterBorderColor(0x000000);
    HourFont(A, {nullptr, 0, std::nullopt, 0x000000});
    AMPMFont(A, {nullptr, 0, std::nullopt, 0x000000});
    if (Style == tsOffice2007Obsidian) {
        Recolour(A, {Style, 0xF2F1F0, 0x5C534C, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xFFEFE3, 0xFFEFE3, 0xF2F1F0, 0xFFFFFF, 0xF2F1F0});
        AMPMFont(A, {nullptr, 0, std::nullopt, 0xF2F1F0});
        HourFont(A, {nullptr, 0, std::nullopt, 0xF2F1F0});
        return;
    }
    for (const TWatchColors& C : kWatchColors)
        if (C.Style == Style) Recolour(A, C);
}
