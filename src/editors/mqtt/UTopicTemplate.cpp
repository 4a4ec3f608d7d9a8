#include "editors/mqtt/UTopicTemplate.h"

#include "grid/control/ExtStringGrid.h"
#include "workspace/ULanguage.h"

TFTopicTemplate* FTopicTemplate = nullptr;

TTemplateMemo::TTemplateMemo(TComponent* owner) : TCustomEdit(owner) { SetMultiLine(true, true); }

TFTopicTemplate::TFTopicTemplate(TComponent* owner) : TTitledForm(owner, 1900, 1902)
{
    SetClientWidth(635);
    SetClientHeight(396);
    P_Button = Add_Button_Panel();
    Btn_OK = Add_Button(P_Button, "Btn_OK", 16, mrOk);
    Btn_Cancel = Add_Button(P_Button, "Btn_Cancel", 134, mrCancel);

    P_Legend = Add_Control<TPanel>(this, this, "P_Legend");
    // Bottom panels line up by where they stand: the legend starts above the buttons.
    P_Legend->SetBounds(0, P_Button->Top() - 108, ClientWidth(), 108);
    P_Legend->SetAlign(alBottom);
    P_Legend->SetBevelOuter(bvNone);
    P_Legend->SetColor(Window_Color);
    L_List_Keywords = Add_Control<TLabel>(this, P_Legend, "L_List_Keywords");
    L_List_Keywords->SetLeft(8);
    L_List_Keywords->SetTop(4);
    ESG_Keywords = Add_Control<TExtStringGrid>(this, P_Legend, "ESG_Keywords");
    ESG_Keywords->SetBounds(8, 22, 619, 82);
    ESG_Keywords->SetAnchors({akLeft, akTop, akRight, akBottom});
    ESG_Keywords->SetColCount(2);
    ESG_Keywords->SetFixedCols(0);
    ESG_Keywords->SetFixedRows(1);
    ESG_Keywords->SetColWidths(0, 200);
    ESG_Keywords->SetColWidths(1, 380);
    ESG_Keywords->SetOptions(ESG_Keywords->Options() + goEditing);

    Panel1 = Add_Control<TPanel>(this, this, "Panel1");
    Panel1->SetAlign(alClient);
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetColor(Window_Color);
    Panel1->SetBorderWidth(6);
    RE_TopicTemplate = Add_Control<TTemplateMemo>(this, Panel1, "RE_TopicTemplate");
    RE_TopicTemplate->SetAlign(alClient);
}

void TFTopicTemplate::Set_Lang()
{
    TTitledForm::Set_Lang();
    L_List_Keywords->SetCaption(Lang_Table[1904]);
    ESG_Keywords->SetCells(0, 0, Lang_Table[1905]);
    ESG_Keywords->SetCells(1, 0, Lang_Table[1906]);
    Btn_OK->SetCaption(Lang_Table[1907]);
    Btn_Cancel->SetCaption(Lang_Table[1908]);
}

void TFTopicTemplate::DoShow()
{
    FormShow();
    TTitledForm::DoShow();
}

void TFTopicTemplate::FormShow()
{
    Set_Title_Texts(TopicTemplate ? 1901 : 1900, TopicTemplate ? 1903 : 1902);
    Laod_Keywords();
    if (RE_TopicTemplate->CanFocus()) RE_TopicTemplate->SetFocus();
}

void TFTopicTemplate::Laod_Keywords()
{
    ESG_Keywords->SetRowCount(2);
    ESG_Keywords->SetCells(0, 1, "");
    ESG_Keywords->SetCells(1, 1, "");
    ESG_Keywords->SetReadOnly(0, 1, false);
    ESG_Keywords->SetReadOnly(1, 1, true);
}
