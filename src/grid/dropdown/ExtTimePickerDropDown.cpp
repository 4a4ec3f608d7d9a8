#include "grid/dropdown/ExtTimePickerDropDown.h"

#include <algorithm>

#include "grid/control/settings/BarAppearance.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtWatch.h"
#include "grid/dropdown/WatchStyles.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/ExtCtrls.h"

namespace {
std::string Separator() { return std::string(1, FormatSettings().TimeSeparator); }

std::string TwoDigits(int Value)
{
    const std::string Digits = std::to_string(Value);
    return Digits.size() == 1 ? "0" + Digits : Digits;
}

// The first character, and the second when there is one, are digits; empty counts as 0.
bool IsNumericPart(const std::string& Part)
{
    for (size_t I = 0; I < Part.size() && I < 2; ++I)
        if (Part[I] < '0' || Part[I] > '9') return false;
    return true;
}

int PartValue(const std::string& Part) { return Part.empty() ? 0 : StrToIntDef(Part, -1); }
} // namespace

TExtTimePickerDropDown::TExtTimePickerDropDown(TComponent* owner)
    : TExtCustomDropDown(owner), FWatchAppearance(std::make_unique<TWatchAppearance>()),
      FWatchSettings(std::make_unique<TWatchSettings>())
{
    // The base applied its colour style before this object existed.
    TExtTimePickerDropDown::SetComponentStyle(GetComponentStyle());
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    FInternalCall = true;
    SetEditMask(EditMask());
    SetEditText(FormatTime(0, 0, 0));
    FInternalCall = false;
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
}

TExtTimePickerDropDown::~TExtTimePickerDropDown() = default;

std::string TExtTimePickerDropDown::EditMask() const
{
    return "!90" + Separator() + "00" + (FShowSeconds ? Separator() + "00" : std::string()) + ";1; ";
}

std::string TExtTimePickerDropDown::FormatTime(int Hour, int Minute, int Second) const
{
    std::string Text = TwoDigits(Hour) + Separator() + TwoDigits(Minute);
    if (FShowSeconds) Text += Separator() + TwoDigits(Second);
    return Text;
}

void TExtTimePickerDropDown::SetComponentStyle(TSuiteStyle AStyle)
{
    TExtCustomDropDown::SetComponentStyle(AStyle);
    if (FWatchAppearance) ApplyWatchColorStyle(*FWatchAppearance, AStyle);
}

void TExtTimePickerDropDown::SetTime(TDateTime Value)
{
    if (Value == FTime) return;
    FTime = Value;
    const TClockTime P = SplitClockTime(Value);
    FInternalCall = true;
    SetEditText(FormatTime(P.Hour, P.Minute, P.Second));
    FInternalCall = false;
    if (!DroppedDown()) return;
    if (FExtWatch) FExtWatch->SetTime(Value);
    if (ShowTimePicker && FDateTimePicker) FDateTimePicker->SetTime(Value);
}

void TExtTimePickerDropDown::SetShowSeconds(bool Value)
{
    if (Value == FShowSeconds) return;
    FShowSeconds = Value;
    const TDateTime Kept = FTime;
    FInternalCall = true;
    SetEditMask("");
    SetEditText("");
    SetEditMask(EditMask());
    FInternalCall = false;
    // Moved away by a day first, so that the writer writes the text anew.
    FTime = Kept + 1;
    SetTime(Kept);
}

// ---- the popup ----

void TExtTimePickerDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    if (FPanelCtrl) return;
    FPanelCtrl = new TPanel(this);
    FPanelCtrl->SetParent(DropDownForm());
    FPanelCtrl->SetBevelOuter(bvNone);
    FPanelCtrl->SetBevelInner(bvNone);
    FPanelCtrl->SetBorderWidth(0);
    FPanelCtrl->SetBounds(0, 0, 170, 180);
    FExtWatch = new TExtWatch(this);
    FExtWatch->SetParent(FPanelCtrl);
    FExtWatch->SetAlign(alClient);
    SetDropDownControl(FPanelCtrl);
}

void TExtTimePickerDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    FTimeAtOpening = FTime;
    FPanelCtrl->SetBounds(0, 0, 170, 170);
    DropDownForm()->CancelOnDeActivate = false;
    FPanelCtrl->SetColor(DropDownColor());
    FExtWatch->SetAppearance(*FWatchAppearance);
    FExtWatch->SetSettings(*FWatchSettings);
    FExtWatch->SetShowAMPM(ShowWatchAMPM);
    FExtWatch->SetShowNumbers(ShowWatchNumbers);
    FExtWatch->Animation = Animation;
    FExtWatch->SetAnimationFactor(AnimationFactor);
    FExtWatch->OnChange = nullptr;
    if (!FWatchSettings->Auto()) FExtWatch->SetTime(FTime);
    FExtWatch->OnChange = [this](TObject*) { WatchChange(); };
    if (!ShowTimePicker) {
        if (FDateTimePicker) FDateTimePicker->SetVisible(false);
        return;
    }
    if (!FDateTimePicker) {
        FDateTimePicker = new TDateTimePicker(this);
        FDateTimePicker->SetParent(FPanelCtrl);
        FDateTimePicker->SetKind(dtkTime);
    }
    FDateTimePicker->OnChange = nullptr;
    FDateTimePicker->SetAlign(alBottom);
    FDateTimePicker->SetVisible(true);
    FDateTimePicker->SetTime(FTime);
    FDateTimePicker->BringToFront();
    FDateTimePicker->OnChange = [this](TObject*) { TimePickerChange(); };
    FDateTimePicker->SetFormat(FShowSeconds ? "HH:mm:ss" : "HH:mm");
    FPanelCtrl->SetHeight(FDateTimePicker->Height() + 170);
}

void TExtTimePickerDropDown::DoDropUp(bool Cancelled)
{
    const bool WasOpen = DroppedDown();
    TExtCustomDropDown::DoDropUp(Cancelled);
    if (!WasOpen || !FExtWatch) return;
    // A cancelled close brings back the time of the opening, clock and text alike.
    if (Cancelled) {
        SetTime(FTimeAtOpening);
        FExtWatch->SetTime(FTimeAtOpening);
    } else {
        SetTime(FExtWatch->Time());
    }
}

void TExtTimePickerDropDown::AfterDropUp()
{
    TExtCustomDropDown::AfterDropUp();
    if (FExtWatch) SetTime(FExtWatch->Time());
}

void TExtTimePickerDropDown::WatchChange()
{
    if (FDateTimePicker && ShowTimePicker && FDateTimePicker->Time() != FExtWatch->Time()) {
        FDateTimePicker->SetTime(FExtWatch->Time());
        if (OnTimeChange) OnTimeChange(this);
    }
    SetTime(FExtWatch->Time());
}

void TExtTimePickerDropDown::TimePickerChange()
{
    if (FExtWatch && !FWatchSettings->Auto()) FExtWatch->SetTime(FDateTimePicker->Time());
}

// ---- keys and typed text ----

void TExtTimePickerDropDown::KeyDown(Word& key, TShiftState shift)
{
    const Word Pressed = key;
    const bool Alt = shift.Contains(ssAlt);
    if (DroppedDown()) {
        // The clock takes the keys of the open popup; the page and arrow keys stay with it.
        const bool Held = !Alt && (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN);
        if (!Held) TExtCustomDropDown::KeyDown(key, shift);
        if (DroppedDown() && FExtWatch) FExtWatch->WatchKeyDown(Pressed);
        key = 0;
        return;
    }
    TExtCustomDropDown::KeyDown(key, shift);
    if (Alt || shift.Contains(ssCtrl) || (Pressed != VK_UP && Pressed != VK_DOWN)) return;
    StepPart(Pressed);
    key = 0;
}

// Up lowers the part under the caret by one, Down raises it; each part wraps on its own.
void TExtTimePickerDropDown::StepPart(Word Key)
{
    const int Caret = SelStart();
    const std::string Text = ShownText();
    const size_t First = Text.find(FormatSettings().TimeSeparator);
    if (First == std::string::npos) return;
    const size_t Second = Text.find(FormatSettings().TimeSeparator, First + 1);
    const int Delta = Key == VK_DOWN ? 1 : -1;
    TClockTime P = SplitClockTime(FTime);
    int* Part = &P.Minute;
    int Limit = 60;
    if (Caret < static_cast<int>(First) + 1) {
        Part = &P.Hour;
        Limit = 24;
    } else if (FShowSeconds && Second != std::string::npos && Caret > static_cast<int>(Second)) {
        Part = &P.Second;
    }
    const int Value = (*Part + Delta + Limit) % Limit;
    if (Value != *Part) {
        *Part = Value;
        SetTime(EncodeTime(P.Hour, P.Minute, P.Second, P.Millisecond));
        if (OnTimeChange) OnTimeChange(this);
    }
    SetSelStart(Caret);
    SetSelLength(0);
}

void TExtTimePickerDropDown::Change()
{
    TExtCustomDropDown::Change();
    const std::string Text = ShownText();
    const size_t Full = FShowSeconds ? 8 : 5;
    if (Text.empty() || FInternalCall || Trim(Text).size() != Full) return;
    const char Sep = FormatSettings().TimeSeparator;
    const size_t First = Text.find(Sep);
    if (First == std::string::npos) return;
    const size_t Second = Text.find(Sep, First + 1);
    if ((Second != std::string::npos) != FShowSeconds) return;
    std::string Zeroed = Text;
    std::replace(Zeroed.begin(), Zeroed.end(), ' ', '0');
    const std::string HourText = Trim(Zeroed.substr(0, First));
    const std::string MinuteText = Trim(Zeroed.substr(First + 1, FShowSeconds ? Second - First - 1 : std::string::npos));
    const std::string SecondText = FShowSeconds ? Trim(Zeroed.substr(Second + 1)) : std::string();
    if (!IsNumericPart(HourText) || !IsNumericPart(MinuteText) || !IsNumericPart(SecondText)) return;
    const int H = PartValue(HourText), M = PartValue(MinuteText), S = PartValue(SecondText);
    // A time that does not exist is not taken over: the value stays.
    if (H < 0 || H > 23 || M < 0 || M > 59 || S < 0 || S > 59) return;
    FTime = EncodeTime(H, M, S, 0);
    if (FormatTime(H, M, S) != Text && M == 0 && S == 0) {
        FInternalCall = true;
        SetEditText(FormatTime(H, M, S));
        FInternalCall = false;
    }
}
