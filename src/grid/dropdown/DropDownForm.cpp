#include "grid/dropdown/DropDownForm.h"

#include <algorithm>

#include "grid/control/settings/BarAppearance.h"
#include "grid/dropdown/DropDownBars.h"
#include "grid/dropdown/DropDownDrawing.h"
#include "grid/dropdown/ExtDropDown.h"
#include "platform/rtl/Ticks.h"
#include "platform/ui/Capture.h"

TDropDownForm::TDropDownForm(TComponent* owner) : TPopupWindow(owner)
{
    OnCloseUp = [this](TObject*, bool Cancelled) {
        if (FExtDropDown) FExtDropDown->PopupClosed(Cancelled);
    };
}

TRect TDropDownForm::FrameInside() const
{
    const int Border = FExtDropDown ? std::max(FExtDropDown->DropDownBorderWidth(), 0) : 0;
    return InflateRect(TRect{0, 0, Width(), Height()}, -Border, -Border);
}

int TDropDownForm::BarsHeight() const
{
    int Height = 0;
    if (FHeader && FHeader->Visible()) Height += FHeader->Height();
    if (FFooter && FFooter->Visible()) Height += FFooter->Height();
    return Height;
}

namespace {
// Makes the bar on first need, binds it and shows it as its appearance says.
template <class TBar, class TLookOf>
TBar* PrepareBar(TDropDownForm* Form, TBar* Bar, TExtCustomDropDown* DropDown, const TLookOf& Appearance)
{
    if (!Bar && !Appearance.Visible()) return nullptr;
    if (!Bar) {
        Bar = new TBar(Form);
        Bar->SetParent(Form);
        Bar->SetHeight(Appearance.Height);
    }
    Bar->BindDropDown(DropDown);
    Bar->RebuildButtons();
    Bar->SetVisible(Appearance.Visible());
    return Bar;
}
} // namespace

void TDropDownForm::InitializeAndUpdate()
{
    if (!FExtDropDown) return;
    FHeader = PrepareBar(this, FHeader, FExtDropDown, *FExtDropDown->DropDownHeader());
    if (FHeader) {
        FHeader->OnDrawBackGround = FExtDropDown->OnDrawHeader;
        FHeader->OnGetText = FExtDropDown->OnGetHeaderText;
    }
    FFooter = PrepareBar(this, FFooter, FExtDropDown, *FExtDropDown->DropDownFooter());
    if (FFooter) {
        FFooter->OnDrawBackGround = FExtDropDown->OnDrawFooter;
        FFooter->OnGetText = FExtDropDown->OnGetFooterText;
    }
    LayOut();
}

// The bars stand at the top and bottom of the frame's inside; the drop-down places its control
// between them.
void TDropDownForm::LayOut()
{
    const TRect Inside = FrameInside();
    if (FHeader && FHeader->Visible()) FHeader->SetBounds(Inside.Left, Inside.Top, Inside.Width(), FHeader->Height());
    if (FFooter && FFooter->Visible())
        FFooter->SetBounds(Inside.Left, Inside.Bottom - FFooter->Height(), Inside.Width(), FFooter->Height());
}

void TDropDownForm::SizeTo(int Width, int Height)
{
    SetBounds(Left(), Top(), std::max(Width, 80), std::max(Height, 50));
    if (OnSizing) OnSizing(this);
}

void TDropDownForm::Resize()
{
    TPopupWindow::Resize();
    LayOut();
    if (FExtDropDown) FExtDropDown->PlaceControl();
    Invalidate();
}

void TDropDownForm::Paint()
{
    if (!FExtDropDown) return;
    TCanvas* Canvas = this->Canvas();
    const int Border = FExtDropDown->DropDownBorderWidth();
    const TColor Color = FExtDropDown->DropDownColor(), ColorTo = FExtDropDown->DropDownColorTo();
    const TRect Inside = FrameInside();
    if (Color != clNone && ColorTo != clNone) {
        DrawDropDownGradient(Canvas, Color, ColorTo, FExtDropDown->DropDownGradient() == gdHorizontal, Inside, 80);
    } else if (Color != clNone) {
        Canvas->Brush()->SetColor(Color);
        Canvas->FillRect(Inside);
    }
    // The frame lies wholly inside the window, one ring of pixels per unit of width.
    Canvas->Brush()->SetColor(FExtDropDown->DropDownBorderColor());
    for (int Ring = 0; Ring < Border && FExtDropDown->DropDownBorderColor() != clNone; ++Ring)
        Canvas->FrameRect(InflateRect(TRect{0, 0, Width(), Height()}, -Ring, -Ring));
}

// Losing the mouse to the world outside (a press outside, or the capture taken by a window
// that is not inside the popup) closes the drop-down through the edit, so that every close
// takes the same road; while blocked, neither does anything.
void TDropDownForm::WndProc(TMessage& message)
{
    const UINT Msg = message.Msg;
    const bool Press = Msg == WM_LBUTTONDOWN || Msg == WM_RBUTTONDOWN || Msg == WM_MBUTTONDOWN;
    bool Leaves = Press && GetCapture() == this && !ClientRect().Contains(LParamToPoint(message.LParam));
    if (Msg == WM_CAPTURECHANGED) {
        auto* Taker = reinterpret_cast<TControl*>(message.LParam);
        Leaves = !Taker || !ContainsControl(Taker);
    }
    if (!Leaves || !Visible()) {
        TPopupWindow::WndProc(message);
        return;
    }
    if (BlockActivate) return;
    FDeActivateTime = TickCount();
    if (FExtDropDown) FExtDropDown->DoDropUp(CancelOnDeActivate);
    else CloseUp(true);
}
