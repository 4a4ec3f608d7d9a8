#include <gtest/gtest.h>

#include "platform/rtl/DateUtils.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Forms.h"

// Each test of the pair holds in any order: the first leaves the application as untidy as
// a careless test would, and the second finds it as a program starts with it.
namespace {

TEST(CleanApplicationState, ATestMayLeaveFormsAndReplacedServicesBehind)
{
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->Show();
    SetClock([] { return 1.0; });
    FormatSettings().DecimalSeparator = ',';
    EXPECT_EQ(Application->MainForm(), form);
}

TEST(CleanApplicationState, TheNextTestStartsWithoutThem)
{
    EXPECT_EQ(Application->ComponentCount(), 0);
    EXPECT_EQ(Application->MainForm(), nullptr);
    EXPECT_GT(Now(), 40000.0) << "the clock is the system's";
    EXPECT_EQ(FormatSettings().DecimalSeparator, '.');
}

} // namespace
