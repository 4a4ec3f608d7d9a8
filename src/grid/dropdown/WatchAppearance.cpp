#include "grid/dropdown/WatchAppearance.h"

namespace {
std::unique_ptr<TFont> NewFont(int Size)
{
    auto Font = std::make_unique<TFont>();
    Font->SetName("Tahoma");
    Font->SetSize(Size);
    return Font;
}
} // namespace

void TWatchSettings::Assign(const TPersistent& Source)
{
    const auto* Other = dynamic_cast<const TWatchSettings*>(&Source);
    if (!Other) {
        TPersistent::Assign(Source);
        return;
    }
    FSecond = Other->FSecond;
    FTimeOffset = Other->FTimeOffset;
    SetAuto(Other->FAuto);
}

TWatchAppearance::TWatchAppearance() : FPicture(std::make_unique<TPicture>()) { SetDefaults(); }

TWatchAppearance::~TWatchAppearance() = default;

void TWatchAppearance::SetDefaults()
{
    FAMPMBorderColor = 0x000000;
    FAMPMColor = 0xFFFFFF;
    FAMPMFrame = apRect;
    FBorderColor = 0x000000;
    FBorderWidth = 4;
    FBackgroundColor = 0xFFFFFF;
    FBackgroundColorTo = clNone;
    FBackgroundGradient = wgVertical;
    FCenterPointBorderColor = clNone;
    FCenterPointOuterBorderColor = clNone;
    FCenterPointColor = 0x000000;
    FCenterPointSize = 4;
    FHourColor = 0x000000;
    FHourMarkLength = 0;
    FHourMarkWidth = 1;
    FHourMarkStyle = hmsLine;
    FHourPointer = 0x000000;
    FHourPointerShadow = clBtnShadow;
    FHourPointerSize = 4;
    FMinuteColor = 0x808080;
    FMinutePointer = 0x000000;
    FMinutePointerShadow = clBtnShadow;
    FMinutePointerSize = 3;
    FMinuteMarkLength = 0;
    FMinuteMarkWidth = 1;
    FPointerStyle = psLine;
    FSecondPointer = 0x0000FF;
    FSecondPointerSize = 1;
    FShape = wsCircle;
    FSize = 0;
    FTickMarks = tmAll;
    FAMPMFont = NewFont(10);
    FHourFont = NewFont(8);
    FPicture->Clear();
}

void TWatchAppearance::SetAMPMFont(const TFont& Value)
{
    FAMPMFont->Assign(Value);
    Changed();
}

void TWatchAppearance::SetHourFont(const TFont& Value)
{
    FHourFont->Assign(Value);
    Changed();
}

void TWatchAppearance::SetPicture(const TPicture& Value)
{
    FPicture->Assign(Value);
    Changed();
}

void TWatchAppearance::Assign(const TPersistent& Source)
{
    const auto* Other = dynamic_cast<const TWatchAppearance*>(&Source);
    if (!Other) {
        TPersistent::Assign(Source);
        return;
    }
    FAMPMBorderColor = Other->FAMPMBorderColor;
    FAMPMColor = Other->FAMPMColor;
    FAMPMFrame = Other->FAMPMFrame;
    FBorderColor = Other->FBorderColor;
    FBorderWidth = Other->FBorderWidth;
    FBackgroundColor = Other->FBackgroundColor;
    FBackgroundColorTo = Other->FBackgroundColorTo;
    FBackgroundGradient = Other->FBackgroundGradient;
    FCenterPointBorderColor = Other->FCenterPointBorderColor;
    FCenterPointColor = Other->FCenterPointColor;
    FCenterPointSize = Other->FCenterPointSize;
    FHourColor = Other->FHourColor;
    FHourMarkLength = Other->FHourMarkLength;
    FHourMarkWidth = Other->FHourMarkWidth;
    FHourPointer = Other->FHourPointer;
    FHourPointerShadow = Other->FHourPointerShadow;
    FHourPointerSize = Other->FHourPointerSize;
    FMinuteColor = Other->FMinuteColor;
    FMinutePointer = Other->FMinutePointer;
    FMinutePointerShadow = Other->FMinutePointerShadow;
    FMinutePointerSize = Other->FMinutePointerSize;
    FMinuteMarkLength = Other->FMinuteMarkLength;
    FMinuteMarkWidth = Other->FMinuteMarkWidth;
    FPointerStyle = Other->FPointerStyle;
    FSecondPointer = Other->FSecondPointer;
    FSecondPointerSize = Other->FSecondPointerSize;
    FShape = Other->FShape;
    FSize = Other->FSize;
    FAMPMFont->Assign(*Other->FAMPMFont);
    FHourFont->Assign(*Other->FHourFont);
    SetPicture(*Other->FPicture);
    SetCenterPointOuterBorderColor(Other->FCenterPointOuterBorderColor);
    SetHourMarkStyle(Other->FHourMarkStyle);
    SetTickMarks(Other->FTickMarks);
}
