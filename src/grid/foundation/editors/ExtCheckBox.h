#pragma once
#include "platform/ui/Controls.h"
#include "platform/ui/StdCtrls.h"

// The match-case check box of the grid's search bar. It paints itself: the platform's
// themed box when visual styles are active, else the classic box, and its caption beside it.
class TExtCheckBox : public TCustomControl {
public:
    explicit TExtCheckBox(TComponent* AOwner);

    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight Value);
    TTextLayout ButtonVertAlign() const { return FButtonVertAlign; }
    void SetButtonVertAlign(TTextLayout Value);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool Value);
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState Value);
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool Value);
    // A transparent check box shows its parent's background under itself.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // The box is pressed.
    bool Down() const { return FDown; }
    bool Hot() const { return FHot; }

    bool ReadOnly = false;
    bool ReturnIsTab = false;
    // The platform keeps the parent's background itself; the flag is kept for the forms that set it.
    bool TransparentChaching = false;

    void SetText(const std::string& Value) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    virtual void Toggle();

protected:
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    // The box as the themed look draws it (14 x 14) or the classic one (13 x 13).
    TRect BoxRect() const;
    // The 16 x 16 area that a change of the box repaints.
    void InvalidateBox();
    void SetDown(bool Value);
    void PaintBox();
    TRect TextRect() const;

    TLeftRight FAlignment = taLeftJustify;
    TTextLayout FButtonVertAlign = tlTop;
    TCheckBoxState FState = cbUnchecked;
    bool FEllipsis = false;
    bool FTransparent = false;
    bool FDown = false;
    bool FHot = false;
    bool FMouseDown = false;
};
