#include <gtest/gtest.h>

#include "platform/ui/Forms.h"

namespace {

TEST(MainFormTest, AFreedMainFormIsForgotten)
{
    if (Application->MainForm()) GTEST_SKIP() << "another test keeps a main form";
    TForm* form = nullptr;
    Application->CreateForm(form);
    EXPECT_EQ(Application->MainForm(), form);
    delete form;
    EXPECT_EQ(Application->MainForm(), nullptr);
    TForm* next = nullptr;
    Application->CreateForm(next);
    EXPECT_EQ(Application->MainForm(), next);
    delete next;
}

} // namespace
