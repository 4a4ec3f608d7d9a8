#include "grid/foundation/painting/OfficeTheme.h"

#include "grid/foundation/painting/VisualStyles.h"
#include "platform/os/Registry.h"
#include "platform/os/SystemProfile.h"

namespace {

const std::string kOffice2010 = "Software\\Microsoft\\Office\\14.0\\Common";
const std::string kOffice2007 = "Software\\Microsoft\\Office\\12.0\\Common";

bool OfficeKeyExists(const std::string& Version)
{
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    return reg.KeyExists("Software\\Microsoft\\Office\\" + Version + "\\Common\\General");
}

// The "Theme" value of an Office key; -1 when it is missing or holds no integer.
int ReadThemeValue(const std::string& Key)
{
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    if (!reg.OpenKeyReadOnly(Key) || !reg.ValueExists("Theme")) return -1;
    try {
        return reg.ReadInteger("Theme");
    } catch (const ERegistryException&) {
        return -1;
    }
}

} // namespace

bool HasLocaleInfoEx() { return SystemProfile().HasLocaleInfoEx; }

std::string GetDefaultUIFontName() { return HasLocaleInfoEx() ? "Segoe UI" : "Tahoma"; }

int GetOfficeVersion()
{
    if (OfficeKeyExists("14.0")) return 2;
    if (OfficeKeyExists("12.0")) return 1;
    return 0;
}

TOfficeTheme GetOfficeTheme()
{
    switch (ReadThemeValue(kOffice2010)) {
    case -1:
        break;
    case 1:
        return ot2010Blue;
    case 2:
        return ot2010Silver;
    case 3:
        return ot2010Black;
    default:
        return ot2003Blue;
    }
    switch (ReadThemeValue(kOffice2007)) {
    case -1:
        break;
    case 1:
        return ot2007Blue;
    case 2:
        return ot2007Silver;
    case 3:
        return ot2007Black;
    default:
        return ot2003Blue;
    }
    switch (GetXPColorScheme()) {
    case 1:
        return ot2003Blue;
    case 2:
        return ot2003Olive;
    case 3:
        return ot2003Silver;
    default:
        return ot2003Classic;
    }
}

int GetXPColorScheme()
{
    const TSystemProfile& system = SystemProfile();
    const bool xpOrLater = system.MajorVersion > 5 || (system.MajorVersion == 5 && system.MinorVersion >= 1);
    if (!xpOrLater || !IsThemeActive() || system.ComCtlMajorVersion <= 5) return 0;
    const std::string colorName = CurrentThemeColorName();
    if (colorName.find("NormalColor") != std::string::npos) return 1;
    if (colorName.find("HomeStead") != std::string::npos) return 2;
    if (colorName.find("Metallic") != std::string::npos) return 3;
    return 0;
}
