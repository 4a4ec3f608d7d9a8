#pragma once
#include <memory>

#include "platform/ui/Controls.h"
#include "platform/ui/Graphics.h"

// A picture in a window of its own above the grid's window that never takes the focus or
// the mouse: the grid's drag image, a see-through picture of the dragged cells.
class TNoActiveForm : public TCustomControl {
public:
    explicit TNoActiveForm(TWinControl* AGrid);

    // The window takes the picture's size.
    void SetPicture(const TBitmap& Value);
    const TBitmap& Picture() const { return *FPicture; }
    // 255 is opaque.
    void SetOpacity(int Alpha) { FAlpha = Alpha; }
    // Shows the picture with its top-left corner at a point of the screen.
    void ShowAt(TPoint ScreenPos);
    TPoint ScreenPos() const { return FScreenPos; }

private:
    std::unique_ptr<TBitmap> FPicture;
    int FAlpha = 255;
    TPoint FScreenPos{};
};
