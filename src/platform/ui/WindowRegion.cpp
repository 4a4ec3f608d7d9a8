#include "platform/ui/WindowRegion.h"

#include <QPolygon>

#include "platform/ui/QtControls.h"

void SetWindowPolygonRegion(TWinControl* control, const std::vector<TPoint>& polygon)
{
    QPolygon points;
    for (const TPoint& p : polygon)
        points << QPoint(p.X, p.Y);
    control->Impl().Widget()->setMask(QRegion(points, Qt::WindingFill));
}

void ClearWindowRegion(TWinControl* control) { control->Impl().Widget()->clearMask(); }
