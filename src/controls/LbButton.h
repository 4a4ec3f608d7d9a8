#pragma once
#include <memory>

#include "controls/LbButtons.h"
#include "platform/ui/ActnList.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"

// The owner-drawn push button of every window: colour styles, shapes, a glyph of up to four
// frames, hot tracking with an optional slow fade, a pressed colour, standard kinds, and the
// keyboard behaviour of a dialog button (Enter and Space, accelerators, Default and Cancel).
class TLbButton : public TCustomControl {
public:
    explicit TLbButton(TComponent* owner);
    ~TLbButton() override;

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment) { SetAndRepaint(alignment_, alignment); }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }
    bool Default() const { return default_; }
    void SetDefault(bool isDefault) { default_ = isDefault; }
    // Writing a preset sets the colours, Flat, the font colour and the shape; it reads back
    // lcsCustom always.
    TLbColorStyle ColorStyle() const { return lcsCustom; }
    void SetColorStyle(TLbColorStyle style);
    TColor ColorWhenDown() const { return colorWhenDown_; }
    void SetColorWhenDown(TColor color) { colorWhenDown_ = color; }
    bool Flat() const { return flat_; }
    void SetFlat(bool flat) { SetAndRepaint(flat_, flat); }
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(const TBitmap* glyph);
    TColor HotTrackColor() const { return hotTrackColor_; }
    void SetHotTrackColor(TColor color) { hotTrackColor_ = color; }
    TFont* HotTrackFont() const { return hotTrackFont_.get(); }
    void SetHotTrackFont(const TFont* font) { hotTrackFont_->Assign(*font); }
    TLbButtonKind Kind() const { return kind_; }
    void SetKind(TLbButtonKind kind);
    TLbButtonLayout Layout() const { return layout_; }
    void SetLayout(TLbButtonLayout layout) { SetAndRepaint(layout_, layout); }
    TColor LightColor() const { return lightColor_; }
    void SetLightColor(TColor color) { SetAndRepaint(lightColor_, color); }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor color) { SetAndRepaint(shadowColor_, color); }
    bool SlowDecease() const { return slowDecease_; }
    void SetSlowDecease(bool slow);
    TLbButtonStyle Style() const { return style_; }
    void SetStyle(TLbButtonStyle style);
    bool UseHotTrackFont() const { return useHotTrackFont_; }
    void SetUseHotTrackFont(bool use) { useHotTrackFont_ = use; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap) { SetAndRepaint(wordWrap_, wordWrap); }

    // The menu that drops from the button's bottom-left corner on a click; the face shows
    // an arrow while there is one.
    TPopupMenu* PopupMenu() const { return popupMenu_.Get(); }
    void SetPopupMenu(TPopupMenu* menu);
    // The action whose caption, state and command the button shows; nullptr for none.
    TAction* Action() const { return actionLink_ ? actionLink_->Action() : nullptr; }
    void SetAction(TAction* action);

    void SetEnabled(bool enabled) override;
    // Presses the button and runs its click action, then the action's command.
    void Click() override;

    // The state the face is drawn in.
    bool Pressed() const { return down_; }
    int HotTrackStep() const { return hotTrackStep_; }

    // One step of the slow fade back from the hot-track colour; the fade timer calls it.
    void FadeStep();

    TNotifyEvent OnMouseExit; // OnClick and OnMouseEnter are the control's own

protected:
    // A button without a glyph of its own shows the image of its action.
    virtual void ActionChange();
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyUp(Word& key, TShiftState shift) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    void CMDialogChar(TMessage& message) override;
    void CMDialogKey(TMessage& message) override;
    void WMSetFocus(TMessage& message) override;
    void WMKillFocus(TMessage& message) override;
    void WMTimer(TMessage& message) override;

private:
    template <typename T> void SetAndRepaint(T& field, T value)
    {
        field = value;
        Repaint();
    }
    void ClickAction();
    bool ReadyForInput() const; // enabled, visible and the parent showing
    bool ActiveControlIsPushButton() const;
    void StartFade();
    void StopFade();

    TAlignment alignment_ = taCenter;
    TColor shadowColor_ = RGB(128, 128, 128);
    TColor colorWhenDown_ = clNone;
    bool flat_ = false;
    bool wordWrap_ = false;
    std::unique_ptr<TBitmap> glyph_;
    TColor hotTrackColor_ = clNone;
    std::unique_ptr<TFont> hotTrackFont_;
    TLbButtonKind kind_ = bkCustom;
    TLbButtonLayout layout_ = blGlyphLeft;
    TColor lightColor_ = RGB(255, 255, 255);
    TModalResult modalResult_ = mrNone;
    int numGlyphs_ = 0;
    bool useHotTrackFont_ = false;
    TLbButtonStyle style_ = bsNormal;
    bool default_ = false;
    bool cancel_ = false;
    bool slowDecease_ = false;
    bool down_ = false;
    bool cursorOnButton_ = false;
    bool fading_ = false;
    int hotTrackStep_ = 0;
    // The key (Enter or Space) whose press pressed the button: only its release clicks.
    Word pressingKey_ = 0;
    TWeakRef<TPopupMenu> popupMenu_;
    std::unique_ptr<TControlActionLink> actionLink_;
};
