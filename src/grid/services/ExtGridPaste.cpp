// Pasting: the grid's own cell format, rich text, or text split into fields.
#include <algorithm>
#include <climits>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "grid/control/GridRegistrations.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/foundation/model/UndoRedo.h"
#include "grid/foundation/text/CellText.h"
#include "grid/services/CellStreamRecords.h"
#include "grid/control/ComponentStream.h"
#include "grid/services/ClipboardText.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Clipboard.h"

namespace {
// The rectangle of the cells written so far, empty until the first.
struct TWrittenRange {
    TRect R{INT_MAX, INT_MAX, -1, -1};
    void Add(int ACol, int ARow)
    {
        R = {std::min(R.Left, ACol), std::min(R.Top, ARow), std::max(R.Right, ACol), std::max(R.Bottom, ARow)};
    }
    bool Empty() const { return R.Right < 0; }
};

bool IsEmptyLine(const TClipboardLine& Line) { return Line.Fields.size() == 1 && Line.Fields[0].empty(); }
} // namespace

void TExtStringGrid::SetRowModifiedFlag(TPoint, const TRect& Target, TClipOperation)
{
    if (!ShowModified()->Enabled) return;
    for (int r = std::max(0, Target.Top); r <= Target.Bottom && r < RowCount(); ++r) SetRowModified(r, true);
}

// ACol is a place of the selection; the cell, and the history's entry, take its real column.
void TExtStringGrid::PasteCellText(int ACol, int ARow, const std::string& Text)
{
    const TShownCell cell = ShownCellAt({TDisplCol(ACol), TDisplRow(ARow)});
    const int real = cell.Col.Index();
    if (UndoRedo()) UndoRedo()->RegisterChange(real, ARow, GridCells(real, ARow), Text);
    if (HasCheckBox(real, ARow)) {
        std::string checkTrue;
        GetCheckTrue(real, ARow, checkTrue);
        SetCheckBoxState(real, ARow, Text == checkTrue);
    } else {
        SetCellAt(cell, Text);
    }
    if (real != ACol) RepaintCell(ACol, ARow);
}

bool TExtStringGrid::PasteField(int ACol, int ARow, const std::string& Field)
{
    // Only cells inside the grid take a field.
    if (ACol >= ColCount() || ARow >= RowCount()) return false;
    if (!Navigation()->AllowClipboardAlways && !IsEditable(ACol, ARow)) return false;
    bool allow = true;
    std::string value = Field;
    const bool wide = GetTextType(Field, false) == ttWideEncoded;
    if (wide) {
        std::string text = DecodeWideCellText(Field);
        if (OnClipboardBeforePasteWideCell) OnClipboardBeforePasteWideCell(this, ACol, ARow, text, allow);
        value = EncodeWideCellText(text);
    } else if (OnClipboardBeforePasteCell) {
        OnClipboardBeforePasteCell(this, ACol, ARow, value, allow);
    }
    if (!allow) return false;
    PasteCellText(ACol, ARow, value);
    if (wide && OnClipboardAfterPasteWideCell) OnClipboardAfterPasteWideCell(this, ACol, ARow, DecodeWideCellText(value));
    if (!wide && OnClipboardAfterPasteCell) OnClipboardAfterPasteCell(this, ACol, ARow, value);
    return true;
}

int TExtStringGrid::RowGrowLimit() const
{
    const bool footerRow = FloatingFooter()->Visible() && FloatingFooter()->FooterStyle() == fsFixedLastRow;
    return RowCount() - (footerRow ? 1 : 0);
}

int TExtStringGrid::PasteTextAt(int ACol, int ARow, int& Rows, int& Cols, const std::string& Text)
{
    Rows = Cols = 0;
    if (ACol < 0 || ARow < 0) return 0;
    // A read-only current cell switches goEditing off for the moment only (FEditDisable): the
    // grid still edits, and the cells that may be edited take the paste.
    if (!Options().Contains(goEditing) && !FEditDisable && !Navigation()->AllowClipboardAlways &&
        !MouseActions()->RangeSelectAndEdit)
        return 0;
    if (UndoRedo()) UndoRedo()->StartSequence();
    const std::vector<TClipboardLine> lines = SplitClipboardText(Text);
    TWrittenRange written;
    int pasted = 0, row = ARow;
    for (size_t i = 0; i < lines.size(); ++i) {
        const TClipboardLine& line = lines[i];
        ++Rows;
        ImportNotification(FPasteAll ? 1 : 3, row);
        if (!IsEmptyLine(line) && Navigation()->ClipboardPasteAction == paInsert) InsertRows(row, 1);
        Cols = 1;
        int col = ACol;
        for (size_t k = 0; k < line.Fields.size(); ++k) {
            const bool last = k + 1 == line.Fields.size();
            // The empty field after the last tab of the text is no field to write.
            if ((!last || line.Ended || !line.Fields[k].empty()) &&
                PasteField(col, row, line.Fields[k]))
                written.Add(col, row);
            ++pasted;
            if (last) break;
            ++Cols;
            if (col + 1 >= ColCount() && Navigation()->AllowClipboardColGrow) SetColCount(ColCount() + 1);
            ++col;
        }
        const bool moreText = line.Ended && !(i + 2 == lines.size() && IsEmptyLine(lines.back()));
        if (moreText) {
            ++row;
            if (row == RowGrowLimit() && Navigation()->AllowClipboardRowGrow) SetRowCount(RowCount() + 1);
        }
    }
    if (UndoRedo()) UndoRedo()->StopSequence();
    if (!written.Empty()) {
        SetRowModifiedFlag(FClipOrigin, written.R, FLastClipOperation);
        DoCellsChanged(TRect{RealColIndex(written.R.Left), written.R.Top, RealColIndex(written.R.Right),
                             written.R.Bottom});
    }
    return pasted;
}

void TExtStringGrid::SetSelectionAsText(const std::string& Value)
{
    const TGridRect sel = Selection();
    TWrittenRange written;
    int row = sel.Top;
    const std::vector<TClipboardLine> lines = SplitClipboardText(Value);
    for (size_t i = 0; i < lines.size(); ++i) {
        int col = sel.Left;
        for (const std::string& field : lines[i].Fields) {
            if (col >= ColCount()) SetColCount(col + 1);
            if (row < RowCount()) {
                const TShownCell cell = ShownCellAt({TDisplCol(col), TDisplRow(row)});
                SetCellAt(cell, field);
                written.Add(cell.Col.Index(), row);
            }
            ++col;
        }
        if (i + 1 < lines.size() && !(i + 2 == lines.size() && IsEmptyLine(lines.back()))) {
            ++row;
            if (row == RowGrowLimit()) SetRowCount(RowCount() + 1);
        }
    }
    if (!written.Empty()) DoCellsChanged(written.R);
}

int TExtStringGrid::PasteFromClipboardAt(int ACol, int ARow, int& Rows, int& Cols)
{
    TClipboard& clipboard = *Clipboard();
    const TClipFormat cells = GridRegistrations().CellsClipboardFormat;
    const TClipFormat richText = RegisterClipboardFormat("Rich Text Format");
    if (GetAllowFMTClipboard() && clipboard.HasFormat(cells)) {
        BeginPaste();
        struct TEndPaste {
            TExtStringGrid& Grid;
            ~TEndPaste() { Grid.EndPaste(); }
        } endPaste{*this};
        TMemoryStream stream(clipboard.GetBuffer(cells));
        TGridPropIO header;
        {
            TComponentReader in(stream);
            header.Read(in);
        }
        stream.SetPosition(0);
        const TNavigation& nav = *Navigation();
        if (nav.AllowClipboardColGrow && ACol + header.ColCount >= ColCount()) SetColCount(ACol + header.ColCount);
        if (nav.AllowClipboardRowGrow && ARow + header.RowCount >= RowCount()) SetRowCount(ARow + header.RowCount);
        Cols = ColCount();
        Rows = RowCount();
        if (nav.ClipboardPasteAction == paInsert) InsertRows(ARow, header.RowCount);
        LoadAtPointFromBinStream(TPoint{ACol, ARow}, stream);
        const TRect target{ACol, ARow, ACol + header.ColCount - 1, ARow + header.RowCount - 1};
        SetRowModifiedFlag(header.ID == StreamID() ? FClipOrigin : TPoint{-1, -1}, target, FLastClipOperation);
        return header.ColCount * header.RowCount;
    }
    if (Navigation()->AllowRTFClipboard && clipboard.HasFormat(richText)) {
        std::string text = Utf16LeToUtf8(clipboard.GetBuffer(richText));
        text = text.substr(0, text.find('\0'));
        if (IsEditable(ACol, ARow)) PasteCellText(ACol, ARow, text);
        Cols = Rows = 1;
        return 0;
    }
    if (clipboard.HasFormat(CF_UNICODETEXT) || clipboard.HasFormat(CF_TEXT))
        return PasteTextAt(ACol, ARow, Rows, Cols, clipboard.AsText());
    Rows = Cols = 0;
    return 0;
}

void TExtStringGrid::PasteFromClipboard()
{
    ImportNotification(0, -1);
    FPasteAll = true;
    int rows = 0, cols = 0;
    try {
        PasteFromClipboardAt(SaveStartCol(), SaveStartRow(), rows, cols);
    } catch (...) {
        FPasteAll = false;
        throw;
    }
    FPasteAll = false;
    ImportNotification(2, -1);
    ColumnsChanged();
}
