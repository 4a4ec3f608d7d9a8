#pragma once
// Platform-private: the Qt application behind the ui layer. Included only by platform .cpp files.
#include <QColor>

#include <exception>
#include <functional>

#include "platform/ui/Graphics.h"

// Creates the Qt application on first use (Fusion style, our system colours as its palette).
void EnsureQtApplication();

// Runs a piece of our code called from Qt. An exception that escapes it goes to
// Application->HandleException, never back into Qt.
void GuardedCall(const std::function<void()>& call);

inline QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

inline TColor FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }
