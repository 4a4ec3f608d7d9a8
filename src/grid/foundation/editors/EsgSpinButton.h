#pragma once
#include "grid/foundation/editors/ExtTimerSpeedButton.h"
#include "platform/ui/Controls.h"

// A pair of auto-repeating arrow buttons, stacked or side by side.

enum TSpinDirection { spVertical, spHorizontal };

class TEsgSpinButton : public TWinControl {
public:
    explicit TEsgSpinButton(TComponent* owner);

    TSpinDirection Direction() const { return direction_; }
    void SetDirection(TSpinDirection direction);
    // The control that takes the focus when a button is pressed; forgotten when it is freed.
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* control);
    // No bitmap restores the default arrow glyph.
    void SetUpGlyph(const TBitmap* glyph);
    void SetDownGlyph(const TBitmap* glyph);
    void SetUpNumGlyphs(int count) { upButton_->SetNumGlyphs(count); }
    void SetDownNumGlyphs(int count) { downButton_->SetNumGlyphs(count); }
    TButtonColors& Colors() { return colors_; }
    void SetIsWinXP(bool value);
    TExtTimerSpeedButton* UpButton() const { return upButton_; }
    TExtTimerSpeedButton* DownButton() const { return downButton_; }
    TExtTimerSpeedButton* FocusedButton() const { return focusedButton_; }
    void SetBounds(int left, int top, int width, int height) override;

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void KeyDown(Word& key, TShiftState shift) override;
    void WMGetDlgCode(TMessage& message) override;
    void WMSetFocus(TMessage& message) override;
    void WMKillFocus(TMessage& message) override;

private:
    TExtTimerSpeedButton* CreateButton(TButtonDirection direction);
    void ButtonClick(TObject* sender);
    void ButtonMouseDown(TObject* sender, TMouseButton button);
    void SetFocusBtn(TExtTimerSpeedButton* button);
    void AdjustSize(int& width, int& height);

    TButtonColors colors_;
    TExtTimerSpeedButton* upButton_;
    TExtTimerSpeedButton* downButton_;
    TExtTimerSpeedButton* focusedButton_ = nullptr;
    TWinControl* focusControl_ = nullptr;
    TSpinDirection direction_ = spVertical;
};

// The default arrow glyphs: 9 x 6, a black triangle of 7, 5, 3 and 1 pixels per row.
void MakeSpinGlyph(TBitmap& glyph, bool up);
