#include "workspace/UTitledForm.h"

#include "workspace/UComon.h"
#include "workspace/ULanguage.h"

TTitledForm::TTitledForm(TComponent* owner, int captionText, int descText)
    : TForm(owner), captionText_(captionText), descText_(descText)
{
    Apply_Window_Look(*this);

    P_Title = new TPanel(this);
    P_Title->SetName("P_Title");
    P_Title->SetParent(this);
    P_Title->SetAlign(alTop);
    P_Title->SetHeight(69);
    P_Title->SetBevelOuter(bvNone);
    P_Title->SetColor(Window_Color);

    L_SW_Code = new TLabel(this);
    L_SW_Code->SetName("L_SW_Code");
    L_SW_Code->SetParent(P_Title);
    L_SW_Code->SetBounds(16, 8, 200, 32);
    L_SW_Code->SetParentFont(false);
    L_SW_Code->Font()->SetName("Verdana");
    L_SW_Code->Font()->SetHeight(-32);
    L_SW_Code->Font()->SetColor(clGray);
    L_SW_Code->SetCaption(SW_Code);

    L_SW_Desc = new TLabel(this);
    L_SW_Desc->SetName("L_SW_Desc");
    L_SW_Desc->SetParent(P_Title);
    L_SW_Desc->SetLeft(16);
    L_SW_Desc->SetTop(42);
    L_SW_Desc->SetParentFont(false);
    L_SW_Desc->Font()->SetName("Verdana");
    L_SW_Desc->Font()->SetHeight(-11);
    L_SW_Desc->Font()->SetColor(clGray);
    L_SW_Desc->Font()->SetStyle({fsBold});
}

void Apply_Window_Look(TCustomForm& form)
{
    form.SetColor(Window_Color);
    form.Font()->SetName("Verdana");
    form.Font()->SetHeight(-11);
    form.SetPosition(poScreenCenter);
}

void Make_Fixed_Size(TCustomForm& form)
{
    form.SetBorderStyle(bsSingle);
    form.SetBorderIcons({biSystemMenu});
}

TPanel* TTitledForm::Add_Button_Panel()
{
    auto* panel = new TPanel(this);
    panel->SetName("P_Button");
    panel->SetParent(this);
    panel->SetAlign(alBottom);
    panel->SetHeight(40);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(Window_Color);
    return panel;
}

TLbButton* TTitledForm::Add_Button(TWinControl* parent, const std::string& name, int left, TModalResult result)
{
    auto* button = new TLbButton(this);
    button->SetName(name);
    button->SetParent(parent);
    button->SetBounds(left, 6, 110, 28);
    button->SetStyle(bsEncarta);
    button->SetColor(Window_Color);
    button->SetLightColor(clGray);
    button->SetColorWhenDown(33023);
    button->SetHotTrackColor(clYellow);
    button->SetShowHint(true);
    button->SetModalResult(result);
    return button;
}

void TTitledForm::Loaded()
{
    TForm::Loaded();
    Set_Lang();
}

void TTitledForm::Set_Lang() { Set_Title_Texts(captionText_, descText_); }

void TTitledForm::Set_Title_Texts(int captionText, int descText)
{
    SetCaption(Lang_Table[captionText]);
    L_SW_Desc->SetCaption(Lang_Table[descText]);
}
