// Copying and cutting cells: text, rich text, the grid's own cell format and HTML.
#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "grid/control/GridRegistrations.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/foundation/model/UndoRedo.h"
#include "grid/foundation/text/CellText.h"
#include "grid/foundation/text/ClipboardHtml.h"
#include "grid/services/ClipboardText.h"
#include "grid/services/HtmlExport.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Clipboard.h"

namespace {
// Batches the writes of one copy into one clipboard change.
struct TClipboardBatch {
    TClipboardBatch() { Clipboard()->Open(); }
    ~TClipboardBatch() { Clipboard()->Close(); }
};
} // namespace

TRect TExtStringGrid::SaveArea() const { return TRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}; }

bool TExtStringGrid::GetAllowFMTClipboard() const { return Navigation()->AllowFmtClipboard; }

std::string TExtStringGrid::RectToText(const TRect& R, bool Filter)
{
    const TMouseActions& mouse = *MouseActions();
    FClipOrigin = {R.Left, R.Top};
    ExportNotification(0, -1);
    std::string text;
    for (int r = R.Top; r <= R.Bottom; ++r) {
        ExportNotification(1, r);
        const int selRow = mouse.RowSelectPersistent ? RealRowIndex(r) : r;
        if (mouse.DisjunctRowSelect() && !RowSelect(selRow) && Filter && !mouse.DisjunctColSelect()) continue;
        for (int c = R.Left; c <= R.Right; ++c) {
            if (mouse.DisjunctColSelect() && !ColSelect(c) && Filter) continue;
            std::string cell;
            SaveCell(RealColIndex(c), r, cell);
            if (GetTextType(cell, false) == ttWideEncoded) cell = DecodeWideCellText(cell);
            if (!Navigation()->CopyHTMLTagsToClipboard && cell.find("</") != std::string::npos)
                cell = StrippedCells(RealColIndex(c), r);
            // Quoted last, so that no text put in after it can break the row.
            cell = QuoteClipboardField(cell, ExcelClipboardFormat && Multilinecells);
            text += cell;
            if (c != R.Right) text += '\t';
        }
        if (R.Bottom > R.Top) text += "\r\n";
    }
    ExportNotification(2, -1);
    return text;
}

void TExtStringGrid::CopyRectToClipboard(const TRect& R, bool Filter)
{
    const TClipboardBatch batch;
    Clipboard()->SetAsText(RectToText(R, Filter));
    if (Navigation()->AllowRTFClipboard) CopyCellAsRTF(R.Left, R.Top);
    if (Navigation()->AllowFmtClipboard) CopyRectAsCells(R);
}

void TExtStringGrid::CopyCellAsRTF(int ACol, int ARow)
{
    const std::string text = TextAt({TDisplCol(ACol), TDisplRow(ARow)});
    if (text.find("{\\") == std::string::npos) return;
    Clipboard()->SetBuffer(RegisterClipboardFormat("Rich Text Format"), Utf8ToUtf16Le(text) + std::string(2, '\0'));
}

void TExtStringGrid::CopyRectAsCells(const TRect& R)
{
    TMemoryStream stream;
    SaveRectToBinStream(R, stream);
    Clipboard()->SetBuffer(GridRegistrations().CellsClipboardFormat, stream.Bytes());
}

void TExtStringGrid::CopyToClipBoard()
{
    CopyRectToClipboard(SaveArea(), false);
    FLastClipOperation = coCopy;
}

void TExtStringGrid::CopySelectionToClipboard()
{
    ExpandSelectionToMerges();
    const TMouseActions& mouse = *MouseActions();
    const bool formatted = Navigation()->AllowFmtClipboard;
    const TGridRect sel = Selection();
    if (mouse.DisjunctRowSelect() && !formatted)
        CopyRectToClipboard(TRect{FixedCols(), SaveStartRow(), ColCount() - FixedRightCols - 1, SaveEndRow()}, true);
    else if (mouse.DisjunctColSelect() && !formatted)
        CopyRectToClipboard(SaveArea(), true);
    else
        CopyRectToClipboard(TRect{sel.Left, sel.Top, sel.Right, sel.Bottom}, false);
    FLastClipOperation = coCopy;
}

// The history keeps the real column, which is where an undo writes the old text back.
void TExtStringGrid::ClearForCut(const TShownCellWalk& Cells)
{
    const bool always = Navigation()->AllowClipboardAlways;
    if (UndoRedo()) UndoRedo()->StartSequence();
    std::vector<int> rows;
    Cells([&](TShownCell Cell) {
        const int row = Cell.Row.Index();
        if (rows.empty() || rows.back() != row) rows.push_back(row);
        if (!always && !IsEditable(ToDisplCol(Cell.Col).Index(), row)) return;
        if (UndoRedo()) UndoRedo()->RegisterChange(Cell.Col.Index(), row, CellAt(Cell), "");
        SetCellAt(Cell, "");
    });
    if (UndoRedo()) UndoRedo()->StopSequence();
    if (ShowModified()->Enabled)
        for (const int r : rows) SetRowModified(r, true);
}

void TExtStringGrid::CutToClipboard()
{
    CopyRectToClipboard(SaveArea(), false);
    const TRect area = SaveArea();
    ClearForCut([&](const TShownCellVisit& Visit) {
        ForEachShownCell({{TDisplCol(area.Left), TDisplRow(area.Top)}, {TDisplCol(area.Right), TDisplRow(area.Bottom)}},
                         false, Visit);
    });
    FLastClipOperation = coCut;
}

void TExtStringGrid::CutSelectionToClipboard()
{
    CopySelectionToClipboard();
    const TMouseActions& mouse = *MouseActions();
    const TGridRect sel = Selection();
    if (mouse.DisjunctRowSelect() || mouse.DisjunctColSelect()) {
        const bool markRows = mouse.DisjunctRowSelect() && ShowModified()->Enabled;
        ForEachSelectedCell(TDisplCol(0), TDisplCol(ColCount() - 1), false, [&](TShownCell Cell) {
            SetCellAt(Cell, "");
            if (markRows) SetRowModified(Cell.Row.Index(), true);
        });
    } else {
        const TShownCellWalk cells = [this](const TShownCellVisit& Visit) {
            ForEachShownCell(SelectedRect(), false, Visit);
        };
        ClearForCut(cells);
        if (Navigation()->AllowFmtClipboard)
            cells([this](TShownCell Cell) { FreeCellProperties(Cell.Col.Index(), Cell.Row.Index()); });
    }
    FLastClipOperation = coCut;
    DoCellsChanged(TRect{DisplToRealCol(sel.Left), sel.Top, DisplToRealCol(sel.Right), sel.Bottom});
    if (NumHiddenColumns() > 0) Repaint();
}

void TExtStringGrid::CopyToClipBoardAsHTML(const std::string& ImageFolder)
{
    std::string folder = ImageFolder;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    // As in the HTML file, letters beyond ASCII go out as character references: the block
    // is stored one byte per character, and a code page would turn most letters into "?".
    std::string html = HtmlAsciiText(THtmlExport(*this, folder, !ImageFolder.empty()).Text());
    BuildClipboardHtml(html);
    const TClipboardBatch batch;
    Clipboard()->SetBuffer(RegisterClipboardFormat("HTML Format"), html);
    // Other programs paste the cells' text, not the markup with its header.
    Clipboard()->SetAsText(RectToText(SaveArea(), false));
}

std::string TExtStringGrid::GetSelectionAsText()
{
    const TGridRect sel = Selection();
    return RectToText(TRect{sel.Left, sel.Top, sel.Right, sel.Bottom}, false);
}

void TExtStringGrid::ExpandSelectionToMerges()
{
    TGridRect sel = Selection();
    bool grown = true;
    while (grown) {
        grown = false;
        for (int r = sel.Top; r <= sel.Bottom && !grown; ++r)
            for (int c = sel.Left; c <= sel.Right && !grown; ++c) {
                if (!IsMergedCell(c, r)) continue;
                const TPoint base = BaseCell(c, r);
                const TPoint span = CellSpan(base.X, base.Y);
                const TGridRect merged{base.X, base.Y, base.X + span.X, base.Y + span.Y};
                const TGridRect wider{std::min(sel.Left, merged.Left), std::min(sel.Top, merged.Top),
                                      std::max(sel.Right, merged.Right), std::max(sel.Bottom, merged.Bottom)};
                if (wider.Left != sel.Left || wider.Top != sel.Top || wider.Right != sel.Right ||
                    wider.Bottom != sel.Bottom) {
                    sel = wider;
                    grown = true;
                }
            }
    }
    SetSelection(sel);
}
