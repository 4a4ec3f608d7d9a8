#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "grid/foundation/editors/EsgSpinEdit.h"
#include "grid/foundation/editors/ExtCheckBox.h"
#include "platform/ui/Beep.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"

namespace {

// Makes the control under test on the form, with Enter as Tab on or off.
using TMakeControl = std::function<TWinControl*(TForm* form, bool returnIsTab)>;

struct ReturnCase {
    const char* Name;
    TMakeControl Make;
    bool ReturnIsTab;
    bool FocusMoves;
};

void PrintTo(const ReturnCase& c, std::ostream* os) { *os << c.Name; }

TWinControl* MakeCheckBox(TForm* form, bool returnIsTab)
{
    auto* box = new TExtCheckBox(form);
    box->ReturnIsTab = returnIsTab;
    return box;
}

TWinControl* MakeSpinEdit(TForm* form, bool returnIsTab)
{
    auto* edit = new TEsgSpinEdit(form);
    edit->SetReturnIsTab(returnIsTab);
    return edit;
}

class ReturnIsTab : public testing::TestWithParam<ReturnCase> {
protected:
    ReturnIsTab()
    {
        SetBeeper([] {});
        Application->CreateForm(form);
        form->SetClientSize(200, 100);
        form->Show();
    }
    ~ReturnIsTab() override
    {
        delete form;
        SetBeeper({});
    }
    TForm* form = nullptr;
};

// Enter on the control, then the next turn of the loop: the focus has moved on to the next
// control in Tab order exactly when Enter counts as Tab.
TEST_P(ReturnIsTab, EnterMovesTheFocusToTheNextControl)
{
    TWinControl* control = GetParam().Make(form, GetParam().ReturnIsTab);
    control->SetParent(form);
    control->SetBounds(10, 10, 100, 22);
    auto* next = new TEdit(form);
    next->SetParent(form);
    next->SetBounds(10, 50, 100, 22);
    control->SetFocus();
    PressKey(VK_RETURN);
    Application->ProcessMessages();
    EXPECT_EQ(next->Focused(), GetParam().FocusMoves);
    EXPECT_EQ(control->Focused(), !GetParam().FocusMoves);
}

const ReturnCase kReturnCases[] = {
    {"CheckBox", MakeCheckBox, true, true},
    {"CheckBoxWithoutReturnIsTab", MakeCheckBox, false, false},
    {"SpinEdit", MakeSpinEdit, true, true},
    {"SpinEditWithoutReturnIsTab", MakeSpinEdit, false, false},
};

INSTANTIATE_TEST_SUITE_P(Editors, ReturnIsTab, testing::ValuesIn(kReturnCases),
                         [](const testing::TestParamInfo<ReturnCase>& info) { return info.param.Name; });

} // namespace
