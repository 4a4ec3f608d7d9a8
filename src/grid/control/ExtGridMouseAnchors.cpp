#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/markup/HtmlDraw.h"
#include "grid/foundation/text/CellText.h"
#include "platform/os/Shell.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Dialogs.h"

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

std::string TExtStringGrid::AnchorAt(int ACol, int ARow, int X, int Y)
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
    return hit.Hit && hit.ControlID.empty() ? hit.HitAnchor : "";
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
    const std::string anchor = AnchorAt(ACol, ARow, X, Y);
    if (anchor == FAnchor) return;
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
