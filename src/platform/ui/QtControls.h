#pragma once
// Platform-private: the Qt widget behind every control, and the bridge that turns the
// widget's events into our messages. Included only by platform .cpp files.
#include <QEnterEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

#include "platform/ui/Controls.h"
#include <QCursor>

#include "platform/ui/QtGraphics.h"

class QScrollBar;
class TBridgeBase;

// The Qt side of a control.
struct TControlPrivate {
    explicit TControlPrivate(TControl* control) : control(control) {}
    ~TControlPrivate();

    TControl* control;
    QWidget* widget = nullptr;
    TBridgeBase* bridge = nullptr;

    // The window class's own handling of a message that the Qt event in flight does not
    // cover (a key arriving through Perform, a dialog code, a clipboard command); true
    // when it handled the message.
    std::function<bool(TMessage&)> windowDefault;

    // The Qt event being dispatched: DefaultHandler runs its native handling once.
    struct TNativeCall {
        UINT msg;
        std::function<void()> call;
        bool done = false;
    };
    TNativeCall* native = nullptr;

    // Painting through a buffer the size of the widget (controls with a canvas).
    std::unique_ptr<TCanvas> canvas;
    QImage buffer;
    TCanvasSurface surface;
    QRegion dirty;
    bool painting = false;
    bool flushPending = false;

    bool pressed = false;  // a mouse button is down on the control
    bool mouseInside = false; // CM_MOUSEENTER came and CM_MOUSELEAVE has not yet
    int wheelAccumulator = 0;

    // Anchors: the parent's client size and the control's bounds when they were last set.
    TSize anchorParentSize;
    TRect anchorBounds;
    bool anchorKnown = false;

    // Scroll bars and window timers of a TWinControl.
    QScrollBar* bars[2] = {nullptr, nullptr};
    TScrollInfo scroll[2];
    bool barShown[2] = {false, false};
    // The bars' look: a style sheet (empty: the style's own bars) and their thickness
    // (0: the style's).
    QString barStyleSheet;
    int barThickness = 0;
    // The square where both bars meet, in the bars' face colour: the content below stays hidden.
    QWidget* barCorner = nullptr;
    std::map<int, std::unique_ptr<QTimer>> timers;

    // The widget, created as a plain self-painted one when the control's class chose none.
    QWidget* Widget();
    // Adopts the widget chosen by the control's class and gives it the control's state.
    void Attach(QWidget* w, TBridgeBase* b);
    void ApplyGeometry();
    void MovedTo(int left, int top);
    void ApplyFont();
    void ApplyCursor();

    // Runs WM_PAINT into the buffer for the invalid part of `region`, then copies the
    // buffer to `target` (the widget, or another surface at an offset).
    void PaintCycle(const QRegion& region, QPainter& target, QPoint offset);
    void ResizeBuffer();
    // Blits drawing done on the canvas outside WM_PAINT on the next turn of the loop.
    void ScheduleFlush();
    // Shifts the painted pixels of `area` by (dx, dy); only the strip that the shift
    // uncovers, and what was waiting to be painted, are painted again.
    void ScrollBuffer(const QRect& area, int dx, int dy);
    void LayoutScrollBars();
};

// The event side of the bridge, shared by every widget class.
class TBridgeBase {
public:
    explicit TBridgeBase(TControl* control) : control_(control) {}
    virtual ~TBridgeBase() = default;
    TControl* Control() const { return control_; }
    void Detach() { control_ = nullptr; }

    // The widget's own handling, called by DefaultHandler.
    virtual void NativeKey(QKeyEvent* event) = 0;
    virtual void NativeEvent(QEvent* event) = 0;

protected:
    // Each returns false when the control is gone and Qt should handle the event alone.
    bool OnKey(QKeyEvent* event);
    bool OnInputMethod(QInputMethodEvent* event, const std::function<void(QInputMethodEvent*)>& native);
    bool OnMouse(QMouseEvent* event, const std::function<void()>& native);
    bool OnWheel(QWheelEvent* event, const std::function<void()>& native);
    bool OnCrossing(bool enter);
    bool OnFocusIn(QFocusEvent* event, const std::function<void()>& native);
    bool OnPaint(QWidget* widget, QPaintEvent* event, const std::function<void()>& native);
    bool OnResize(QWidget* widget);
    bool OnMove(QWidget* widget);
    bool OnClose(QCloseEvent* event);
    bool OnActivation(QWidget* widget);
    // A tooltip request shows the control's hint (Hints.cpp).
    bool OnToolTip(QHelpEvent* event);
    bool Live() const;

private:
    TControl* control_;
};

template <class W>
class TBridge : public W, public TBridgeBase {
public:
    template <class... A>
    explicit TBridge(TControl* control, A&&... args) : W(std::forward<A>(args)...), TBridgeBase(control)
    {
        W::setMouseTracking(true);
        W::setAttribute(Qt::WA_InputMethodEnabled, true);
    }

    void NativeKey(QKeyEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            W::keyPressEvent(event);
        else
            W::keyReleaseEvent(event);
    }
    void NativeEvent(QEvent* event) override { W::event(event); }

protected:
    bool event(QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (OnKey(static_cast<QKeyEvent*>(e))) return true;
            break;
        case QEvent::ShortcutOverride: e->accept(); return true;
        case QEvent::ActivationChange: OnActivation(this); break;
        case QEvent::ToolTip:
            if (OnToolTip(static_cast<QHelpEvent*>(e))) return true;
            break;
        default: break;
        }
        return W::event(e);
    }
    bool focusNextPrevChild(bool) override { return false; }
    void inputMethodEvent(QInputMethodEvent* e) override
    {
        if (!OnInputMethod(e, [this](QInputMethodEvent* n) { W::inputMethodEvent(n); })) W::inputMethodEvent(e);
    }
    void paintEvent(QPaintEvent* e) override
    {
        if (!OnPaint(this, e, [&] { W::paintEvent(e); })) W::paintEvent(e);
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        // QWidget's own double-click handling passes the double click on as a press: its
        // message was sent already, so only the widget's own behaviour runs.
        if (e->type() == QEvent::MouseButtonDblClick || !OnMouse(e, [&] { W::mousePressEvent(e); }))
            W::mousePressEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (!OnMouse(e, [&] { W::mouseReleaseEvent(e); })) W::mouseReleaseEvent(e);
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        if (!OnMouse(e, [&] { W::mouseDoubleClickEvent(e); })) W::mouseDoubleClickEvent(e);
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        if (!OnMouse(e, [&] { W::mouseMoveEvent(e); })) W::mouseMoveEvent(e);
    }
    void wheelEvent(QWheelEvent* e) override
    {
        if (!OnWheel(e, [&] { W::wheelEvent(e); })) W::wheelEvent(e);
    }
    void enterEvent(QEnterEvent* e) override
    {
        W::enterEvent(e);
        OnCrossing(true);
    }
    void leaveEvent(QEvent* e) override
    {
        W::leaveEvent(e);
        OnCrossing(false);
    }
    void focusInEvent(QFocusEvent* e) override
    {
        if (!OnFocusIn(e, [&] { W::focusInEvent(e); })) W::focusInEvent(e);
    }
    void resizeEvent(QResizeEvent* e) override
    {
        W::resizeEvent(e);
        OnResize(this);
    }
    void moveEvent(QMoveEvent* e) override
    {
        W::moveEvent(e);
        OnMove(this);
    }
    void closeEvent(QCloseEvent* e) override
    {
        if (!OnClose(e)) W::closeEvent(e);
    }
};

// Sends `msg` to the control with the Qt event's own handling waiting in DefaultHandler,
// which runs it when no handler consumed the message.
LRESULT PerformWithNative(TControl* control, UINT msg, WPARAM wParam, LPARAM lParam, const std::function<void()>& native);

// A scroll bar that reports the user's actions as scroll codes with the position (SB_LINEDOWN
// ..., SB_THUMBTRACK, SB_ENDSCROLL) and never moves by itself: its owner sets the position.
void ConnectScrollMessages(QScrollBar* bar, const std::function<void(Word code, int pos)>& send);

// Qt key codes and virtual key codes.
Word VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);
int QtKeyOf(Word virtualKey);
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);
Qt::KeyboardModifiers QtModifiersOf(TShiftState shift);
// The buttons held in a shift state, and the Qt button of a mouse button.
Qt::MouseButtons QtButtonsOf(TShiftState shift);
Qt::MouseButton QtButtonOf(TMouseButton button);
// The character a key types on a US keyboard (0 for none), and the key that types a
// character there (adding Shift where it needs it; VK_PACKET for a character of no key).
char32_t CharOfKey(Word key, TShiftState shift);
Word KeyOfChar(char32_t ch, TShiftState& shift);
// Each character of the text as the key stroke that types it.
void StrokesOfText(const std::string& text, const std::function<void(Word key, TShiftState shift, char32_t ch)>& stroke);

// Moves the keyboard focus (our model and Qt's) and sends WM_KILLFOCUS / WM_SETFOCUS.
void SetKeyboardFocus(TWinControl* control);

// The cursor shape of a TCursor.
QCursor QtCursorOf(TCursor cursor);

// The default of a native window for key, character and dialog-code messages: keys and
// characters reach the widget's own handling as Qt key events, and WM_GETDLGCODE answers
// `dialogCode`. True when the message was one of these.
bool NativeKeyDefault(TControlPrivate& d, TMessage& m, LRESULT dialogCode);
