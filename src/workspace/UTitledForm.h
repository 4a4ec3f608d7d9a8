#pragma once
#include "controls/LbButton.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

// A named control of the window, placed on the given parent.
template <class T> T* Add_Control(TComponent* owner, TWinControl* parent, const std::string& name)
{
    auto* control = new T(owner);
    control->SetName(name);
    control->SetParent(parent);
    return control;
}

// The frame every window but the main window and the About box shares: the look of the
// family's windows and the title panel P_Title, which shows the product code and a line
// that describes the window. Set_Lang relabels the caption and that line from the text
// table block of the window; windows with more texts extend it.
class TTitledForm : public TForm {
public:
    // captionText and descText are the text-table entries of the caption and of L_SW_Desc.
    TTitledForm(TComponent* owner, int captionText, int descText);

    virtual void Set_Lang();

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;

protected:
    // The texts are set once the window and all it owns are built, so that Set_Lang
    // reaches the window's own version and its labels size themselves.
    void Loaded() override;
    void Set_Title_Texts(int captionText, int descText);
    // The button panel P_Button at the bottom and one of its styled buttons (110 x 28 at top 6
    // of its parent, which is mostly that panel).
    TPanel* Add_Button_Panel();
    TLbButton* Add_Button(TWinControl* parent, const std::string& name, int left, TModalResult result);

private:
    int captionText_;
    int descText_;
};

// The background of the family's windows (red 248, green 247, blue 237).
constexpr TColor Window_Color = 15595512;

// The look every window of the family shares: its background, Verdana 11 pixels, centred
// on the screen.
void Apply_Window_Look(TCustomForm& form);

// A window that cannot be resized, with only the system menu among its border icons.
void Make_Fixed_Size(TCustomForm& form);
