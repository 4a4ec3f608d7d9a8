#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Component.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Messages.h"

// Controls: TControl, windowed TWinControl, self-painted TCustomControl and windowless
// TGraphicControl. Each control's WndProc takes the messages of its window and hands them
// to the virtual handlers below, which call the overridable KeyDown, MouseDown, Paint ...
// and fire the events. A handler that does not consume a message passes it on to
// DefaultHandler, which lets the window's own behaviour run (an edit inserts a typed
// character only when KeyPress left it alone).

class TWinControl;
class TCustomForm;
struct TControlPrivate;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TControlStyleFlag {
    csAcceptsControls,
    csCaptureMouse,
    csClickEvents,
    csSetCaption,
    csOpaque,
    csDoubleClicks,
    csNoStdEvents,
    csParentBackground,
};
using TControlStyle = TSet<TControlStyleFlag>;

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

using TKeyEvent = std::function<void(TObject* Sender, Word& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char32_t& Key)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

class EInvalidOperation : public Exception {
    using Exception::Exception;
};

class THintWindow;
// Makes the hint window of a class; the default is a THintWindow.
using THintWindowClass = std::function<THintWindow*(TComponent* owner)>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // Position and size in the parent's client coordinates.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    virtual TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    virtual void SetClientSize(int width, int height);
    void SetClientWidth(int v) { SetClientSize(v, ClientHeight()); }
    void SetClientHeight(int v) { SetClientSize(ClientWidth(), v); }
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors);

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, with every parent up to a shown window visible too.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    // Caption and Text are the same string.
    virtual std::string Text() const { return text_; }
    virtual void SetText(const std::string& text);
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& caption) { SetText(caption); }

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    bool ShowHint() const;
    void SetShowHint(bool show);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool parent);

    TFont* Font() const { return font_.get(); }
    void SetFont(const TFont* font) { font_->Assign(*font); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parent);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parent);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    // Shows a cursor over the control for the moment - until the next ShowCursor or
    // SetCursor - without making it the control's Cursor: how a control gives one of its
    // parts a cursor of its own.
    void ShowCursor(TCursor cursor);
    TCursor VisibleCursor() const { return visibleCursor_; }

    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle style) { controlStyle_ = style; }

    void Invalidate();
    void InvalidateRect(const TRect& rect);
    void Update();  // paints what is invalid now
    void Repaint() { Invalidate(), Update(); }
    // Paints the control and its children onto a canvas with the top-left corner at (x, y).
    void PaintTo(TCanvas* canvas, int x, int y);
    void BringToFront();
    void SendToBack();
    // While captured, the mouse messages come to this control wherever the mouse is.
    bool MouseCapture() const;
    void SetMouseCapture(bool capture);

    // Sends a message to the control at once and returns its result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual void WndProc(TMessage& message);
    // While set, receives the control's messages in place of WndProc, as a window subclass
    // does; it passes on what it leaves alone by calling WndProc.
    std::function<void(TMessage&)> WindowProc;
    // The window's own handling of a message that no handler consumed.
    virtual void DefaultHandler(TMessage& message);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;

    TControlPrivate& Impl() const { return *d_; }  // platform use

protected:
    // The overridable behaviour; each fires its event.
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);
    virtual bool DoMouseWheelDown(TShiftState shift, TPoint mousePos);
    virtual bool DoMouseWheelUp(TShiftState shift, TPoint mousePos);
    virtual void Resize();
    virtual void Paint() {}
    void Loaded() override;
    // True when the control fires no events (it is being built or destroyed).
    bool Quiet() const;
    void Destroying() override;

    // Message handlers.
    virtual void WMMouseMove(TMessage& message);
    virtual void WMLButtonDown(TMessage& message);
    virtual void WMLButtonUp(TMessage& message);
    virtual void WMLButtonDblClk(TMessage& message);
    virtual void WMRButtonDown(TMessage& message);
    virtual void WMRButtonUp(TMessage& message);
    virtual void WMRButtonDblClk(TMessage& message);
    virtual void WMMButtonDown(TMessage& message);
    virtual void WMMButtonUp(TMessage& message);
    virtual void WMMouseWheel(TMessage& message);
    virtual void WMPaint(TMessage& message);
    virtual void WMSize(TMessage& message);
    virtual void CMMouseEnter(TMessage& message);
    virtual void CMMouseLeave(TMessage& message);
    virtual void CMEnabledChanged(TMessage& message);
    virtual void CMVisibleChanged(TMessage& message);
    virtual void CMTextChanged(TMessage& message);
    virtual void CMFontChanged(TMessage& message);
    virtual void CMColorChanged(TMessage& message);
    virtual void CMParentFontChanged(TMessage& message);
    virtual void CMParentColorChanged(TMessage& message);
    virtual void CMMouseWheel(TMessage& message);

    // A canvas on the control, for the classes that paint themselves.
    TCanvas* ControlCanvas() const;
    void CreateControlCanvas();

private:
    friend class TWinControl;
    friend class TCustomForm;
    friend class TFloatingWindow;
    friend struct TControlPrivate;
    virtual void Dispatch(TMessage& message);
    void DoMouseDown(TMessage& message, TMouseButton button, TShiftState extra);
    void DoMouseUp(TMessage& message, TMouseButton button);
    void FontChanged();
    void UpdateAnchorRules();
    void RealignParent();

    std::unique_ptr<TControlPrivate> d_;
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_{akLeft, akTop};
    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    bool changingFontFromParent_ = false;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    TCursor cursor_ = crDefault;
    TCursor visibleCursor_ = crDefault;
    TControlStyle controlStyle_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    bool clicked_ = false;
};

// The form that holds a control, or nullptr.
TCustomForm* GetParentForm(const TControl* control);

// Scroll-bar state as GetScrollInfo / SetScrollInfo know it. Positions run from Min to
// Max - Page + 1 when Page is set.
struct TScrollInfo {
    int Min = 0;
    int Max = 100;
    int Page = 0;
    int Pos = 0;
    int TrackPos = 0;  // while the thumb is dragged
};

// A control with a window of its own: it holds child controls, takes the focus and gets
// the keyboard.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(index); }
    bool ContainsControl(const TControl* control) const;  // this one or a descendant
    // Also while one of its child controls handles an event: freeing it would free them.
    bool HandlingEvent() const override;

    bool Focused() const;
    virtual bool CanFocus() const;
    // Raises EInvalidOperation when the control cannot take the focus.
    virtual void SetFocus();
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
    int TabOrder() const;
    void SetTabOrder(int order);
    // The controls in Tab order: each child, then its own children.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
    void SelectFirst();

    // Sends the message to every child control until one answers it (Result not 0).
    void Broadcast(TMessage& message);

    // Lays the child controls out again.
    void Realign();

    bool HandleAllocated() const { return handleCreated_; }
    // Makes the window ready for use; CreateWnd runs the first time.
    void HandleNeeded();

    // The window's own scroll bars (SB_HORZ, SB_VERT). Their messages arrive as WM_HSCROLL
    // and WM_VSCROLL; the position moves only when the control sets it.
    void SetScrollInfo(int bar, const TScrollInfo& info);
    TScrollInfo GetScrollInfo(int bar) const;
    void ShowScrollBar(int bar, bool show);
    void EnableScrollBar(int bar, bool enable);
    // Shifts what is painted in `rect` (client pixels) by dx, dy and paints again only the
    // strip that this uncovers, as a scrolled list view does; pending invalid parts move along.
    void ScrollWindow(int dx, int dy, const TRect& rect);
    // The position a WM_HSCROLL / WM_VSCROLL carries, in full: the message has room for its
    // low 16 bits only, which the bar's tracked position (GetScrollInfo's TrackPos) completes.
    int ScrollMessagePos(const TMessage& message) const;
    bool ScrollBarShown(int bar) const;
    // The look of the window's own bars: flat ones (sblFlat, sblEncarta, which lights its
    // thumb under the mouse) with a track in `color` (clNone: the window colour), `width`
    // pixels thick; sblStandard gives back the style's own bars.
    enum TScrollBarLook { sblStandard, sblFlat, sblEncarta };
    void SetScrollBarLook(TScrollBarLook look, TColor color, int width);
    bool ScrollBarEnabled(int bar) const;
    // Window timers: WM_TIMER with the id in WParam every `milliseconds`.
    void SetTimer(int id, int milliseconds);
    void KillTimer(int id);

    TRect ClientRect() const override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    virtual void KeyDown(Word& key, TShiftState shift);
    virtual void KeyUp(Word& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    virtual void DoEnter();
    virtual void DoExit();
    virtual void CreateWnd() {}
    // Lays the child controls out after Align and Anchors.
    virtual void AlignControls(TRect& rect);
    // Passes the key through KeyPreview of the form and then KeyDown; true when consumed.
    bool DoKeyDown(TMessage& message);
    bool DoKeyUp(TMessage& message);
    bool DoKeyPress(TMessage& message);

    virtual void WMSetFocus(TMessage& message);
    virtual void WMKillFocus(TMessage& message);
    virtual void WMKeyDown(TMessage& message);
    virtual void WMKeyUp(TMessage& message);
    virtual void WMChar(TMessage& message);
    virtual void WMSysKeyDown(TMessage& message);
    virtual void WMSysChar(TMessage& message);
    virtual void WMGetDlgCode(TMessage& message);
    virtual void WMHScroll(TMessage& message);
    virtual void WMVScroll(TMessage& message);
    virtual void WMTimer(TMessage& message);
    virtual void CNKeyDown(TMessage& message);
    virtual void CNKeyUp(TMessage& message);
    virtual void CNChar(TMessage& message);
    virtual void CNSysChar(TMessage& message);
    virtual void CMEnter(TMessage& message);
    virtual void CMExit(TMessage& message);
    virtual void CMDialogKey(TMessage& message);
    virtual void CMDialogChar(TMessage& message);
    virtual void CMFocusChanged(TMessage& message);
    void CMFontChanged(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    void WMSize(TMessage& message) override;
    void Destroying() override;

private:
    friend class TControl;
    friend struct TControlPrivate;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void Dispatch(TMessage& message) override;
    template <typename TKey>
    bool PassKey(TMessage& m, bool (TWinControl::*formStep)(TMessage&), const std::function<void(TKey&)>& handler);

    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    bool handleCreated_ = false;
    bool aligning_ = false;
};

// A windowed control that paints itself on its Canvas in Paint.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    TCanvas* Canvas() const { return ControlCanvas(); }
};

// A control without a window of its own: it never takes the focus and paints itself on
// its Canvas in Paint.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    TCanvas* Canvas() const { return ControlCanvas(); }
};

// The accelerator of a caption: the character after a single "&", upper-cased; 0 if none.
char32_t GetAccelChar(const std::string& caption);
// True when the key is the accelerator of the caption (letter case ignored).
bool IsAccel(char32_t key, const std::string& caption);

// The control that has the keyboard focus, or nullptr.
TWinControl* FocusedControl();
