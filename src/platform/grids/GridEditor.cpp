#include "platform/grids/Grids.h"

// The inplace editor's life on the grid: opened over the current cell, moved along with
// it, and read back through SetEditText when it closes.

bool TCustomGrid::CanEditShow()
{
    return options_.Contains(goEditing) && !options_.Contains(goRowSelect) && editorMode_ &&
           !ComponentState().Contains(csDesigning) &&
           (options_.Contains(goAlwaysShowEditor) || IsActiveControl());
}

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

std::string TCustomGrid::GetEditText(int, int) { return {}; }
void TCustomGrid::SetEditText(int, int, const std::string&) {}
std::string TCustomGrid::GetEditMask(int, int) { return {}; }
int TCustomGrid::GetEditLimit() { return 0; }
void TCustomGrid::GetEditLines(int, int, bool& MultiLine, bool& WordWrap) { MultiLine = WordWrap = false; }

void TCustomGrid::SetEditorMode(bool on)
{
    if (!on) {
        HideEditor();
        return;
    }
    ShowEditor();
    if (inplaceEdit_) inplaceEdit_->Deselect();
}

void TCustomGrid::ShowEditor()
{
    editorMode_ = true;
    UpdateEditor();
}

void TCustomGrid::ShowEditorChar(char32_t ch)
{
    ShowEditor();
    if (inplaceEdit_ && inplaceEdit_->Visible()) inplaceEdit_->Perform(WM_CHAR, ch, 0);
}

void TCustomGrid::HideEditor()
{
    editorMode_ = false;
    HideEdit();
}

// The editor reloads its cell's text, dropping what was typed.
void TCustomGrid::InvalidateEditor()
{
    inplaceCol_ = -1;
    inplaceRow_ = -1;
    UpdateEditor();
}

void TCustomGrid::UpdateEditor()
{
    if (!CanEditShow()) return;
    if (!inplaceEdit_) {
        inplaceEdit_ = CreateEditor();
        inplaceEdit_->grid_ = this;
        inplaceEdit_->SetParent(this);
    } else if (current_.X == inplaceCol_ && current_.Y == inplaceRow_) {
        inplaceEdit_->Move(CellRect(current_.X, current_.Y));
        return;
    }
    HideEdit();
    inplaceCol_ = current_.X;
    inplaceRow_ = current_.Y;
    inplaceEdit_->UpdateContents();
    inplaceEdit_->SelectAll();
    inplaceEdit_->Move(CellRect(current_.X, current_.Y));
}

// The editor goes first and its text is stored after, so that a SetEditText that raises
// still leaves the editor closed.
void TCustomGrid::HideEdit()
{
    if (!inplaceEdit_) return;
    const int col = inplaceCol_, row = inplaceRow_;
    inplaceCol_ = inplaceRow_ = -1;
    if (inplaceEdit_->Focused() && CanFocus()) SetFocus();
    inplaceEdit_->Hide();
    if (col >= 0 && row >= 0) SetEditText(col, row, inplaceEdit_->Text());
}
