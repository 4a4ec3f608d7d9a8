#pragma once
#include <cstdint>
#include <memory>

#include "platform/ui/Graphics.h"

enum TWatchShape { wsCircle, wsRect, wsRoundRect };
enum THourMarkStyle { hmsLine, hmsQuartDblLine };
enum TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
enum TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
enum TAMPMFrame { apRect, apRoundRect };
enum TWatchGradient { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };

// The behaviour of an analogue clock: automatic mode shows the local time (shifted by
// TimeOffset minutes) and runs by itself.
class TWatchSettings : public TPersistent {
public:
    bool Auto() const { return FAuto; }
    void SetAuto(bool Value) { Change(FAuto, Value); }
    int TimeOffset() const { return FTimeOffset; }
    void SetTimeOffset(int Value) { Change(FTimeOffset, Value); }
    bool Second() const { return FSecond; }
    void SetSecond(bool Value) { Change(FSecond, Value); }

    TNotifyEvent OnChange;
    void Assign(const TPersistent& Source) override;

private:
    template <typename T> void Change(T& Field, T Value)
    {
        if (Field == Value) return;
        Field = Value;
        if (OnChange) OnChange(this);
    }

    bool FAuto = false;
    int FTimeOffset = 0;
    bool FSecond = true;
};

// The look of an analogue clock. Every writer tells OnChange when it changes a value; the
// fonts and the picture are copied and always tell.
class TWatchAppearance : public TPersistent {
public:
    TWatchAppearance();
    ~TWatchAppearance() override;

    TColor AMPMBorderColor() const { return FAMPMBorderColor; }
    void SetAMPMBorderColor(TColor Value) { Change(FAMPMBorderColor, Value); }
    TColor AMPMColor() const { return FAMPMColor; }
    void SetAMPMColor(TColor Value) { Change(FAMPMColor, Value); }
    TAMPMFrame AMPMFrame() const { return FAMPMFrame; }
    void SetAMPMFrame(TAMPMFrame Value) { Change(FAMPMFrame, Value); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { Change(FBorderColor, Value); }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value) { Change(FBorderWidth, Value); }
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value) { Change(FBackgroundColor, Value); }
    TColor BackgroundColorTo() const { return FBackgroundColorTo; }
    void SetBackgroundColorTo(TColor Value) { Change(FBackgroundColorTo, Value); }
    TWatchGradient BackgroundGradient() const { return FBackgroundGradient; }
    void SetBackgroundGradient(TWatchGradient Value) { Change(FBackgroundGradient, Value); }
    TColor CenterPointBorderColor() const { return FCenterPointBorderColor; }
    void SetCenterPointBorderColor(TColor Value) { Change(FCenterPointBorderColor, Value); }
    TColor CenterPointOuterBorderColor() const { return FCenterPointOuterBorderColor; }
    void SetCenterPointOuterBorderColor(TColor Value) { Change(FCenterPointOuterBorderColor, Value); }
    TColor CenterPointColor() const { return FCenterPointColor; }
    void SetCenterPointColor(TColor Value) { Change(FCenterPointColor, Value); }
    uint8_t CenterPointSize() const { return FCenterPointSize; }
    void SetCenterPointSize(uint8_t Value) { Change(FCenterPointSize, Value); }
    TColor HourColor() const { return FHourColor; }
    void SetHourColor(TColor Value) { Change(FHourColor, Value); }
    uint8_t HourMarkLength() const { return FHourMarkLength; }
    void SetHourMarkLength(uint8_t Value) { Change(FHourMarkLength, Value); }
    uint8_t HourMarkWidth() const { return FHourMarkWidth; }
    void SetHourMarkWidth(uint8_t Value) { Change(FHourMarkWidth, Value); }
    THourMarkStyle HourMarkStyle() const { return FHourMarkStyle; }
    void SetHourMarkStyle(THourMarkStyle Value) { Change(FHourMarkStyle, Value); }
    TColor HourPointer() const { return FHourPointer; }
    void SetHourPointer(TColor Value) { Change(FHourPointer, Value); }
    TColor HourPointerShadow() const { return FHourPointerShadow; }
    void SetHourPointerShadow(TColor Value) { Change(FHourPointerShadow, Value); }
    uint8_t HourPointerSize() const { return FHourPointerSize; }
    void SetHourPointerSize(uint8_t Value) { Change(FHourPointerSize, Value); }
    TColor MinuteColor() const { return FMinuteColor; }
    void SetMinuteColor(TColor Value) { Change(FMinuteColor, Value); }
    TColor MinutePointer() const { return FMinutePointer; }
    void SetMinutePointer(TColor Value) { Change(FMinutePointer, Value); }
    TColor MinutePointerShadow() const { return FMinutePointerShadow; }
    void SetMinutePointerShadow(TColor Value) { Change(FMinutePointerShadow, Value); }
    uint8_t MinutePointerSize() const { return FMinutePointerSize; }
    void SetMinutePointerSize(uint8_t Value) { Change(FMinutePointerSize, Value); }
    uint8_t MinuteMarkLength() const { return FMinuteMarkLength; }
    void SetMinuteMarkLength(uint8_t Value) { Change(FMinuteMarkLength, Value); }
    uint8_t MinuteMarkWidth() const { return FMinuteMarkWidth; }
    void SetMinuteMarkWidth(uint8_t Value) { Change(FMinuteMarkWidth, Value); }
    TPointerStyle PointerStyle() const { return FPointerStyle; }
    void SetPointerStyle(TPointerStyle Value) { Change(FPointerStyle, Value); }
    TColor SecondPointer() const { return FSecondPointer; }
    void SetSecondPointer(TColor Value) { Change(FSecondPointer, Value); }
    uint8_t SecondPointerSize() const { return FSecondPointerSize; }
    void SetSecondPointerSize(uint8_t Value) { Change(FSecondPointerSize, Value); }
    TWatchShape Shape() const { return FShape; }
    void SetShape(TWatchShape Value) { Change(FShape, Value); }
    int Size() const { return FSize; }
    void SetSize(int Value) { Change(FSize, Value); }
    TTickMarks TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMarks Value) { Change(FTickMarks, Value); }
    TFont* AMPMFont() const { return FAMPMFont.get(); }
    void SetAMPMFont(const TFont& Value);
    TFont* HourFont() const { return FHourFont.get(); }
    void SetHourFont(const TFont& Value);
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const TPicture& Value);

    // Back to the look of a new clock.
    void SetDefaults();

    TNotifyEvent OnChange;
    void Assign(const TPersistent& Source) override;

private:
    void Changed()
    {
        if (OnChange) OnChange(this);
    }
    template <typename T> void Change(T& Field, T Value)
    {
        if (Field == Value) return;
        Field = Value;
        Changed();
    }

    TColor FAMPMBorderColor = 0x000000;
    TColor FAMPMColor = 0xFFFFFF;
    TAMPMFrame FAMPMFrame = apRect;
    TColor FBorderColor = 0x000000;
    int FBorderWidth = 4;
    TColor FBackgroundColor = 0xFFFFFF;
    TColor FBackgroundColorTo = clNone;
    TWatchGradient FBackgroundGradient = wgVertical;
    TColor FCenterPointBorderColor = clNone;
    TColor FCenterPointOuterBorderColor = clNone;
    TColor FCenterPointColor = 0x000000;
    uint8_t FCenterPointSize = 4;
    TColor FHourColor = 0x000000;
    uint8_t FHourMarkLength = 0;
    uint8_t FHourMarkWidth = 1;
    THourMarkStyle FHourMarkStyle = hmsLine;
    TColor FHourPointer = 0x000000;
    TColor FHourPointerShadow = clBtnShadow;
    uint8_t FHourPointerSize = 4;
    TColor FMinuteColor = 0x808080;
    TColor FMinutePointer = 0x000000;
    TColor FMinutePointerShadow = clBtnShadow;
    uint8_t FMinutePointerSize = 3;
    uint8_t FMinuteMarkLength = 0;
    uint8_t FMinuteMarkWidth = 1;
    TPointerStyle FPointerStyle = psLine;
    TColor FSecondPointer = 0x0000FF;
    uint8_t FSecondPointerSize = 1;
    TWatchShape FShape = wsCircle;
    int FSize = 0;
    TTickMarks FTickMarks = tmAll;
    std::unique_ptr<TFont> FAMPMFont;
    std::unique_ptr<TFont> FHourFont;
    std::unique_ptr<TPicture> FPicture;
};
