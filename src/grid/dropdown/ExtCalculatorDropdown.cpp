#include "grid/dropdown/ExtCalculatorDropdown.h"

#include "grid/control/settings/BarAppearance.h"
#include "grid/control/settings/ButtonAppearance.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/EditNumberText.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"

// The edit's value as the calculator's display. Calculating does not move the value that a
// cancelled close restores.
class TCalculatorEditDisplay : public TCalculatorDisplay {
public:
    explicit TCalculatorEditDisplay(TExtCalculatorDropdown& Edit) : FEdit(Edit) {}
    std::string Text() const override { return FEdit.Text(); }
    void SetText(const std::string& Value) override { FEdit.ShowValue(Value); }
    void Show(long double Value) override { FEdit.ShowValue(FEdit.Input().FloatValueText(static_cast<double>(Value))); }
    double Number() const override { return FEdit.GetFloatValue(); }
    int MaxLength() const override { return FEdit.MaxLength(); }
    void MarkModified() override { FEdit.SetValueModified(true); }

private:
    TExtCalculatorDropdown& FEdit;
};

namespace {
bool IsDigit(char32_t Ch) { return Ch >= '0' && Ch <= '9'; }
bool IsOperation(char32_t Ch) { return Ch == '*' || Ch == '+' || Ch == '-' || Ch == '/'; }
char32_t DecimalChar() { return static_cast<unsigned char>(FormatSettings().DecimalSeparator); }
} // namespace

TExtCalculatorDropdown::TExtCalculatorDropdown(TComponent* owner)
    : TExtCustomDropDown(owner), FCalcButtonAppearance(std::make_unique<TButtonAppearance>()),
      FDisplay(std::make_unique<TCalculatorEditDisplay>(*this)), FCalculator(std::make_unique<TCalculator>(*FDisplay))
{
    // The base applied its style before this object existed: apply it again for the keypad.
    TExtCalculatorDropdown::SetComponentStyle(GetComponentStyle());
    SetDropDownColor(clWhite);
    SetDropDownWidth(230);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    SetInputType(etFloat);
    SetPrecision(2);
    FExtButtonPanel = new TCustomButtonPanel(this);
    FExtButtonPanel->InDropDown = true;
    FExtButtonPanel->SetHeight(150);
    FExtButtonPanel->CreateDefaultButtons();
    FExtButtonPanel->OnButtonClick = [this](TObject*, int Index) { ButtonClicked(Index); };
}

TExtCalculatorDropdown::~TExtCalculatorDropdown() = default;

void TExtCalculatorDropdown::SetComponentStyle(TSuiteStyle AStyle)
{
    TExtCustomDropDown::SetComponentStyle(AStyle);
    if (!FCalcButtonAppearance) return;
    const TExtButtonAppearance& From = *ButtonAppearance();
    TButtonAppearance& To = *FCalcButtonAppearance;
    To.BorderColor = From.BorderColor();
    To.BorderColorHot = From.BorderColorHot();
    To.BorderColorDown = From.BorderColorDown();
    To.Color = From.Color();
    To.ColorTo = From.ColorTo();
    To.ColorDown = From.ColorDown();
    To.ColorDownTo = From.ColorDownTo();
    To.ColorHot = From.ColorHot();
    To.ColorHotTo = From.ColorHotTo();
    const bool Office2010 = AStyle == tsOffice2010Blue || AStyle == tsOffice2010Silver || AStyle == tsOffice2010Black;
    To.GlowColorDown = Office2010 ? From.ColorHot() : 0xD5C244;
    To.GlowColorHot = Office2010 ? From.ColorHot() : From.ColorDownTo();
}

void TExtCalculatorDropdown::SetShowThousandSeparator(bool Value)
{
    if (Value == FShowThousandSeparator) return;
    FShowThousandSeparator = Value;
    const double Number = GetFloatValue();
    SetInputType(Value ? etMoney : etFloat);
    SetFloatValue(Number);
}

long double TExtCalculatorDropdown::Value()
{
    if (Text().empty()) SetText("0");
    double Number = 0;
    return TryStrToFloat(StripThousandSeparators(Text()), Number) ? Number : 0;
}

void TExtCalculatorDropdown::SetValue(long double Value) { SetText(Format("%g", {static_cast<double>(Value)})); }

void TExtCalculatorDropdown::CalcResult() { FCalculator->Equals(); }

void TExtCalculatorDropdown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    FExtButtonPanel->SetParent(DropDownForm());
    SetDropDownControl(FExtButtonPanel);
}

void TExtCalculatorDropdown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    DropDownForm()->CancelOnDeActivate = false;
    FExtButtonPanel->ButtonAppearance()->Assign(*FCalcButtonAppearance);
    FExtButtonPanel->SetColor(DropDownColor());
    FExtButtonPanel->SetHeight(150);
    FExtButtonPanel->LayoutButtons();
    FCalculator->StartEntry();
}

void TExtCalculatorDropdown::ButtonClicked(int Index)
{
    if (Index < 0 || Index >= FExtButtonPanel->Buttons()->Count()) return;
    BeforeCalcAction();
    FCalculator->Key(FExtButtonPanel->Buttons()->Items(Index)->Tag);
}

void TExtCalculatorDropdown::KeyDown(Word& key, TShiftState shift)
{
    const Word Pressed = key;
    if (DroppedDown() && (key == VK_TAB || key == VK_BACK)) {
        if (key == VK_TAB) {
            HideDropDown(false);
        } else {
            std::u32string Rest = utf8::Decode(Text());
            if (Text() == "Error") Rest.clear();
            if (!Rest.empty()) Rest.pop_back();
            FDisplay->SetText(Rest.empty() ? "0" : utf8::Encode(Rest));
        }
        key = 0;
        return;
    }
    TExtCustomDropDown::KeyDown(key, shift);
    if (Pressed == VK_DELETE && (Text().empty() || Text() == "Error")) FDisplay->SetText("0");
}

// The calculator's own keys, before the edit types anything.
bool TExtCalculatorDropdown::CalculatorChar(char32_t Ch, bool PopupOpen)
{
    if (Ch == 13 || Ch == '=') {
        CalcResult();
        if (PopupOpen && Ch == 13) HideDropDown(false);
    } else if (Ch == '%') {
        FCalculator->Percent();
    } else if (IsOperation(Ch)) {
        FCalculator->Operation(static_cast<char>(Ch));
    } else if (Ch == 'C' || Ch == 'c') {
        if (PopupOpen) FCalculator->Clear();
        else FDisplay->SetText("0");
        FCalculator->SetNewValue(true);
        FCalculator->SetPendingOperation(-1);
    } else {
        return false;
    }
    return true;
}

// Digits, the decimal separator and Backspace as the edit types them; true when done.
bool TExtCalculatorDropdown::EditChar(char32_t Ch)
{
    if (!IsDigit(Ch) && Ch != DecimalChar() && Ch != 8) return true; // nothing else is typed
    const std::string Shown = Text();
    const int ValueStart = static_cast<int>(utf8::Decode(Input().Prefix).size());
    if (IsDigit(Ch) && (Shown == "0" || FCalculator->NewValue())) {
        ShowValue(std::string(1, static_cast<char>(Ch)));
        SetSelStart(ValueStart + 1);
        SetSelLength(0);
        FCalculator->SetNewValue(false);
        return true;
    }
    if (Ch == 8 && utf8::Decode(Shown).size() == 1) {
        ShowValue("0");
        SetSelStart(ValueStart + 1);
        SetSelLength(0);
        return true;
    }
    return Ch == DecimalChar() && Shown.find(FormatSettings().DecimalSeparator) != std::string::npos;
}

void TExtCalculatorDropdown::WMChar(TMessage& message)
{
    const char32_t Ch = static_cast<char32_t>(message.WParam);
    BeforeCalcAction();
    if (CalculatorChar(Ch, DroppedDown())) return;
    if (Ch == 27) {
        TExtCustomDropDown::WMChar(message);
        return;
    }
    if (!EditChar(Ch)) TExtCustomDropDown::WMChar(message);
}
