#include "grid/control/BalloonWindow.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/BalloonSettings.h"

void TExtStringGrid::BalloonInit()
{
    if (FBalloonWindow) return;
    FBalloonWindow = new TBalloonWindow(this);
    const TBalloonSettings& settings = *Balloon();
    FBalloonWindow->SetColors(settings.BackgroundColor, settings.TextColor);
    if (settings.Transparency != 0) FBalloonWindow->SetAlpha(255 - settings.Transparency);
    // The balloon shows and hides at once: its delays are kept but not timed.
}

void TExtStringGrid::BalloonDone()
{
    delete FBalloonWindow;
    FBalloonWindow = nullptr;
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
