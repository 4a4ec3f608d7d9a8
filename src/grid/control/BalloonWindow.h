#pragma once
#include <cstdint>
#include <string>

#include "platform/ui/FloatingWindow.h"

// The balloon of a grid cell: an icon and a bold title over the text, in a rounded box
// with a pointer towards the spot it belongs to. Icons: 0 none, 1 information, 2 warning,
// 3 error; other values show none.
class TBalloonWindow : public TFloatingWindow {
public:
    static constexpr int MaxWidth = 300;

    explicit TBalloonWindow(TComponent* AOwner);

    const std::string& Title() const { return FTitle; }
    const std::string& Body() const { return FText; }
    int Icon() const { return FIcon; }
    void SetContent(const std::string& Title, const std::string& Text, int Icon);
    // clNone: the hint colours.
    void SetColors(TColor Background, TColor TextColor);
    // Opacity out of 255; where the platform cannot fade the window it stays opaque.
    uint8_t Alpha() const { return FAlpha; }
    void SetAlpha(uint8_t Value);
    // The size the content needs, at most MaxWidth wide.
    TSize ContentSize();
    // Shows the balloon with its pointer's tip at a screen point.
    void ShowAt(TPoint Tip);

protected:
    void Paint() override;

private:
    struct TLayout {
        TRect Icon, Title, Text;
        TSize Size;
    };
    TLayout Layout();
    void DrawIcon(TCanvas& Canvas, const TRect& R) const;

    std::string FTitle;
    std::string FText;
    int FIcon = 0;
    TColor FBackground = clNone;
    TColor FTextColor = clNone;
    uint8_t FAlpha = 255;
};
