#include "platform/ui/FloodFill.h"

#include <vector>

void FloodFill(TCanvas* canvas, int x, int y, TColor borderColor)
{
    const TRect area = canvas->ClipRect();
    const TColor border = ColorToRGB(borderColor);
    const auto open = [&](int px, int py) {
        if (!area.Contains({px, py})) return false;
        const TColor pixel = canvas->Pixels(px, py);
        return pixel != clNone && pixel != border;
    };
    if (!open(x, y)) return;

    const TColor fill = ColorToRGB(canvas->Brush()->Color());
    const int width = area.Width();
    std::vector<bool> seen(static_cast<size_t>(width) * area.Height());
    const auto mark = [&](int px, int py) {
        const size_t index = static_cast<size_t>(py - area.Top) * width + (px - area.Left);
        if (seen[index]) return false;
        seen[index] = true;
        return true;
    };
    std::vector<TPoint> pending{{x, y}};
    mark(x, y);
    while (!pending.empty()) {
        const TPoint p = pending.back();
        pending.pop_back();
        canvas->SetPixels(p.X, p.Y, fill);
        for (const TPoint next :
             {TPoint{p.X + 1, p.Y}, TPoint{p.X - 1, p.Y}, TPoint{p.X, p.Y + 1}, TPoint{p.X, p.Y - 1}})
            if (open(next.X, next.Y) && mark(next.X, next.Y)) pending.push_back(next);
    }
}
