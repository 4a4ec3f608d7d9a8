#pragma once
#include "platform/ui/RichEdit.h"

class TExtStringGrid;

// The string grid's rich edit: off screen it converts and measures rich-text cells, over a
// cell it edits one, growing the row while the text grows (SizeWhileTyping.Height).
class TExtRichEdit : public TRichEdit {
public:
    explicit TExtRichEdit(TExtStringGrid* AGrid);

    // A fresh window showing the same document.
    void ReCreate();
    void SelSubscript() { SelAttributes().SetOffset(-40); }
    void SelSuperscript() { SelAttributes().SetOffset(40); }
    void SelNormal() { SelAttributes().SetOffset(0); }
    bool IsSelSubscript() { return SelAttributes().Offset() == -40; }
    bool IsSelSuperscript() { return SelAttributes().Offset() == 40; }
    bool IsSelNormal() { return SelAttributes().Offset() == 0; }
    // While locked (the grid loading a cell into it) the edit does not grow the row.
    void LockResize() { FLocked = true; }
    void UnlockResize() { FLocked = false; }
    bool Locked() const { return FLocked; }
    // The size the edit last asked for.
    int ReqWidth() const { return FReqWidth; }
    int ReqHeight() const { return FReqHeight; }

protected:
    void WMGetDlgCode(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void WMChar(TMessage& Message) override;
    void RequestResize(const TRect& Rect) override;

private:
    friend class TExtStringGrid;
    TExtStringGrid* FGrid;
    int FReqHeight = 0;
    int FReqWidth = 0;
    bool FLocked = false;
};
