#include "grid/control/ExtInplaceEdit.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/editing/EditorKinds.h"
#include "grid/foundation/markup/HtmlEntities.h"
#include "grid/foundation/markup/HtmlTextOps.h"
#include "grid/foundation/model/MouseActions.h"

// The editing cycle: whether the current cell may be edited, which editor it gets, and
// how its value comes back and is announced.

namespace {

// Cells whose graphic is toggled or clicked in place get no editor. A glyph button is not
// among them: its cell's text is edited like any other.
bool IsControlGraphic(const TCellGraphic* Graphic)
{
    if (!Graphic) return false;
    switch (Graphic->CellType) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadio:
    case ctButton:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRadioButton:
    case ctTriStateCheckBox:
        return true;
    default:
        return false;
    }
}

UINT GridEditDoneMessage()
{
    static const UINT message = RegisterWindowMessage("GridEditDone");
    return message;
}

} // namespace

bool TExtStringGrid::IsEditable(int ACol, int ARow)
{
    const bool switchedOn =
        Options().Contains(goEditing) || MouseActions()->RangeSelectAndEdit || FEditDisable;
    return switchedOn && CellEditAllowed(ACol, ARow);
}

bool TExtStringGrid::CellEditAllowed(int ACol, int ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    bool editable = true;
    IsReadOnlyCell(base.X, base.Y, editable);
    bool fixed = false;
    IsFixedCell(RealColIndex(base.X), base.Y, fixed);
    return editable && !fixed;
}

bool TExtStringGrid::EditorWantsTab() const
{
    return Options().Contains(goTabs) || OnCellValidate || OnCellValidateWide;
}

void TExtStringGrid::HideCellEdit()
{
    HideEditControl(Col(), Row());
    SetEditorMode(false);
}

void TExtStringGrid::HideInplaceEdit() { CloseInplaceEdit(TEditEnd::MovedOn); }

void TExtStringGrid::CloseInplaceEdit(TEditEnd How)
{
    if (!EditorMode()) return;
    EndEdit(How, RealCol(), Row());
    SetEditorMode(false);
    EditMode = false;
    SelectCell(Col(), Row());
}

void TExtStringGrid::ShowCellEdit() { Perform(WM_KEYDOWN, VK_F2, 0); }

bool TExtStringGrid::CanEditShow()
{
    // No editor opens while a value is validated or a special editor is up or read back.
    if (FEditSession.Validating() || FEditSession.SpecialEditorOpen() || FEditSession.Ending()) return false;
    bool result = TBaseGrid::CanEditShow();
    if (ComponentState().Contains(csDesigning)) return result;
    const TPoint base = BaseCell(RealCol(), Row());
    if (result && !EditMode && IsControlGraphic(GetCellGraphic(base.X, base.Y))) return false;
    if (result && !EditMode) {
        FEditSession.Keep(CurrentCell());
        StoreOldCellValue(Col(), Row());
        EditControl = DefaultEditor;
        GetCellEditorEx(base.X, base.Y, EditControl);
        if (EditControl == edNone) return false;
        EditMode = true;
        if (EditorKindOf(EditControl).Family != TEditorFamily::Text) {
            const TPoint shown = BaseCell(Col(), Row());
            ShowEditControl(shown.X, shown.Y);
            FEntered = true;
            ShowFocusWindow(CellRect(Col(), Row()));
            result = false;
        }
    }
    if (result) {
        FEntered = true;
        FEditSession.Begin(EditControl, StoredCellOf({TRealCol(base.X), TDisplRow(base.Y)}));
        ShowFocusWindow(CellRect(Col(), Row()));
    }
    return result;
}

TInplaceEdit* TExtStringGrid::CreateEditor() { return new TExtInplaceEdit(this); }

std::string TExtStringGrid::GetEditText(int ACol, int ARow)
{
    const int realCol = RealColIndex(ACol);
    const TPoint base = BaseCell(realCol, ARow);
    std::string text = TBaseGrid::GetEditText(base.X, base.Y);
    FLoadedEditStored = GridCells(base.X, base.Y);
    if (!EditWithTags) text = HtmlDecodeEntities(HtmlToPlainText(text), true);
    FLoadedEditText = text;
    FLoadedEditCell = base;
    return text;
}

void TExtStringGrid::SetEditText(int ACol, int ARow, const std::string& Value)
{
    // A refused value is put back by the validation itself.
    if (FEditSession.Validating()) return;
    WriteEditText(ACol, ARow, Value);
    // The editor is done with the text it was loaded with.
    FLoadedEditCell = {-1, -1};
}

void TExtStringGrid::WriteEditText(int ACol, int ARow, const std::string& Value)
{
    const TPoint base = BaseCell(ACol, ARow);
    const int realCol = RealColIndex(base.X);
    TBaseGrid::SetEditText(realCol, base.Y, UneditedToStored(realCol, base.Y, Value));
}

void TExtStringGrid::SetEditTextEx(int ACol, int ARow, const std::string& Value)
{
    const std::string stored = UneditedToStored(ACol, ARow, Value);
    SetEditText(RealToDisplCol(ACol), ARow, Value);
    if (stored != GridCells(ACol, ARow)) SetCells(ACol, ARow, stored);
}

void TExtStringGrid::RestoreCellCache()
{
    SetCells(RealCol(), Row(), FEditSession.TextBefore());
    SetCells(RealCol(), Row(), Cells(RealCol(), Row()));
}

void TExtStringGrid::GetEditLines(int ACol, int ARow, bool& MultiLine, bool& WordWrap)
{
    TBaseGrid::GetEditLines(ACol, ARow, MultiLine, WordWrap);
    MultiLine = MultiLine || Multilinecells;
}

void TExtStringGrid::GetEditorProp(int ACol, int ARow, TEditLink* AEditLink)
{
    if (OnGetEditorProp) OnGetEditorProp(this, ACol, ARow, AEditLink);
    if (OnGetEditorPropInt) OnGetEditorPropInt(this, ARow, ACol);
}

void TExtStringGrid::EditingDone(int ACol, int ARow)
{
    HideInvalidEntryBalloon();
    if (OnEditingDone) OnEditingDone(this);
    EditMode = false;
    PostMessage(this, GridEditDoneMessage(), static_cast<WPARAM>(ACol), static_cast<LPARAM>(ARow));
}

bool TExtStringGrid::HandleEditDoneMessage(TMessage& Message)
{
    if (Message.Msg != GridEditDoneMessage()) return false;
    if (OnEditCellDone)
        OnEditCellDone(this, static_cast<int>(Message.WParam), static_cast<int>(Message.LParam));
    if (MouseActions()->EditOnDblClickOnly()) {
        SetEditorMode(false);
        EditMode = false;
        SetOptions(Options() - goEditing);
    }
    return true;
}

void TExtStringGrid::FireComboChange(int AItemIndex, const std::string& ASelection)
{
    if (OnComboChange) OnComboChange(this, RealCol(), Row(), AItemIndex, ASelection);
    if (!OnComboObjectChange) return;
    const bool item = AItemIndex >= 0 && AItemIndex < FComboItems->Count();
    OnComboObjectChange(this, RealCol(), Row(), AItemIndex, ASelection, item ? FComboItems->Objects(AItemIndex) : nullptr);
}

bool TExtStringGrid::StoreAndValidate(const std::string& Text)
{
    SetCurrentCell(Text);
    return ValidateCell(Text);
}

void TExtStringGrid::TabOutOfEditor(TShiftState Shift)
{
    if (Options().Contains(goTabs)) {
        DoneInplaceEdit(0, Shift);
        AdvanceTab(Shift.Contains(ssShift));
    } else {
        HideInplaceEdit();
        if (CanFocus()) SetFocus();
        PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
    }
}

std::string TExtStringGrid::DoEllipsClick(const std::string& Text)
{
    std::string s = Text;
    if (OnEllipsClick) OnEllipsClick(this, RealCol(), Row(), s);
    return s;
}

void TExtStringGrid::SpecialEditorLeft()
{
    if (ComponentState().Contains(csDestroying) || !FEditSession.SpecialEditorOpen()) return;
    EndEdit(TEditEnd::MovedOn, RealCol(), Row());
    // The cell is left: its value is validated on the way.
    HideInplaceEdit();
}

void TExtStringGrid::EditorTextChanged(const std::string& Text)
{
    if (OnEditChange) OnEditChange(this, Col(), Row(), Text);
    FollowEditorText(Text);
}

// The cell shows what the text, spin and button editors hold while they are typed in;
// Escape puts the cached text back.
void TExtStringGrid::FollowEditorText(const std::string& Text)
{
    if (EditMode && !FEditSession.Loading() && !FEditSession.Validating() && EditorKindOf(EditControl).FollowedWhileTyped)
        WriteEditText(Col(), Row(), Text);
}
