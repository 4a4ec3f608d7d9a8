#include "grid/foundation/painting/VisualStyles.h"

#include "platform/os/SystemProfile.h"

bool ThemeLibraryLoaded() { return SystemProfile().ThemeLibraryLoaded; }

bool IsThemeActive() { return ThemeLibraryLoaded() && SystemProfile().ThemeActive; }

std::string CurrentThemeColorName()
{
    return IsThemeActive() ? SystemProfile().ThemeColorName : std::string();
}
