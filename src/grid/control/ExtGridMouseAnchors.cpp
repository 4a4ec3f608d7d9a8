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

THtmlDrawResult TExtStringGrid::CellMarkupHit(int ADisplCol, int ADisplRow, const std::string& Text,
                                              TPoint At, const std::string& ControlID)
{
    const TRect cell = CellRect(ADisplCol, ADisplRow);
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

std::string TExtStringGrid::AnchorAt(int ADisplCol, int ADisplRow, int X, int Y, std::string* Title)
{
    const std::string text = GridCells(RealColIndex(ADisplCol), ADisplRow);
    if (GetTextType(text, EnableHTML) != ttMarkup) return URLShow && IsUrlText(text) ? text : "";
    const THtmlDrawResult hit = CellMarkupHit(ADisplCol, ADisplRow, text, {X, Y}, "");
    // A form control is no link: its press is the control's (PressAnchor).
    if (!hit.Hit || !hit.ControlID.empty()) return "";
    if (Title) *Title = hit.HitTitle;
    return hit.HitAnchor;
}

std::string TExtStringGrid::AnchorTitle(int ADisplCol, int ADisplRow, const std::string& Anchor,
                                        std::string Title)
{
    if (Title.empty() && OnAnchorHint) OnAnchorHint(this, ADisplRow, ADisplCol, Title);
    return Title.empty() ? Anchor : Title;
}

void TExtStringGrid::AnchorHintAt(int ADisplCol, int ADisplRow, TPoint At, std::string& HintStr, TPoint& Pos)
{
    if (!AnchorHint || GetTextType(GridCells(RealColIndex(ADisplCol), ADisplRow), EnableHTML) != ttMarkup)
        return;
    std::string title;
    const std::string anchor = AnchorAt(ADisplCol, ADisplRow, At.X, At.Y, &title);
    if (anchor.empty()) return;
    FLastAnchorHint = AnchorTitle(ADisplCol, ADisplRow, anchor, title);
    HintStr = FLastAnchorHint;
    Pos = {At.X + kAnchorHintDX, At.Y + kAnchorHintDY};
}

bool TExtStringGrid::PressAnchor(int ADisplCol, int ADisplRow, int X, int Y)
{
    const std::string text = GridCells(RealColIndex(ADisplCol), ADisplRow);
    const bool markup = GetTextType(text, EnableHTML) == ttMarkup;
    std::string anchor;
    if (markup) {
        const THtmlDrawResult hit = CellMarkupHit(ADisplCol, ADisplRow, text, {X, Y}, "");
        if (hit.Hit && !hit.ControlID.empty() && PressFormControl(ADisplCol, ADisplRow, hit)) return true;
        if (hit.Hit && hit.ControlID.empty()) anchor = hit.HitAnchor;
    } else if (URLShow && IsUrlText(text)) {
        anchor = text;
    }
    if (anchor.empty()) {
        // A press beside a cell's form controls only selects the cell: the text editor would
        // cover the controls.
        if (!markup || !HasControlTag(text)) return false;
        SelectPressedControlCell(ADisplCol, ADisplRow);
        return true;
    }
    bool autoHandle = true;
    if (OnAnchorClick) OnAnchorClick(this, ADisplRow, ADisplCol, anchor, autoHandle);
    if (autoHandle) FollowAnchor(anchor);
    return true;
}

// A button goes down until the release, a check box or radio button changes its value, and
// an edit or combo control opens its editor. False when the cell may not be edited.
bool TExtStringGrid::PressFormControl(int ADisplCol, int ADisplRow, const THtmlDrawResult& Hit)
{
    const int realCol = RealColIndex(ADisplCol);
    const TCellProperties* props = FindCellProperties(realCol, ADisplRow);
    bool canEdit = (Options().Contains(goEditing) || FEditDisable) && !(props && props->ReadOnly);
    CanEditCell(ADisplCol, ADisplRow, canEdit);
    if (!canEdit) return false;
    if (FCtrlEditing) EndControlEdit();
    std::string text = GridCells(realCol, ADisplRow);
    std::string value;
    FindControlValue(text, Hit.ControlID, value);
    const std::string& type = Hit.ControlType;
    if (type == "BUTTON") {
        FCtrlXY = {realCol, ADisplRow};
        FCtrlDown = true;
        RepaintCell(ADisplCol, ADisplRow);
    } else if (type == "CHECK") {
        SetControlValue(text, Hit.ControlID, value == "TRUE" ? "FALSE" : "TRUE");
        SetCells(realCol, ADisplRow, text);
    } else if (type == "RADIO") {
        text = ClearRadioControls(text);
        SetControlValue(text, Hit.ControlID, "TRUE");
        SetCells(realCol, ADisplRow, text);
    }
    if (OnControlClick) OnControlClick(this, ADisplRow, ADisplCol, Hit.ControlID, type, value);
    StartControlEdit(text, type, ADisplRow, realCol, ADisplCol, Hit.HitControlRect, value, Hit.ControlID);
    return true;
}

void TExtStringGrid::SelectPressedControlCell(int ADisplCol, int ADisplRow)
{
    if (OnClickCell) OnClickCell(this, ADisplRow, ADisplCol);
    HideInplaceEdit();
    FocusCell(ADisplCol, ADisplRow);
}

void TExtStringGrid::ReleaseControlButton()
{
    if (!FCtrlDown) return;
    FCtrlDown = false;
    RepaintCell(DisplColIndex(FCtrlXY.X), FCtrlXY.Y);
}

void TExtStringGrid::HoverAnchor(int ADisplCol, int ADisplRow, int X, int Y)
{
    if (ADisplCol < 0 || ADisplRow < 0) return;
    std::string title;
    const std::string anchor = AnchorAt(ADisplCol, ADisplRow, X, Y, &title);
    if (anchor == FAnchor) return;
    // Another link of the same cell: its own title shows at the next hint.
    if (!anchor.empty() && AnchorHint && !FLastAnchorHint.empty()) {
        title = AnchorTitle(ADisplCol, ADisplRow, anchor, title);
        if (title != FLastAnchorHint) {
            FLastAnchorHint = title;
            Application->CancelHint();
        }
    }
    if (anchor.empty() && OnAnchorExit) OnAnchorExit(this, ADisplRow, ADisplCol, FAnchor);
    if (!anchor.empty() && OnAnchorEnter) OnAnchorEnter(this, ADisplRow, ADisplCol, anchor);
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
