#include "grid/control/ExtRichEdit.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/ColumnSize.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/CanvasResolution.h"

// Rich-text cells hold their document as 7-bit RTF: what the rich edit writes is what it
// reads back, whatever characters the text has.

TExtRichEdit* TExtStringGrid::RichEdit()
{
    if (!FRichEdit) {
        FRichEdit = new TExtRichEdit(this);
        FRichEdit->SetVisible(false);
        FRichEdit->SetBorderStyle(bsNone);
        FRichEdit->SetParent(this);
        FRichEdit->SetBounds(0, 0, 0, 0);
    }
    return FRichEdit;
}

TExtRichEdit* TExtStringGrid::InplaceRichEdit()
{
    if (!FInplaceRichEdit) {
        FInplaceRichEdit = new TExtRichEdit(this);
        FInplaceRichEdit->SetVisible(false);
        FInplaceRichEdit->SetParent(this);
        FInplaceRichEdit->OnSelectionChange = [this](TObject* Sender) {
            if (OnRichEditSelectionChange) OnRichEditSelectionChange(Sender);
        };
    }
    return FInplaceRichEdit;
}

void TExtStringGrid::CellToRich(int ACol, int ARow, TRichEdit* Richeditor) const
{
    const std::string text = Cells(ACol, ARow);
    if (text.empty())
        Richeditor->Clear();
    else
        Richeditor->SetRtfText(text);
}

void TExtStringGrid::RichToCell(int ACol, int ARow, const TRichEdit* Richeditor)
{
    SetCells(ACol, ARow, RichToString(Richeditor));
}

std::string TExtStringGrid::RichToString(const TRichEdit* Richeditor) const
{
    if (ComponentState().Contains(csDestroying)) return {};
    return Richeditor->RtfText();
}

void TExtStringGrid::DrawRichTextCell(int ACol, int ARow, const TRect& ARect, TCanvas* Canvas)
{
    if (ComponentState().Contains(csDesigning)) return;
    TExtRichEdit* edit = RichEdit();
    CellToRich(ACol, ARow, edit);
    // Text without a format of its own takes the cell's font and colour.
    edit->SetFont(Canvas->Font());
    const int displayCol = RealToDisplCol(ACol);
    const bool focusedCell = displayCol == Col() && ARow == Row() && Focused() && !Options().Contains(goDrawFocusSelected);
    if (!FPrintState.Printing && IsSelected(displayCol, ARow) && !focusedCell && SelectionTextColor != clNone) {
        edit->SelectAll();
        edit->SelAttributes().SetColor(SelectionTextColor);
    }
    // The text margins are screen pixels; a page's pixels are finer.
    const TPoint dpi = CanvasPixelsPerInch(*Canvas);
    const int dx = XYOffset.X * dpi.X / 96, dy = XYOffset.Y * dpi.Y / 96;
    // On a page the text's own sizes follow the fit-to-page scale, as the cell font does.
    edit->DrawTo(*Canvas, {ARect.Left + dx, ARect.Top + dy, ARect.Right - dx, ARect.Bottom - dy},
                 {FPrintState.FontScale, 0});
}

void TExtStringGrid::ShowRichEditor(const TRect& Rect, int RealCol, int ARow)
{
    TExtRichEdit* editor = InplaceRichEdit();
    editor->LockResize();
    editor->ReCreate();
    editor->SetBorderStyle(bsNone);
    editor->SetHideSelection(false);
    editor->SetWordWrap(WordWrap() || Multilinecells);
    GetEditorProp(RealCol, ARow, nullptr);
    CellToRich(RealCol, ARow, editor);
    if (Navigation()->EditSelectAll) editor->SelectAll();
    PresentEditor(editor, Rect);
    editor->SetFormattingRect({2, 2, Rect.Width() - 2, Rect.Height() - 2});
    editor->UnlockResize();
}

void TExtStringGrid::RichEditResizeRequest(TExtRichEdit* Sender, const TRect& Rect)
{
    if (Sender == FRichEdit) {
        Sender->FReqWidth = Rect.Width();
        Sender->FReqHeight = Rect.Height();
        return;
    }
    if (Sender != FInplaceRichEdit || !SizeWhileTyping()->Height || Sender->Locked() || !EditMode) return;
    const int h = Rect.Height();
    if (RowHeights(Row()) < h + 5 && CellRect(Col(), Row()).Top + h + 5 < Height()) {
        Sender->SetHeight(h + 9);
        SetRowHeights(Row(), h + 10);
        if (OnEndRowSize) OnEndRowSize(this, Row());
    }
}
