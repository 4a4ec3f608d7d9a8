#include "grid/control/ExtStringGrid.h"
#include "grid/control/DropDownCellEditing.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/Grouping.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/SearchFooter.h"
#include "grid/foundation/text/ClipboardHtml.h"
#include "platform/rtl/SysUtils.h"

namespace {

// How a look paints the fixed cells and the selection.
enum class TLookFamily {
    Classic, // button-face headers, system selection colours
    List,    // gradient headers, system selection colours
    Suite,   // gradient headers, the soft blue selection of the office suites
    Styled,  // the component style draws headers and selection
    Custom   // the grid's colours stay as they are
};

struct TLookInfo {
    const char* Name;
    const char* Caption;
    TLookFamily Family;
    TGridSelectionStyle SelectionStyle;
    TColor FixedGradientTo;
};

// In the order of TGridLook.
constexpr TLookInfo kLooks[] = {
    {"glStandard", "Standard", TLookFamily::Classic, ssDefault, clNone},
    {"glSoft", "Soft", TLookFamily::Classic, ssDefault, clNone},
    {"glClassic", "Classic", TLookFamily::Classic, ssDefault, clNone},
    {"glSuite", "Suite", TLookFamily::Suite, ssDefault, clSilver},
    {"glXP", "Windows XP", TLookFamily::Suite, ssDefault, clBtnFace},
    {"glListView", "ListView", TLookFamily::List, ssDefault, clBtnFace},
    {"glVista", "Windows Vista", TLookFamily::Styled, ssVista, clNone},
    {"glWin7", "Windows 7", TLookFamily::Styled, ssWin7, clNone},
    {"glOffice2007", "Office2007", TLookFamily::Styled, ssOffice2007, clNone},
    {"", "", TLookFamily::Custom, ssDefault, clNone},
};

constexpr TColor kSuiteSelection = 0x00EACAB6;
constexpr TColor kThemedBorder = 0x00B99D7F;

// The address prefixes a plain text may hold, in the order they are looked for.
constexpr const char* kUrlPrefixes[] = {"HTTP://", "WWW.",    "MAILTO:", "HTTPS://",
                                        "NNTP://", "FILE://", "FTP://"};

} // namespace

bool TExtStringGrid::LookToString(TGridLook Value, std::string& Result)
{
    if (Value == glCustom) return false;
    Result = kLooks[Value].Name;
    return true;
}

bool TExtStringGrid::LookToCaption(TGridLook Value, std::string& Result)
{
    if (Value == glCustom) return false;
    Result = kLooks[Value].Caption;
    return true;
}

void TExtStringGrid::SetLook(TGridLook Value)
{
    if (Value == FLook) return;
    FLook = Value;
    const TLookInfo& look = kLooks[Value];
    if (look.Family != TLookFamily::Custom) ClearLookGradients();
    if (look.Family == TLookFamily::Styled) {
        ApplyLookStyle(Value);
        SetSelectionStyle(look.SelectionStyle);
    } else if (look.Family != TLookFamily::Custom) {
        // The looks without a style of their own show their drop-down editors in the XP style,
        // also those that open later: an opening editor takes the grid's style.
        if (!ComponentState().Contains(csDesigning)) {
            FComponentStyle = tsWindowsXP;
            SetDropDownStyles(tsWindowsXP);
        }
        SetSelectionStyle(ssDefault);
        if (!ComponentState().Contains(csLoading)) ApplyPlainLookColors(Value);
    }
    SetScrollType(ssNormal);
    SetBorderStyle(bsSingle);
    FBorderColor = kThemedBorder;
    Invalidate();
}

// What one look set must not show through the next: the header gradients, the grid's own
// gradients and the sorted column's header colour.
void TExtStringGrid::ClearLookGradients()
{
    TControlLook& control = *ControlLook();
    control.SetFixedGradientFrom(clNone);
    control.SetFixedGradientTo(clNone);
    control.SetFixedGradientMirrorFrom(clNone);
    control.SetFixedGradientMirrorTo(clNone);
    SuiteGradientFrom = SuiteGradientTo = SuiteGradientMirrorFrom = SuiteGradientMirrorTo = clNone;
    SortSettings()->SetHeaderColor(clNone);
}

// The colours of the looks drawn without a component style. The suite looks' own gradient
// colours were cleared just before, so their search footer is flat as well.
void TExtStringGrid::ApplyPlainLookColors(TGridLook Value)
{
    const TLookInfo& look = kLooks[Value];
    const bool classic = look.Family == TLookFamily::Classic;
    TControlLook& control = *ControlLook();
    if (classic) SetFixedColor(clBtnFace);
    SetGridFixedLineColor(clGray);
    SetGridLineColor(clSilver);
    ActiveCellColorTo = clNone;
    if (look.Family == TLookFamily::Suite) {
        ActiveCellColor = kSuiteSelection;
        SelectionColor = kSuiteSelection;
        SelectionColorTo = clNone;
        SelectionTextColor = clBlack;
        SearchFooter()->SetColor(SuiteGradientFrom);
        SearchFooter()->SetColorTo(SuiteGradientTo);
        control.SetFixedGradientHoverFrom(0x00CFD0D1);
        control.SetFixedGradientHoverTo(0x00BEC6C8);
        control.SetFixedGradientHoverMirrorFrom(0x00BEC6C8);
        control.SetFixedGradientHoverMirrorTo(0x00ABBCBF);
        control.SetFixedGradientDownFrom(0x00868788);
        control.SetFixedGradientDownTo(0x00737C7E);
        control.SetFixedGradientDownMirrorFrom(0x00737C7E);
        control.SetFixedGradientDownMirrorTo(0x00627376);
    } else {
        ActiveCellColor = clGray;
        SelectionColor = clHighlight;
        SelectionTextColor = clHighlightText;
        SearchFooter()->SetColor(clBtnFace);
        SearchFooter()->SetColorTo(clBtnFace);
    }
    // Last: the header gradient reaches the grid's own gradient, which the suite looks'
    // footer took as it was cleared.
    control.SetFixedGradientFrom(classic ? clBtnFace : clWhite);
    control.SetFixedGradientTo(look.FixedGradientTo);
}

void TExtStringGrid::GetDisplText(int ACol, int ARow, std::string& Value) const
{
    TBaseGrid::GetDisplText(ACol, ARow, Value);
    if (URLShowInText)
        for (const char* prefix : kUrlPrefixes)
            if (HtmlEscapeWithLinks(Value, prefix, Value)) break;
    if (Grouping()->ShowGroupCount && ACol == 1 && IsNode(ARow)) Value += GroupCountText(ARow);
}

// Rows of child nodes inserted into the group are not its data rows. A format that does not
// take one integer would raise on every repaint, so it gives way to the plain count.
std::string TExtStringGrid::GroupCountText(int ARow) const
{
    const int count = GetNodeSpan(ARow) - GetSubNodeCount(ARow) - 1;
    const std::string& format = Grouping()->GroupCountFormat;
    if (!format.empty()) {
        try {
            return Format(format, {count});
        } catch (const EConvertError&) {
        }
    }
    return " (" + std::to_string(count) + ")";
}

void TExtStringGrid::SetURLShow(bool Value) { ChangeAndRepaint(URLShow, Value); }

void TExtStringGrid::SetURLShowInText(bool Value) { ChangeAndRepaint(URLShowInText, Value); }

void TExtStringGrid::SetURLFull(bool Value)
{
    URLFull = Value;
    if (URLShow) Invalidate();
}

void TExtStringGrid::SetURLColor(TColor Value)
{
    if (URLColor == Value) return;
    URLColor = Value;
    if (URLShow) Invalidate();
}
