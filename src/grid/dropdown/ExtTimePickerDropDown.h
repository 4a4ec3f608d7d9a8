#pragma once
#include <memory>

#include "grid/dropdown/ExtDropDown.h"
#include "grid/dropdown/WatchAppearance.h"
#include "platform/rtl/DateUtils.h"

class TExtWatch;
class TDateTimePicker;
class TPanel;

// A drop-down for a time of day: the edit shows hours, minutes and (optionally) seconds; Up
// and Down change the part under the caret; the popup shows an analogue clock, optionally
// with the platform's time control below it. A cancelled close brings back the time of the
// opening.
class TExtTimePickerDropDown : public TExtCustomDropDown {
public:
    explicit TExtTimePickerDropDown(TComponent* owner);
    ~TExtTimePickerDropDown() override;

    TDateTime Time() const { return FTime; }
    void SetTime(TDateTime Value);
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool Value);
    bool ShowTimePicker = false;
    bool ShowWatchAMPM = true;
    bool ShowWatchNumbers = true;
    bool Animation = true;
    int AnimationFactor = 10;
    TWatchAppearance* WatchAppearance() const { return FWatchAppearance.get(); }
    TWatchSettings* WatchSettings() const { return FWatchSettings.get(); }
    TExtWatch* Watch() const { return FExtWatch; }
    TDateTimePicker* TimeControl() const { return FDateTimePicker; }

    TNotifyEvent OnTimeChange;

    void SetComponentStyle(TSuiteStyle AStyle) override;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoDropUp(bool Cancelled) override;
    void AfterDropUp() override;
    void KeyDown(Word& key, TShiftState shift) override;
    void Change() override;

private:
    std::string FormatTime(int Hour, int Minute, int Second) const;
    std::string EditMask() const;
    void StepPart(Word Key);
    void WatchChange();
    void TimePickerChange();

    std::unique_ptr<TWatchAppearance> FWatchAppearance;
    std::unique_ptr<TWatchSettings> FWatchSettings;
    TPanel* FPanelCtrl = nullptr;
    TExtWatch* FExtWatch = nullptr;
    TDateTimePicker* FDateTimePicker = nullptr;
    TDateTime FTime = 0;
    TDateTime FTimeAtOpening = 0;
    bool FInternalCall = false;
    bool FShowSeconds = true;
};
