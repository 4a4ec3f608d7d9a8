#pragma once
#include <functional>
#include <memory>
#include <string>

#include "platform/ui/StdCtrls.h"

// Where the caption label of an edit control stands relative to the control.
enum TLabelPosition {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter,
    lpRightTop,
    lpRightCenter,
    lpRighBottom,
    lpTopRight,
    lpBottomRight
};

// The label's top-left corner for a control at `control` (parent coordinates), a caption
// `textWidth` pixels wide, a label of `label` size and `margin` pixels between the two.
TPoint LabelOrigin(TLabelPosition position, const TRect& control, int textWidth, TSize label, int margin);

// How a control's caption label is measured and which font it takes at each placing.
struct TAttachedLabelManner {
    // Measure the caption as drawn, with prefix characters hidden; else as the canvas
    // measures the whole text.
    bool HidePrefix = true;
    // While the control is on its parent's font the label takes the control's font; else it
    // keeps the one it has.
    bool TakesControlFont = false;
};

// The caption label a control carries beside it: its settings, and the label itself from the
// first caption on (owned by the control, standing on its parent and focusing it). The
// control forwards its label properties here and reports what moves, enables, shows or
// emphasises the label.
class TAttachedLabel {
public:
    TAttachedLabel(TWinControl* control, TAttachedLabelManner manner);
    ~TAttachedLabel();

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    TLabelPosition Position() const { return position_; }
    void SetPosition(TLabelPosition position);
    int Margin() const { return margin_; }
    void SetMargin(int margin);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    bool AlwaysEnabled() const { return alwaysEnabled_; }
    // Does not place the label again; the control decides what else the change asks for.
    void SetAlwaysEnabled(bool on);
    TFont* Font() const { return font_.get(); }
    void SetFont(const TFont* font) { font_->Assign(*font); }
    // The label turns bold while the control has the focus.
    bool FocusBold() const { return focusBold_; }
    void SetFocusBold(bool on) { focusBold_ = on; }
    // The label, or nullptr before the first caption.
    TLabel* Label() const { return label_; }

    // Runs once the label exists, before its first placing.
    std::function<void(TLabel*)> OnCreate;

    void Place();
    void Loaded();
    void FollowEnabled(bool enabled);
    void FollowParent(TWinControl* parent);
    void FollowVisible();
    // A label on the parent's font takes the control's.
    void FollowControlFont();
    void FocusChanged(bool focused);

private:
    void SetBold(bool bold);

    TWinControl* control_;
    TAttachedLabelManner manner_;
    std::string caption_;
    TLabelPosition position_ = lpLeftTop;
    int margin_ = 4;
    bool transparent_ = false;
    bool alwaysEnabled_ = false;
    bool focusBold_ = false;
    std::unique_ptr<TFont> font_;
    TLabel* label_ = nullptr;
};

// The label properties a control with an attached label publishes. What turning the label
// always enabled asks for besides, and the name of the label's own getter, are the
// control's.
class TAttachedLabelProperties {
public:
    const std::string& LabelCaption() const { return label_.Caption(); }
    void SetLabelCaption(const std::string& caption) { label_.SetCaption(caption); }
    TLabelPosition LabelPosition() const { return label_.Position(); }
    void SetLabelPosition(TLabelPosition position) { label_.SetPosition(position); }
    int LabelMargin() const { return label_.Margin(); }
    void SetLabelMargin(int margin) { label_.SetMargin(margin); }
    bool LabelTransparent() const { return label_.Transparent(); }
    void SetLabelTransparent(bool on) { label_.SetTransparent(on); }
    bool LabelAlwaysEnabled() const { return label_.AlwaysEnabled(); }
    TFont* LabelFont() const { return label_.Font(); }
    void SetLabelFont(const TFont* font) { label_.SetFont(font); }
    bool FocusLabel() const { return label_.FocusBold(); }
    void SetFocusLabel(bool on) { label_.SetFocusBold(on); }

protected:
    TAttachedLabelProperties(TWinControl* control, TAttachedLabelManner manner) : label_(control, manner) {}

    TAttachedLabel label_;
};
