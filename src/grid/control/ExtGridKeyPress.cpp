#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/markup/HtmlTextOps.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Messages.h"

namespace {

constexpr char32_t KeyBackspace = 8;
constexpr char32_t KeyTab = 9;
constexpr char32_t KeyEnter = 13;
constexpr char32_t KeyEscape = 27;

} // namespace

bool TExtStringGrid::StartsEditOnChar(char32_t Key) const
{
    return Key != KeyTab && (Key == KeyBackspace || (Key >= 32 && Key <= 255));
}

// Characters typed on the grid: they start an edit, go to the incremental lookup or, with
// Ctrl, were already taken as clipboard keys.
void TExtStringGrid::WMChar(TMessage& Message)
{
    auto ch = static_cast<char32_t>(Message.WParam);
    const bool ctrl = KeyDataToShiftState(Message.LParam).Contains(ssCtrl);
    const int realCol = RealCol();
    if (HoldsFormControls(realCol, Row())) {
        Message.Result = 1;
        return;
    }
    if (MouseActions()->EditOnDblClickOnly()) {
        bool canEdit = true;
        IsReadOnlyCell(Col(), Row(), canEdit);
        if (canEdit) SetOptions(Options() + goEditing);
    }
    if (Navigation()->AllowClipboardShortCuts && ctrl && (ch == 3 || ch == 22 || ch == 24)) {
        Message.WParam = 0;
        return;
    }
    if (MouseActions()->RangeSelectAndEdit && !IsControlCell(Col(), Row()) && IsEditable(realCol, Row()) &&
        ch != KeyTab && ch != KeyEscape && !ctrl) {
        if (OnKeyPress) OnKeyPress(this, ch);
        FStartEditChar = ch;
        SetOptions(Options() + goEditing);
        ScrollCellIntoView(Col(), Row());
        const TRect r = CellRect(Col(), Row());
        MouseDown(mbLeft, {}, r.Left + 2, r.Top + 2);
        Message.WParam = ch;
        TBaseGrid::WMChar(Message);
        return;
    }
    // The keypad's decimal key types "." whatever the locale; a spreadsheet-like grid wants
    // the locale's separator from it.
    if (ExcelStyleDecimalSeparator && ch == U'.' && FLastKeyDown == VK_DECIMAL)
        ch = static_cast<unsigned char>(FormatSettings().DecimalSeparator);
    bool handled = false;
    Message.WParam = ch;
    if (IsControlCell(realCol, Row()) && ch == KeyEnter && Navigation()->AdvanceOnEnter) {
        TBaseGrid::WMChar(Message);
        handled = true;
    }
    if (Options().Contains(goEditing) && StartsEditOnChar(ch)) {
        if (OnKeyPress) OnKeyPress(this, ch);
        FStartEditChar = ch;
        if (ch != 0 && !IsControlCell(realCol, Row())) ShowEditorChar(ch);
        return;
    }
    if (!handled) TBaseGrid::WMChar(Message);
}

void TExtStringGrid::KeyPress(char32_t& Key)
{
    if (Key == KeyEscape) {
        if (EditorMode()) RestoreCellCache();
        TCustomControl::KeyPress(Key);
        return;
    }
    const int realCol = RealCol();
    if (Key == KeyEnter && !Navigation()->AdvanceOnEnter && !IsEditable(realCol, Row())) {
        TCustomControl::KeyPress(Key);
        Key = 0;
        return;
    }
    if (Key == KeyEnter && (!Focused() || IsControlCell(realCol, Row()))) {
        AdvanceEditPosition(Col(), Row(), EditMode, false, true, false, false);
        if (!Navigation()->AdvanceAutoEdit) {
            TCustomControl::KeyPress(Key);
            Key = 0;
            return;
        }
        if (IsControlCell(realCol, Row())) {
            TCustomControl::KeyPress(Key);
            if (Navigation()->AdvanceOnEnter) ShowInplaceEdit();
            return;
        }
    }
    if (!Options().Contains(goEditing) && Navigation()->AutoGotoWhenSorted) IncrementalLookup(Key);
    TBaseGrid::KeyPress(Key);
}

// Typed characters find the first normal row whose text in the sorted column starts with them.
void TExtStringGrid::IncrementalLookup(char32_t Key)
{
    std::string text;
    if (Navigation()->AutoGotoIncremental) {
        text = FSearchInc;
        if (Key == KeyBackspace)
            text = Copy(text, 1, Length(text) - 1);
        else
            utf8::Append(text, Key);
    } else {
        utf8::Append(text, Key);
    }
    SetIncrSearchText(text);
    const int sortCol = SortSettings()->Column;
    const std::string wanted = AnsiUpperCase(text);
    if (sortCol >= 0 && !wanted.empty()) {
        for (int r = FixedRows(); r <= LastNormalRow(); ++r) {
            if (AnsiUpperCase(HtmlToPlainText(Cells(sortCol, r))).starts_with(wanted)) {
                SetRow(r);
                return;
            }
        }
    }
    FSearchInc.clear();
}

// Characters reach the grid for the incremental lookup even while it does not edit.
void TExtStringGrid::WMGetDlgCode(TMessage& Message)
{
    TBaseGrid::WMGetDlgCode(Message);
    if (Navigation()->AutoGotoWhenSorted) Message.Result |= DLGC_WANTCHARS;
}
