#include "platform/ui/Mouse.h"

#include <QApplication>
#include <QCursor>

#include "platform/ui/QtApp.h"

int TMouse::WheelScrollLines() const
{
    EnsureQtApplication();
    return QApplication::wheelScrollLines();
}

TPoint TMouse::CursorPos() const
{
    EnsureQtApplication();
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

namespace {
TMouse MouseObject;
} // namespace

TMouse* const Mouse = &MouseObject;
