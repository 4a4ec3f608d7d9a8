#include "grid/dropdown/ColorPanels.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/SysUtils.h"
#include "platform/ui/Forms.h"

namespace {
constexpr int kHalfWidth = 6, kQuarterHeight = 3;

const TColor kCubeColors[TExtColorCubePanel::CellCount] = {
    0x663300, 0x996633, 0xCC6633, 0x993300, 0x990000, 0xCC0000, 0x660000,
    0x666600, 0x996600, 0xCC9900, 0xCC6600, 0xCC3300, 0xFF0000, 0xFF3333, 0x993333,
    0x808000, 0x999900, 0xCCCC33, 0xFFCC00, 0xFF9900, 0xFF6600, 0xFF6633, 0xCC3333, 0x996666,
    0x669933, 0x99CC00, 0xCCFF00, 0xFFFF00, 0xFFCC33, 0xFF9933, 0xFF9966, 0xFF6666, 0xFF0066, 0xCC0066,
    0x339933, 0x66CC00, 0x99FF00, 0xCCFF66, 0xFFFF66, 0xFFCC66, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399, 0xFF0099,
    0x006600, 0x00CC00, 0x00FF00, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFECCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC, 0xFF00CC, 0xCC0099,
    0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF, 0xFF00FF, 0xCC00CC, 0x660066,
    0x006633, 0x009900, 0x33FF66, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF, 0xCC33FF, 0x9900CC, 0x800080,
    0x003333, 0x009966, 0x33FF99, 0x66FFCC, 0x99FFFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF, 0x9933CC, 0x990099,
    0x336666, 0x00CC99, 0x33FFCC, 0x66FFFF, 0x66CCFF, 0x6699FF, 0x807CFF, 0x6600FF, 0x9300D6, 0x663399,
    0x008080, 0x00CCCC, 0x00FFFF, 0x00CCFF, 0x3399FF, 0x0066FF, 0x5050FF, 0x6600CC, 0x330066,
    0x336699, 0x0099CC, 0x0099FF, 0x0066CC, 0x0033FF, 0x0000FF, 0x0000CC, 0x330099,
    0x003366, 0x006699, 0x0033CC, 0x003399, 0x000099, 0x000080, 0x2100A5,
};

// A hexagon with a point at the top and at the bottom.
void DrawHexagon(TCanvas* Canvas, TPoint C, int W, int Q)
{
    Canvas->Polygon({{C.X - W, C.Y - Q}, {C.X, C.Y - 2 * Q}, {C.X + W, C.Y - Q}, {C.X + W, C.Y + Q}, {C.X, C.Y + 2 * Q},
                     {C.X - W, C.Y + Q}});
}

void Frame(TCanvas* Canvas, const TRect& R, TColor Color)
{
    Canvas->Brush()->SetColor(Color);
    Canvas->FrameRect(R);
}
} // namespace

void TExtCustomColorSelectorPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (OnShouldHide) OnShouldHide(this);
}

// ---- the cube ----

TExtColorCubePanel::TExtColorCubePanel(TComponent* owner) : TExtCustomColorSelectorPanel(owner)
{
    InitCells();
    SetShowRGBHint(true);
    SetBounds(0, 0, 182, 160);
}

void TExtColorCubePanel::SetShowRGBHint(bool Value)
{
    FShowRGBHint = Value;
    SetShowHint(Value);
}

// Thirteen rows ten pixels apart; the upper half widens by a cell per row, the lower narrows.
void TExtColorCubePanel::InitCells()
{
    int Index = 0;
    for (int Row = 1; Row <= 13; ++Row) {
        const int Count = Row <= 7 ? Row + 6 : 20 - Row;
        const int FirstX = Row <= 7 ? 55 - 6 * (Row - 1) : 19 + 6 * (Row - 7);
        for (int I = 0; I < Count; ++I, ++Index)
            FCells[Index] = {TPoint{FirstX + 2 * kHalfWidth * I, 20 + 10 * (Row - 1)}, kCubeColors[Index]};
    }
}

void TExtColorCubePanel::ResetHotCell()
{
    FHotIndex = -1;
    SetBounds(Left(), Top(), 182, 160);
}

void TExtColorCubePanel::SelectColor(TColor Color, int Index)
{
    FSelectedColor = Color;
    if (Index >= 1 && Index <= CellCount) {
        FSelectedIndex = Index;
        return;
    }
    FSelectedIndex = -1;
    for (int I = 1; I <= CellCount; ++I)
        if (Cell(I).Color == Color) {
            FSelectedIndex = I;
            return;
        }
}

int TExtColorCubePanel::CellAtPos(int X, int Y) const
{
    for (int I = 1; I <= CellCount; ++I) {
        const int Dx = X - Cell(I).Centre.X, Dy = Y - Cell(I).Centre.Y;
        if (Dx * Dx + Dy * Dy <= kHalfWidth * kHalfWidth) return I;
    }
    return -1;
}

std::string TExtColorCubePanel::RGBHint(TColor Color)
{
    return Format("Red: %d,  Green: %d,  Blue: %d", {GetRValue(Color), GetGValue(Color), GetBValue(Color)});
}

void TExtColorCubePanel::DrawCell(TCanvas* Canvas, int Index)
{
    if (Index < 1 || Index > CellCount) return;
    const TCell& C = Cell(Index);
    Canvas->Pen()->SetColor(C.Color);
    Canvas->Brush()->SetColor(C.Color);
    DrawHexagon(Canvas, C.Centre, kHalfWidth, kQuarterHeight);
    const auto Ring = [&](TColor Outer) {
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->Pen()->SetColor(Outer);
        DrawHexagon(Canvas, C.Centre, 5, 3);
        Canvas->Pen()->SetColor(clWhite);
        DrawHexagon(Canvas, C.Centre, 4, 2);
        Canvas->Brush()->SetStyle(bsSolid);
    };
    if (Index == FHotIndex) Ring(clRed);
    if (Index == FSelectedIndex) Ring(clBlack);
}

void TExtColorCubePanel::Paint()
{
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(TRect{0, 0, Width(), Height()});
    for (int I = 1; I <= CellCount; ++I)
        DrawCell(Canvas(), I);
}

void TExtColorCubePanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TExtCustomColorSelectorPanel::MouseDown(button, shift, x, y);
    const int Index = CellAtPos(x, y);
    if (Index < 1) return;
    SelectColor(Cell(Index).Color, Index);
    Invalidate();
    if (OnSelect) OnSelect(this);
}

void TExtColorCubePanel::MouseMove(TShiftState shift, int x, int y)
{
    TExtCustomColorSelectorPanel::MouseMove(shift, x, y);
    const int Index = CellAtPos(x, y);
    if (Index < 1) {
        // Off the cells the hot frame stays on the last cell; only the hint goes.
        if (FShowRGBHint) {
            SetHint("");
            Application->CancelHint();
        }
        return;
    }
    if (Index == FHotIndex) return;
    FHotIndex = Index;
    Invalidate();
    if (FShowRGBHint) {
        SetHint(RGBHint(Cell(Index).Color));
        Application->CancelHint();
    }
}

// ---- the spectrum ----

TColor TExtColorSpectrumPanel::SpectrumColor(int X, int Y)
{
    // Hue across, from red through yellow, green, cyan, blue and magenta back to red.
    const double Hue = 6.0 * X / SpectrumSize;
    const int Sector = std::min(static_cast<int>(Hue), 5);
    const double F = Hue - Sector;
    double R = 0, G = 0, B = 0;
    switch (Sector) {
    case 0: R = 1, G = F; break;
    case 1: R = 1 - F, G = 1; break;
    case 2: G = 1, B = F; break;
    case 3: G = 1 - F, B = 1; break;
    case 4: R = F, B = 1; break;
    default: R = 1, B = 1 - F; break;
    }
    // White at the top, the pure hue in the middle, black at the bottom.
    const double Half = (SpectrumSize - 1) / 2.0;
    const auto Channel = [&](double C) {
        const double V = Y <= Half ? 1 - (1 - C) * Y / Half : C * (SpectrumSize - 1 - Y) / Half;
        return static_cast<int>(std::lround(std::clamp(V, 0.0, 1.0) * 255));
    };
    return RGB(Channel(R), Channel(G), Channel(B));
}

namespace {
// A pipette, 32 by 32, its tip at the lower left (1, 30) where it picks the colour.
void RegisterEyedropperCursor()
{
    TPoint HotSpot;
    if (Screen->CursorImage(crEyedropper, HotSpot)) return;
    constexpr TColor Clear = 0xFF00FF;
    TBitmap Cursor(32, 32);
    TCanvas& C = *Cursor.Canvas();
    C.Brush()->SetColor(Clear);
    C.FillRect(TRect{0, 0, 32, 32});
    C.Pen()->SetColor(clBlack);
    C.Pen()->SetWidth(3);
    C.MoveTo(2, 29);
    C.LineTo(20, 11);
    C.Pen()->SetWidth(1);
    C.Pen()->SetColor(clWhite);
    C.MoveTo(3, 28);
    C.LineTo(19, 12);
    C.Pen()->SetColor(clBlack);
    C.Brush()->SetColor(0x404040);
    C.Ellipse(18, 4, 28, 14);
    C.MoveTo(1, 30);
    C.LineTo(3, 28);
    Cursor.SetTransparentColor(Clear);
    Cursor.SetTransparent(true);
    Screen->SetCursorImage(crEyedropper, Cursor, TPoint{1, 30});
}
} // namespace

TExtColorSpectrumPanel::TExtColorSpectrumPanel(TComponent* owner)
    : TExtCustomColorSelectorPanel(owner), FSpectrum(std::make_unique<TBitmap>(SpectrumSize, SpectrumSize))
{
    for (int Y = 0; Y < SpectrumSize; ++Y)
        for (int X = 0; X < SpectrumSize; ++X)
            FSpectrum->Canvas()->SetPixels(X, Y, SpectrumColor(X, Y));
    RegisterEyedropperCursor();
    SetCursor(crEyedropper);
    UpdateLayout();
}

TExtColorSpectrumPanel::~TExtColorSpectrumPanel() = default;

void TExtColorSpectrumPanel::UpdateLayout()
{
    SetBounds(Left(), Top(), 150, 174);
    const int Left = (Width() - SpectrumSize) / 2, Top = 10;
    FImageRect = TRect{Left, Top, Left + SpectrumSize, Top + SpectrumSize};
    FSelectedPreview = TRect{Left - 1, FImageRect.Bottom + 8, Left + SpectrumSize / 2 - 2, FImageRect.Bottom + 28};
    FHotPreview = TRect{FSelectedPreview.Right + 4, FSelectedPreview.Top, Left + SpectrumSize + 1, FSelectedPreview.Bottom};
    FHotColor = clNone;
    Invalidate();
}

void TExtColorSpectrumPanel::Paint()
{
    TCanvas* Canvas = this->Canvas();
    Canvas->Brush()->SetColor(Color());
    Canvas->FillRect(TRect{0, 0, Width(), Height()});
    Canvas->Draw(FImageRect.Left, FImageRect.Top, FSpectrum.get());
    Frame(Canvas, InflateRect(FImageRect, 1, 1), clWhite);
    Frame(Canvas, InflateRect(FImageRect, 2, 2), 0x808080);
    for (const auto& [Rect, Fill] : {std::pair{FSelectedPreview, FSelectedColor}, std::pair{FHotPreview, FHotColor}}) {
        Frame(Canvas, InflateRect(Rect, 1, 1), 0x808080);
        Canvas->Pen()->SetColor(clWhite);
        Canvas->Brush()->SetStyle(Fill == clNone ? bsClear : bsSolid);
        Canvas->Brush()->SetColor(Fill);
        Canvas->Rectangle(Rect);
        Canvas->Brush()->SetStyle(bsSolid);
    }
}

void TExtColorSpectrumPanel::MouseMove(TShiftState shift, int x, int y)
{
    TExtCustomColorSelectorPanel::MouseMove(shift, x, y);
    if (!FImageRect.Contains(TPoint{x, y})) return;
    FHotColor = FSpectrum->Canvas()->Pixels(x - FImageRect.Left, y - FImageRect.Top);
    Invalidate();
}

void TExtColorSpectrumPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TExtCustomColorSelectorPanel::MouseDown(button, shift, x, y);
    if (!FImageRect.Contains(TPoint{x, y})) return;
    FSelectedColor = FHotColor;
    Invalidate();
    if (OnSelect) OnSelect(this);
}
