#include "grid/dropdown/ExtMemoDropDown.h"

#include "grid/dropdown/DropDownDrawing.h"
#include "grid/dropdown/DropDownForm.h"

TExtMemoDropDown::TExtMemoDropDown(TComponent* owner) : TExtCustomDropDown(owner)
{
    FMemo = new TMemo(this);
    FMemo->SetBorderStyle(bsNone);
    FMemo->SetBounds(0, 0, Width(), 100);
    FMemo->OnChange = [this](TObject*) {
        if (OnMemoChange) OnMemoChange(this);
    };
}

namespace {
// The lines as the memo shows them: no line break after the last one.
std::string MemoLines(const TStringList& Lines)
{
    std::string Text = Lines.Text();
    if (Text.size() >= 2) Text.resize(Text.size() - 2);
    return Text;
}
} // namespace

void TExtMemoDropDown::SetMemoText(const TStringList& Value)
{
    FMemoText = Value;
    FMemo->SetText(MemoLines(FMemoText));
    UpdateEditFromMemo();
}

void TExtMemoDropDown::SetMemoReadOnly(bool Value)
{
    FMemoReadOnly = Value;
    if (DroppedDown()) FMemo->SetReadOnly(Value);
}

void TExtMemoDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    FMemo->SetParent(DropDownForm());
    SetDropDownControl(FMemo);
}

void TExtMemoDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    // A click outside keeps the edited text.
    DropDownForm()->CancelOnDeActivate = false;
    FMemo->SetText(MemoLines(FMemoText));
    FMemo->SetMaxLength(MaxLength());
    FMemo->SetScrollBars(FMemoScrollBars);
    FMemo->SetReadOnly(FMemoReadOnly);
}

bool TExtMemoDropDown::ControlTakesKey(Word Key, TShiftState Shift) const
{
    return !Shift.Contains(ssAlt) && Key != VK_ESCAPE && Key != VK_F4;
}

bool TExtMemoDropDown::ControlTakesChar(char32_t Ch, TShiftState Shift) const
{
    return !Shift.Contains(ssAlt) && Ch != 27;
}

void TExtMemoDropDown::DoDropUp(bool Cancelled)
{
    // The focus coming back to the edit must not open the popup again.
    const bool WasAutoDrop = FAutoDrop;
    FAutoDrop = false;
    if (Cancelled) FMemo->SetText(MemoLines(FMemoText));
    TExtCustomDropDown::DoDropUp(Cancelled);
    FAutoDrop = WasAutoDrop;
}

void TExtMemoDropDown::AfterDropUp()
{
    TExtCustomDropDown::AfterDropUp();
    FMemoText.SetText(FMemo->Text());
    UpdateEditFromMemo();
    SetSelStart(0);
    SetSelLength(0);
}

void TExtMemoDropDown::UpdateEditFromMemo()
{
    std::string Shown;
    if (FMemoText.Count() == 0 || EditorEnabled()) {
        Shown = FMemoText.Text();
    } else {
        TBitmap Measure(1, 1);
        TCanvas* Canvas = Measure.Canvas();
        Canvas->Font()->Assign(*Font());
        const std::string First = FMemoText[0];
        const int Room = GetEditRectangle().Width();
        Shown = Canvas->TextWidth(First) < Room && FMemoText.Count() > 1 ? First + "..." : TruncateText(Canvas, First, Room, true);
    }
    FUpdating = true;
    SetEditText(Shown);
    FUpdating = false;
    // Otherwise a cancelled close would put back an older text, and with it the lines.
    RememberValue();
}

void TExtMemoDropDown::Change()
{
    if (!FUpdating) FMemoText.SetText(Text());
    TExtCustomDropDown::Change();
}

void TExtMemoDropDown::DoEnter()
{
    TExtCustomDropDown::DoEnter();
    if (FAutoDrop) DoDropDown();
}
