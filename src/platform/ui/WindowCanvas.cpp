#include "platform/ui/WindowCanvas.h"

#include "platform/ui/QtControls.h"

TWindowCanvas::TWindowCanvas(TControl* control)
{
    const TControlPrivate& d = control->Impl();
    if (d.widget && d.native && d.native->msg == WM_PAINT) {
        surface_ = std::make_unique<TCanvasSurface>();
        surface_->device = d.widget;
    }
}

TWindowCanvas::~TWindowCanvas() { EndCanvasPainter(*this); }

TCanvasSurface* TWindowCanvas::Surface() const { return surface_.get(); }
