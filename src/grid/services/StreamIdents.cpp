#include "grid/services/StreamIdents.h"

#include <algorithm>
#include <utility>

#include "grid/control/ComponentStream.h"

namespace {

struct TColorIdent {
    const char* Name;
    TColor Value;
};

constexpr TColorIdent kColorIdents[] = {
    {"clBlack", 0x00000000},
    {"clMaroon", 0x00000080},
    {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},
    {"clNavy", 0x00800000},
    {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},
    {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},
    {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},
    {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},
    {"clMoneyGreen", 0x00C0DCC0},
    {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF},
    {"clMedGray", 0x00A4A0A0},
    {"clActiveBorder", 0xFF00000A},
    {"clActiveCaption", 0xFF000002},
    {"clAppWorkSpace", 0xFF00000C},
    {"clBackground", 0xFF000001},
    {"clBtnFace", 0xFF00000F},
    {"clBtnHighlight", 0xFF000014},
    {"clBtnShadow", 0xFF000010},
    {"clBtnText", 0xFF000012},
    {"clCaptionText", 0xFF000009},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", 0xFF00001B},
    {"clGradientInactiveCaption", 0xFF00001C},
    {"clGrayText", 0xFF000011},
    {"clHighlight", 0xFF00000D},
    {"clHighlightText", 0xFF00000E},
    {"clHotLight", 0xFF00001A},
    {"clInactiveBorder", 0xFF00000B},
    {"clInactiveCaption", 0xFF000003},
    {"clInactiveCaptionText", 0xFF000013},
    {"clInfoBk", 0xFF000018},
    {"clInfoText", 0xFF000017},
    {"clMenu", 0xFF000004},
    {"clMenuBar", 0xFF00001E},
    {"clMenuHighlight", 0xFF00001D},
    {"clMenuText", 0xFF000007},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0xFF000000},
    {"cl3DDkShadow", 0xFF000015},
    {"cl3DLight", 0xFF000016},
    {"clWindow", 0xFF000005},
    {"clWindowFrame", 0xFF000006},
    {"clWindowText", 0xFF000008},
};

} // namespace

std::optional<std::string> ColorToIdent(TColor Value)
{
    for (const TColorIdent& ident : kColorIdents)
        if (ident.Value == Value) return ident.Name;
    return std::nullopt;
}

std::optional<TColor> IdentToColor(const std::string& Name)
{
    for (const TColorIdent& ident : kColorIdents)
        if (Name == ident.Name) return ident.Value;
    return std::nullopt;
}

const std::string& TIdentNames::Name(int Ordinal) const
{
    if (Ordinal < 0 || Ordinal >= static_cast<int>(FNames.size()))
        throw EReadError("Invalid property value");
    return FNames[static_cast<size_t>(Ordinal)];
}

int TIdentNames::Ordinal(const std::string& Name) const
{
    const auto found = std::find(FNames.begin(), FNames.end(), Name);
    if (found == FNames.end()) throw EReadError("Invalid property value " + Name);
    return static_cast<int>(found - FNames.begin());
}

const TIdentNames& AlignmentNames()
{
    static const TIdentNames names({"taLeftJustify", "taRightJustify", "taCenter"});
    return names;
}
const TIdentNames& VAlignmentNames()
{
    static const TIdentNames names({"vtaTop", "vtaCenter", "vtaBottom"});
    return names;
}
const TIdentNames& BrushStyleNames()
{
    static const TIdentNames names({"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                                    "bsBDiagonal", "bsCross", "bsDiagCross"});
    return names;
}
const TIdentNames& GradientDirectionNames()
{
    static const TIdentNames names({"GradientVertical", "GradientHorizontal"});
    return names;
}
const TIdentNames& EditorTypeNames()
{
    static const TIdentNames names(
        {"edNormal",          "edSpinEdit",          "edComboEdit",          "edComboList",
         "edEditBtn",         "edCheckBox",          "edDateEdit",           "edDateEditUpDown",
         "edTimeEdit",        "edButton",            "edDataCheckBox",       "edNumeric",
         "edPositiveNumeric", "edFloat",             "edCapital",            "edMixedCase",
         "edPassword",        "edUnitEditBtn",       "edLowerCase",          "edUpperCase",
         "edFloatSpinEdit",   "edTimeSpinEdit",      "edDateSpinEdit",       "edNumericEditBtn",
         "edFloatEditBtn",    "edCustom",            "edRichEdit",           "edNone",
         "edDateTimeEdit",    "edValidChars",        "edTrackbarDropDown",   "edMemoDropDown",
         "edCalculatorDropDown", "edTimePickerDropDown", "edDetailDropDown", "edGridDropDown",
         "edColorPickerDropDown", "edImagePickerDropDown", "edExtGridDropDown", "edPositiveFloat",
         "edNumericUnitEditBtn", "edFloatUnitEditBtn", "edMaskEditBtn"});
    return names;
}
const TIdentNames& FontStyleNames()
{
    static const TIdentNames names({"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
    return names;
}
const TIdentNames& CellTypeNames()
{
    static const TIdentNames names(
        {"ctBitmap",      "ctIcon",         "ctNone",           "ctImageList",  "ctCheckBox",
         "ctDataCheckBox", "ctRotated",     "ctDataImage",      "ctNode",       "ctRadio",
         "ctEmpty",       "ctImages",       "ctPicture",        "ctFilePicture", "ctValue",
         "ctProgress",    "ctComment",      "ctButton",         "ctBitButton",  "ctVirtCheckBox",
         "ctRowCheckBox", "ctProgressPie",  "ctSummary",        "ctRangeIndicator", "ctXPProgress",
         "ctInterface",   "ctScrollbar",    "ctRadioButton",    "ctBalloon",    "ctShape",
         "ctRating",      "ctTriStateCheckBox", "ctExpand"});
    return names;
}
const TIdentNames& CellVAlignNames()
{
    static const TIdentNames names({"vaTop", "vaBottom", "vaCenter", "vaUnderText", "vaAboveText", "vaFull"});
    return names;
}
const TIdentNames& CellHAlignNames()
{
    static const TIdentNames names({"haLeft", "haRight", "haCenter", "haBeforeText", "haAfterText", "haFull"});
    return names;
}
const TIdentNames& CheckBoxStateNames()
{
    static const TIdentNames names({"cbUnchecked", "cbChecked", "cbGrayed"});
    return names;
}
