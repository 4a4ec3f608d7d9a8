#pragma once
#include <functional>

// The desktop's default warning sound. Tests replace the sound with a counter; an empty
// function restores the desktop's.
void Beep();
void SetBeeper(std::function<void()> beeper);
