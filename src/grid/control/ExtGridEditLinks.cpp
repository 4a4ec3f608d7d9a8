#include "grid/control/EditLink.h"
#include "grid/control/ExtStringGrid.h"
#include "platform/ui/Forms.h"

// Custom editors: the grid opens its edit link on the cell, in place or in the link's own
// pop-up window, and takes the link's value back when the edit ends.

TEditLink* TExtStringGrid::EditLink() const { return FEditLink.Get(); }

void TExtStringGrid::SetEditLink(TEditLink* Value) { FEditLink = Value; }

void TExtStringGrid::ShowEditLink(const TRect& Rect, int RealCol, int ARow)
{
    TEditLink* link = EditLink();
    if (!link) {
        ShowNoEditor();
        return;
    }
    EditMode = true;
    link->Attach(this, {Col(), ARow});
    if (link->EditStyle == esPopup) {
        if (link->AutoPopupWidth) link->PopupWidth = Rect.Width();
        const TPoint corner = ClientToScreen({Rect.Left, Rect.Top});
        const bool atCell = link->PopupLeft == -1 || link->PopupTop == -1;
        TForm* form = link->PopupForm();
        form->SetBounds(atCell ? corner.X : link->PopupLeft, atCell ? corner.Y : link->PopupTop,
                        link->PopupWidth, link->PopupHeight);
        form->Show();
        link->CreateEditor(form);
        link->SetRect({0, 0, link->PopupWidth, link->PopupHeight});
    } else {
        link->CreateEditor(this);
        link->SetRect(Rect);
    }
    link->SetVisible(true);
    TBrush brush;
    TFont font;
    brush.SetColor(Color());
    font.Assign(*Font());
    GetCellColor(RealCol, ARow, {}, &brush, &font);
    link->SetCellProps(brush.Color(), &font);
    link->SetProperties();
    GetEditorProp(RealCol, ARow, link);
    link->SetEditorValue(GetEditText(Col(), ARow));
    link->SetFocus(true);
    EditCtrl = link->GetEditControl();
    if (FStartEditChar != 0 && EditCtrl) PostMessage(EditCtrl, WM_CHAR, FStartEditChar, 0);
}

void TExtStringGrid::HideEditLink(int RealCol, int ARow)
{
    TEditLink* link = EditLink();
    if (!link || !EditMode) return;
    EditMode = false;
    SetEditTextEx(RealCol, ARow, link->GetEditorValue());
    if (link->EditStyle != esPopup) link->SetVisible(false);
    link->RestoreWinProc();
}
