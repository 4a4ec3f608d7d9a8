#pragma once
#include <memory>

#include "grid/dropdown/WatchAppearance.h"
#include "grid/dropdown/WatchStyles.h"
#include "platform/rtl/DateUtils.h"
#include "platform/ui/Controls.h"

class TTimer;

// A time of day in its clock parts; the watch and the time picker both step and draw by part.
struct TClockTime {
    int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};
TClockTime SplitClockTime(TDateTime Value);
TDateTime JoinClockTime(const TClockTime& T);

// An analogue clock. A click inside the dial sets the hour, outside it the minute, on the
// AM/PM box the other half of the day; hands move there step by step. In automatic mode it
// shows the local time and refreshes its hands every 100 ms. The dial is drawn once into a
// cache; the hands are drawn over it.
class TExtWatch : public TCustomControl, public ISuiteStyle {
public:
    explicit TExtWatch(TComponent* owner);
    ~TExtWatch() override;

    TWatchAppearance* Appearance() const { return FAppearance.get(); }
    void SetAppearance(const TWatchAppearance& Value) { FAppearance->Assign(Value); }
    TWatchSettings* Settings() const { return FSettings.get(); }
    void SetSettings(const TWatchSettings& Value) { FSettings->Assign(Value); }
    bool Animation = true;
    int AnimationFactor() const { return FAnimationFactor; }
    // At least 1: the remaining distance is divided by it.
    void SetAnimationFactor(int Value) { FAnimationFactor = std::max(Value, 1); }
    TDateTime Time() const { return FTime; }
    void SetTime(TDateTime Value);
    bool ShowAMPM() const { return FShowAMPM; }
    void SetShowAMPM(bool Value);
    bool ShowNumbers() const { return FShowNumbers; }
    void SetShowNumbers(bool Value);
    TWatchStyle Style() const { return FStyle; }
    void SetStyle(TWatchStyle Value);
    bool AM() const { return FAM; }
    bool Animating() const;

    void SetHour(int Value);
    // Raises "Invalid time" for 60 or more.
    void SetMinute(int Value);
    void SetComponentStyle(TSuiteStyle AStyle) override;
    // The keys the time-picker drop-down hands on.
    void WatchKeyDown(Word Key);
    // One step of the hand animation, as the animation timer runs it.
    void AnimationTimerTick();

    TRect GetWatchRect() const;
    TPoint GetCenterPoint() const;
    int GetRadius() const;
    TDateTime GetDisplayTime() const;
    TRect GetAMPMRect() const;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void Resize() override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void WMGetDlgCode(TMessage& message) override;

private:
    void SetTimeInternal(TDateTime Value);
    void SetAM(bool Value);
    void InternalHour(int Value);
    void InternalMinute(int Value);
    void ChangeDone(bool Reached);
    void PaintWatch();
    void RepaintPointers() { Invalidate(); }
    void RebuildCache();
    void DrawBackground(TCanvas* Canvas);
    void DrawTickMarks(TCanvas* Canvas);
    void DrawNumbers(TCanvas* Canvas);
    void DrawAMPM(TCanvas* Canvas, const char* Label);
    void DrawPointers(TCanvas* Canvas);
    void FlipAMPM(bool ToAM);
    void SettingsChanged();
    bool Quick() const;

    std::unique_ptr<TWatchAppearance> FAppearance;
    std::unique_ptr<TWatchSettings> FSettings;
    TDateTime FTime = 0;
    std::unique_ptr<TBitmap> FBKGCache;
    bool FCacheValid = false;
    TTimer* FWatchTimer = nullptr;
    int FAnimationFactor = 10;
    TTimer* FAnimationTimer = nullptr;
    int FCurrentHourTo = 0;
    int FCurrentMinuteTo = 0;
    int FMinuteFrom = 0;
    bool FHourAnimating = false;
    bool FInternalCall = false;
    bool FAM = true;
    bool FShowAMPM = true;
    bool FShowNumbers = true;
    bool FInternalSet = false;
    TWatchStyle FStyle = wsClassic;
    // While the AM/PM label flips: the strip of both labels and the row the box shows.
    std::unique_ptr<TBitmap> FFlipStrip;
    int FFlipRow = -1;
};
