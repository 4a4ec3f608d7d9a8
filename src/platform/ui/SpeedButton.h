#pragma once
#include <memory>

#include "platform/ui/ButtonTypes.h"
#include "platform/ui/Controls.h"

// A windowless button that paints itself: a glyph and a caption on a raised frame, or on
// nothing while flat and the mouse is elsewhere. It never takes the focus. A press shows
// it down; the release over it clicks. With a GroupIndex it stays down (Down) until
// another button of the group, or a second click with AllowAllUp, releases it.
class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;

    // The glyph bitmap holds NumGlyphs pictures side by side: up, disabled, down, exclusive.
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(const TBitmap* glyph);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    bool Down() const { return down_; }
    void SetDown(bool down);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }
    TButtonState State() const { return state_; }
    bool MouseInControl() const { return mouseInControl_; }
    void Click() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;

    // The glyph picture of the current state, transparent, centred in `area` and moved by
    // `offset` pixels right and down.
    void DrawGlyph(const TRect& area, int offset);
    // The caption on one line, centred in `area` and moved by `offset`, in `color`.
    void DrawCaption(const TRect& area, int offset, TColor color);

private:
    bool Inside(int x, int y) const { return x >= 0 && x < Width() && y >= 0 && y < Height(); }
    TButtonState IdleState() const { return !Enabled() ? bsDisabled : down_ ? bsExclusive : bsUp; }

    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;
    bool flat_ = false;
    bool down_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    TButtonState state_ = bsUp;
    bool mouseInControl_ = false;
    bool dragging_ = false;
};
