#pragma once
#include "controls/LbButton.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

// The About box: the product's description, code, version and manual code, the product
// picture and a link to the maker's web site. Its texts are fixed, not from the text table.
class TFAbout : public TForm {
public:
    explicit TFAbout(TComponent* owner);

    void FormShow(TObject* Sender);
    void Label4Click(TObject* Sender);

    TImage* Image2;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label6;
    TLabel* Label9;
    TLabel* Label3;
    TLabel* Label10;
    TLabel* Label8;
    TLabel* Label12;
    TLabel* Label4;
    TLbButton* LbButton1;

private:
    TLabel* Add_Label(const std::string& name, int left, int top, const std::string& caption);
};

extern TFAbout* FAbout;
