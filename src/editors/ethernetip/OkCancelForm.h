#pragma once
#include "workspace/UTitledForm.h"

// A window of the family with only OK and Cancel: its texts are a block of the text table
// from FirstText on (caption, description, the two button captions, their two hints), and
// each show runs FormShow first.
class TOkCancelForm : public TTitledForm {
public:
    // OkResult is what OK closes the window with; mrNone leaves closing to its handler.
    TOkCancelForm(TComponent* owner, int FirstText, int ClientWidth, TModalResult OkResult);

    void Set_Lang() override;
    virtual void FormShow() = 0;

    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;

protected:
    void DoShow() override;

private:
    int firstText_;
};
