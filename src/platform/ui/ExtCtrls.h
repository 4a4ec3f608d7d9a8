#pragma once
#include <functional>
#include <memory>
#include <string>

#include "platform/ui/Controls.h"

// Panels, shapes, images, link labels and timers.

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// A container with bevels and a centred caption. With ParentBackground (the default) it
// shows its parent's background instead of its Color.
class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* owner);

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut bevel);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut bevel);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool ParentBackground() const { return ControlStyle().Contains(csParentBackground); }
    void SetParentBackground(bool parentBackground);

protected:
    void Paint() override;
    void AlignControls(TRect& rect) override;

private:
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TAlignment alignment_ = taCenter;
};

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* owner);

    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType shape);
    TPen* Pen() const { return pen_.get(); }
    TBrush* Brush() const { return brush_.get(); }

protected:
    void Paint() override;

private:
    TShapeType shape_ = stRectangle;
    std::unique_ptr<TPen> pen_;
    std::unique_ptr<TBrush> brush_;
};

// Shows a picture: at its own size from the top-left corner, centred, or stretched.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    TPicture* Picture() const { return picture_.get(); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    bool Proportional() const { return proportional_; }
    void SetProportional(bool proportional);
    bool Center() const { return center_; }
    void SetCenter(bool center);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

protected:
    void Paint() override;

private:
    void PictureChanged();
    TRect DestRect() const;

    std::unique_ptr<TPicture> picture_;
    bool stretch_ = false;
    bool proportional_ = false;
    bool center_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
};

enum TSysLinkType { sltURL, sltID };
using TSysLinkEvent = std::function<void(TObject* Sender, const std::string& Link, TSysLinkType LinkType)>;

// A label whose caption may hold links written <a href="address">text</a>; clicking one
// fires OnLinkClick with its address. The rest of the caption is plain text.
class TLinkLabel : public TWinControl {
public:
    explicit TLinkLabel(TComponent* owner);

    void SetText(const std::string& text) override;
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

    TSysLinkEvent OnLinkClick;

protected:
    void CMFontChanged(TMessage& message) override;

private:
    void AdjustBounds();
    bool autoSize_ = true;
};

// The caption of a link label as Qt rich text: the links kept, everything else escaped.
std::string LinkCaptionToHtml(const std::string& caption);

struct TTimerPrivate;

// Fires OnTimer every Interval milliseconds on the event loop while Enabled.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned milliseconds);

    TNotifyEvent OnTimer;

protected:
    void Loaded() override;

private:
    void UpdateTimer();

    std::unique_ptr<TTimerPrivate> d_;
    bool enabled_ = true;
    unsigned interval_ = 1000;
};
