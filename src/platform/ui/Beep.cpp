#include "platform/ui/Beep.h"

#include <QApplication>

namespace {
std::function<void()>& Beeper()
{
    static std::function<void()> beeper;
    return beeper;
}
}  // namespace

void Beep()
{
    if (Beeper()) Beeper()();
    else QApplication::beep();
}

void SetBeeper(std::function<void()> beeper) { Beeper() = std::move(beeper); }
