#pragma once
#include <string>

// What the program knows of the system it runs on. Our platform always answers with one
// fixed profile: Windows 7 (so Windows XP features are present too), common controls
// version 6, the visual-style library loaded and its styles active (drawn through Qt's
// style), and the newer locale functions present. Tests replace fields to reach the
// classic branches and restore the profile afterwards.
struct TSystemProfile {
    int MajorVersion = 6;
    int MinorVersion = 1;
    int ComCtlMajorVersion = 6;
    int ComCtlMinorVersion = 0;
    bool HasLocaleInfoEx = true;
    // The user's locale is one of the Middle East, read from right to left.
    bool MiddleEastLocale = false;
    bool ThemeLibraryLoaded = true;
    bool ThemeActive = true;
    // The colour name of the active visual style, as the style library reports it.
    std::string ThemeColorName = "NormalColor";
};

TSystemProfile& SystemProfile();
