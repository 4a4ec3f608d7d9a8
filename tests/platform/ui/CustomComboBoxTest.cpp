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

namespace {

// A simple box: the edit along the top and its list under it, always shown.
class SimpleComboBoxTest : public CustomComboBoxTest {
protected:
    SimpleComboBoxTest()
    {
        combo->SetStyle(csSimple);
        combo->SetBounds(10, 10, 150, 120);
        combo->SetColor(clYellow);
        combo->OnClick = [this](TObject*) { ++clicks; };
        combo->OnChange = [this](TObject*) { ++changes; };
    }
    int clicks = 0, changes = 0;
};

TEST_F(SimpleComboBoxTest, ArrowsMoveInTheListAndPutTheItemInTheEdit)
{
    combo->SetFocus();
    PressKey(VK_DOWN);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->Text(), "Alpha");
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    PressKey(VK_UP);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "Beta");
    EXPECT_EQ(clicks, 4);
    EXPECT_EQ(changes, 4);
    PressKey(VK_F4); // there is no list to open
    PressKey(VK_DOWN, {ssAlt});
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(SimpleComboBoxTest, AClickInTheListPicksTheItem)
{
    // Rows of the list: under the edit, as tall as the font's line and a little.
    const int editHeight = 21;
    int y = editHeight + 4;
    while (combo->ItemIndex() != 3 && y < combo->Height() - 2) {
        ClickAt(combo, 20, y);
        y += 4;
    }
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_EQ(combo->Text(), "Gamma");
    EXPECT_EQ(clicks, 4); // each of the four items in turn
    combo->SetStyle(csDropDown);
    combo->SetDroppedDown(true);
    EXPECT_TRUE(combo->DroppedDown()); // the other styles keep their list
    combo->SetDroppedDown(false);
}

TEST_F(SimpleComboBoxTest, TheListIsPaintedUnderTheEdit)
{
    combo->SetItemIndex(2);
    TBitmap shot(combo->Width(), combo->Height());
    combo->PaintTo(shot.Canvas(), 0, 0);
    // The list's background where a drop-down box has its button.
    EXPECT_EQ(shot.Canvas()->Pixels(combo->Width() - 8, combo->Height() - 8), clYellow);
    int ink = 0, marked = 0;
    for (int y = 24; y < combo->Height() - 4; ++y)
        for (int x = 4; x < 60; ++x) {
            const TColor c = shot.Canvas()->Pixels(x, y);
            if (c != clYellow) ++(c == ColorToRGB(clHighlight) ? marked : ink);
        }
    EXPECT_GT(ink, 50);    // the items' text
    EXPECT_GT(marked, 50); // the picked item's row
    combo->SetStyle(csDropDown);
    combo->PaintTo(shot.Canvas(), 0, 0);
    EXPECT_NE(shot.Canvas()->Pixels(combo->Width() - 8, combo->Height() - 8), clYellow);
}

} // namespace
