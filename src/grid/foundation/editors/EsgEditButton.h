#pragma once
#include "grid/foundation/editors/ExtTimerSpeedButton.h"
#include "platform/ui/SpeedButton.h"

// The speed button inside an edit's embedded button: themed, flat (its own flag), framed
// or in the colours of the button control that holds it.
class TExtSpeedButton : public TSpeedButton {
public:
    // The colours are those of the button control that holds this button.
    TExtSpeedButton(TComponent* owner, const TButtonColors& colors);

    bool IsWinXP() const { return isWinXP_; }
    void SetIsWinXP(bool value);
    bool Flat() const { return extFlat_; }
    void SetFlat(bool flat);
    bool Hot() const { return hot_; }

protected:
    void Paint() override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;

private:
    const TButtonColors& colors_;
    bool isWinXP_ = false;
    bool extFlat_ = false;
    bool hot_ = false;
};

// The small windowed control that holds the speed button at an edit's right edge. A left
// release after a press on it raises OnClick, then gives the focus back to FocusControl.
class TEsgEditButton : public TWinControl {
public:
    explicit TEsgEditButton(TComponent* owner);

    TExtSpeedButton* Button() const { return button_; }
    std::string ButtonCaption() const { return button_->Caption(); }
    void SetButtonCaption(const std::string& caption) { button_->SetCaption(caption); }
    TBitmap* Glyph() const { return button_->Glyph(); }
    void SetGlyph(const TBitmap* glyph) { button_->SetGlyph(glyph); }
    int NumGlyphs() const { return button_->NumGlyphs(); }
    void SetNumGlyphs(int count) { button_->SetNumGlyphs(count); }
    bool Flat() const { return button_->Flat(); }
    void SetFlat(bool flat) { button_->SetFlat(flat); }
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* control);
    void SetBounds(int left, int top, int width, int height) override;

    // The coloured look; clNone everywhere leaves it off. Repaint after a change.
    TButtonColors Colors;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void ButtonReleased(TMouseButton button);
    void FitButton();

    TExtSpeedButton* button_ = nullptr;
    TWinControl* focusControl_ = nullptr;
};
