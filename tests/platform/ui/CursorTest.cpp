#include <gtest/gtest.h>

#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"

namespace {

// A part of a control shows its own cursor while the control's Cursor stays; setting the
// Cursor again shows that one.
TEST(Cursor, AShownCursorLastsUntilTheNextChangeAndLeavesTheControlsCursor)
{
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    form.Show();
    panel->SetCursor(crCross);
    panel->ShowCursor(crHandPoint);
    EXPECT_EQ(panel->Cursor(), crCross);
    EXPECT_EQ(panel->VisibleCursor(), crHandPoint);
    panel->ShowCursor(panel->Cursor());
    EXPECT_EQ(panel->VisibleCursor(), crCross);
    panel->ShowCursor(crHSplit);
    panel->SetCursor(crDefault);
    EXPECT_EQ(panel->VisibleCursor(), crDefault);
}

} // namespace
