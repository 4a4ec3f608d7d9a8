#pragma once
#include <array>
#include <memory>

#include "platform/ui/Controls.h"

// The base of the colour picker's pointing panels.
class TExtCustomColorSelectorPanel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    // Fired when a mouse button is released over the panel.
    TNotifyEvent OnShouldHide;

protected:
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
};

// A honeycomb of 127 hexagonal colour cells; a press on a cell picks its colour.
class TExtColorCubePanel : public TExtCustomColorSelectorPanel {
public:
    explicit TExtColorCubePanel(TComponent* owner);

    static constexpr int CellCount = 127;
    struct TCell {
        TPoint Centre;
        TColor Color;
    };

    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor Value) { SelectColor(Value, -1); }
    bool ShowRGBHint() const { return FShowRGBHint; }
    void SetShowRGBHint(bool Value);
    int SelectedIndex() const { return FSelectedIndex; }
    int HotIndex() const { return FHotIndex; }
    const TCell& Cell(int Index) const { return FCells[Index - 1]; }

    void InitCells();
    void ResetHotCell();
    // Stores the colour and selects the cell Index (1..127), or else the first cell of that colour.
    void SelectColor(TColor Color, int Index);
    // The first cell, in number order, whose hit circle holds the point; -1 for none.
    int CellAtPos(int X, int Y) const;
    // "Red: r,  Green: g,  Blue: b".
    static std::string RGBHint(TColor Color);

    TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;

private:
    void DrawCell(TCanvas* Canvas, int Index);

    std::array<TCell, CellCount> FCells{};
    TColor FSelectedColor = clNone;
    int FSelectedIndex = -1;
    int FHotIndex = -1;
    bool FShowRGBHint = true;
};

// A 128 by 128 colour spectrum with previews of the selected colour and of the colour under
// the mouse; a press picks the colour under the mouse.
// The number under which the spectrum's eyedropper cursor is registered with the screen.
constexpr TCursor crEyedropper = 54;

class TExtColorSpectrumPanel : public TExtCustomColorSelectorPanel {
public:
    explicit TExtColorSpectrumPanel(TComponent* owner);
    ~TExtColorSpectrumPanel() override;

    static constexpr int SpectrumSize = 128;

    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor Value) { FSelectedColor = Value; }
    TColor HotColor() const { return FHotColor; }
    TRect ImageRect() const { return FImageRect; }
    TRect SelectedPreview() const { return FSelectedPreview; }
    TRect HotPreview() const { return FHotPreview; }
    void UpdateLayout();
    // The colour of the spectrum at a point of the picture.
    static TColor SpectrumColor(int X, int Y);

    TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;

private:
    std::unique_ptr<TBitmap> FSpectrum;
    TRect FImageRect;
    TRect FSelectedPreview;
    TRect FHotPreview;
    TColor FHotColor = clNone;
    TColor FSelectedColor = clWhite;
};
