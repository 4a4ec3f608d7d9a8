#include "grid/foundation/editors/DropButtonMouse.h"

bool TDropButtonMouse::Enter(bool enabled)
{
    if (inControl_ || !enabled) return false;
    inControl_ = true;
    return true;
}

bool TDropButtonMouse::Leave(bool enabled)
{
    overButton_ = false;
    if (!inControl_ || !enabled) return false;
    inControl_ = false;
    return true;
}

bool TDropButtonMouse::Move(int x, int width, int buttonWidth)
{
    const bool over = width - buttonWidth < x && x < width;
    if (over == overButton_) return false;
    overButton_ = over;
    return true;
}
