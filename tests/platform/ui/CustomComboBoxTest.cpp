#include <gtest/gtest.h>

#include "platform/rtl/DateUtils.h"
#include "platform/ui/CustomComboBox.h"
#include "platform/ui/Input.h"
#include "platform/ui/MaskEdit.h"
#include "platform/ui/PopupCommandMenu.h"
#include "platform/ui/SpeedButton.h"

namespace {

class CustomComboBoxTest : public ::testing::Test {
  protected:
    CustomComboBoxTest()
    {
        Application->CreateForm(form);
        form->Show();
        combo = new TCustomComboBox(form);
        combo->SetParent(form);
        for (const char* item : {"Alpha", "Beta", "Betamax", "Gamma"})
            combo->Items()->Add(item);
    }
    ~CustomComboBoxTest() override
    {
        SetClock({});
        delete form;
    }
    void At(double seconds)
    {
        SetClock([seconds] { return EncodeDate(2026, 1, 5) + seconds / 86400.0; });
    }
    TForm* form = nullptr;
    TCustomComboBox* combo = nullptr;
};

TEST_F(CustomComboBoxTest, TypingCompletesToTheFirstItemAndSelectsTheRest)
{
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    combo->SetFocus();
    TypeText("b");
    EXPECT_EQ(combo->Text(), "beta");
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->SelStart(), 1);
    EXPECT_EQ(combo->SelLength(), 3);
    TypeText("etam");
    EXPECT_EQ(combo->Text(), "betamax");
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(changes, 2); // "b" and "m" changed the text; "eta" only confirmed it
    TypeText("q");         // no item: plain typing replaces the selected rest
    EXPECT_EQ(combo->Text(), "betamq");
    combo->SetSelStart(1); // typing inside the text never completes
    TypeText("a");
    EXPECT_EQ(combo->Text(), "baetamq");

    combo->SetText("");
    combo->SetAutoComplete(false);
    TypeText("g");
    EXPECT_EQ(combo->Text(), "g");
    EXPECT_EQ(combo->CharAtPoint({0, 5}), 0);
    EXPECT_EQ(combo->CharAtPoint({combo->Width() - 30, 5}), 1);
}

TEST_F(CustomComboBoxTest, AListGathersTypedLettersForHalfASecond)
{
    combo->SetStyle(csDropDownList);
    combo->SetFocus();
    At(0);
    TypeText("b");
    EXPECT_EQ(combo->ItemIndex(), 1);
    At(0.4);
    TypeText("etam");
    EXPECT_EQ(combo->ItemIndex(), 2);
    At(1.0);
    TypeText("g");
    EXPECT_EQ(combo->ItemIndex(), 3);
    At(1.2);
    TypeText("x"); // no item starts with "gx": the selection stays
    EXPECT_EQ(combo->ItemIndex(), 3);
}

TEST_F(CustomComboBoxTest, CharCaseFoldsTypedAndPresentText)
{
    combo->SetText("MixEd");
    combo->SetCharCase(ecLowerCase);
    EXPECT_EQ(combo->Text(), "mixed");
    combo->SetCharCase(ecUpperCase);
    combo->SetAutoComplete(false);
    combo->SetText("");
    combo->SetFocus();
    TypeText("äb");
    EXPECT_EQ(combo->Text(), "ÄB");
    combo->SetMaxLength(3);
    TypeText("cd");
    EXPECT_EQ(combo->Text(), "ÄBC");
}

TEST_F(CustomComboBoxTest, DroppedWidthIsNeverNarrowerThanTheBox)
{
    combo->SetWidth(100);
    EXPECT_EQ(combo->Perform(CB_GETDROPPEDWIDTH), 100);
    combo->Perform(CB_SETDROPPEDWIDTH, 180);
    EXPECT_EQ(combo->Perform(CB_GETDROPPEDWIDTH), 180);
    combo->Perform(CB_SETDROPPEDWIDTH, 60);
    EXPECT_EQ(combo->Perform(CB_GETDROPPEDWIDTH), 100);
}

TEST_F(CustomComboBoxTest, OpeningAndClosingTheListNotify)
{
    std::vector<std::string> events;
    combo->OnDropDown = [&](TObject*) { events.push_back("down"); };
    combo->OnCloseUp = [&](TObject*) { events.push_back("up"); };
    combo->SetDroppedDown(true);
    EXPECT_TRUE(combo->DroppedDown());
    combo->SetDroppedDown(false);
    EXPECT_EQ(events, (std::vector<std::string>{"down", "up"}));
}

TEST_F(CustomComboBoxTest, OwnerDrawingPaintsTheItemsAndThePickedOne)
{
    combo->SetStyle(csOwnerDrawVariable);
    combo->OnMeasureItem = [](TWinControl*, int index, int& height) { height = 10 + index; };
    std::vector<std::pair<int, bool>> drawn;
    combo->OnDrawItem = [&](TWinControl* control, int index, TRect rect, TOwnerDrawState state) {
        drawn.emplace_back(index, state.Contains(odComboBoxEdit));
        TCanvas* canvas = static_cast<TCustomComboBox*>(control)->Canvas();
        canvas->Brush()->SetColor(clRed);
        canvas->FillRect(rect);
    };
    EXPECT_EQ(combo->MeasuredItemHeight(3), 13);
    TBitmap item(30, 12);
    combo->PaintItem(2, item, {odSelected});
    EXPECT_EQ(item.Canvas()->Pixels(5, 5), clRed);
    combo->SetItemIndex(1);
    TBitmap shot(combo->Width(), combo->Height());
    combo->PaintTo(shot.Canvas(), 0, 0);
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.back(), std::make_pair(1, true));
    EXPECT_EQ(shot.Canvas()->Pixels(8, combo->Height() / 2), clRed);
}

TEST(MaskEditTest, MasksTranslateToThePlatformNotation)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"000.000.000.000;1;_", "999.999.999.999;_"},
        {"!99/99/0000;1; ", "00/00/9999; "},
        {">LL-aa\\9;0", ">AA-nn\\9;_"},
        {"CcA#", "XxN#;_"},
    };
    for (const auto& [mask, expected] : cases)
        EXPECT_EQ(PlatformInputMask(mask), expected) << mask;
}

TEST(PopupCommandMenuTest, APickedCommandGoesToTheOwner)
{
    TWinControl owner(nullptr);
    TPoint shownAt;
    SetPopupMenuTracker([&](const TPopupCommandMenu& menu, TPoint at) {
        shownAt = at;
        return menu.Items().at(1).Id;
    });
    TPopupCommandMenu menu;
    menu.Append(1, "m");
    menu.Append(2, "mm");
    EXPECT_EQ(menu.Track({40, 50}, &owner), 2);
    EXPECT_EQ(shownAt, (TPoint{40, 50}));
    SetPopupMenuTracker(nullptr);
}

TEST_F(CustomComboBoxTest, SpeedButtonClicksOnAReleaseOverItAndShowsThePress)
{
    auto* button = new TSpeedButton(form);
    button->SetParent(form);
    int clicks = 0;
    TButtonState stateAtRelease = bsUp;
    button->OnClick = [&](TObject*) { ++clicks; };
    button->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) {
        stateAtRelease = button->State();
    };
    ClickAt(button, 5, 5);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(stateAtRelease, bsDown);
    EXPECT_EQ(button->State(), bsUp);
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(50, 50));
    EXPECT_EQ(clicks, 1);
    button->SetEnabled(false);
    EXPECT_EQ(button->State(), bsDisabled);
}

} // namespace
