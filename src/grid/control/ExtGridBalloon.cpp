#include <algorithm>

#include "grid/control/BalloonWindow.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/BalloonSettings.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"

// The balloon tooltips of the cells: one balloon window while balloons are enabled, shown
// after the pointer has rested over a cell and hidden again after a while.

namespace {
constexpr TPoint kNoBalloonCell{-2, -2};
} // namespace

void TExtStringGrid::BalloonInit()
{
    if (FBalloonWindow) return;
    FBalloonWindow = new TBalloonWindow(this);
    FBalloonTimer = new TTimer(FBalloonWindow);
    FBalloonTimer->SetEnabled(false);
    FBalloonTimer->OnTimer = [this](TObject*) { BalloonTimerTick(); };
    const TBalloonSettings& settings = *Balloon();
    FBalloonWindow->SetColors(settings.BackgroundColor, settings.TextColor);
    if (settings.Transparency != 0) FBalloonWindow->SetAlpha(255 - settings.Transparency);
}

void TExtStringGrid::BalloonDone()
{
    delete FBalloonWindow;
    FBalloonWindow = nullptr;
    FBalloonTimer = nullptr;
    FLastBalloonPos = {-1, -1};
    FBalloonCell = kNoBalloonCell;
}

void TExtStringGrid::BalloonChanged()
{
    if (ComponentState().Contains(csLoading)) return;
    if (Balloon()->Enable())
        BalloonInit();
    else
        BalloonDone();
}

void TExtStringGrid::ShowBalloonAt(TPoint ClientPos)
{
    if (!FBalloonWindow) return;
    const auto balloon = BalloonTextAt(ClientPos);
    if (!balloon || balloon->Text.empty()) {
        FBalloonWindow->Hide();
        return;
    }
    FBalloonWindow->SetContent(balloon->Title, balloon->Text, balloon->Icon);
    FBalloonWindow->ShowAt(ClientToScreen(ClientPos));
}

int TExtStringGrid::BalloonInitialDelay() const
{
    const int delay = Balloon()->InitialDelay;
    return delay == -1 ? Application->HintPause() : delay;
}

int TExtStringGrid::BalloonReshowDelay() const
{
    const int delay = Balloon()->ReshowDelay;
    return delay == -1 ? BalloonInitialDelay() / 5 : delay;
}

int TExtStringGrid::BalloonAutoHideDelay() const
{
    const int delay = Balloon()->AutoHideDelay;
    return delay == -1 ? Application->HintHidePause() : delay;
}

void TExtStringGrid::StartBalloonTimer(int Delay, bool ToShow)
{
    FBalloonTimer->SetEnabled(false);
    FBalloonTimerShows = ToShow;
    FBalloonTimer->SetInterval(static_cast<unsigned>(std::max(Delay, 1)));
    FBalloonTimer->SetEnabled(true);
}

void TExtStringGrid::BalloonTimerTick()
{
    FBalloonTimer->SetEnabled(false);
    if (!FBalloonTimerShows) {
        HideBalloon();
        return;
    }
    FBalloonJustPopped = false;
    ShowBalloonAt(FBalloonPointer);
    if (FBalloonWindow->Visible()) StartBalloonTimer(BalloonAutoHideDelay(), false);
}

void TExtStringGrid::PopBalloon()
{
    HideBalloon();
    FBalloonCell = kNoBalloonCell;
}

void TExtStringGrid::HideBalloon()
{
    if (!FBalloonWindow) return;
    FBalloonJustPopped = FBalloonWindow->Visible() || (FBalloonJustPopped && FBalloonTimer->Enabled());
    FBalloonWindow->Hide();
    FBalloonTimer->SetEnabled(false);
    FLastBalloonPos = {-1, -1};
}

void TExtStringGrid::TrackBalloon(TPoint ClientPos)
{
    if (!FBalloonWindow || !Balloon()->Enable()) return;
    int col = -1, row = -1;
    MouseToCell(ClientPos.X, ClientPos.Y, col, row);
    if (col >= 0 && row >= 0) FindBaseCell(col, row, col, row);
    // Within its cell a balloon neither restarts its delay nor comes back once it went.
    if (TPoint{col, row} == FBalloonCell) return;
    HideBalloon();
    FBalloonCell = {col, row};
    if (col < 0 || row < 0) return;
    FBalloonPointer = ClientPos;
    const int delay = FBalloonJustPopped ? BalloonReshowDelay() : BalloonInitialDelay();
    StartBalloonTimer(delay, true);
}
