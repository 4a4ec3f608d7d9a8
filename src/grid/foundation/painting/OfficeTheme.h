#pragma once
#include <string>

#include "platform/ui/Graphics.h"

// The look of the environment that styled grids adapt to: the Office version and colour
// theme the user chose, the Windows XP colour scheme and the default interface font.

// Component colour styles.
enum TSuiteStyle {
    tsOffice2003Blue,
    tsOffice2003Silver,
    tsOffice2003Olive,
    tsOffice2003Classic,
    tsOffice2007Luna,
    tsOffice2007Obsidian,
    tsWindowsXP,
    tsWhidbey,
    tsCustom,
    tsOffice2007Silver,
    tsWindowsVista,
    tsWindows7,
    tsTerminal,
    tsOffice2010Blue,
    tsOffice2010Silver,
    tsOffice2010Black
};

// The detected Office theme.
enum TOfficeTheme {
    ot2003Blue,
    ot2003Silver,
    ot2003Olive,
    ot2003Classic,
    ot2007Blue,
    ot2007Silver,
    ot2007Black,
    ot2010Blue,
    ot2010Silver,
    ot2010Black,
    otUnknown
};

struct TColorTone {
    TColor BrushColor = clNone;
    TColor BorderColor = clNone;
    TColor TextColor = clNone;
};

struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
};

// Implemented by components that take a colour style or a set of colour tones.
class ISuiteStyle {
public:
    virtual ~ISuiteStyle() = default;
    virtual void SetComponentStyle(TSuiteStyle AStyle) = 0;
};

class ISuiteTones {
public:
    virtual ~ISuiteTones() = default;
    virtual void SetColorTones(const TColorTones& ATones) = 0;
};

bool HasLocaleInfoEx();
// "Segoe UI" where the newer locale functions exist, else "Tahoma"; our platform draws
// either with the desktop's sans font.
std::string GetDefaultUIFontName();

// 0 none, 1 Office 2007, 2 Office 2010 (the highest installed).
int GetOfficeVersion();
// From the "Theme" value of Office 2010, else of Office 2007, else from the Windows XP
// colour scheme. A "Theme" value that cannot be read as an integer counts as missing.
TOfficeTheme GetOfficeTheme();
// 0 none, 1 "NormalColor", 2 "HomeStead", 3 "Metallic".
int GetXPColorScheme();
