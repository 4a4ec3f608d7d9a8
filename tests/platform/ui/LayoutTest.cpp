#include <gtest/gtest.h>

#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

namespace {

// A form built the way windows build themselves: components made in the constructor,
// then Loaded through CreateForm.
class TLayoutForm : public TForm {
public:
    explicit TLayoutForm(TComponent* owner) : TForm(owner)
    {
        SetClientSize(300, 200);
        Title = new TPanel(this);
        Title->SetParent(this);
        Title->SetHeight(69);
        Title->SetAlign(alTop);
        Buttons = new TPanel(this);
        Buttons->SetParent(this);
        Buttons->SetHeight(40);
        Buttons->SetAlign(alBottom);
        Client = new TPanel(this);
        Client->SetParent(this);
        Client->SetAlign(alClient);
        Ok = new TButton(Buttons);
        Ok->SetParent(Buttons);
        Ok->SetBounds(180, 6, 110, 28);
        Ok->SetAnchors({akTop, akRight});
        List = new TListBox(this);
        List->SetParent(Client);
        List->SetBounds(16, 10, 200, 50);
        List->SetAnchors({akLeft, akTop, akRight, akBottom});
    }
    TPanel *Title, *Buttons, *Client;
    TButton* Ok;
    TListBox* List;
};

TEST(LayoutTest, AlignedPanelsShareTheClientAreaAndAnchorsFollowResizing)
{
    TLayoutForm* form;
    Application->CreateForm(form);
    EXPECT_EQ(form->Title->BoundsRect(), Rect(0, 0, 300, 69));
    EXPECT_EQ(form->Buttons->BoundsRect(), Rect(0, 160, 300, 200));
    EXPECT_EQ(form->Client->BoundsRect(), Rect(0, 69, 300, 160));
    form->SetClientSize(400, 250);
    EXPECT_EQ(form->Client->BoundsRect(), Rect(0, 69, 400, 210));
    EXPECT_EQ(form->Ok->BoundsRect(), Rect(280, 6, 390, 34));
    EXPECT_EQ(form->List->BoundsRect(), Rect(16, 10, 316, 110));
    form->List->SetVisible(false);
    form->Title->SetVisible(false);
    EXPECT_EQ(form->Client->Top(), 0);
    delete form;
}

TEST(LayoutTest, PanelPaintsItsBevelAndColour)
{
    TForm* form;
    Application->CreateForm(form);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 20, 10);
    panel->SetParentBackground(false);
    panel->SetColor(RGB(248, 247, 237));
    TBitmap bitmap(20, 10);
    panel->PaintTo(bitmap.Canvas(), 0, 0);
    TCanvas* c = bitmap.Canvas();
    EXPECT_EQ(c->Pixels(0, 0), clWhite);           // raised: light top-left
    EXPECT_EQ(c->Pixels(18, 0), clWhite);
    EXPECT_EQ(c->Pixels(19, 0), RGB(128, 128, 128));  // dark right and bottom
    EXPECT_EQ(c->Pixels(0, 9), RGB(128, 128, 128));
    EXPECT_EQ(c->Pixels(5, 5), RGB(248, 247, 237));
    delete form;
}

TEST(LayoutTest, ShapeOfOnePixelHeightIsALine)
{
    TForm* form;
    Application->CreateForm(form);
    form->SetColor(clWhite);
    auto* shape = new TShape(form);
    shape->SetParent(form);
    shape->SetBounds(2, 3, 10, 1);
    shape->Pen()->SetColor(clSilver);
    auto* frame = new TShape(form);
    frame->SetParent(form);
    frame->SetBounds(2, 6, 6, 4);
    frame->Brush()->SetStyle(bsClear);
    frame->Pen()->SetColor(clRed);
    TBitmap bitmap(20, 12);
    form->PaintTo(bitmap.Canvas(), 0, 0);
    TCanvas* c = bitmap.Canvas();
    EXPECT_EQ(c->Pixels(2, 3), clSilver);
    EXPECT_EQ(c->Pixels(11, 3), clSilver);
    EXPECT_EQ(c->Pixels(12, 3), clWhite);
    EXPECT_EQ(c->Pixels(2, 6), clRed);
    EXPECT_EQ(c->Pixels(7, 9), clRed);
    EXPECT_EQ(c->Pixels(4, 8), clWhite);  // a clear brush leaves the inside alone
    delete form;
}

// A custom control paints only what was invalidated; the rest keeps what it showed.
class TStripes : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    TColor color = clRed;
    TRect lastClip;

protected:
    void Paint() override
    {
        lastClip = Canvas()->ClipRect();
        Canvas()->Brush()->SetColor(color);
        Canvas()->FillRect(ClientRect());
    }
};

TEST(LayoutTest, CustomControlsRepaintTheInvalidPartAndShrinkForScrollBars)
{
    TForm* form;
    Application->CreateForm(form);
    auto* stripes = new TStripes(form);
    stripes->SetParent(form);
    stripes->SetBounds(0, 0, 100, 60);
    TBitmap bitmap(100, 60);
    stripes->PaintTo(bitmap.Canvas(), 0, 0);
    EXPECT_EQ(stripes->lastClip, Rect(0, 0, 100, 60));
    stripes->color = clBlue;
    stripes->InvalidateRect(Rect(10, 10, 20, 20));
    form->Show();
    Application->ProcessMessages();
    EXPECT_EQ(stripes->lastClip, Rect(10, 10, 20, 20));
    stripes->InvalidateRect(Rect(30, 30, 40, 40));
    stripes->Update();
    EXPECT_EQ(stripes->lastClip, Rect(30, 30, 40, 40));

    stripes->ShowScrollBar(SB_VERT, true);
    EXPECT_LT(stripes->ClientWidth(), 100);
    EXPECT_EQ(stripes->ClientHeight(), 60);
    stripes->SetScrollInfo(SB_VERT, {0, 99, 10, 500, 0});
    EXPECT_EQ(stripes->GetScrollInfo(SB_VERT).Pos, 90);
    delete form;
}

}  // namespace
