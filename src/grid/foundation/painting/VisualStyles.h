#pragma once
#include <string>

// The platform's visual styles, as the grid's painters ask for them. Our platform draws
// the styled parts through Qt's style; whether the style library counts as loaded and its
// style as active comes from the system profile. Without them the painters draw their
// classic look.

bool ThemeLibraryLoaded();
bool IsThemeActive();
// The colour name of the active style ("NormalColor", "HomeStead", "Metallic" ...).
std::string CurrentThemeColorName();
