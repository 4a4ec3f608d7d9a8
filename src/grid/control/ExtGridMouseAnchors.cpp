#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/markup/HtmlDraw.h"
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

} // namespace

namespace {
// A link's hint sits this far right of and above the pointer.
constexpr int kAnchorHintDX = 8;
constexpr int kAnchorHintDY = -16;
} // namespace

std::string TExtStringGrid::AnchorAt(int ACol, int ARow, int X, int Y, std::string* Title)
{
    const std::string text = GridCells(RealColIndex(ACol), ARow);
    if (GetTextType(text, EnableHTML) != ttMarkup) return URLShow && IsUrlText(text) ? text : "";
    const TRect r = CellRect(ACol, ARow);
    THtmlDrawParams params;
    params.X = X;
    params.Y = Y;
    params.HitTestOnly = true;
    params.LinkColor = URLColor;
    // Laid out as the painter lays it out, in the grid's font.
    TBitmap measure(1, 1);
    measure.Canvas()->Font()->Assign(*Font());
    const THtmlDrawResult hit =
        HtmlDraw(measure.Canvas(), text, {r.Left + 1, r.Top + 1, r.Right, r.Bottom}, params);
    // Form controls inside the text are no links: they do not answer a click yet.
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
    const std::string anchor = AnchorAt(ACol, ARow, X, Y);
    if (anchor.empty()) return false;
    bool autoHandle = true;
    if (OnAnchorClick) OnAnchorClick(this, ARow, ACol, anchor, autoHandle);
    if (autoHandle) FollowAnchor(anchor);
    return true;
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
