#include "grid/foundation/markup/HtmlColors.h"

#include <array>
#include <string_view>

#include "platform/rtl/SysUtils.h"

namespace {
struct TNamedColor {
    std::string_view name;
    TColor color;
};

constexpr std::array<TNamedColor, 40> kNamedColors = {{
    {"clred", clRed},
    {"clblack", clBlack},
    {"clblue", clBlue},
    {"clgreen", clGreen},
    {"claqua", clAqua},
    {"clyellow", clYellow},
    {"clfuchsia", clFuchsia},
    {"clwhite", clWhite},
    {"cllime", clLime},
    {"clsilver", clSilver},
    {"clgray", clGray},
    {"clolive", clOlive},
    {"clnavy", clNavy},
    {"clpurple", clPurple},
    {"clteal", clTeal},
    {"clmaroon", clMaroon},
    {"clbackground", clBackground},
    {"clactivecaption", clActiveCaption},
    {"clinactivecaption", clInactiveCaption},
    {"clmenu", clMenu},
    {"clwindow", clWindow},
    {"clwindowframe", clWindowFrame},
    {"clmenutext", clMenuText},
    {"clwindowtext", clWindowText},
    {"clcaptiontext", clCaptionText},
    {"clactiveborder", clActiveBorder},
    {"clinactiveborder", clInactiveBorder},
    {"clappworkspace", clAppWorkSpace},
    {"clhighlight", clHighlight},
    {"clhighlighttext", clHighlightText},
    {"clbtnface", clBtnFace},
    {"clbtnshadow", clBtnShadow},
    {"clgraytext", clGrayText},
    {"clbtntext", clBtnText},
    {"clinactivecaptiontext", clInactiveCaptionText},
    {"clbtnhighlight", clBtnHighlight},
    {"cl3ddkshadow", cl3DDkShadow},
    {"cl3dlight", cl3DLight},
    {"clinfotext", clInfoText},
    {"clinfobk", clInfoBk},
}};

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

// Two digits of "#RRGGBB" from position at; missing or foreign digits count as 0.
int HexByte(const std::string& value, size_t at)
{
    const char high = at < value.size() ? value[at] : '0';
    const char low = at + 1 < value.size() ? value[at + 1] : '0';
    return HexDigit(high) * 16 + HexDigit(low);
}
} // namespace

TColor HtmlColorValue(const std::string& value)
{
    if (!value.empty() && value[0] == '#')
        return RGB(HexByte(value, 1), HexByte(value, 3), HexByte(value, 5));
    const std::string name = LowerCase(value);
    for (const TNamedColor& entry : kNamedColors)
        if (entry.name == name) return entry.color;
    return clBlack;
}
