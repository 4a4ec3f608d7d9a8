#pragma once
// Platform-private: the Qt application behind the ui layer. Included only by platform .cpp files.
#include <QColor>

#include <exception>
#include <functional>

#include "platform/QtRuntime.h"
#include "platform/ui/Graphics.h"


inline QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

class QStyle;
// The desktop style over `base`: it waits Application->HintPause() before a tooltip event.
QStyle* NewDesktopStyle(QStyle* base);

inline TColor FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }
