#include <gtest/gtest.h>

#include "artefacts/descriptions/UProfinetFileName.h"
#include "platform/rtl/DateUtils.h"
#include "platform/ui/Input.h"
#include "support/FakeDialogs.h"
#include "workspace/ULanguage.h"

namespace {
TEST(GsdmlFileName, JoinsTheUserPartAsTyped)
{
    const std::string date = "-20221027.xml";
    const std::pair<const char*, const char*> cases[] = {
        {"", "GSDML-V2.31-Quorvane-GW30628-20221027.xml"},
        {"   ", "GSDML-V2.31-Quorvane-GW30628-20221027.xml"},
        {"Line1", "GSDML-V2.31-Quorvane-GW30628_Line1-20221027.xml"},
        {"_Line1", "GSDML-V2.31-Quorvane-GW30628_Line1-20221027.xml"},
        {" Line 1 ", "GSDML-V2.31-Quorvane-GW30628_ Line 1 -20221027.xml"},
        {"Straße", "GSDML-V2.31-Quorvane-GW30628_Straße-20221027.xml"},
    };
    for (const auto& [user, expected] : cases)
        EXPECT_EQ(GSDML_File_Name(user, date), expected) << user;
}

class ProfinetFileNameWindow : public ::testing::Test {
protected:
    ProfinetFileNameWindow()
    {
        Load_Default_Texts();
        SetClock([] { return EncodeDate(2024, 1, 5) + EncodeTime(23, 59, 0, 0); });
        form = new TFProfinetFileName(&owner);
        form->AfterConstruction();
    }
    ~ProfinetFileNameWindow() override { SetClock({}); }

    // Shows the window, types the user part, presses the button and returns the modal result.
    TModalResult Show(const std::string& userPart, bool ok)
    {
        dialogs.OnModal([userPart, ok](TCustomForm& shown) {
            auto& w = static_cast<TFProfinetFileName&>(shown);
            w.E_XML_User->SetText(userPart);
            (ok ? w.Btn_OK : w.Btn_Cancel)->Click();
        });
        return form->ShowModal();
    }

    TFakeDialogs dialogs;
    TComponent owner{nullptr};
    TFProfinetFileName* form;
};

TEST_F(ProfinetFileNameWindow, ShowsItsPartsAndTexts)
{
    EXPECT_EQ(form->Caption(), "PROFINET XML File Name");
    EXPECT_EQ(form->L_SW_Desc->Caption(), "Create the PROFINET XML GSD File");
    EXPECT_EQ(form->L_XML_Fix1->Caption(), "GSDML-V2.31-Quorvane-GW30628");
    EXPECT_EQ(form->L_XML_Fix2->Caption(), "-20240105.xml");
    EXPECT_EQ(form->E_XML_User->Hint(), "Insert here the User part of GSDML file");
    EXPECT_EQ(form->Btn_OK->Hint(), "Confirm and save the GSDML File");
    EXPECT_EQ(form->Btn_Cancel->Caption(), "Cancel");
    EXPECT_EQ(form->ClientWidth(), 540);
    EXPECT_EQ(form->ClientHeight(), 205);
}

// Whatever font stands in for Tahoma, the row shows the whole name: no part is hidden behind
// the user's box or cut at the window's edge.
TEST_F(ProfinetFileNameWindow, TheNameRowShowsEveryPart)
{
    const auto right = [](const TControl* c) { return c->Left() + c->Width(); };
    EXPECT_LE(right(form->L_XML_Fix1), form->E_XML_User->Left());
    EXPECT_LE(right(form->E_XML_User), form->L_XML_Fix2->Left());
    EXPECT_LE(right(form->L_XML_Fix2), form->ClientWidth());
    EXPECT_EQ(form->Label4->Left(), form->E_XML_User->Left());
    EXPECT_EQ(form->Label5->Left(), form->L_XML_Fix2->Left());
}

TEST_F(ProfinetFileNameWindow, OkComposesTheNameWithTheStartDate)
{
    // Days later the name still carries the day the program started.
    SetClock([] { return EncodeDate(2024, 1, 9) + EncodeTime(8, 0, 0, 0); });
    EXPECT_EQ(Show("Line1", true), mrOk);
    EXPECT_EQ(form->Name_File_XML, "GSDML-V2.31-Quorvane-GW30628_Line1-20240105.xml");
}

TEST_F(ProfinetFileNameWindow, CancelLeavesTheNameAlone)
{
    EXPECT_EQ(Show("Other", false), mrCancel);
    EXPECT_EQ(form->Name_File_XML, "");
}

// The user's part typed key by key and OK clicked with the mouse, as a user does it.
TEST_F(ProfinetFileNameWindow, TypedNameAndClickedOkComposeTheName)
{
    dialogs.OnModal([](TCustomForm& shown) {
        auto& w = static_cast<TFProfinetFileName&>(shown);
        w.E_XML_User->SetFocus();
        SendText("Hall 2", w.E_XML_User);
        SendKey(VK_BACK, {}, w.E_XML_User);
        SendText("3", w.E_XML_User);
        SendClick(w.Btn_OK, 10, 10);
    });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(form->E_XML_User->Text(), "Hall 3");
    EXPECT_EQ(form->Name_File_XML, "GSDML-V2.31-Quorvane-GW30628_Hall 3-20240105.xml");
}
} // namespace
