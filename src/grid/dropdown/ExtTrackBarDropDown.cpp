#include "grid/dropdown/ExtTrackBarDropDown.h"

#include <algorithm>

#include "grid/control/settings/BarAppearance.h"
#include "grid/dropdown/DropDownForm.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/ComCtrls.h"

TExtTrackBarDropDown::TExtTrackBarDropDown(TComponent* owner) : TExtCustomDropDown(owner)
{
    FTrackBar = new TTrackBar(this);
    FTrackBar->SetBounds(0, 0, Width(), 40);
    FTrackBar->SetMin(FMin);
    FTrackBar->SetMax(FMax);
    FTrackBar->SetPageSize(FPageSize);
    FTrackBar->SetFrequency(FFrequency);
    FTrackBar->OnChange = [this](TObject*) { TrackChanged(); };
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetInputType(etNumeric);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
}

void TExtTrackBarDropDown::SetMin(int Value)
{
    FMin = Value;
    FTrackBar->SetMin(Value);
    FMin = FTrackBar->Min(); // the track bar may correct it
}

void TExtTrackBarDropDown::SetMax(int Value)
{
    FMax = Value;
    FTrackBar->SetMax(Value);
    FMax = FTrackBar->Max();
}

void TExtTrackBarDropDown::SetPosition(int Value)
{
    FPosition = Value;
    FTrackBar->SetPosition(Value);
    FPosition = FTrackBar->Position();
    // The track bar reports nothing while the form is still being made.
    if (Text() != IntToStr(FPosition)) SetEditText(IntToStr(FPosition));
}

void TExtTrackBarDropDown::SetFrequency(int Value)
{
    FFrequency = Value;
    FTrackBar->SetFrequency(Value);
}

void TExtTrackBarDropDown::SetPageSize(int Value)
{
    FPageSize = std::max(Value, 1);
    FTrackBar->SetPageSize(FPageSize);
}

void TExtTrackBarDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    FTrackBar->SetParent(DropDownForm());
}

void TExtTrackBarDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    // A click outside keeps the new position.
    DropDownForm()->CancelOnDeActivate = false;
    FTrackBar->SetMin(FMin);
    FTrackBar->SetMax(FMax);
    FTrackBar->SetPosition(FPosition);
    FTrackBar->SetPageSize(FPageSize);
    FTrackBar->SetFrequency(FFrequency);
    FTrackBar->SetBounds(0, 0, Width(), 40);
    SetDropDownControl(FTrackBar);
}

void TExtTrackBarDropDown::TrackChanged()
{
    FPosition = FTrackBar->Position();
    SetEditText(IntToStr(FPosition));
    if (OnTrackChange) OnTrackChange(this);
}

void TExtTrackBarDropDown::Change()
{
    TExtCustomDropDown::Change();
    int Value = 0;
    if (TryStrToInt(Text(), Value)) SetPosition(Value);
}

void TExtTrackBarDropDown::KeyDown(Word& key, TShiftState shift)
{
    const Word Pressed = key;
    TExtCustomDropDown::KeyDown(key, shift);
    if (EditorEnabled() || shift.Contains(ssAlt)) return;
    if (Pressed == VK_UP && FPosition - FFrequency >= FMin) SetPosition(FPosition - FFrequency);
    if (Pressed == VK_DOWN && FPosition + FFrequency <= FMax) SetPosition(FPosition + FFrequency);
}

void TExtTrackBarDropDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TExtCustomDropDown::MouseDown(button, shift, x, y);
    if (!DropDownEnabled() || EditorEnabled()) return;
    FDragging = true;
    FDragX = x;
}

void TExtTrackBarDropDown::MouseMove(TShiftState shift, int x, int y)
{
    TExtCustomDropDown::MouseMove(shift, x, y);
    if (!FDragging) return;
    SetPosition(FPosition + (x - FDragX) / FPageSize);
    FDragX = x;
}

void TExtTrackBarDropDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TExtCustomDropDown::MouseUp(button, shift, x, y);
    FDragging = false;
}
