#include <gtest/gtest.h>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtCalculatorDropdown.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace {
class TCalculatorForm : public TForm {
public:
    explicit TCalculatorForm(TComponent* owner) : TForm(owner)
    {
        SetBounds(100, 100, 320, 260);
        Calc = new TExtCalculatorDropdown(this);
        Calc->SetParent(this);
        Calc->SetBounds(10, 10, 150, 21);
        Show();
        Calc->SetFocus();
    }
    TExtCalculatorDropdown* Calc;
};

// Clicks the keypad button with this caption.
void Press(TExtCalculatorDropdown& Calc, const std::string& Caption)
{
    TCustomButtonPanel* Panel = Calc.ButtonPanel();
    for (int I = 0; I < Panel->Buttons()->Count(); ++I) {
        const TButtonItem& Item = *Panel->Buttons()->Items(I);
        if (Item.Caption != Caption) continue;
        SendClick(Panel, (Item.Bounds.Left + Item.Bounds.Right) / 2, (Item.Bounds.Top + Item.Bounds.Bottom) / 2);
        return;
    }
    FAIL() << "no button " << Caption;
}
} // namespace

TEST(CalculatorDropdown, KeypadLayout)
{
    TCustomButtonPanel Panel(nullptr);
    Panel.SetBounds(0, 0, 230, 150);
    Panel.CreateDefaultButtons();
    ASSERT_EQ(Panel.Buttons()->Count(), 28);
    // Area 8..222 x 8..142: buttons 34 x 26.
    const auto At = [&](int Index) { return Panel.Buttons()->Items(Index)->Bounds; };
    EXPECT_EQ(At(0), (TRect{8, 8, 42, 34}));        // the blank button
    EXPECT_EQ(At(11), (TRect{46, 38, 80, 64}));     // "7": after the gap, below the gap
    EXPECT_EQ(At(12).Left, 46 + 33);                // "8" shares its border with "7"
    EXPECT_EQ(At(5).Top, 38 + 25);                  // "MR" one row down, sharing the border
    EXPECT_EQ(At(20).Left, 46 + 33 + 33 + 34 + 4);  // "/" after the second gap
    EXPECT_EQ(At(1), (TRect{46, 8, 46 + 54, 34}));  // "Back": a third of the shared width
    EXPECT_EQ(At(3).Right, At(27).Right);           // "C" reaches the right edge of "sqrt"

    // A panel with fewer buttons places those it has.
    Panel.Buttons()->Delete(27);
    Panel.LayoutButtons();
    EXPECT_EQ(Panel.Buttons()->Items(26)->Bounds.Left, At(20).Left + 33);
    // A custom panel keeps its buttons where they are.
    Panel.Buttons()->Items(0)->Bounds = TRect{1, 2, 3, 4};
    Panel.SetButtonPanelType(plCustom);
    Panel.LayoutButtons();
    EXPECT_EQ(At(0), (TRect{1, 2, 3, 4}));
}

TEST(CalculatorDropdown, KeypadClicksCalculate)
{
    TCalculatorForm Form(nullptr);
    TExtCalculatorDropdown& Calc = *Form.Calc;
    Calc.ShowDropDown();
    ASSERT_TRUE(Calc.DroppedDown());
    for (const char* Key : {"1", "2", "+", "3", "="})
        Press(Calc, Key);
    EXPECT_EQ(Calc.Text(), "15.00");
    EXPECT_TRUE(Calc.GetValueModified());
    SendKey(VK_TAB);
    EXPECT_FALSE(Calc.DroppedDown());
    EXPECT_EQ(Calc.Text(), "15.00");
}

TEST(CalculatorDropdown, EscapeRestoresTheValueFromBeforeTheOpening)
{
    TCalculatorForm Form(nullptr);
    TExtCalculatorDropdown& Calc = *Form.Calc;
    Calc.SetValue(7);
    Calc.ShowDropDown();
    Press(Calc, "9");
    Press(Calc, "*");
    Press(Calc, "2");
    Press(Calc, "=");
    EXPECT_EQ(Calc.Text(), "18.00");
    SendKey(VK_ESCAPE);
    EXPECT_EQ(Calc.Text(), "7.00");
}

TEST(CalculatorDropdown, TypingOperationsInTheClosedEdit)
{
    TCalculatorForm Form(nullptr);
    TExtCalculatorDropdown& Calc = *Form.Calc;
    SendText("12+3=");
    EXPECT_EQ(Calc.Text(), "15.00");
    EXPECT_EQ(Calc.Value(), 15.0L);
    SendText("c");
    EXPECT_EQ(Calc.Text(), "0.00");
    Calc.SetShowThousandSeparator(true);
    Calc.SetValue(1234567);
    EXPECT_EQ(Calc.Text(), "1,234,567.00");
    EXPECT_EQ(Calc.Value(), 1234567.0L);
}
