#include <gtest/gtest.h>

#include <memory>

#include "../Locale.h"
#include "grid/foundation/editors/EsgEditBtn.h"
#include "platform/os/SystemProfile.h"
#include "platform/ui/Input.h"
#include "platform/ui/PopupCommandMenu.h"

namespace {

// A shown form with a plain edit with button and a unit edit; the unit menu answers what
// the test queues and records where it opened.
class EsgEditBtnTest : public ::testing::Test {
protected:
    EsgEditBtnTest()
    {
        Application->CreateForm(form);
        form->Show();
        edit = Add<TEsgEditBtn>(10);
        unitEdit = Add<TEsgUnitEditBtn>(50);
        TStringList units;
        units.Add("m");
        units.Add("mm");
        unitEdit->SetUnits(&units);
        edit->OnClickBtn = [this](TObject* sender) { clicks.push_back(sender); };
        unitEdit->OnClickBtn = edit->OnClickBtn;
        unitEdit->OnUnitChanged = [this](TObject*, const std::string& unit) { unitChanges.push_back(unit); };
        SetPopupMenuTracker([this](const TPopupCommandMenu& menu, TPoint at) {
            menus.push_back(menu.Items());
            menuPoint = at;
            return pick;
        });
    }
    ~EsgEditBtnTest() override
    {
        SetPopupMenuTracker(nullptr);
        delete form;
    }
    template <class T> T* Add(int top)
    {
        T* control = new T(form);
        control->SetParent(form);
        control->SetBounds(20, top, 120, 22);
        return control;
    }

    TForm* form = nullptr;
    TEsgEditBtn* edit = nullptr;
    TEsgUnitEditBtn* unitEdit = nullptr;
    std::vector<TObject*> clicks;
    std::vector<std::string> unitChanges;
    std::vector<std::vector<TPopupCommandMenu::TItem>> menus;
    TPoint menuPoint;
    int pick = 0;
};

struct SplitCase {
    const char* value;
    const char* text;
    const char* unit;
};

class TextAndUnitTable : public EsgEditBtnTest, public testing::WithParamInterface<TestLocale> {};

TEST_P(TextAndUnitTable, SplitsOffTheFirstUnitTheTextEndsWith)
{
    LocaleScope locale(GetParam());
    const SplitCase cases[] = {
        {"5mm", "5", "mm"},         {"12m", "12", "m"},
        {"1{d}5mm", "1{d}5", "mm"}, {"5kg", "0", ""},  // no unit: nothing changes
        {"mm", "", "mm"},           {"3m5m", "0", ""}, // "m" stands earlier too and "mm" nowhere: unchanged
        {"2µm", "2µ", "m"},         {"7 m", "7 ", "m"},
    };
    for (const SplitCase& c : cases) {
        unitEdit->SetText("0");
        unitEdit->SetUnitID("");
        unitEdit->SetTextAndUnit(InLocale(c.value));
        EXPECT_EQ(unitEdit->Text(), InLocale(c.text)) << c.value;
        EXPECT_EQ(unitEdit->UnitID(), c.unit) << c.value;
        EXPECT_EQ(unitEdit->TextAndUnit(), InLocale(c.text) + c.unit);
    }
    EXPECT_TRUE(unitChanges.empty());
}

INSTANTIATE_TEST_SUITE_P(Locales, TextAndUnitTable, testing::Values(kEnglish, kGerman),
                         [](const testing::TestParamInfo<TestLocale>& info) {
                             return std::string(info.param.Name);
                         });

TEST_F(EsgEditBtnTest, TheUnitMenuOffersTheUnitsAndReportsOnlyAChange)
{
    unitEdit->SetUnitID("mm"); // by program: no event
    pick = 2;
    unitEdit->ButtonClick(unitEdit->Button());
    ASSERT_EQ(menus.size(), 1u);
    ASSERT_EQ(menus[0].size(), 2u);
    EXPECT_EQ(menus[0][0].Id, 1);
    EXPECT_EQ(menus[0][1].Caption, "mm");
    EXPECT_EQ(menuPoint, unitEdit->ClientToScreen(Point(120 - 2 - 15, 22 - 2)));
    EXPECT_EQ(clicks, std::vector<TObject*>{unitEdit}); // the edit, whoever pressed
    EXPECT_TRUE(unitChanges.empty());
    pick = 1;
    unitEdit->ButtonClick(unitEdit->Button());
    EXPECT_EQ(unitEdit->UnitID(), "m");
    EXPECT_EQ(unitChanges, std::vector<std::string>{"m"});
    // A change notification of the edit is no command; unknown identifiers do nothing.
    unitEdit->Perform(WM_COMMAND, (static_cast<WPARAM>(EN_CHANGE) << 16) | 2);
    unitEdit->Perform(WM_COMMAND, 3);
    pick = 0;
    unitEdit->ButtonClick(unitEdit->Button());
    EXPECT_EQ(unitEdit->UnitID(), "m");
    EXPECT_EQ(unitChanges.size(), 1u);
}

TEST_F(EsgEditBtnTest, F4RaisesTheButtonUnlessCtrlOrAltIsHeld)
{
    const std::pair<TShiftState, bool> cases[] = {
        {{}, true}, {{ssShift}, true}, {{ssCtrl}, false}, {{ssAlt}, false}, {{ssCtrl, ssAlt}, false}};
    edit->SetFocus();
    for (const auto& [shift, raises] : cases) {
        clicks.clear();
        PressKey(VK_F4, shift);
        EXPECT_EQ(clicks, raises ? std::vector<TObject*>{edit} : std::vector<TObject*>{});
    }
}

TEST_F(EsgEditBtnTest, WithoutTheEditorOnlyTheButtonActs)
{
    TEdit* source = new TEdit(form);
    source->SetParent(form);
    source->SetText("99");
    source->SelectAll();
    source->CopyToClipboard();

    edit->SetEditorEnabled(false);
    edit->SetFocus();
    edit->SetSelStart(1);
    TypeText("12");
    PressKey(VK_BACK);
    PressKey(VK_DELETE);
    PressKey('V', {ssCtrl});
    edit->PasteFromClipboard();
    edit->SelectAll();
    edit->CutToClipboard();
    EXPECT_EQ(edit->Text(), "0");
    ClickAt(edit->Button()->Button(), 5, 5);
    EXPECT_EQ(clicks, std::vector<TObject*>{edit->Button()});
    EXPECT_TRUE(edit->Focused());

    edit->SetEditorEnabled(true);
    edit->SetReadOnly(true);
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->Text(), "0");
    edit->SetReadOnly(false);
    edit->SelectAll();
    PressKey('V', {ssCtrl});
    EXPECT_EQ(edit->Text(), "99");
    TypeText("5");
    EXPECT_EQ(edit->Text(), "995");
}

TEST_F(EsgEditBtnTest, AButtonClickGivesTheFocusBackToTheEdit)
{
    TEdit* other = new TEdit(form);
    other->SetParent(form);
    other->SetFocus();
    ClickAt(edit->Button()->Button(), 3, 3);
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_TRUE(edit->Focused());
    // A press on the button that ends elsewhere still counts as a release of the button.
    edit->Button()->Button()->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    edit->Button()->Button()->Perform(WM_LBUTTONUP, 0, MAKELPARAM(300, 3));
    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(EsgEditBtnTest, NewEditsStartAsTheirKindsWant)
{
    EXPECT_EQ(edit->Text(), "0");
    EXPECT_FALSE(edit->RightAlign());
    EXPECT_EQ(edit->Alignment(), taLeftJustify);
    EXPECT_TRUE(unitEdit->RightAlign());
    EXPECT_EQ(unitEdit->Alignment(), taRightJustify);
    EXPECT_EQ(unitEdit->UnitSpace(), 20);
    EXPECT_EQ(edit->Button()->Width(), 18);
    EXPECT_FALSE(edit->Button()->TabStop());
}

TEST_F(EsgEditBtnTest, TheButtonAndTheTextKeepTheirPlaces)
{
    // The desktop's client area starts inside the 2-pixel frame; ours is the whole window.
    EXPECT_EQ(edit->Button()->BoundsRect(), Bounds(120 - 18 - 5 + 2, 2, 18, 22 - 5));
    EXPECT_EQ(edit->EditRect(), Rect(3, 3, 2 + 116 - (18 + 5), 2 + 18 + 1));
    EXPECT_EQ(unitEdit->EditRect().Right, 2 + 116 - (18 + 20 + 5) - 3);
    edit->SetBorderStyle(bsNone);
    edit->SetButtonWidth(25);
    EXPECT_EQ(edit->Button()->BoundsRect(), Bounds(120 - 25 - 1, 0, 25, 22 - 1));
    EXPECT_EQ(edit->EditRect(), Rect(3, 3, 120 - (25 + 5), 22 + 1));
    const int minimum = edit->MinHeight();
    edit->SetHeight(minimum - 5);
    EXPECT_EQ(edit->Height(), minimum);
}

TEST_F(EsgEditBtnTest, TheUnitStandsBetweenTextAndButton)
{
    unitEdit->Font()->SetColor(clBlack);
    unitEdit->SetText("12");
    auto count = [this] {
        TBitmap shot(unitEdit->Width(), unitEdit->Height());
        unitEdit->PaintTo(shot.Canvas(), 0, 0);
        int dark = 0;
        const int right = 2 + 116 - 18 - 3; // the unit space ends there
        for (int x = right - 20; x < right; ++x)
            for (int y = 4; y < 18; ++y)
                dark += shot.Canvas()->Pixels(x, y) == clBlack;
        return dark;
    };
    EXPECT_EQ(count(), 0);
    unitEdit->SetUnitID("mm");
    EXPECT_GT(count(), 5);
}

struct LookCase {
    const char* name;
    std::function<void(TEsgEditButton&)> setup;
    TPoint probe;
    TColor expected;
};

class SpeedButtonLooks : public EsgEditBtnTest, public testing::WithParamInterface<LookCase> {};

TEST_P(SpeedButtonLooks, PaintsTheButtonInItsLook)
{
    TEsgEditButton* button = edit->Button();
    GetParam().setup(*button);
    button->Button()->Invalidate();
    TBitmap shot(button->Width(), button->Height());
    button->PaintTo(shot.Canvas(), 0, 0);
    EXPECT_EQ(shot.Canvas()->Pixels(GetParam().probe.X, GetParam().probe.Y), ColorToRGB(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Looks, SpeedButtonLooks,
    testing::Values(
        LookCase{"Coloured", [](TEsgEditButton& b) { b.Colors.ButtonColor = clTeal; }, {1, 1}, clTeal},
        LookCase{"ColouredHot",
                 [](TEsgEditButton& b) {
                     b.Colors.ButtonColor = clTeal;
                     b.Colors.ButtonColorHot = clOlive;
                     b.Button()->Perform(CM_MOUSEENTER);
                 },
                 {1, 1},
                 clOlive},
        LookCase{"Flat", [](TEsgEditButton& b) { b.SetFlat(true); }, {0, 0}, clBtnHighlight},
        LookCase{"FlatPressed",
                 [](TEsgEditButton& b) {
                     b.SetFlat(true);
                     b.Button()->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
                 },
                 {0, 0},
                 clBtnShadow},
        LookCase{"Classic", [](TEsgEditButton&) {}, {0, 0}, clBtnHighlight},
        LookCase{"ClassicPressed",
                 [](TEsgEditButton& b) { b.Button()->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2)); },
                 {0, 0},
                 clWindowFrame}),
    [](const testing::TestParamInfo<LookCase>& info) { return std::string(info.param.name); });

TEST_F(EsgEditBtnTest, TheCaptionIsCentredAndMovesWhenPressed)
{
    TEsgEditButton* button = edit->Button();
    button->SetBounds(0, 0, 18, 18);
    button->SetButtonCaption("...");
    button->Button()->SetIsWinXP(true);
    auto darkest = [&] {
        TBitmap shot(18, 18);
        button->PaintTo(shot.Canvas(), 0, 0);
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 18; ++x)
                if (shot.Canvas()->Pixels(x, y) == clBlack) return TPoint{x, y};
        return TPoint{-1, -1};
    };
    const TPoint up = darkest();
    ASSERT_NE(up.X, -1);
    button->Button()->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    const TPoint down = darkest();
    EXPECT_EQ(down.X, up.X + 1);
    EXPECT_EQ(down.Y, up.Y + 1);
}

} // namespace
