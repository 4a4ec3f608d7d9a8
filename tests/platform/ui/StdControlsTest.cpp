#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/ComCtrls.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"

namespace {

// A shown form to put the controls on.
class StdControlsTest : public ::testing::Test {
protected:
    StdControlsTest()
    {
        Application->CreateForm(form);
        form->Show();
    }
    ~StdControlsTest() override { delete form; }
    template <class T>
    T* Add()
    {
        T* control = new T(form);
        control->SetParent(form);
        return control;
    }
    TForm* form = nullptr;
};

TEST_F(StdControlsTest, CheckBoxClicksWhenItsStateChangesAlsoByCode)
{
    auto* box = Add<TCheckBox>();
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    box->SetChecked(true);
    box->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(box->Checked());
    box->SetFocus();
    PressKey(VK_SPACE);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
    box->SetCaption("&Gateway");
    PressKey('G', {ssAlt});
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 3);
}

TEST_F(StdControlsTest, EditTypingLimitsAndSelectionCountCharacters)
{
    auto* edit = Add<TEdit>();
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    edit->SetFocus();
    edit->SetMaxLength(4);
    TypeText("äöü€x");
    EXPECT_EQ(edit->Text(), "äöü€");
    EXPECT_EQ(changes, 4);
    edit->SetSelStart(1);
    edit->SetSelLength(2);
    EXPECT_EQ(edit->SelText(), "öü");
    EXPECT_EQ(edit->SelStart(), 1);
    EXPECT_EQ(edit->SelLength(), 2);
    edit->SetText("12");
    EXPECT_EQ(changes, 5);  // a text set by the program is a change too
    edit->SetMaxLength(0);
    edit->SetNumbersOnly(true);
    edit->SetSelStart(2);
    TypeText("3a4");
    EXPECT_EQ(edit->Text(), "1234");
    edit->SetReadOnly(true);
    TypeText("5");
    EXPECT_EQ(edit->Text(), "1234");
}

TEST_F(StdControlsTest, ComboBoxItemsSelectionAndEvents)
{
    auto* combo = Add<TComboBox>();
    combo->SetStyle(csDropDownList);
    for (const char* rate : {"10K", "250K", "1000K"}) combo->Items()->Add(rate);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    combo->SetText("250k");
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "250K");
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    combo->SetItemIndex(0);
    EXPECT_EQ(changes, 0);  // only the user's choice is a change
    combo->SetFocus();
    PressKey(VK_DOWN);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(changes, 1);

    auto* editable = Add<TComboBox>();
    editable->Items()->Add("Default");
    int edits = 0;
    editable->OnChange = [&](TObject*) { ++edits; };
    editable->SetFocus();
    TypeText("ab");
    EXPECT_EQ(editable->Text(), "ab");
    EXPECT_EQ(edits, 2);
    EXPECT_EQ(editable->Items()->Count(), 1);
    EXPECT_EQ(editable->Items()->IndexOf("DEFAULT"), 0);
}

TEST_F(StdControlsTest, ListBoxClicksOnTheUsersChoiceOnly)
{
    auto* list = Add<TListBox>();
    TStringList names;
    names.Add("Beta");
    names.Add("alpha");
    list->Items()->Assign(names);
    int clicks = 0;
    list->OnClick = [&](TObject*) { ++clicks; };
    list->SetItemIndex(1);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(clicks, 0);
    list->SetFocus();
    PressKey(VK_UP);
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_EQ(clicks, 1);
    list->SetSorted(true);
    EXPECT_EQ(list->Items()->Strings(0), "alpha");
    EXPECT_THROW(list->Items()->Insert(0, "x"), EListError);
    list->Items()->Clear();
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_THROW(list->Items()->Strings(0), EListError);
}

// OnClick must see the item the user chose, whether the mouse or a key chose it: a handler
// that reads ItemIndex would otherwise act on the previous item.
TEST_F(StdControlsTest, ListBoxOnClickSeesTheChosenItem)
{
    auto* list = Add<TListBox>();
    list->SetBounds(0, 0, 120, 120);
    for (const char* name : {"Alpha", "Beta", "Gamma"})
        list->Items()->Add(name);
    list->SetItemIndex(0);
    std::vector<int> seen;
    list->OnClick = [&](TObject*) { seen.push_back(list->ItemIndex()); };

    const TRect gamma = list->ItemRect(2);
    ASSERT_FALSE(gamma.IsEmpty());
    SendClick(list, gamma.Left + 4, (gamma.Top + gamma.Bottom) / 2);
    ASSERT_EQ(list->ItemIndex(), 2);
    list->SetFocus();
    PressKey(VK_UP);
    EXPECT_EQ(list->ItemIndex(), 1);
    const TRect alpha = list->ItemRect(0);
    SendClick(list, alpha.Left + 4, (alpha.Top + alpha.Bottom) / 2);
    EXPECT_EQ(seen, (std::vector<int>{2, 1, 0}));
    EXPECT_TRUE(list->ItemRect(3).IsEmpty());
}

TEST_F(StdControlsTest, CheckListBoxTellsOnlyTheUsersChecks)
{
    auto* list = Add<TCheckListBox>();
    list->SetBounds(0, 0, 120, 120);
    for (const char* name : {"Alpha", "Beta", "Gamma"})
        list->Items()->Add(name);
    std::vector<std::vector<bool>> seen;
    list->OnClickCheck = [&](TObject*) {
        seen.push_back({list->Checked(0), list->Checked(1), list->Checked(2)});
    };
    EXPECT_FALSE(list->Checked(1)) << "items come with an empty box";
    list->SetChecked(1, true);
    EXPECT_TRUE(list->Checked(1));
    EXPECT_TRUE(seen.empty()) << "a check set by the program is not the user's";
    EXPECT_FALSE(list->Checked(7));

    list->SetFocus();
    list->SetItemIndex(2);
    PressKey(VK_SPACE);
    const TRect alpha = list->ItemRect(0);
    SendClick(list, alpha.Left + 8, (alpha.Top + alpha.Bottom) / 2);
    EXPECT_EQ(seen, (std::vector<std::vector<bool>>{{false, true, true}, {true, true, true}}));
}

TEST_F(StdControlsTest, LabelSizesItselfToItsCaption)
{
    auto* label = Add<TLabel>();
    TBitmap probe(1, 1);
    probe.Canvas()->Font()->Assign(*label->Font());
    label->SetCaption("Step &1");
    EXPECT_EQ(label->Width(), probe.Canvas()->TextWidth("Step 1"));
    EXPECT_EQ(label->Height(), probe.Canvas()->TextHeight("S"));
    label->SetAutoSize(false);
    label->SetWidth(probe.Canvas()->TextWidth("Step") + 2);
    label->SetWordWrap(true);
    label->SetAutoSize(true);
    EXPECT_EQ(label->Height(), 2 * probe.Canvas()->TextHeight("S"));
}

TEST_F(StdControlsTest, PageControlShowsTheActivePageAndItsTabs)
{
    auto* pages = Add<TPageControl>();
    pages->SetBounds(0, 0, 300, 200);
    TTabSheet* sheets[3];
    for (auto*& sheet : sheets) {
        sheet = new TTabSheet(form);
        sheet->SetPageControl(pages);
    }
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    EXPECT_EQ(sheets[2]->PageIndex(), 2);
    sheets[1]->SetTabVisible(false);
    int changes = 0;
    pages->OnChange = [&](TObject*) { ++changes; };
    pages->SetActivePage(sheets[2]);
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(sheets[2]->Visible());
    EXPECT_FALSE(sheets[0]->Visible());
    EXPECT_EQ(sheets[2]->BoundsRect(), pages->DisplayRect());
    pages->SetFocus();
    PressKey(VK_RIGHT);  // the hidden page is passed over
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    EXPECT_EQ(changes, 1);
    delete sheets[0];
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
}

}  // namespace
