#include <gtest/gtest.h>

#include "platform/ui/CategoryPanels.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace {
// A group 300 pixels high holding three panels, made in the order C, A, B with tops that
// put A first.
class TPanelsForm : public TForm {
public:
    explicit TPanelsForm(TComponent* owner) : TForm(owner)
    {
        SetClientSize(200, 300);
        Group = new TCategoryPanelGroup(this);
        Group->SetParent(this);
        Group->SetAlign(alClient);
        Group->SetGradientBaseColor(clRed);
        Group->SetGradientColor(clRed);
        C = Add_Panel(200, 120);
        A = Add_Panel(0, 100);
        B = Add_Panel(100, 80);
    }
    TCategoryPanel* Add_Panel(int top, int height)
    {
        auto* panel = new TCategoryPanel(this);
        panel->SetPanelGroup(Group);
        panel->SetBounds(0, top, 10, height);
        return panel;
    }
    TCategoryPanelGroup* Group;
    TCategoryPanel *A, *B, *C;
};

class CategoryPanels : public testing::Test {
protected:
    CategoryPanels() { Application->CreateForm(form); }
    ~CategoryPanels() override { delete form; }

    std::vector<int> Tops() const
    {
        std::vector<int> tops;
        for (const TCategoryPanel* panel : {form->A, form->B, form->C})
            tops.push_back(panel->Top());
        return tops;
    }

    TPanelsForm* form;
};
} // namespace

TEST_F(CategoryPanels, StackThePanelsInTheOrderOfTheirTops)
{
    EXPECT_EQ(form->Group->Panels(), (std::vector<TCategoryPanel*>{form->A, form->B, form->C}));
    EXPECT_EQ(Tops(), (std::vector<int>{0, 100, 180}));
    EXPECT_EQ(form->A->Width(), form->Group->ClientWidth());
    EXPECT_EQ(form->A->Surface()->BoundsRect(), Rect(0, 24, form->A->Width(), 100));

    form->B->SetVisible(false);
    EXPECT_EQ(form->C->Top(), 100);
    form->B->SetVisible(true);
    form->A->SetHeight(50);
    EXPECT_EQ(Tops(), (std::vector<int>{0, 50, 130}));
    form->C->SetTop(-1);
    EXPECT_EQ(form->Group->Panels().front(), form->C);
}

TEST_F(CategoryPanels, HeaderClickCollapsesAndExpands)
{
    ClickAt(form->A, 20, 10);
    EXPECT_TRUE(form->A->Collapsed());
    EXPECT_EQ(form->A->Height(), form->Group->HeaderHeight());
    EXPECT_FALSE(form->A->Surface()->Visible());
    EXPECT_EQ(form->B->Top(), 24);

    form->A->SetHeight(140); // kept for the next expansion
    EXPECT_EQ(form->A->Height(), 24);
    ClickAt(form->A, 20, 10);
    EXPECT_FALSE(form->A->Collapsed());
    EXPECT_EQ(form->A->Height(), 140);
    EXPECT_EQ(form->B->Top(), 140);

    ClickAt(form->A, 20, 60); // below the header
    EXPECT_FALSE(form->A->Collapsed());
}

TEST_F(CategoryPanels, ScrollWhileHigherThanTheGroup)
{
    EXPECT_EQ(form->Group->ClientWidth(), form->Group->Width()); // 300 of 300: no bar
    form->C->SetHeight(200);                                     // 380 of 300
    EXPECT_LT(form->Group->ClientWidth(), form->Group->Width());
    EXPECT_EQ(form->A->Width(), form->Group->ClientWidth());

    form->Group->Perform(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(form->Group->ScrollPos(), TCategoryPanelGroup::Scroll_Line);
    EXPECT_EQ(form->A->Top(), -TCategoryPanelGroup::Scroll_Line);
    form->Group->Perform(WM_VSCROLL, (50u << 16) | SB_THUMBTRACK);
    EXPECT_EQ(Tops(), (std::vector<int>{-50, 50, 130}));
    form->Group->Perform(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(form->Group->ScrollPos(), 80); // no further than the last pixel
    EXPECT_EQ(form->Group->GetScrollInfo(SB_VERT).Pos, 80);
    form->Group->Perform(WM_VSCROLL, SB_LINEUP);
    form->Group->Perform(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(form->A->Top(), 0);

    form->Group->Perform(WM_VSCROLL, SB_BOTTOM);
    form->C->SetHeight(50); // everything fits again
    EXPECT_EQ(form->Group->ScrollPos(), 0);
    EXPECT_EQ(form->Group->ClientWidth(), form->Group->Width());
}

TEST_F(CategoryPanels, HeaderShowsTheGradientAndTheCaption)
{
    form->A->SetCaption("Caption");
    TBitmap bitmap(form->A->Width(), form->A->Height());
    form->A->PaintTo(bitmap.Canvas(), 0, 0);
    EXPECT_EQ(bitmap.Canvas()->Pixels(2, 2), clRed);
    bool textDrawn = false;
    for (int x = 6; x < 60; ++x)
        for (int y = 4; y < 20; ++y)
            textDrawn = textDrawn || bitmap.Canvas()->Pixels(x, y) != clRed;
    EXPECT_TRUE(textDrawn);
}
