#include "platform/ui/Mouse.h"

#include <QApplication>

#include "platform/ui/QtApp.h"

int TMouse::WheelScrollLines() const
{
    EnsureQtApplication();
    return QApplication::wheelScrollLines();
}

namespace {
TMouse MouseObject;
} // namespace

TMouse* const Mouse = &MouseObject;
