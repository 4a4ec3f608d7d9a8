#pragma once
#include <functional>
#include <string>

#include "platform/ui/FloatingWindow.h"

// Hints: the small window that shows a control's Hint when the mouse rests over it. When
// it is about to show, the control gets CM_HINTSHOW with the hint's information and may
// change the text, its position, colour and window class (a grid gives each cell its own
// hint), or refuse it by setting the message's Result. The hint goes when the mouse leaves
// the information's CursorRect, on a click or a key, after Application->HintHidePause(),
// or at Application->CancelHint().

class THintWindow : public TFloatingWindow {
public:
    explicit THintWindow(TComponent* owner);

    // Shows the text in the screen rectangle, moved inside the screen when it passes an edge.
    virtual void ActivateHint(const TRect& rect, const std::string& hint);
    // The same with the data of the hint information; the plain window ignores the data.
    virtual void ActivateHintData(const TRect& rect, const std::string& hint, void* data);
    // The rectangle at (0, 0) that the text needs, wrapped at maxWidth pixels.
    virtual TRect CalcHintRect(int maxWidth, const std::string& hint, void* data);

protected:
    void Paint() override;
};

template <class T> THintWindowClass HintWindowClassOf()
{
    return [](TComponent* owner) -> THintWindow* { return new T(owner); };
}

struct THintInfo {
    TControl* HintControl = nullptr;
    THintWindowClass HintWindowClass; // empty: the default class
    TPoint HintPos;                   // screen point of the window's top-left corner
    int HintMaxWidth = 0;             // the text wraps at this width
    TColor HintColor = clInfoBk;
    TRect CursorRect;    // in HintControl's client coordinates: the hint goes when the mouse leaves it
    TPoint CursorPos;    // the mouse in HintControl's client coordinates
    int HideTimeout = 0; // milliseconds until the hint goes; -1: it stays
    std::string HintStr;
    void* HintData = nullptr;
};

// LParam points to the THintInfo; a Result other than 0 shows no hint.
constexpr UINT CM_HINTSHOW = CM_BASE + 48;

// The screen rectangle of the monitor nearest to a screen point.
TRect MonitorRectAt(TPoint screenPoint);

// The part of a hint before "|", the part shown in the hint window.
std::string GetShortHint(const std::string& hint);

// Shows the control's hint for the mouse at the client point, as when the mouse rests
// there; false when the control shows no hints (its parent may then show its own).
bool ShowControlHint(TControl* control, TPoint clientPoint);
// The hint window on the screen now, or nullptr.
THintWindow* ShownHintWindow();
