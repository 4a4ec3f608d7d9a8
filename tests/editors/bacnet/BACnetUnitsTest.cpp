#include <gtest/gtest.h>

#include <set>

#include "editors/bacnet/BACnetUnits.h"
#include "editors/bacnet/UBACnet_Eng_Unit.h"
#include "support/FakeDialogs.h"
#include "workspace/ULanguage.h"

TEST(BACnetUnits, NamesCodesAcrossTheEnumeration)
{
    const std::pair<int, const char*> cases[] = {
        {0, "square-meters"},
        {5, "volts"},
        {19, "kilowatt-hours"},
        {29, "percent-relative-humidity"},
        {56, "pounds-force-per-square-inch"},
        {62, "degrees-Celsius"},
        {66, "degree-days-Fahrenheit"},
        {95, "no-units"},
        {98, "percent"},
        {102, "psi-per-degree-Fahrenheit"},
        {114, "currency10"},
        {128, "joules-per-kilogram-degree-kelvin"},
        {153, "newton"},
        {166, "meters-per-second-per-second"},
        {185, "square-meters-per-Newton"},
        {190, "microsiemens"},
        {199, "decibels"},
        {206, "millimeters-of-water"},
        {207, "per-mille"},
        {225, "gray"},
        {233, "nephelometric-turbidity-unit"},
        {234, "pH"},
        {236, "minutes-per-degree-kelvin"},
        {237, "unknown"},
        {-1, "unknown"},
        {65535, "unknown"},
    };
    for (const auto& [code, name] : cases)
        EXPECT_EQ(TFBACnet_Eng_Unit::Desc_Unit(code), name) << code;
}

TEST(BACnetUnits, EveryCodeStandsInExactlyOneCategory)
{
    const auto& categories = BACnet_Unit_Categories();
    ASSERT_EQ(categories.size(), 23u);
    std::multiset<int> codes;
    for (const TBACnetUnitCategory& category : categories)
        codes.insert(category.Codes.begin(), category.Codes.end());
    EXPECT_EQ(codes.size(), static_cast<size_t>(BACnet_Last_Unit + 1));
    for (int code = 0; code <= BACnet_Last_Unit; ++code)
        EXPECT_EQ(codes.count(code), 1u) << code;
    EXPECT_EQ(categories.back().Codes.back(), 236);
}

class BACnetUnitPicker : public testing::Test {
protected:
    BACnetUnitPicker()
    {
        Load_Default_Texts();
        picker = new TFBACnet_Eng_Unit(&owner);
        picker->AfterConstruction();
    }

    // Shows the picker, lets Act work on it and returns the modal result.
    TModalResult Show(std::function<void(TFBACnet_Eng_Unit&)> Act)
    {
        dialogs.OnModal([Act](TCustomForm& form) { Act(static_cast<TFBACnet_Eng_Unit&>(form)); });
        return picker->ShowModal();
    }

    TFakeDialogs dialogs;
    TComponent owner{nullptr};
    TFBACnet_Eng_Unit* picker;
};

TEST_F(BACnetUnitPicker, TakesTheUnitListedUnderTheChosenCategory)
{
    struct Case {
        const char* Category;
        int Unit; // index in the unit list
        const char* Code;
        const char* Name;
    };
    const Case cases[] = {
        {"Other", 0, "90", "-> degrees-angular"},
        {"Length", 3, "193", "-> kilometers"},
        {"Area", 0, "0", "-> square-meters"},
        {"Other", 58, "236", "-> minutes-per-degree-kelvin"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Show([&](TFBACnet_Eng_Unit& p) {
                      p.CB_Select_Type->SetItemIndex(p.CB_Select_Type->Items()->IndexOf(c.Category));
                      p.CB_Select_TypeSelect();
                      EXPECT_EQ(p.CB_Select_Unit->ItemIndex(), 0);
                      p.CB_Select_Unit->SetItemIndex(c.Unit);
                      p.Btn_Select_Eng_Unit->Click();
                      p.Btn_OK->Click();
                  }),
                  mrOk);
        EXPECT_EQ(picker->E_Selected_EU->Text(), c.Code);
        EXPECT_EQ(picker->Label5->Caption(), c.Name);
    }
}

TEST_F(BACnetUnitPicker, ReturnsTheCallersCodeUntilAUnitIsTaken)
{
    picker->E_Selected_EU->SetText("62");
    EXPECT_EQ(Show([](TFBACnet_Eng_Unit& p) {
                  // The category chosen last time stays; showing lists its units again.
                  EXPECT_EQ(p.CB_Select_Unit->Items()->Count(), 1);
                  p.CB_Select_Unit->SetItemIndex(0);
                  p.Btn_OK->Click();
              }),
              mrOk);
    EXPECT_EQ(picker->E_Selected_EU->Text(), "62");
    EXPECT_EQ(picker->Label5->Caption(), "-> unknown");
    EXPECT_EQ(picker->Caption(), "Select the BACnet Engineering Unit");
    EXPECT_EQ(picker->Btn_Select_Eng_Unit->Caption(), "Select Engineering Unit");
    EXPECT_EQ(picker->CB_Select_Type->Text(), "Acceleration");
}
