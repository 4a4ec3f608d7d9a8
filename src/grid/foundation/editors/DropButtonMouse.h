#pragma once

// Where the mouse is over a control with a drop-down button at its right end, which the
// control's frame and button are painted by. Each change reports whether it asks for a repaint.
class TDropButtonMouse {
public:
    bool InControl() const { return inControl_; }
    bool OverButton() const { return overButton_; }
    bool Down() const { return down_; }
    void SetDown(bool down) { down_ = down; }

    // A disabled control does not track the mouse coming or going.
    bool Enter(bool enabled);
    // Leaving the control also leaves the button, enabled or not.
    bool Leave(bool enabled);
    // `x` in the control's coordinates; the button is the right `buttonWidth` pixels of `width`.
    bool Move(int x, int width, int buttonWidth);

private:
    bool inControl_ = false;
    bool overButton_ = false;
    bool down_ = false;
};
