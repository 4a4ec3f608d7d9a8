#include "workspace/UAbout.h"

#include "platform/os/Shell.h"
#include "resources/MainGlyphs.h"
#include "workspace/UComon.h"
#include "workspace/UMakerWeb.h"
#include "workspace/UTitledForm.h"

TFAbout* FAbout = nullptr;

namespace {
constexpr TColor About_Text_Color = 3355443;  // dark grey
}

TFAbout::TFAbout(TComponent* owner) : TForm(owner)
{
    SetName("FAbout");
    SetCaption("About...");
    Make_Fixed_Size(*this);
    Apply_Window_Look(*this);
    Font()->SetColor(About_Text_Color);

    Image2 = new TImage(this);
    Image2->SetName("Image2");
    Image2->SetParent(this);
    Image2->SetBounds(32, 24, 81, 81);
    Image2->SetStretch(true);
    Draw_Product_Picture(*Image2->Picture()->Bitmap());
    Image2->SetCursor(crHandPoint);
    Image2->OnClick = [this](TObject* sender) { Label4Click(sender); };

    Label1 = Add_Label("Label1", 128, 24, "Software Vantrel ");
    Label1->SetParentFont(false);
    Label1->Font()->SetName("Verdana");
    Label1->Font()->SetHeight(-13);
    Label1->Font()->SetColor(About_Text_Color);
    Label1->Font()->SetStyle({fsBold});
    Label2 = Add_Label("Label2", 128, 39, "");
    Label6 = Add_Label("Label6", 128, 62, "Software Code : ");
    Label9 = Add_Label("Label9", 240, 62, "");
    Label3 = Add_Label("Label3", 128, 77, "Version :");
    Label10 = Add_Label("Label10", 240, 77, "");
    Label8 = Add_Label("Label8", 128, 93, "Document Code :");
    Label12 = Add_Label("Label12", 240, 93, "");

    Label4 = Add_Label("Label4", 316, 131, Maker_Web_Address);
    Label4->SetParentFont(false);
    Label4->Font()->SetName("Verdana");
    Label4->Font()->SetHeight(-11);
    Label4->Font()->SetColor(clBlue);
    Label4->Font()->SetStyle({fsUnderline});
    Label4->SetCursor(crHandPoint);
    Label4->OnClick = [this](TObject* sender) { Label4Click(sender); };

    LbButton1 = new TLbButton(this);
    LbButton1->SetName("LbButton1");
    LbButton1->SetParent(this);
    LbButton1->SetBounds(32, 115, 81, 22);
    LbButton1->SetCaption("OK");
    LbButton1->SetStyle(bsEncarta);
    LbButton1->SetColor(Window_Color);
    LbButton1->SetLightColor(clGray);
    LbButton1->SetModalResult(mrOk);

    SetClientSize(425, 148);
    OnShow = [this](TObject* sender) { FormShow(sender); };
}

TLabel* TFAbout::Add_Label(const std::string& name, int left, int top, const std::string& caption)
{
    auto* label = new TLabel(this);
    label->SetName(name);
    label->SetParent(this);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(caption);
    return label;
}

void TFAbout::FormShow(TObject*)
{
    Label2->SetCaption(SW_Desc_Const);
    Label9->SetCaption("CF30605");
    Label10->SetCaption("1.002");
    Label12->SetCaption("UG30605");
    SetClientSize(425, 148);
}

void TFAbout::Label4Click(TObject*) { ShellOpen(Maker_Home_Page()); }
