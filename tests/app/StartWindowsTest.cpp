#include <gtest/gtest.h>

#include "app/window/UCreate_Windows.h"
#include "app/window/UVantrelFirmWare.h"
#include "editors/ethernetip/UEtherNetIP_Data_Seg.h"
#include "platform/ui/Forms.h"
#include "support/TestFiles.h"
#include "workspace/UNew_Project.h"
#include "workspace/USoftOptions.h"

namespace {

// The program's start-up puts the main window on screen first; the other windows follow,
// in order, before the user can reach them.
TEST(StartWindowsTest, TheMainWindowIsShownBeforeTheOtherWindowsAreMade)
{
    if (Application->MainForm()) GTEST_SKIP() << "another test keeps a main form";
    TempDir exe;
    Start_Windows(exe.Path());
    ASSERT_NE(FVantrelFirmWare, nullptr);
    EXPECT_EQ(Application->MainForm(), FVantrelFirmWare);
    EXPECT_EQ(FNew_Project, nullptr);
    bool othersMadeWhenShown = true;
    FVantrelFirmWare->OnShow = [&](TObject*) { othersMadeWhenShown = FNew_Project != nullptr; };
    Application->ShowMainForm();
    EXPECT_FALSE(othersMadeWhenShown);
    EXPECT_TRUE(FVantrelFirmWare->Visible());
    EXPECT_NE(FNew_Project, nullptr);
    EXPECT_NE(FEtherNetIP_Data_Seg, nullptr);
    // The windows are linked as the plain creation links them.
    EXPECT_TRUE(FSoftOptions->Change_Language);
    FVantrelFirmWare->Hide();
    Free_Windows();
    EXPECT_EQ(Application->MainForm(), nullptr);
}

}  // namespace
