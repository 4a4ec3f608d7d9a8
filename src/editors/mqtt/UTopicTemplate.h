#pragma once
#include "workspace/UTitledForm.h"

class TExtStringGrid;

// A multi-line text edit; Enter breaks the line.
class TTemplateMemo : public TCustomEdit {
public:
    explicit TTemplateMemo(TComponent* owner);
};

// The editor of one MQTT topic or template text in a larger, multi-line field, above the
// table of template keywords. The caller sets TopicTemplate and the text of
// RE_TopicTemplate, shows the window and, on OK, takes the text back.
class TFTopicTemplate : public TTitledForm {
public:
    explicit TFTopicTemplate(TComponent* owner);

    void Set_Lang() override;
    void FormShow();
    // The system has no keywords yet: the table holds one empty row whose keyword cell
    // alone can be typed into.
    void Laod_Keywords();

    // Non-zero while the text is a Template cell; it chooses the captions.
    int TopicTemplate = 0;

    TPanel* Panel1;
    TTemplateMemo* RE_TopicTemplate;
    TPanel* P_Legend;
    TLabel* L_List_Keywords;
    TExtStringGrid* ESG_Keywords;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;

protected:
    void DoShow() override;
};

extern TFTopicTemplate* FTopicTemplate;
