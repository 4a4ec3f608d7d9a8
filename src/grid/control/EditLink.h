#pragma once
#include <string>

#include "platform/ui/Component.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Types.h"

class TExtStringGrid;
class TFont;
class TForm;
class TWinControl;

enum TEditStyle { esInplace, esPopup };

// The base of custom cell editors: a descendant wraps any control, and the grid uses the
// link for cells whose editor is edCustom. The link says which keys leave the editor, how
// the value travels between cell and control and where the control stands: in the cell,
// or in a pop-up window of its own. The grid only refers to the link and never frees it.
class TEditLink : public TComponent {
public:
    explicit TEditLink(TComponent* AOwner);

    TExtStringGrid* Grid() const { return FOwner; }
    TPoint EditCell() const { return FEditCell; }

    // A key-down handler a descendant may give its control: the leaving keys end the edit
    // and move on in the grid, unless the link wants them.
    virtual void EditKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    virtual TWinControl* GetEditControl() { return nullptr; }
    virtual void CreateEditor(TWinControl*) {}
    virtual void DestroyEditor() {}
    virtual void SetFocus(bool Value);
    virtual void SetRect(const TRect& r);
    virtual void SetVisible(bool Value);
    virtual void SetProperties() {}
    virtual void SetCellProps(TColor, TFont*) {}
    virtual std::string GetEditorValue() { return ""; }
    virtual void SetEditorValue(const std::string&) {}

    // The pop-up form with esPopup, else the grid.
    TWinControl* GetParent();
    // The link's own pop-up window, made on first use and freed with the link.
    TForm* PopupForm();
    std::string GetCellValue();
    void SetCellValue(const std::string& s);
    void HideEditor();
    void EditExit(TObject* Sender);
    // The pop-up window lost activation.
    void FormExit(TObject* Sender);
    // Ends the grid's hold on an in-place control, taken when it got the focus, and hides it.
    void RestoreWinProc();
    // Called by the grid each time it opens the link on a cell.
    void Attach(TExtStringGrid* AGrid, TPoint ACell);
    // Whether the grid holds the in-place control (between SetFocus and RestoreWinProc).
    bool SubClassed() const { return FSubClassed; }

    bool WantKeyLeftRight = false;
    bool WantKeyUpDown = false;
    bool WantKeyHomeEnd = false;
    bool WantKeyPriorNext = false;
    bool WantKeyReturn = false;
    bool WantKeyEscape = false;
    bool WantReturns = false;
    bool WantTabs = false;
    TEditStyle EditStyle = esInplace;
    int PopupWidth = 0;
    int PopupHeight = 0;
    int PopupLeft = -1; // -1: at the cell's top-left corner
    int PopupTop = -1;
    bool AutoPopupWidth = false;
    int Tag = 0;

private:
    // Whether Key ends editing: the leaving keys that the link does not want.
    bool LeavesEditor(Word Key, TShiftState Shift) const;
    // The focus goes to the grid without the link taking it as the user leaving.
    void FocusGrid();
    void StoreValue();

    TExtStringGrid* FOwner = nullptr;
    TForm* FPopupForm = nullptr; // owned by the link
    bool FForcedExit = false;
    TPoint FEditCell{-1, -1};
    bool FSubClassed = false;
};
