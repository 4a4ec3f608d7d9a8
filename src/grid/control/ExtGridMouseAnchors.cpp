#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/markup/HtmlControlTags.h"
#include "grid/foundation/markup/HtmlDraw.h"
#include "grid/foundation/model/CellProperties.h"
#include "grid/foundation/text/CellText.h"
#include "platform/os/Shell.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"

// Links in cell texts: a press on one follows it. A cell text is anybody's input (a file,
// a device), so only web and mail addresses reach the desktop, and only after the user
// agreed; anything else the desktop would run or open stays where it is.

namespace {

bool IsOpenableAddress(const std::string& Anchor)
{
    const std::string lower = LowerCase(Trim(Anchor));
    for (const char* scheme : {"http://", "https://", "mailto:"})
        if (lower.rfind(scheme, 0) == 0) return lower.size() > std::string(scheme).size();
    return false;
}

// A link's hint sits this far right of and above the pointer.
constexpr int kAnchorHintDX = 8;
constexpr int kAnchorHintDY = -16;

} // namespace

THtmlDrawResult TExtStringGrid::CellMarkupHit(int ACol, int ARow, const std::string& Text, TPoint At,
                                              const std::string& ControlID)
{
    const TRect cell = CellRect(ACol, ARow);
    THtmlDrawParams params;
    params.X = At.X;
    params.Y = At.Y;
    params.HitTestOnly = true;
    params.ControlID = ControlID;
    params.LinkColor = URLColor;
    // Laid out as the painter lays the cell's markup out, in the grid's font.
    TBitmap measure(1, 1);
    measure.Canvas()->Font()->Assign(*Font());
    const TRect area{cell.Left + XYOffset.X + 1, cell.Top + XYOffset.Y + 1, cell.Right, cell.Bottom};
    return HtmlDraw(measure.Canvas(), Text, area, params);
}

std::string TExtStringGrid::AnchorAt(int ACol, int ARow, int X, int Y, std::string* Title)
{
    const std::string text = GridCells(RealColIndex(ACol), ARow);
    if (GetTextType(text, EnableHTML) != ttMarkup) return URLShow && IsUrlText(text) ? text : "";
    const THtmlDrawResult hit = CellMarkupHit(ACol, ARow, text, {X, Y}, "");
    // A form control is no link: its press is the control's (PressAnchor).
    if (!hit.Hit || !hit.ControlID.empty()) return "";
    if (Title) *Title = hit.HitTitle;
    return hit.HitAnchor;
}

std::string TExtStringGrid::AnchorTitle(int ACol, int ARow, const std::string& Anchor, std::string Title)
{
    if (Title.empty() && OnAnchorHint) OnAnchorHint(this, ARow, ACol, Title);
    return Title.empty() ? Anchor : Title;
}

void TExtStringGrid::AnchorHintAt(int ACol, int ARow, TPoint At, std::string& HintStr, TPoint& Pos)
{
    if (!AnchorHint || GetTextType(GridCells(RealColIndex(ACol), ARow), EnableHTML) != ttMarkup) return;
    std::string title;
    const std::string anchor = AnchorAt(ACol, ARow, At.X, At.Y, &title);
    if (anchor.empty()) return;
    FLastAnchorHint = AnchorTitle(ACol, ARow, anchor, title);
    HintStr = FLastAnchorHint;
    Pos = {At.X + kAnchorHintDX, At.Y + kAnchorHintDY};
}

bool TExtStringGrid::PressAnchor(int ACol, int ARow, int X, int Y)
{
    const std::string text = GridCells(RealColIndex(ACol), ARow);
    const bool markup = GetTextType(text, EnableHTML) == ttMarkup;
    std::string anchor;
    if (markup) {
        const THtmlDrawResult hit = CellMarkupHit(ACol, ARow, text, {X, Y}, "");
        if (hit.Hit && !hit.ControlID.empty() && PressFormControl(ACol, ARow, hit)) return true;
        if (hit.Hit && hit.ControlID.empty()) anchor = hit.HitAnchor;
    } else if (URLShow && IsUrlText(text)) {
        anchor = text;
    }
    if (anchor.empty()) {
        // A press beside a cell's form controls only selects the cell: the text editor would
        // cover the controls.
        if (!markup || !HasControlTag(text)) return false;
        SelectPressedControlCell(ACol, ARow);
        return true;
    }
    bool autoHandle = true;
    if (OnAnchorClick) OnAnchorClick(this, ARow, ACol, anchor, autoHandle);
    if (autoHandle) FollowAnchor(anchor);
    return true;
}

// A button goes down until the release, a check box or radio button changes its value, and
// an edit or combo control opens its editor. False when the cell may not be edited.
bool TExtStringGrid::PressFormControl(int ACol, int ARow, const THtmlDrawResult& Hit)
{
    const int realCol = RealColIndex(ACol);
    const TCellProperties* props = FindCellProperties(realCol, ARow);
    bool canEdit = (Options().Contains(goEditing) || FEditDisable) && !(props && props->ReadOnly);
    CanEditCell(ACol, ARow, canEdit);
    if (!canEdit) return false;
    if (FCtrlEditing) EndControlEdit();
    std::string text = GridCells(realCol, ARow);
    std::string value;
    FindControlValue(text, Hit.ControlID, value);
    const std::string& type = Hit.ControlType;
    if (type == "BUTTON") {
        FCtrlXY = {realCol, ARow};
        FCtrlDown = true;
        RepaintCell(ACol, ARow);
    } else if (type == "CHECK") {
        SetControlValue(text, Hit.ControlID, value == "TRUE" ? "FALSE" : "TRUE");
        SetCells(realCol, ARow, text);
    } else if (type == "RADIO") {
        text = ClearRadioControls(text);
        SetControlValue(text, Hit.ControlID, "TRUE");
        SetCells(realCol, ARow, text);
    }
    if (OnControlClick) OnControlClick(this, ARow, ACol, Hit.ControlID, type, value);
    StartControlEdit(text, type, ARow, realCol, ACol, Hit.HitControlRect, value, Hit.ControlID);
    return true;
}

void TExtStringGrid::SelectPressedControlCell(int ACol, int ARow)
{
    if (OnClickCell) OnClickCell(this, ARow, ACol);
    HideInplaceEdit();
    FocusCell(ACol, ARow);
}

void TExtStringGrid::ReleaseControlButton()
{
    if (!FCtrlDown) return;
    FCtrlDown = false;
    RepaintCell(DisplColIndex(FCtrlXY.X), FCtrlXY.Y);
}

void TExtStringGrid::HoverAnchor(int ACol, int ARow, int X, int Y)
{
    if (ACol < 0 || ARow < 0) return;
    std::string title;
    const std::string anchor = AnchorAt(ACol, ARow, X, Y, &title);
    if (anchor == FAnchor) return;
    // Another link of the same cell: its own title shows at the next hint.
    if (!anchor.empty() && AnchorHint && !FLastAnchorHint.empty()) {
        title = AnchorTitle(ACol, ARow, anchor, title);
        if (title != FLastAnchorHint) {
            FLastAnchorHint = title;
            Application->CancelHint();
        }
    }
    if (anchor.empty() && OnAnchorExit) OnAnchorExit(this, ARow, ACol, FAnchor);
    if (!anchor.empty() && OnAnchorEnter) OnAnchorEnter(this, ARow, ACol, anchor);
    FAnchor = anchor;
}

void TExtStringGrid::FollowAnchor(const std::string& Anchor)
{
    const size_t cellRef = UpperCase(Anchor).find("CELL://");
    if (cellRef != std::string::npos) {
        TPoint cell;
        if (ParseRowColReference(Anchor.substr(cellRef + 7), cell) && cell.X < ColCount() &&
            cell.Y < RowCount()) {
            SetRow(cell.Y);
            SetCol(cell.X);
        }
        return;
    }
    if (!IsOpenableAddress(Anchor)) return;
    if (MessageDlg("Open \"" + Anchor + "\"?", mtConfirmation, mbYesNo, 0) == mrYes) ShellOpen(Trim(Anchor));
}
