#pragma once
#include <memory>

#include "grid/dropdown/ButtonPanel.h"
#include "grid/dropdown/CalculatorEngine.h"
#include "grid/dropdown/ExtDropDown.h"

// A drop-down for one number whose popup is a pocket-calculator keypad. The number is typed
// or computed with the keypad or the keyboard; the edit shows it with Precision decimals
// (2 at first). While the popup is closed, "+", "-", "*", "/", "%", "=" and Enter calculate.
class TExtCalculatorDropdown : public TExtCustomDropDown {
public:
    explicit TExtCalculatorDropdown(TComponent* owner);
    ~TExtCalculatorDropdown() override;

    TButtonAppearance* CalcButtonAppearance() const { return FCalcButtonAppearance.get(); }
    bool ShowThousandSeparator() const { return FShowThousandSeparator; }
    void SetShowThousandSeparator(bool Value);
    long double Value();
    void SetValue(long double Value);
    // The equals operation; the grid calls it for Enter in its calculator cell editor.
    void CalcResult();
    TCustomButtonPanel* ButtonPanel() const { return FExtButtonPanel; }
    const TCalculator& Calculator() const { return *FCalculator; }

    void SetComponentStyle(TSuiteStyle AStyle) override;

protected:
    // Runs before every keypad action and every character the calculator handles.
    virtual void BeforeCalcAction() {}
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void KeyDown(Word& key, TShiftState shift) override;
    void WMChar(TMessage& message) override;

private:
    friend class TCalculatorEditDisplay;
    void ButtonClicked(int Index);
    // The calculator's own keys; true when the character is done with.
    bool CalculatorChar(char32_t Ch, bool PopupOpen);
    bool EditChar(char32_t Ch);

    std::unique_ptr<TButtonAppearance> FCalcButtonAppearance;
    TCustomButtonPanel* FExtButtonPanel = nullptr;
    std::unique_ptr<TCalculatorDisplay> FDisplay;
    std::unique_ptr<TCalculator> FCalculator;
    bool FShowThousandSeparator = false;
};
