#pragma once
#include <memory>

#include "platform/ui/Controls.h"

// A canvas on the window of a control that the platform paints itself (an edit, a combo
// box), for drawing over what the window painted. It draws only while the control's
// WM_PAINT runs after DefaultHandler painted the window; anywhere else it has nothing to
// draw on. Let it go before the handler returns.
class TWindowCanvas : public TCanvas {
public:
    explicit TWindowCanvas(TControl* control);
    ~TWindowCanvas() override;
    TWindowCanvas(const TWindowCanvas&) = delete;
    TWindowCanvas& operator=(const TWindowCanvas&) = delete;

    TCanvasSurface* Surface() const override;

private:
    std::unique_ptr<TCanvasSurface> surface_;
};
