#pragma once
#include <string>

#include "platform/ui/FloatingWindow.h"

class TExtStringGrid;

// The button that follows the mouse while a column or row header is dragged, showing the
// header's text on the look of a fixed cell. It is created hidden and disabled.
class THeaderDragButton : public TFloatingWindow {
public:
    explicit THeaderDragButton(TExtStringGrid* AGrid);

    TExtStringGrid* Grid() const { return FGrid; }
    const std::string& DragCaption() const { return FCaption; }
    void SetDragCaption(const std::string& Value);
    bool Flat = false;

protected:
    void Paint() override;

private:
    TExtStringGrid* FGrid;
    std::string FCaption;
};
