#pragma once
#include <string>

#include "grid/foundation/editors/DropButtonMouse.h"
#include "grid/foundation/editors/ExtTimerSpeedButton.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Forms.h"

// The date and time pickers behind the grid's date and time editors: the platform picker
// with the grid's own look (MetroStyle: a coloured or flat frame and a drop-down button
// painted like the combo box's), and (TCustomDateTimePicker) a move to the next field once
// typed digits have changed the current one (AutoTab).

class TEsgDateTimePicker : public TDateTimePicker {
public:
    explicit TEsgDateTimePicker(TComponent* owner);

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    TButtonColors& Colors() { return colors_; }
    bool MetroStyle() const { return metroStyle_; }
    void SetMetroStyle(bool value);
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    virtual void SetBorderStyle(TFormBorderStyle style);
    // The sunken platform frame; without it the control draws its own outline.
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool value);
    int ButtonWidth() const { return buttonWidth_; }
    std::string Version() const { return "1.0.0.0"; }

    // Platform use by tests and painters: the state the look depends on.
    bool MouseInControl() const { return mouse_.InControl(); }
    bool ButtonHover() const { return mouse_.OverButton(); }
    bool HasFocus() const { return hasFocus_; }

protected:
    // `stripMargin`: how far left of the button the themed strip under it is cleared.
    TEsgDateTimePicker(TComponent* owner, TColor borderColor, bool ctl3D, int stripMargin);

    // The own look is on.
    virtual bool MetroLook() const;
    // The control draws a one-pixel outline of its own when Ctl3D is off.
    virtual bool DrawsOutline() const { return false; }
    void WMPaint(TMessage& message) override;
    void CMEnter(TMessage& message) override;
    void CMExit(TMessage& message) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void WMMouseMove(TMessage& message) override;
    void WMLButtonDown(TMessage& message) override;
    void WMLButtonUp(TMessage& message) override;

private:
    bool ThemeActive() const;
    bool IsActiveControl() const;
    void PaintButton(TCanvas* canvas);
    void DrawSingleBorder(TCanvas* canvas);
    void DrawOutline(TCanvas* canvas, bool inner);
    void DrawBorders(TCanvas* canvas);

    TColor borderColor_;
    TButtonColors colors_;
    bool metroStyle_ = false;
    TFormBorderStyle borderStyle_ = bsNone;
    bool ctl3D_;
    int stripMargin_;
    int buttonWidth_ = 19; // the scroll bar's width and 2
    bool isThemed_;
    bool isWinXP_;
    bool hasFocus_ = false;
    TDropButtonMouse mouse_;
};

// The message a picker posts to itself after a typed digit, to decide on the field move.
UINT DTPShiftFocusMessage();

class TCustomDateTimePicker : public TEsgDateTimePicker {
public:
    explicit TCustomDateTimePicker(TComponent* owner);

    bool AutoTab() const { return autoTab_; }
    virtual void SetAutoTab(bool value);
    void WndProc(TMessage& message) override;

protected:
    TCustomDateTimePicker(TComponent* owner, bool ctl3D);
    // True: the own frame is left to the control that holds this one.
    virtual bool NoOwnBorder() const { return true; }
    bool MetroLook() const override;
    bool DrawsOutline() const override { return true; }
    void KeyPress(char32_t& key) override;
    // Runs when the posted field-move message arrives.
    virtual void CheckAutoTab();
    // Remembers the value before a typed digit changes it.
    virtual void RememberValue();
    bool TimeChangedSinceDigit() const;

    int oldHour_ = 0, oldMinute_ = 0, oldSecond_ = 0;

private:
    bool autoTab_ = false;
};
