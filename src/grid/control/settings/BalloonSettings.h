#pragma once
#include <cstdint>

#include "platform/ui/Graphics.h"

// The balloon tooltips of the grid's cells. A delay of -1 keeps the platform's delay.
class TBalloonSettings : public TPersistent {
public:
    int AutoHideDelay = -1;
    TColor BackgroundColor = clNone;
    int InitialDelay = -1;
    int ReshowDelay = -1;
    TColor TextColor = clNone;
    uint8_t Transparency = 0;

    bool Enable() const { return FEnable; }
    void SetEnable(bool Value); // OnEnableChange, changed or not

    TNotifyEvent OnEnableChange;

    // From other balloon settings: all but Transparency, Enable without the event.
    void Assign(const TPersistent& Source) override;

private:
    bool FEnable = false;
};

// The mark of modified cells.
class TShowModified : public TPersistent {
public:
    bool Enabled = false;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value); // OnChange, changed or not

    TNotifyEvent OnChange;

    void Assign(const TPersistent& Source) override;

private:
    TColor FColor = clYellow;
};
