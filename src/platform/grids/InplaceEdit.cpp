#include <QLineEdit>

#include "platform/grids/Grids.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/MaskEdit.h"
#include "platform/ui/QtControls.h"

TInplaceEdit::TInplaceEdit(TComponent* owner) : TCustomEdit(owner)
{
    grid_ = dynamic_cast<TCustomGrid*>(owner);
    SetVisible(false);
    SetTabStop(false);
    SetBorderStyle(bsNone);
    SetParentColor(false);
}

void TInplaceEdit::SetEditMask(const std::string& mask)
{
    if (mask == editMask_) return;
    if (!mask.empty()) SetLines(false, false);
    editMask_ = mask;
    static_cast<QLineEdit*>(Impl().widget)->setInputMask(QString::fromStdString(PlatformInputMask(mask)));
}

void TInplaceEdit::SetLines(bool multiLine, bool wordWrap)
{
    // Only a single-line window applies a mask.
    if (multiLine) SetEditMask("");
    SetMultiLine(multiLine, wordWrap);
}

void TInplaceEdit::Move(const TRect& rect)
{
    if (rect.IsEmpty()) {
        if (Focused() && grid_ && grid_->CanFocus()) grid_->SetFocus();
        Hide();
        return;
    }
    SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
    Show();
    BoundsChanged();
    if (grid_ && grid_->Focused() && CanFocus()) SetFocus();
}

void TInplaceEdit::UpdateContents()
{
    if (!grid_) return;
    SetText("");
    const std::string mask = grid_->GetEditMask(grid_->Col(), grid_->Row());
    bool multiLine = false, wordWrap = false;
    if (mask.empty()) grid_->GetEditLines(grid_->Col(), grid_->Row(), multiLine, wordWrap);
    SetLines(multiLine, wordWrap);
    SetEditMask(mask);
    SetText(grid_->GetEditText(grid_->Col(), grid_->Row()));
    SetMaxLength(grid_->GetEditLimit());
}

void TInplaceEdit::Deselect()
{
    SetSelStart(Length(Text()));
    SetSelLength(0);
}

bool TInplaceEdit::ForGrid(Word key, TShiftState shift) const
{
    const int length = Length(Text());
    const int start = SelStart(), end = start + SelLength();
    // At the start: caret or selection begins at 0 and is empty or the whole text.
    const bool atStart = start == 0 && (end == 0 || end == length);
    const bool atEnd = (start == 0 || end == start) && end == length;
    const bool ctrl = shift.Contains(ssCtrl);
    const bool mirrored = grid_ && grid_->UseRightToLeftAlignment();
    // The caret keys leave the text for the neighbouring cell only where an editor follows the
    // current cell; elsewhere moving on closes the editor, so they stay with the text.
    const bool followed = grid_ && grid_->Options().Contains(goAlwaysShowEditor);
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE:
        return true;
    case VK_TAB:
        return !shift.Contains(ssAlt);
    case VK_LEFT:
        return followed && (ctrl || (mirrored ? atEnd : atStart));
    case VK_HOME:
        return followed && (ctrl || atStart);
    case VK_RIGHT:
        return followed && (ctrl || (mirrored ? atStart : atEnd));
    case VK_END:
        return followed && (ctrl || atEnd);
    default:
        return false;
    }
}

void TInplaceEdit::KeyDown(Word& key, TShiftState shift)
{
    if (grid_ && ForGrid(key, shift)) {
        grid_->KeyDown(key, shift);
        key = 0;
        return;
    }
    // The grid's handler sees the keys the edit keeps, too.
    if (grid_ && grid_->OnKeyDown && key != 0) grid_->OnKeyDown(grid_, key, shift);
    if (key == VK_F2) {
        Deselect();
        key = 0;
        return;
    }
    if (key != 0) TCustomEdit::KeyDown(key, shift);
}

void TInplaceEdit::KeyPress(char32_t& key)
{
    if (grid_) grid_->KeyPress(key);
    switch (key) {
    case U'\t':
    case 27:
        key = 0;
        break;
    case U'\r':
        if (SelStart() == 0 && SelLength() == Length(Text()))
            Deselect();
        else
            SelectAll();
        key = 0;
        break;
    default:
        break;
    }
    if (key != 0) TCustomEdit::KeyPress(key);
}

void TInplaceEdit::WMGetDlgCode(TMessage& message)
{
    TCustomEdit::WMGetDlgCode(message);
    message.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
    if (grid_ && grid_->Options().Contains(goTabs)) message.Result |= DLGC_WANTTAB;
}
