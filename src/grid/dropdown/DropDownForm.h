#pragma once
#include "platform/ui/Popup.h"

// The width of a popup list's vertical scroll bar, which popup widths make room for.
constexpr int DropDownScrollBarWidth = 17;

class TExtCustomDropDown;
class TExtHeader;
class TExtFooter;

// The popup of a drop-down edit: the drop-down's control between an optional header and
// footer bar, on the popup background inside a frame. A press outside it closes the drop-down
// (cancelled unless CancelOnDeActivate is off), except while BlockActivate is set.
class TDropDownForm : public TPopupWindow {
public:
    explicit TDropDownForm(TComponent* owner);

    TExtCustomDropDown* ExtDropDown() const { return FExtDropDown; }
    void SetExtDropDown(TExtCustomDropDown* Value) { FExtDropDown = Value; }
    bool Shadow = true;
    bool CancelOnDeActivate = true;
    bool BlockActivate = false;
    bool Sizeable = false;
    uint64_t DeActivateTime() const { return FDeActivateTime; }
    TExtHeader* Header() const { return FHeader; }
    TExtFooter* Footer() const { return FFooter; }
    // The inside of the frame, where the bars and the control stand.
    TRect FrameInside() const;
    // The heights of the visible header and footer together.
    int BarsHeight() const;

    // Binds and shows or hides the header and footer from the drop-down's appearances,
    // making a bar the first time its appearance is visible.
    void InitializeAndUpdate();
    // Resizes to the size the user drags to; OnSizing follows.
    void SizeTo(int Width, int Height);

    TNotifyEvent OnSizing;

protected:
    void Paint() override;
    void Resize() override;
    void WndProc(TMessage& message) override;

private:
    void LayOut();

    TExtCustomDropDown* FExtDropDown = nullptr;
    TExtHeader* FHeader = nullptr;
    TExtFooter* FFooter = nullptr;
    uint64_t FDeActivateTime = 0;
};
