#include "editors/bacnet/UBACnet_Eng_Unit.h"

#include "editors/bacnet/BACnetUnits.h"
#include "workspace/ULanguage.h"

TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;

namespace {
TLabel* Add_Label(TFBACnet_Eng_Unit* Form, const std::string& Name, int Left, int Top)
{
    auto* label = Add_Control<TLabel>(Form, Form, Name);
    label->SetLeft(Left);
    label->SetTop(Top);
    return label;
}

TShape* Add_Line(TFBACnet_Eng_Unit* Form, const std::string& Name, int Top)
{
    auto* line = Add_Control<TShape>(Form, Form, Name);
    line->SetBounds(8, Top, 532, 1);
    line->Pen()->SetColor(clGray);
    return line;
}

TComboBox* Add_List(TFBACnet_Eng_Unit* Form, const std::string& Name, int Top, int Width)
{
    auto* list = Add_Control<TComboBox>(Form, Form, Name);
    list->SetStyle(csDropDownList);
    list->SetBounds(140, Top, Width, 21);
    list->SetDropDownCount(20);
    return list;
}
} // namespace

TFBACnet_Eng_Unit::TFBACnet_Eng_Unit(TComponent* owner) : TTitledForm(owner, 1600, 1601)
{
    SetClientWidth(548);
    SetClientHeight(306);
    Label1 = Add_Label(this, "Label1", 16, 82);
    E_Selected_EU = Add_Control<TEdit>(this, this, "E_Selected_EU");
    E_Selected_EU->SetBounds(250, 78, 80, 21);
    Label5 = Add_Label(this, "Label5", 340, 82);
    Label5->SetCaption("-> unknown");
    Shape1 = Add_Line(this, "Shape1", 108);
    Label2 = Add_Label(this, "Label2", 16, 116);
    Label3 = Add_Label(this, "Label3", 16, 144);
    CB_Select_Type = Add_List(this, "CB_Select_Type", 140, 200);
    for (const TBACnetUnitCategory& category : BACnet_Unit_Categories())
        CB_Select_Type->Items()->Add(category.Name);
    CB_Select_Type->SetItemIndex(0);
    CB_Select_Type->OnSelect = [this](TObject*) { CB_Select_TypeSelect(); };
    Label4 = Add_Label(this, "Label4", 16, 172);
    CB_Select_Unit = Add_List(this, "CB_Select_Unit", 168, 300);
    Btn_Select_Eng_Unit = Add_Button(this, "Btn_Select_Eng_Unit", 8, mrNone);
    Btn_Select_Eng_Unit->SetBounds(8, 200, 532, 28);
    Btn_Select_Eng_Unit->OnClick = [this](TObject*) { Btn_Select_Eng_UnitClick(); };
    Shape2 = Add_Line(this, "Shape2", 258);
    P_Button = Add_Button_Panel();
    Btn_OK = Add_Button(P_Button, "Btn_OK", 16, mrOk);
    Btn_Cancel = Add_Button(P_Button, "Btn_Cancel", 134, mrCancel);
}

std::string TFBACnet_Eng_Unit::Desc_Unit(int Num_Unit) { return BACnet_Unit_Name(Num_Unit); }

void TFBACnet_Eng_Unit::Set_Lang()
{
    TTitledForm::Set_Lang();
    Btn_OK->SetCaption(Lang_Table[1602]);
    Btn_Cancel->SetCaption(Lang_Table[1603]);
    Label1->SetCaption(Lang_Table[1604]);
    Label2->SetCaption(Lang_Table[1605]);
    Label3->SetCaption(Lang_Table[1606]);
    Label4->SetCaption(Lang_Table[1607]);
    Btn_Select_Eng_Unit->SetCaption(Lang_Table[1608]);
}

void TFBACnet_Eng_Unit::DoShow()
{
    FormShow();
    TTitledForm::DoShow();
}

void TFBACnet_Eng_Unit::FormShow() { CB_Select_TypeSelect(); }

void TFBACnet_Eng_Unit::CB_Select_TypeSelect()
{
    CB_Select_Unit->Items()->Clear();
    const int category = CB_Select_Type->ItemIndex();
    if (category < 0) return;
    for (const int code : BACnet_Unit_Categories()[static_cast<size_t>(category)].Codes)
        CB_Select_Unit->Items()->Add(Desc_Unit(code));
    CB_Select_Unit->SetItemIndex(0);
}

void TFBACnet_Eng_Unit::Btn_Select_Eng_UnitClick()
{
    const int category = CB_Select_Type->ItemIndex();
    const int unit = CB_Select_Unit->ItemIndex();
    if (category < 0 || unit < 0) return;
    const int code = BACnet_Unit_Categories()[static_cast<size_t>(category)].Codes[static_cast<size_t>(unit)];
    E_Selected_EU->SetText(std::to_string(code));
    Label5->SetCaption("-> " + Desc_Unit(code));
}
