#pragma once
#include <string>

#include "platform/ui/Hints.h"

// The hint window of the grid's scroll hints and of its cell hints in markup or in the
// wide encoding. A wide-encoded text is one plain line; any other text is markup.
class THTMLHintWindow : public THintWindow {
public:
    // Texts are always measured this wide, whatever rectangle they are shown for.
    static constexpr int MeasureWidth = 1008;
    // Where a hint ends up: at TopLeft, TextSize plus the margins big, moved back inside
    // the monitor so that it ends 2 pixels before its right and bottom edges.
    static TRect PlaceHint(TPoint TopLeft, TSize TextSize, bool WideText, const TRect& Monitor);
    static bool IsWideText(const std::string& Hint);

    explicit THTMLHintWindow(TComponent* AOwner);

    void ActivateHint(const TRect& Rect, const std::string& Hint) override;
    // The text's own size, without margins.
    TRect CalcHintRect(int MaxWidth, const std::string& Hint, void* Data) override;
    TSize TextSize() const { return {FTextWidth, FTextHeight}; }

    // The font name of wide hint texts; the grid sets its own before each cell hint.
    static std::string& HintFontName();

protected:
    void Paint() override;

private:
    TSize MeasureText(const std::string& Hint, int Width);
    void DrawHintText(const TRect& Rect);

    int FTextHeight = 0;
    int FTextWidth = 0;
};
